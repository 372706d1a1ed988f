// The class overview's reading and CSV without a window: good, damaged, missing-topic and
// foreign files, totals, rates, last active days, and the exact CSV bytes.
#include "classoverview.h"
#include "reviewfile.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

// A history of `topic` with the given day records: (date, per-type (given, correct)).
struct Day {
    const char* date;
    std::vector<StatCounts> counts; // from type 1 on; the rest 0
};

QByteArray fileOf(int topic, const std::vector<Day>& days)
{
    const int types = typeCount(topic);
    StatHistory h = emptyHistory(types);
    for (std::size_t d = 0; d < days.size(); ++d) {
        h[d].date = QLatin1Char(' ') + QString::fromLatin1(days[d].date);
        for (std::size_t k = 0; k < days[d].counts.size(); ++k)
            h[d].counts[k] = days[d].counts[k];
    }
    return formatStatsFile(h, types);
}

struct OverviewDir : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) { writeBytes(path(name), bytes); }
    // Every topic file of `pupil` with a zero record for one day.
    void putAllEmpty(const QString& pupil)
    {
        for (int t = 1; t <= kTopicCount; ++t)
            put(pupil + fileExtension(t), fileOf(t, {{"01.12.2026", {}}}));
    }
    const OverviewRow* find(const ClassOverview& o, const QString& pupil, int part) const
    {
        for (const OverviewRow& r : o.rows)
            if (r.pupil == pupil && r.part == part)
                return &r;
        return nullptr;
    }
};

TEST_F(OverviewDir, SumsTheTenDaysPerPartAndFindsTheLastDayWithTasks)
{
    putAllEmpty(QStringLiteral("Anna"));
    // Basic arithmetic: plain additions on two days, gap tasks on the middle day, a
    // zero record for the last day (every choice of the pupil writes one).
    put(QStringLiteral("Anna.qvg"),
        fileOf(3, {{"01.12.2026", {{3, 2}, {1, 1}}},
                   {"03.12.2026", {{}, {}, {}, {}, {2, 0}}},
                   {"05.12.2026", {{4, 4}, {}, {}, {0, 0}}},
                   {"07.12.2026", {}}}));
    // Fractions: part 1 (types 1..6) and part 2 (types 7..11) apart.
    put(QStringLiteral("Anna.qvb"),
        fileOf(1, {{"02.12.2026", {{}, {}, {}, {}, {}, {6, 3}, {5, 5}}},
                   {"04.12.2026", {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {7, 3}}}}));
    const ClassOverview o = readClassOverview(dir.path());
    ASSERT_TRUE(o.directoryFound);
    EXPECT_EQ(o.pupils, 1);
    EXPECT_EQ(o.damagedFiles, 0);
    ASSERT_EQ(o.rows.size(), 8u);
    struct Expected {
        int part;
        quint32 given, correct;
        const char* rate;
        const char* lastDay;
    };
    for (const Expected& e : {Expected{0, 6, 3, "50,00", "02.12.2026"},
                              Expected{1, 12, 8, "33,33", "04.12.2026"},
                              Expected{2, 0, 0, "", ""},
                              Expected{3, 8, 7, "12,50", "05.12.2026"},
                              Expected{4, 2, 0, "100,00", "03.12.2026"},
                              Expected{5, 0, 0, "", ""},
                              Expected{6, 0, 0, "", ""},
                              Expected{7, 0, 0, "", ""}}) {
        const OverviewRow* r = find(o, QStringLiteral("Anna"), e.part);
        ASSERT_NE(r, nullptr) << e.part;
        EXPECT_EQ(r->given, e.given) << e.part;
        EXPECT_EQ(r->correct, e.correct) << e.part;
        EXPECT_EQ(overviewCell(*r, ColErrorRate), QString::fromLatin1(e.rate)) << e.part;
        EXPECT_EQ(overviewCell(*r, ColLastDay), QString::fromLatin1(e.lastDay)) << e.part;
        EXPECT_EQ(overviewCell(*r, ColGiven), QString::number(e.given));
        EXPECT_FALSE(r->damaged);
    }
}

