#pragma once
// The pupil's Fehlerkartei on disk, "<name>.qvf" beside the statistics files. Plain text,
// LF line ends. The first line names the format and its version ("Quorvel-Fehlerkartei 1");
// then one line per card and one per mastered day:
//   K <box> <topic> <type> <missed yyyy-mm-dd> <since yyyy-mm-dd> <task text>
//   G <mastered yyyy-mm-dd>
// Fields are separated by single blanks; the task text is the rest of the line and may
// hold blanks, never a line end or another control character.

#include "reviewbox.h"

#include "classoverview.h"
#include "messages.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace quorvel::review {

inline constexpr char kFileHeader[] = "Quorvel-Fehlerkartei 1";
inline constexpr char kFileExtension[] = ".qvf";

QByteArray formatReviewFile(const ReviewBox& box);

struct ReviewParse {
    bool ok = true;
    int line = 0;    // 1-based line of the fault
    QString problem; // German, e.g. "Zeile 3: „x“ ist kein gültiges Datum."
};
// Reads `data` into `box`. On a fault `box` is left empty (a fresh Kartei).
ReviewParse parseReviewFile(const QByteArray& data, ReviewBox* box);

// The open cards and those mastered in the window before `today`, as the class overview
// shows them; nothing for a damaged file.
std::optional<stats::CardCounts> countReviewFile(const QByteArray& data, QDate today);

// Whether a codec's text can stand on a card line.
bool isCardText(const QString& task);

// The file of one pupil, read and written like the statistics files: under a lock file,
// by atomic replace, never through a link, refused above the size limit; a damaged file
// is moved aside with a notice and a fresh Kartei started.
class ReviewFile {
public:
    ReviewFile(MessageSink& messages, QString path);

    // Under the lock: reads the file as it is now (another copy of the program may have
    // written it), lets `change` work on it and writes the result. A missing file starts
    // empty. Returns false after a notice when the file could not be read or written;
    // then the file on disk is unchanged. `change` may be empty: read only.
    bool update(const std::function<void(ReviewBox&)>& change, ReviewBox* result = nullptr);
    // Reads without writing (a damaged file is still moved aside and reported).
    bool read(ReviewBox* result) { return update({}, result); }

    const QString& path() const { return m_path; }

private:
    enum class Loaded { Ok, Fresh, Refused };
    Loaded load(ReviewBox* box);

    MessageSink& m_messages;
    QString m_path;
};

} // namespace quorvel::review
