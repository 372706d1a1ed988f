#include "classoverview.h"

#include "statsfile.h"
#include "statsmodel.h"

#include <QDir>
#include <QStringList>

#include <array>
#include <map>

namespace quorvel::stats {

namespace {

constexpr OverviewPart kParts[kOverviewPartCount] = {
    {"Brüche Teil 1", 1, 1, 6},
    {"Brüche Teil 2", 1, 7, 11},
    {"Einheiten", 2, 1, 6},
    {"Grundrechnen: Aufgaben", 3, 1, 4},
    {"Grundrechnen: Lückenaufgaben", 3, 5, 8},
    {"Grundrechnen: Gleichungen", 3, 9, 12},
    {"Primfaktoren", 4, 1, 4},
    {"Zahlensysteme", 5, 1, 5},
};

const char* const kHeaders[OverviewColumnCount] = {
    "Name", "Bereich", "Aufgaben", "Beim ersten Versuch richtig", "Fehlerquote in %",
    "Letzter Übungstag", "Offene Fehler", "Gemeistert (30 Tage)",
};

// What one topic file of a pupil gave.
enum class FileState { Missing, Read, Damaged };

struct PupilFiles {
    std::array<FileState, kTopicCount> state{};
    std::array<OverviewRow, kOverviewPartCount> parts{};
};

// The topic whose extension `fileName` ends in, or 0.
int topicOfFileName(const QString& fileName)
{
    for (int t = 1; t <= kTopicCount; ++t)
        if (fileName.size() > 4 && fileName.endsWith(fileExtension(t), Qt::CaseSensitive))
            return t;
    return 0;
}

void sumParts(const StatHistory& history, int topic, PupilFiles& pupil)
{
    for (int p = 0; p < kOverviewPartCount; ++p) {
        const OverviewPart& part = kParts[p];
        if (part.topic != topic)
            continue;
        OverviewRow& row = pupil.parts[p];
        for (const StatRecord& rec : history) {
            if (rec.isEmpty())
                continue;
            quint32 dayGiven = 0;
            for (int type = part.firstType; type <= part.lastType; ++type) {
                const StatCounts c = rec.at(type);
                dayGiven += c.given;
                row.correct += c.correct;
            }
            row.given += dayGiven;
            if (dayGiven > 0) // records are oldest first: the last one with tasks wins
                row.lastDay = rec.date.trimmed();
        }
    }
}

} // namespace

const OverviewPart& overviewPart(int index)
{
    return kParts[index >= 0 && index < kOverviewPartCount ? index : 0];
}

qint64 OverviewRow::errorRateHundredths() const
{
    return hasErrorRate() ? stats::errorRateHundredths(given, correct) : 0;
}

ClassOverview readClassOverview(const QString& directory, const CardFileReader& cards)
{
    ClassOverview result;
    const QDir dir(directory);
    if (directory.isEmpty() || !dir.exists())
        return result;
    result.directoryFound = true;
    std::map<QString, PupilFiles> pupils;
    // Broken links and other odd entries ("System") are listed too, so that a pupil's file
    // that cannot be read shows up as damaged rather than vanishing.
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& fileName : names) {
        const int topic = topicOfFileName(fileName);
        if (topic == 0)
            continue;
        const QString pupil = fileName.chopped(4);
        if (pupil == QLatin1String(".") || pupil == QLatin1String(".."))
            continue;
        PupilFiles& files = pupils[pupil];
        QByteArray data;
        QString reason;
        const ReadStatus status = readStatsFile(dir.filePath(fileName), &data, &reason);
        if (status == ReadStatus::Missing) // gone since the listing
            continue;
        StatHistory history = emptyHistory(typeCount(topic));
        if (status != ReadStatus::Read || !parseStatsFile(data, typeCount(topic), history).ok) {
            files.state[topic - 1] = FileState::Damaged;
            ++result.damagedFiles;
            continue;
        }
        files.state[topic - 1] = FileState::Read;
        sumParts(history, topic, files);
    }
    result.rows.reserve(pupils.size() * kOverviewPartCount);
    for (auto& [pupil, files] : pupils) {
        bool any = false;
        for (FileState s : files.state)
            any = any || s != FileState::Missing;
        if (!any)
            continue;
        ++result.pupils;
        // Only this pupil's Kartei is opened, read like the statistics files, never locked.
        CardCounts counts;
        bool cardsDamaged = false;
        if (cards) {
            QByteArray data;
            QString reason;
            switch (readStatsFile(dir.filePath(pupil + QStringLiteral(".qvf")), &data, &reason)) {
            case ReadStatus::Missing:
                break;
            case ReadStatus::Read:
                if (const std::optional<CardCounts> c = cards(data)) {
                    counts = *c;
                    break;
                }
                [[fallthrough]];
            default:
                cardsDamaged = true;
                ++result.damagedFiles;
            }
        }
        for (int p = 0; p < kOverviewPartCount; ++p) {
            OverviewRow row = files.parts[p];
            row.pupil = pupil;
            row.part = p;
            if (files.state[kParts[p].topic - 1] == FileState::Damaged)
                row = OverviewRow{pupil, p, true, 0, 0, {}};
            row.openCards = counts.open;
            row.masteredCards = counts.mastered;
            row.cardsDamaged = cardsDamaged;
            result.rows.push_back(std::move(row));
        }
    }
    return result;
}

