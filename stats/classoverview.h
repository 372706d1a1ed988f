#pragma once
// The class overview for teachers: every pupil's statistics files in the data directory,
// summed per part of the statistics buttons over the ten stored days, and the same table
// as CSV for a German spreadsheet. Only reads: nothing here writes, renames or locks a
// statistics file.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

#include <functional>
#include <vector>

namespace quorvel::stats {

// One part as a statistics button shows it: a topic and a run of its task types.
struct OverviewPart {
    const char* caption; // UTF-8
    int topic;
    int firstType;
    int lastType;
};
constexpr int kOverviewPartCount = 8;
// Parts 0..7 in the order of the statistics buttons.
const OverviewPart& overviewPart(int index);

struct OverviewRow {
    QString pupil;
    int part = 0;         // 0..7
    bool damaged = false; // the topic's file exists but could not be read
    quint32 given = 0;    // tasks given over the ten days
    quint32 correct = 0;  // of those, solved at the first try
    QString lastDay;      // "dd.mm.yyyy" of the last day with tasks of the part, or empty
    // The pupil's Fehlerkartei, the same on each of the pupil's rows.
    int openCards = 0;     // cards still to practise
    int masteredCards = 0; // cards mastered in the last 30 days
    bool cardsDamaged = false;

    bool hasErrorRate() const { return !damaged && given > 0; }
    // Error rate in hundredths of a percent, cut (not rounded) like the charts do:
    // 1 of 3 wrong gives 3333. 0 without tasks.
    qint64 errorRateHundredths() const;
};

struct ClassOverview {
    std::vector<OverviewRow> rows; // pupils in name order, each with its eight parts
    int pupils = 0;
    int damagedFiles = 0;
    bool directoryFound = false;
};

// What a pupil's Fehlerkartei ("<name>.qvf") holds, read from its bytes; nothing for a
// damaged file. The reader belongs to the Kartei's own code and is handed in.
struct CardCounts {
    int open = 0;
    int mastered = 0;
};
using CardFileReader = std::function<std::optional<CardCounts>(const QByteArray& data)>;

// Reads every "<name>.qvb/.qve/.qvg/.qvp/.qvz" in `directory`. A pupil with at least one
// such file gets eight rows; a missing topic file gives zeros, a damaged or unreadable one
// marks the rows of that topic as damaged. With `cards`, each pupil's "<name>.qvf" fills
// the two Kartei columns (none: zeros). Other files are ignored.
ClassOverview readClassOverview(const QString& directory, const CardFileReader& cards = {});

// The columns of the table and of the CSV file.
enum OverviewColumn {
    ColName,
    ColPart,
    ColGiven,
    ColCorrect,
    ColErrorRate,
    ColLastDay,
    ColOpenCards,
    ColMasteredCards,
    OverviewColumnCount
};
QString overviewHeader(int column);
// What a cell shows: "33,33" for a rate, "Datei beschädigt" in the tasks column of a
// damaged file, empty where there is nothing to show.
QString overviewCell(const OverviewRow& row, int column);
// A sort key for the column: numbers compare as numbers, days by their date; damaged and
// empty cells sort first.
qint64 overviewSortKey(const OverviewRow& row, int column);

// One CSV field. Fields with a semicolon, a quote or a line break are quoted (inner quotes
// doubled); a text that a spreadsheet would take for a formula (starting with "=", "+",
// "-", "@", a tab or a carriage return, also after blanks) gets a leading apostrophe.
QString csvField(const QString& text);
// The whole file: UTF-8 with byte-order mark, semicolons, one header row, CR LF.
QByteArray overviewCsv(const std::vector<const OverviewRow*>& rows);

} // namespace quorvel::stats
