// The statistics file format on bytes: writing byte for byte, reading what people and
// other editors make of it, and the faults a damaged file shows.
#include "services.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

StatRecord unitsRecord(std::initializer_list<quint16> values, const char* date)
{
    StatRecord r;
    r.counts.resize(6);
    int i = 0;
    for (quint16 v : values) {
        StatCounts& c = r.counts[i / 2];
        (i % 2 == 0 ? c.given : c.correct) = v;
        ++i;
    }
    r.date = QString::fromLatin1(date);
    return r;
}

// A history whose every record is recognisable, to see which ones a read replaced.
StatHistory sentinelHistory(int types)
{
    StatHistory h = emptyHistory(types);
    for (int r = 0; r < kHistoryLength; ++r) {
        h[r].counts.assign(types, StatCounts{quint16(900 + r), quint16(r)});
        h[r].date = QStringLiteral(" 01.01.19%1").arg(70 + r);
    }
    return h;
}

} // namespace

TEST(StatsFileFormat, WritesTheUnitsExampleLines)
{
    EXPECT_EQ(formatStatsLine(unitsRecord({}, " 00.00.0000"), 6),
              QByteArray("0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000"));
    EXPECT_EQ(formatStatsLine(unitsRecord({3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, " 06.12.2026"), 6),
              QByteArray("3 2 0 0 0 0 0 0 0 0 1 0 06.12.2026"));
    EXPECT_EQ(formatStatsLine(unitsRecord({65535, 10, 0, 0, 0, 0, 0, 0, 0, 0, 1, 100}, " 31.01.2027"), 6),
              QByteArray("65535 10 0 0 0 0 0 0 0 0 1 100 31.01.2027"));
}

TEST(StatsFileFormat, FieldsPerLineForEachTopic)
{
    const struct {
        int topic;
        int fields;
    } table[] = {{TopicFractions, 23}, {TopicUnits, 13}, {TopicBasic, 25}, {TopicPrimes, 9},
                 {TopicNumberSystems, 11}};
    for (const auto& row : table) {
        TopicStats t(row.topic);
        const QByteArray file = formatStatsFile(t.history, t.typeCount());
        const QStringList lines = splitLines(file);
        ASSERT_EQ(lines.size(), 10) << row.topic;
        EXPECT_TRUE(file.endsWith("\r\n"));
        EXPECT_EQ(file.count("\r\n"), 10);
        EXPECT_EQ(file.count('\n'), 10); // no bare line feeds
        for (const QString& line : lines) {
            // The date text brings its own blank, so splitting at blanks gives the fields.
            EXPECT_EQ(line.split(QLatin1Char(' ')).size(), row.fields) << line.toStdString();
            EXPECT_FALSE(line.contains(QStringLiteral("  ")));
        }
    }
}

TEST(StatsFileFormat, WhatIsWrittenReadsBackTheSame)
{
    std::mt19937 gen(7);
    for (int topic = 1; topic <= kTopicCount; ++topic) {
        const int types = typeCount(topic);
        StatHistory h = emptyHistory(types);
        for (int r = 0; r < 7; ++r) {
            for (StatCounts& c : h[r].counts) {
                c.given = quint16(gen());
                c.correct = quint16(gen() % 3 == 0 ? 0 : gen());
            }
            h[r].date = QStringLiteral(" %1.12.2026").arg(r + 1, 2, 10, QLatin1Char('0'));
        }
        StatHistory back = sentinelHistory(types);
        const ParseResult res = parseStatsFile(formatStatsFile(h, types), types, back);
        EXPECT_TRUE(res.ok) << res.problem.toStdString();
        EXPECT_EQ(res.recordsRead, 10);
        EXPECT_EQ(back, h) << "topic " << topic;
    }
}

TEST(StatsFileFormat, ReadsExtraBlanksTabsAndOtherLineEnds)
{
    const QByteArray canonical =
        fileWithFirstLine(6, "3 2 0 0 0 0 0 0 0 0 1 0 06.12.2026");
    StatHistory expected = emptyHistory(6);
    ASSERT_TRUE(parseStatsFile(canonical, 6, expected).ok);

    QByteArray blanks = canonical;
    blanks.replace("3 2 0", "  3    2\t0");
    blanks.replace(" 06.12.2026", "    06.12.2026  \t");
    QByteArray lfOnly = canonical;
    lfOnly.replace("\r\n", "\n");
    QByteArray crOnly = canonical;
    crOnly.replace("\r\n", "\r");
    QByteArray noLastLineEnd = canonical.left(canonical.size() - 2);
    QByteArray trailingBlankLines = canonical + "\r\n   \r\n\n";
    QByteArray blankLinesBetween = canonical;
    blankLinesBetween.replace("06.12.2026\r\n", "06.12.2026\r\n\r\n  \r\n");

    const struct {
        const char* what;
        QByteArray data;
    } table[] = {{"extra blanks and tabs", blanks},     {"LF only", lfOnly},
                 {"CR only", crOnly},                   {"no line end at the end", noLastLineEnd},
                 {"blank lines after", trailingBlankLines},
                 {"blank lines between", blankLinesBetween}};
    for (const auto& row : table) {
        StatHistory h = sentinelHistory(6);
        const ParseResult res = parseStatsFile(row.data, 6, h);
        EXPECT_TRUE(res.ok) << row.what << ": " << res.problem.toStdString();
        EXPECT_EQ(h, expected) << row.what;
        // Written again, it comes out in the one exact form.
        EXPECT_EQ(formatStatsFile(h, 6), canonical) << row.what;
    }
}

TEST(StatsFileFormat, CountsAbove65535WrapLikeTheCounters)
{
    StatHistory h = emptyHistory(4);
    const QByteArray data =
        fileWithFirstLine(4, "65535 65536 70000 131073 0 00000000000000000000000000007 "
                             "99999999999999999999 1 06.12.2026");
    const ParseResult res = parseStatsFile(data, 4, h);
    ASSERT_TRUE(res.ok) << res.problem.toStdString();
    const StatCounts want[] = {{65535, 0}, {4464, 1}, {0, 7}};
    EXPECT_EQ(h[0].counts[0], want[0]);
    EXPECT_EQ(h[0].counts[1], want[1]);
    EXPECT_EQ(h[0].counts[2], want[2]);
    // 10^20 - 1 modulo 65536, by hand: 10^20 = 2^20 * 5^20, so 10^20 mod 2^16 = 0.
    EXPECT_EQ(h[0].counts[3], (StatCounts{65535, 1}));
}

TEST(StatsFileFormat, DamagedFilesAreFaultsAndKeepWhatWasReadBefore)
{
    const int T = 4;
    QByteArray good;
    for (int r = 0; r < 10; ++r)
        good += QByteArray("1 1 2 2 3 3 4 ") + QByteArray::number(r) + " 0" + QByteArray::number(r)
                + ".12.2026\r\n";

    QByteArray letter = good;
    letter.replace("1 1 2 2 3 3 4 2", "1 1 2 x 3 3 4 2");
    QByteArray glued = good;
    glued.replace("4 3 03", "4 3a 03");
    QByteArray sign = good;
    sign.replace("1 1 2 2 3 3 4 4", "1 1 2 -2 3 3 4 4");
    QByteArray noDate = good;
    noDate.replace(" 05.12.2026", "");
    QByteArray badDate = good;
    badDate.replace("06.12.2026", "06-12-2026");
    QByteArray longDate = good;
    longDate.replace("07.12.2026", "07.12.20260");
    QByteArray sevenLines = good.left(good.indexOf("1 1 2 2 3 3 4 7"));
    QByteArray elevenLines = good + "1 1 2 2 3 3 4 4 08.12.2026\r\n";
    QByteArray tooFewFields = good;
    tooFewFields.replace("1 1 2 2 3 3 4 1 01", "1 1 2 2 3 3 4 01");

    const struct {
        const char* what;
        QByteArray data;
        int recordsRead;
        int line;
        const char* problemPart;
    } table[] = {
        {"letter", letter, 2, 3, "„x“ ist keine gültige Zahl"},
        {"letter glued to a count", glued, 3, 4, "„3a“ ist keine gültige Zahl"},
        {"sign", sign, 4, 5, "„-2“ ist keine gültige Zahl"},
        {"no date", noDate, 5, 6, "Das Datum fehlt"},
        {"bad date", badDate, 6, 7, "„06-12-2026“ ist kein gültiges Datum"},
        {"long date", longDate, 7, 8, "„07.12.20260“ ist kein gültiges Datum"},
        {"seven lines", sevenLines, 7, 8, "nur 7 statt 10"},
        {"eleven lines", elevenLines, 10, 11, "mehr als 10 Zeilen"},
        {"a count short", tooFewFields, 1, 2, "„01.12.2026“ ist keine gültige Zahl"},
        {"empty", QByteArray(), 0, 1, "nur 0 statt 10"},
        {"only blanks", QByteArray("  \r\n \n"), 0, 3, "nur 0 statt 10"},
    };
    StatHistory parsedGood = emptyHistory(T);
    ASSERT_TRUE(parseStatsFile(good, T, parsedGood).ok);
    for (const auto& row : table) {
        StatHistory h = sentinelHistory(T);
        const StatHistory before = h;
        const ParseResult res = parseStatsFile(row.data, T, h);
        EXPECT_FALSE(res.ok) << row.what;
        EXPECT_EQ(res.recordsRead, row.recordsRead) << row.what;
        EXPECT_EQ(res.line, row.line) << row.what;
        EXPECT_TRUE(res.problem.contains(QString::fromUtf8(row.problemPart)))
            << row.what << ": " << res.problem.toStdString();
        for (int r = 0; r < 10; ++r) {
            if (r < res.recordsRead)
                EXPECT_EQ(h[r], parsedGood[r]) << row.what << " record " << r;
            else
                EXPECT_EQ(h[r], before[r]) << row.what << " record " << r;
        }
    }
}

TEST(StatsFileFormat, ControlCharactersInAFaultAreShownAsQuestionMarks)
{
    StatHistory h = emptyHistory(4);
    const ParseResult res = parseStatsFile(QByteArray("1 \x01\x02" "x 3"), 4, h);
    EXPECT_FALSE(res.ok);
    EXPECT_TRUE(res.problem.contains(QStringLiteral("„??x“"))) << res.problem.toStdString();
}