QString overviewHeader(int column)
{
    return column >= 0 && column < OverviewColumnCount ? QString::fromUtf8(kHeaders[column])
                                                       : QString();
}

QString overviewCell(const OverviewRow& row, int column)
{
    switch (column) {
    case ColName:
        return row.pupil;
    case ColPart:
        return QString::fromUtf8(overviewPart(row.part).caption);
    case ColGiven:
        return row.damaged ? QStringLiteral("Datei beschädigt") : QString::number(row.given);
    case ColCorrect:
        return row.damaged ? QString() : QString::number(row.correct);
    case ColErrorRate: {
        if (!row.hasErrorRate())
            return {};
        const qint64 h = row.errorRateHundredths();
        return QStringLiteral("%1,%2").arg(h / 100).arg(h % 100, 2, 10, QLatin1Char('0'));
    }
    case ColLastDay:
        return row.lastDay;
    case ColOpenCards:
        return row.cardsDamaged ? QStringLiteral("Datei beschädigt") : QString::number(row.openCards);
    case ColMasteredCards:
        return row.cardsDamaged ? QString() : QString::number(row.masteredCards);
    default:
        return {};
    }
}

qint64 overviewSortKey(const OverviewRow& row, int column)
{
    switch (column) {
    case ColPart:
        return row.part;
    case ColGiven:
        return row.damaged ? -1 : qint64(row.given);
    case ColCorrect:
        return row.damaged ? -1 : qint64(row.correct);
    case ColErrorRate:
        return row.hasErrorRate() ? row.errorRateHundredths() : -1;
    case ColLastDay: {
        if (row.lastDay.size() != 10)
            return row.damaged ? -1 : 0;
        // "dd.mm.yyyy" as yyyymmdd
        return row.lastDay.mid(6, 4).toLongLong() * 10000 + row.lastDay.mid(3, 2).toLongLong() * 100
               + row.lastDay.left(2).toLongLong();
    }
    case ColOpenCards:
        return row.cardsDamaged ? -1 : row.openCards;
    case ColMasteredCards:
        return row.cardsDamaged ? -1 : row.masteredCards;
    default:
        return 0;
    }
}

QString csvField(const QString& text)
{
    QString field = text;
    // "=1+1", "+49", "-2", "@x": a spreadsheet would run or convert these.
    qsizetype first = 0;
    while (first < field.size() && field.at(first) == QLatin1Char(' '))
        ++first;
    if (first < field.size()) {
        const QChar c = field.at(first);
        if (c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-')
            || c == QLatin1Char('@') || c == QLatin1Char('\t') || c == QLatin1Char('\r'))
            field.prepend(QLatin1Char('\''));
    }
    if (field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray overviewCsv(const std::vector<const OverviewRow*>& rows)
{
    QString text;
    text.reserve(qsizetype(rows.size() + 1) * 80);
    auto addLine = [&text](auto cell) {
        for (int c = 0; c < OverviewColumnCount; ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            text += csvField(cell(c));
        }
        text += QLatin1String("\r\n");
    };
    addLine([](int c) { return overviewHeader(c); });
    for (const OverviewRow* row : rows)
        addLine([row](int c) { return overviewCell(*row, c); });
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace quorvel::stats