// A damaged or unreadable file marks only the rows of its topic; a missing topic gives
// zeros; files that are no statistics files are passed over.
TEST_F(OverviewDir, DamagedMissingAndForeignFiles)
{
    putAllEmpty(QStringLiteral("Anna"));
    put(QStringLiteral("Anna.qvz"), fileOf(5, {{"06.12.2026", {{2, 1}}}}));
    put(QStringLiteral("Ben.qvg"), fileOf(3, {{"06.12.2026", {{}, {}, {}, {9, 9}}}}));
    putAllEmpty(QStringLiteral("Cara"));
    put(QStringLiteral("Cara.qvb"), "3 2 x\r\n");                                   // damaged
    put(QStringLiteral("Cara.qvp"), QByteArray(int(kMaxStatsFileSize) + 10, '1')); // far too large
    ASSERT_EQ(::symlink("/etc/hostname", path(QStringLiteral("Dora.qve")).toLocal8Bit().constData()), 0);
    // Not statistics files, or not a pupil's.
    put(QStringLiteral("notes.txt"), "Anna 3 2");
    put(QStringLiteral("Anna.qvb.defekt"), "kaputt");
    put(QStringLiteral("Anna.qvg.a1B2c3"), "halb geschrieben");
    put(QStringLiteral(".qvb"), fileOf(1, {}));
    put(QStringLiteral("Emil.QVG"), fileOf(3, {}));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Fritz.qvg")));

    const ClassOverview o = readClassOverview(dir.path());
    EXPECT_EQ(o.pupils, 4);
    EXPECT_EQ(o.damagedFiles, 3);
    ASSERT_EQ(o.rows.size(), 32u);
    QStringList order;
    for (const OverviewRow& r : o.rows)
        if (r.part == 0)
            order << r.pupil;
    EXPECT_EQ(order, (QStringList{"Anna", "Ben", "Cara", "Dora"}));

    struct Expected {
        const char* pupil;
        int part;
        bool damaged;
        const char* given;
        const char* rate;
    };
    for (const Expected& e : {Expected{"Anna", 7, false, "2", "50,00"},
                              Expected{"Anna", 0, false, "0", ""},
                              Expected{"Ben", 3, false, "9", "0,00"},
                              Expected{"Ben", 0, false, "0", ""}, // no fractions file: zeros
                              Expected{"Cara", 0, true, "Datei beschädigt", ""},
                              Expected{"Cara", 1, true, "Datei beschädigt", ""},
                              Expected{"Cara", 2, false, "0", ""},
                              Expected{"Cara", 6, true, "Datei beschädigt", ""},
                              Expected{"Dora", 2, true, "Datei beschädigt", ""},
                              Expected{"Dora", 3, false, "0", ""}}) {
        const OverviewRow* r = find(o, QString::fromUtf8(e.pupil), e.part);
        ASSERT_NE(r, nullptr) << e.pupil << e.part;
        EXPECT_EQ(r->damaged, e.damaged) << e.pupil << e.part;
        EXPECT_EQ(overviewCell(*r, ColGiven), QString::fromUtf8(e.given)) << e.pupil << e.part;
        EXPECT_EQ(overviewCell(*r, ColErrorRate), QString::fromLatin1(e.rate));
        if (e.damaged) {
            EXPECT_EQ(overviewCell(*r, ColCorrect), QString());
            EXPECT_EQ(overviewCell(*r, ColLastDay), QString());
        }
    }
}

TEST_F(OverviewDir, MissingOrEmptyDirectoryGivesNoRows)
{
    EXPECT_TRUE(readClassOverview(dir.path()).rows.empty());
    EXPECT_TRUE(readClassOverview(dir.path()).directoryFound);
    const ClassOverview none = readClassOverview(dir.filePath(QStringLiteral("fehlt")));
    EXPECT_FALSE(none.directoryFound);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_FALSE(readClassOverview(QString()).directoryFound);
}

struct RateCase {
    quint32 given, correct;
    const char* text;
    qint64 key;
};

TEST_F(OverviewDir, EachPupilsKarteiFillsItsTwoColumns)
{
    putAllEmpty(QStringLiteral("Anna"));
    putAllEmpty(QStringLiteral("Ben"));
    putAllEmpty(QStringLiteral("Carl"));
    put(QStringLiteral("Anna.qvf"), "Quorvel-Fehlerkartei 1\n"
                                    "K 1 3 1 2026-12-06 2026-12-06 12 30\n"
                                    "K 2 2 2 2026-12-01 2026-12-05 3 1 2\n"
                                    "G 2026-12-02\n"
                                    "G 2026-10-01\n");
    put(QStringLiteral("Ben.qvf"), "Quorvel-Fehlerkartei 1\nK x\n");
    put(QStringLiteral("Dora.qvf"), "Quorvel-Fehlerkartei 1\n"); // no statistics: no rows
    const CardFileReader reader = [](const QByteArray& data) {
        return quorvel::review::countReviewFile(data, QDate(2026, 12, 7));
    };
    const ClassOverview o = readClassOverview(dir.path(), reader);
    EXPECT_EQ(o.pupils, 3);
    EXPECT_EQ(o.damagedFiles, 1);
    const struct {
        const char* pupil;
        const char* open;
        const char* mastered;
    } rows[] = {{"Anna", "2", "1"}, {"Ben", "Datei beschädigt", ""}, {"Carl", "0", "0"}};
    for (const auto& r : rows)
        for (int part = 0; part < kOverviewPartCount; ++part) {
            const OverviewRow* row = find(o, QString::fromUtf8(r.pupil), part);
            ASSERT_NE(row, nullptr) << r.pupil;
            EXPECT_EQ(overviewCell(*row, ColOpenCards), QString::fromUtf8(r.open)) << r.pupil;
            EXPECT_EQ(overviewCell(*row, ColMasteredCards), QString::fromUtf8(r.mastered)) << r.pupil;
        }
    // Without a reader no Kartei is opened.
    EXPECT_EQ(readClassOverview(dir.path()).damagedFiles, 0);
}

