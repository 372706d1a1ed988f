#pragma once
// The statistics files: ten lines, one record each, oldest first. A line holds for every
// task type the given and the correct count, then the date text, all separated by single
// blanks ("3 2 0 0 0 0 0 0 0 0 1 0 06.12.2026"), ended by CR LF. Reading and writing are
// plain functions on bytes; the file helpers below do the disk side.

#include "statsmodel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel::stats {

// One line without its line end.
QByteArray formatStatsLine(const StatRecord& record, int types);
// The whole file: the ten records with CR LF after each.
QByteArray formatStatsFile(const StatHistory& history, int types);

struct ParseResult {
    bool ok = true;
    int recordsRead = 0; // records taken over into the history
    int line = 0;        // 1-based line of the fault
    QString problem;     // German, e.g. "Zeile 3: „x“ ist keine gültige Zahl"
};

// Reads records from `data` into `history` (which holds kHistoryLength records of `types`
// pairs) from the first on. Blanks, tabs and line ends (CR LF, LF or CR) before a count
// are skipped, so extra blanks and LF-only files read fine; a count above 65535 is kept
// modulo 65536, as the counters themselves wrap. After the counts the rest of the line,
// trimmed, is the date dd.mm.yyyy. On a fault the records read so far keep their new
// values and the rest keep what they had; fewer than ten records and anything but blank
// space after the tenth are faults too.
ParseResult parseStatsFile(const QByteArray& data, int types, StatHistory& history);

// Larger files are no statistics files: they are refused by their size, before reading.
constexpr qint64 kMaxStatsFileSize = 1 << 20;

enum class ReadStatus {
    Missing,  // nothing at the path
    Read,     // `data` holds the whole file
    Failed,   // a link, a folder, a pipe or unreadable: never read, never overwritten
    TooLarge, // a plain file larger than kMaxStatsFileSize: not read, a damaged file
};
// Reads the plain file at `path`. A symbolic link is never followed; the check and the
// read use one open file, so nothing swapped in between is read. `reason` gets a German
// text (or the system's error text).
ReadStatus readStatsFile(const QString& path, QByteArray* data, QString* reason);

// The rights of a file made in `folder`. A folder shared through its group (the set-group-ID
// bit set, as the package makes it) gives new files its group and group write, so every
// member of the group can continue any pupil's file; elsewhere the owner alone reads and
// writes them.
struct NewFileRights {
    unsigned mode = 0600;
    bool sharedFolder = false;
    unsigned groupId = 0; // the folder's group, when shared
};
NewFileRights newFileRights(const QString& folder);

// Writes `data` to a new file "<path>.XXXXXX" beside `path`, syncs it, renames it over
// `path` and syncs the folder, so a crash, a power cut or a full disk never leaves a
// cut-off file; on failure the old file is untouched and the new one removed. The rename
// replaces whatever name is at `path`: it never writes through a link. A file that was
// there keeps its permissions (in a shared folder with group write added); a new one gets
// those of newFileRights.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* reason);

// Moves a damaged file aside to "<path>.defekt" (or "<path>.defekt2", ... when an earlier
// one exists) by renaming it, so keeping it costs neither time nor space; returns the new
// path, empty if it could not be moved.
QString keepDefectiveAside(const QString& path, QString* reason);

// Removes the temporary files "<path>.XXXXXX" (six letters or digits) a write cut off by
// a kill left behind. Only plain files are removed. Returns how many were removed.
int removeLeftoverTempFiles(const QString& path);
// The same from a listing of the folder's names made before, so that one listing serves
// all five files of a pupil.
int removeLeftoverTempFiles(const QString& path, const QStringList& folderNames);
// The names in `path`'s folder that begin with its file name and a dot: what
// removeLeftoverTempFiles looks at.
QStringList tempFileCandidates(const QString& folder, const QString& namePrefix);

} // namespace quorvel::stats
