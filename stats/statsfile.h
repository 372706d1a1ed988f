#pragma once
// The statistics files: ten lines, one record each, oldest first. A line holds for every
// task type the given and the correct count, then the date text, all separated by single
// blanks ("3 2 0 0 0 0 0 0 0 0 1 0 06.12.2026"), ended by CR LF. Reading and writing are
// plain functions on bytes; the file helpers below do the disk side.

#include "statsmodel.h"

#include <QByteArray>
#include <QString>

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

// Larger files are no statistics files; only this much is read.
constexpr qint64 kMaxStatsFileSize = 1 << 20;

enum class ReadStatus { Missing, Read, Failed };
// Reads at most kMaxStatsFileSize + 1 bytes. `reason` gets the system's error text.
ReadStatus readStatsFile(const QString& path, QByteArray* data, QString* reason);

// Writes `data` to a new file beside `path` and renames it over `path`, so a crash or a
// full disk never leaves a cut-off file; on failure the old file is untouched.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* reason);

// Copies a damaged file byte for byte to "<path>.defekt" (or "<path>.defekt2", ... when
// an earlier copy exists) and returns the copy's path; empty if no copy could be made.
QString keepDefectiveCopy(const QString& path, QString* reason);

} // namespace quorvel::stats