TEST(OverviewRate, CutToTwoDecimalsWithADecimalComma)
{
    for (const RateCase& c : {RateCase{3, 2, "33,33", 3333}, RateCase{3, 1, "66,66", 6666},
                              RateCase{7, 3, "57,14", 5714}, RateCase{1, 0, "100,00", 10000},
                              RateCase{4, 4, "0,00", 0}, RateCase{0, 0, "", -1},
                              RateCase{2, 5, "0,00", 0}, // more right than given: no negative rate
                              RateCase{655350, 1, "99,99", 9999}}) {
        OverviewRow r;
        r.given = c.given;
        r.correct = c.correct;
        EXPECT_EQ(overviewCell(r, ColErrorRate), QString::fromLatin1(c.text)) << c.given << "/" << c.correct;
        EXPECT_EQ(overviewSortKey(r, ColErrorRate), c.key);
    }
}

struct FieldCase {
    const char* text;
    const char* field;
};

TEST(CsvField, QuotesSeparatorsAndDefusesFormulas)
{
    for (const FieldCase& c : {
             FieldCase{"Anna Maria", "Anna Maria"},
             FieldCase{"Jörg Übel", "Jörg Übel"},
             FieldCase{"Meier; Paul", "\"Meier; Paul\""},
             FieldCase{"Karl \"Kalle\" K", "\"Karl \"\"Kalle\"\" K\""},
             FieldCase{"=1+1", "'=1+1"},
             FieldCase{"+49", "'+49"},
             FieldCase{"-2", "'-2"},
             FieldCase{"@x", "'@x"},
             FieldCase{"  =A1", "'  =A1"},
             FieldCase{"\tTab", "'\tTab"},
             FieldCase{"=HYPERLINK(\"x\";1)", "\"'=HYPERLINK(\"\"x\"\";1)\""},
             FieldCase{"Zeile\nzwei", "\"Zeile\nzwei\""},
             FieldCase{"Anna-Lena", "Anna-Lena"},
             FieldCase{"", ""},
         })
        EXPECT_EQ(csvField(QString::fromUtf8(c.text)), QString::fromUtf8(c.field)) << c.text;
}

TEST(OverviewCsv, BytesForAwkwardNames)
{
    std::vector<OverviewRow> rows{
        {QStringLiteral("Anna Maria"), 0, false, 3, 2, QStringLiteral("06.12.2026")},
        {QStringLiteral("Jörg Übel"), 3, false, 0, 0, {}},
        {QStringLiteral("Meier; Paul"), 7, false, 8, 8, QStringLiteral("01.12.2026")},
        {QStringLiteral("Karl \"Kalle\""), 4, false, 7, 3, QStringLiteral("07.12.2026")},
        {QStringLiteral("=1+1"), 2, true, 0, 0, {}},
        {QStringLiteral("+49"), 1, false, 1, 0, QStringLiteral("02.12.2026")},
        {QStringLiteral("-2"), 5, false, 0, 0, {}},
        {QStringLiteral("@x"), 6, false, 0, 0, {}},
    };
    std::vector<const OverviewRow*> ptrs;
    for (const OverviewRow& r : rows)
        ptrs.push_back(&r);
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Name;Bereich;Aufgaben;Beim ersten Versuch richtig;Fehlerquote in %;Letzter \xC3\x9C" "bungstag;Offene Fehler;Gemeistert (30 Tage)\r\n"
        "Anna Maria;Br\xC3\xBC" "che Teil 1;3;2;33,33;06.12.2026;0;0\r\n"
        "J\xC3\xB6rg \xC3\x9C" "bel;Grundrechnen: Aufgaben;0;0;;;0;0\r\n"
        "\"Meier; Paul\";Zahlensysteme;8;8;0,00;01.12.2026;0;0\r\n"
        "\"Karl \"\"Kalle\"\"\";Grundrechnen: L\xC3\xBC" "ckenaufgaben;7;3;57,14;07.12.2026;0;0\r\n"
        "'=1+1;Einheiten;Datei besch\xC3\xA4" "digt;;;;0;0\r\n"
        "'+49;Br\xC3\xBC" "che Teil 2;1;0;100,00;02.12.2026;0;0\r\n"
        "'-2;Grundrechnen: Gleichungen;0;0;;;0;0\r\n"
        "'@x;Primfaktoren;0;0;;;0;0\r\n";
    EXPECT_EQ(overviewCsv(ptrs), expected);
    EXPECT_EQ(overviewCsv({}), expected.left(expected.indexOf("\r\n") + 2));
}

} // namespace
