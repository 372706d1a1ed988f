// Number-system tasks without a window: the draw ranges, the no-zero rule of Roman
// tasks, the texts a task shows, reading and comparing answers, and the help texts.
#include "fakes.h"
#include "numsyscore.h"
#include "numsystasks.h"
#include "zsyshilfetexts.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::numsys;
using quorvel::test::ScriptedRandom;

namespace {

struct ShownCase {
    int kind;
    int direction;
    qint32 value;
    const char* shownName;
    const char* answerName;
    const char* label;    // lblZSys03
    const char* expected; // the right answer as the second wrong message gives it
    bool textAnswer;
};

const ShownCase kShown[] = {
    {KindRoman, IntoSystem, 1994, "Dezimalzahl", "Römische Zahl", "1994 =", "MCMXCIV", true},
    {KindRoman, IntoDecimal, 1994, "Römische Zahl", "Dezimalzahl", "MCMXCIV =", "1994", false},
    {KindRoman, IntoSystem, 3888, "Dezimalzahl", "Römische Zahl", "3888 =", "MMMDCCCLXXXVIII", true},
    {KindBase16, IntoDecimal, 26, "Hexadezimalzahl", "Dezimalzahl", "1A =", "26", false},
    {KindBase16, IntoSystem, 255, "Dezimalzahl", "Hexadezimalzahl", "255 =", "FF", true},
    {KindBase16, IntoSystem, 65536, "Dezimalzahl", "Hexadezimalzahl", "65536 =", "10000", true},
    {KindBase2, IntoSystem, 5, "Dezimalzahl", "Dualzahl", "5 =", "101", false},
    {KindBase2, IntoSystem, 2048, "Dezimalzahl", "Dualzahl", "2048 =", "100000000000", false},
    {KindBase2, IntoDecimal, 2048, "Dualzahl", "Dezimalzahl", "100000000000 =", "2048", false},
    {KindBase2, IntoSystem, 0, "Dezimalzahl", "Dualzahl", "0 =", "0", false},
    {KindBase3, IntoSystem, 6561, "Dezimalzahl", "Dreierzahl", "6561 =", "100000000", false},
    {KindBase3, IntoDecimal, 6561, "Dreierzahl", "Dezimalzahl", "100000000 =", "6561", false},
    {KindBase8, IntoSystem, 32768, "Dezimalzahl", "Oktalzahl", "32768 =", "100000", false},
    {KindBase8, IntoDecimal, 100, "Oktalzahl", "Dezimalzahl", "144 =", "100", false},
};

TEST(NumeralTasks, WhatATaskShowsAndExpects)
{
    for (const ShownCase& c : kShown) {
        const NumeralTask t = makeNumeralTask({c.kind, Leicht, c.direction}, c.value);
        SCOPED_TRACE(c.label);
        EXPECT_EQ(t.shownName, QString::fromUtf8(c.shownName));
        EXPECT_EQ(t.answerName, QString::fromUtf8(c.answerName));
        EXPECT_EQ(t.taskLabel(), QString::fromUtf8(c.label));
        EXPECT_EQ(t.expectedAnswerText(), QString::fromUtf8(c.expected));
        EXPECT_EQ(t.textAnswer, c.textAnswer);
        // The number the label is placed by: 150 - 7 * (characters + 3).
        EXPECT_EQ(taskLabelLeft(t.shownText), 150 - 7 * (int(t.shownText.size()) + 3));
    }
}

struct AnswerCase {
    int kind;
    int direction;
    qint32 value;
    const char* typed;
    AnswerState state;
    const char* fieldText; // what the field shows with the verdict
};

const AnswerCase kAnswers[] = {
    // Roman and hexadecimal answers: upper-cased, compared as texts, nothing tolerated.
    {KindRoman, IntoSystem, 1994, "mcmxciv", AnswerState::Right, "MCMXCIV"},
    {KindRoman, IntoSystem, 1994, "MCMXCIV", AnswerState::Right, "MCMXCIV"},
    {KindRoman, IntoSystem, 1994, "McMxCiV", AnswerState::Right, "MCMXCIV"},
    {KindRoman, IntoSystem, 1994, " MCMXCIV", AnswerState::Wrong, " MCMXCIV"},
    {KindRoman, IntoSystem, 1994, "MCMXCIV ", AnswerState::Wrong, "MCMXCIV "},
    {KindRoman, IntoSystem, 1994, "MDCCCCLXXXXIIII", AnswerState::Wrong, "MDCCCCLXXXXIIII"},
    {KindRoman, IntoSystem, 1994, "1994", AnswerState::Wrong, "1994"},
    {KindRoman, IntoSystem, 4, "iv\t", AnswerState::Wrong, "IV\t"},
    {KindBase16, IntoSystem, 255, "ff", AnswerState::Right, "FF"},
    {KindBase16, IntoSystem, 255, "FF", AnswerState::Right, "FF"},
    {KindBase16, IntoSystem, 255, "0FF", AnswerState::Wrong, "0FF"},
    {KindBase16, IntoSystem, 255, "255", AnswerState::Wrong, "255"},
    {KindBase16, IntoSystem, 255, "ÿf", AnswerState::Wrong, "ÿF"}, // only a-z change
    // Decimal answers: whole numbers, blanks in front and a sign allowed.
    {KindBase16, IntoDecimal, 26, "26", AnswerState::Right, "26"},
    {KindBase16, IntoDecimal, 26, "  +26", AnswerState::Right, "  +26"},
    {KindBase16, IntoDecimal, 26, "-26", AnswerState::Wrong, "-26"},
    {KindRoman, IntoDecimal, 1994, "1994", AnswerState::Right, "1994"},
    {KindRoman, IntoDecimal, 1994, "01994", AnswerState::Right, "01994"},
    {KindBase2, IntoDecimal, 2048, "2048", AnswerState::Right, "2048"},
    // Bases 2, 3 and 8 asked in the system: the digits read as a number, so leading
    // zeros pass; twelve digits fit.
    {KindBase2, IntoSystem, 5, "101", AnswerState::Right, "101"},
    {KindBase2, IntoSystem, 5, "0101", AnswerState::Right, "0101"},
    {KindBase2, IntoSystem, 5, "5", AnswerState::Wrong, "5"},
    {KindBase2, IntoSystem, 5, "1001", AnswerState::Wrong, "1001"},
    {KindBase2, IntoSystem, 2048, "100000000000", AnswerState::Right, "100000000000"},
    {KindBase2, IntoSystem, 2048, "000100000000000", AnswerState::Right, "000100000000000"},
    {KindBase2, IntoSystem, 2047, "11111111111", AnswerState::Right, "11111111111"},
    {KindBase3, IntoSystem, 6561, "100000000", AnswerState::Right, "100000000"},
    {KindBase8, IntoSystem, 100, "144", AnswerState::Right, "144"},
    {KindBase8, IntoSystem, 100, "100", AnswerState::Wrong, "100"},
};

TEST(NumeralTasks, AnswersAreReadAsTheTaskAsks)
{
    for (const AnswerCase& c : kAnswers) {
        const NumeralTask t = makeNumeralTask({c.kind, Leicht, c.direction}, c.value);
        const NumeralCheck r = checkNumeralAnswer(t, QString::fromUtf8(c.typed));
        EXPECT_EQ(r.check.state, c.state) << c.typed;
        EXPECT_EQ(r.fieldText, QString::fromUtf8(c.fieldText)) << c.typed;
        EXPECT_TRUE(r.check.error.isEmpty()) << c.typed;
    }
}

TEST(NumeralTasks, TextsThatAreNoWholeNumberGiveTheConversionErrorInNumberCases)
{
    const char* const typed[] = {
        "1A",    // a hexadecimal digit where the decimal value is asked
        "mcm", "12a", "1 2", "26 ", "-", "+", " ", "1,5", "1.5", "--26", "\t26", "2\n6", "\x7f",
        "111111111111111111111111111111", // thirty digits
        "9223372036854775808",            // one past 64 bits
    };
    for (const int kind : {KindRoman, KindBase2, KindBase16}) {
        const NumeralTask t = makeNumeralTask({kind, Schwer, IntoDecimal}, 26);
        for (const char* s : typed) {
            const QString text = QString::fromUtf8(s);
            const NumeralCheck r = checkNumeralAnswer(t, text);
            EXPECT_EQ(r.check.state, AnswerState::Invalid) << s;
            EXPECT_EQ(r.check.error, QLatin1Char('\'') + text
                                         + QStringLiteral("' ist kein gültiger Integerwert."));
            EXPECT_EQ(r.fieldText, text); // the field keeps the text
        }
    }
    // In base 2 asked in the system a 2 is no digit, but still a whole number: just wrong.
    const NumeralTask t = makeNumeralTask({KindBase2, Leicht, IntoSystem}, 5);
    EXPECT_EQ(checkNumeralAnswer(t, QStringLiteral("2")).check.state, AnswerState::Wrong);
    EXPECT_EQ(checkNumeralAnswer(t, QStringLiteral("1O1")).check.state, AnswerState::Invalid);
}

TEST(NumeralTasks, WholeNumbersUpTo64Bits)
{
    EXPECT_EQ(readWholeNumber(QStringLiteral("9223372036854775807")),
              std::optional<qint64>(9223372036854775807LL));
    EXPECT_EQ(readWholeNumber(QStringLiteral("-9223372036854775808")),
              std::optional<qint64>(std::numeric_limits<qint64>::min()));
    EXPECT_EQ(readWholeNumber(QStringLiteral("   -0")), std::optional<qint64>(0));
    EXPECT_EQ(readWholeNumber(QStringLiteral("000000000000000000000000000042")),
              std::optional<qint64>(42));
    EXPECT_FALSE(readWholeNumber(QStringLiteral("-9223372036854775809")));
    EXPECT_FALSE(readWholeNumber(QStringLiteral("99999999999999999999")));
    EXPECT_FALSE(readWholeNumber(QStringLiteral("+-1")));
    EXPECT_FALSE(readWholeNumber(QStringLiteral("١٢"))); // other scripts' digits are no digits
}

TEST(NumeralTasks, DrawRangesByKindAndDifficulty)
{
    const int limits[5][3] = {{501, 2001, 4000},
                              {257, 513, 2049},
                              {244, 730, 6562},
                              {513, 4097, 32769},
                              {257, 4097, 65537}};
    for (int kind = KindRoman; kind <= KindBase16; ++kind) {
        for (int d = Leicht; d <= Schwer; ++d) {
            const int n = limits[kind - 1][d];
            EXPECT_EQ(drawLimit(kind, d), n);
            // The largest value of the range is drawn and shown.
            ScriptedRandom random;
            random.script({n - 1});
            const NumeralTask t = drawNumeralTask({kind, d, IntoDecimal}, random);
            EXPECT_EQ(random.asked, std::vector<int>{n});
            EXPECT_FALSE(random.scriptMisuse);
            EXPECT_EQ(t.value, n - 1);
            EXPECT_EQ(t.expectedNumber, n - 1);
        }
    }
}

TEST(NumeralTasks, RomanTasksDrawAgainOnZeroOtherKindsKeepIt)
{
    ScriptedRandom random;
    random.script({0, 0, 7});
    NumeralTask t = drawNumeralTask({KindRoman, Mittel, IntoSystem}, random);
    EXPECT_EQ(random.asked, (std::vector<int>{2001, 2001, 2001}));
    EXPECT_EQ(t.value, 7);
    EXPECT_EQ(t.expectedText, QStringLiteral("VII"));

    for (int kind = KindBase2; kind <= KindBase16; ++kind) {
        ScriptedRandom r;
        r.script({0});
        t = drawNumeralTask({kind, Leicht, IntoDecimal}, r);
        EXPECT_EQ(r.asked.size(), 1u);
        EXPECT_EQ(t.taskLabel(), QStringLiteral("0 ="));
        EXPECT_EQ(t.expectedNumber, 0);
    }
}

TEST(NumeralTasks, ManyRandomDrawsStayInRangeAndRoundTrip)
{
    ScriptedRandom random; // a fixed-seed generator once the script is empty
    for (int kind = KindRoman; kind <= KindBase16; ++kind) {
        for (int d = Leicht; d <= Schwer; ++d) {
            for (const int direction : {IntoSystem, IntoDecimal}) {
                for (int i = 0; i < 400; ++i) {
                    const NumeralTask t = drawNumeralTask({kind, d, direction}, random);
                    ASSERT_GE(t.value, kind == KindRoman ? 1 : 0);
                    ASSERT_LT(t.value, drawLimit(kind, d));
                    ASSERT_FALSE(t.numeral.isEmpty());
                    const ValueResult back = kind == KindRoman
                                                 ? RoemischZuDezimal(t.numeral)
                                                 : SystemZuDezimal(t.numeral, kindBase(kind));
                    ASSERT_EQ(back.value, t.value) << t.numeral.toStdString();
                    // The right answer typed as it is expected is right.
                    ASSERT_EQ(checkNumeralAnswer(t, t.expectedAnswerText()).check.state,
                              AnswerState::Right);
                    // The 150 - 7n rule keeps every label right of the page's edge.
                    ASSERT_GT(taskLabelLeft(t.shownText), 0);
                }
            }
        }
    }
}

TEST(NumeralTasks, TopicReadsSettingsOnceAndEchoesTheUpperCasedAnswer)
{
    ScriptedRandom random;
    int reads = 0;
    QStringList shown, echoed;
    TaskSettings settings{KindBase16, Leicht, IntoSystem};
    NumeralTaskTopic topic(
        random, [&] { ++reads; return settings; },
        [&](const NumeralTask& t) { shown << t.taskLabel(); },
        [&](const QString& s) { echoed << s; });
    EXPECT_EQ(topic.statTopic(), 5);
    topic.prepareSeries();
    settings.kind = KindRoman; // changed on the page during the series: no effect
    random.script({255, 26});
    EXPECT_EQ(topic.drawTask(), KindBase16);
    EXPECT_EQ(topic.checkAnswer(QStringLiteral("ff")).state, AnswerState::Right);
    EXPECT_EQ(topic.checkAnswer(QStringLiteral("FF")).state, AnswerState::Right);
    EXPECT_EQ(topic.drawTask(), KindBase16);
    EXPECT_EQ(topic.expectedAnswerText(), QStringLiteral("1A"));
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(shown, (QStringList{"255 =", "26 ="}));
    EXPECT_EQ(echoed, QStringList{"FF"}); // only where upper-casing changed the text
    EXPECT_EQ(topic.texts().emptyAnswer, QStringLiteral("Sie haben noch keinen\rWert eingegeben"));
    EXPECT_EQ(topic.wrongMessage(2, true),
              QStringLiteral("Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r"
                             "Das richtige Ergebnis lautet: 1A"));
}

// The worked examples of the help window: division lines, result and check.
struct ExampleCase {
    int base;
    int value;
    std::vector<const char*> divisions;
    const char* digits;
    const char* sum;
};

const ExampleCase kExamples[] = {
    {2, 39, {"39:2=19 R 1", "19:2= 9 R 1", "9:2= 4 R 1", "4:2= 2 R 0", "2:2= 1 R 0", "1:2= 0 R 1"},
     "100111", "1 + 2 + 4 + 32 = 39"},
    {3, 41, {"41:3=13 R 2", "13:3= 4 R 1", "4:3= 1 R 1", "1:3= 0 R 1"}, "1112",
     "2 + 3 + 9 + 27 = 41"},
    {8, 98, {"98:8=12 R 2", "12:8= 1 R 4", "1:8= 0 R 1"}, "142", "2 + 32 + 64 = 98"},
    {16, 563, {"563:16=35 R 3", "35:16= 2 R 3", "2:16= 0 R 2"}, "233", "3 + 48 + 512 = 563"},
};

TEST(NumeralHelpTexts, FiveSheetsWithRulesHeadingsAndWorkedExamples)
{
    const auto& sheets = helpSheets();
    ASSERT_EQ(sheets.size(), 5u);
    const QStringList captions{"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem",
                               "Hexadezimalsystem"};
    const QString rule(44, QLatin1Char('-'));
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const HelpSheet& s = sheets[i];
        EXPECT_EQ(s.caption, captions[int(i)]);
        ASSERT_GT(s.lines.size(), 10);
        EXPECT_EQ(s.lines[0], rule);
        EXPECT_EQ(s.lines[3], rule);
        for (const QString& line : s.lines)
            EXPECT_LE(line.size(), kHelpLineLimit) << line.toStdString();
        if (i > 0) {
            EXPECT_EQ(s.lines[1], QStringLiteral("Die Umrechnung vom Dezimalsystem in das "));
            EXPECT_EQ(s.lines[2], captions[int(i)] + QStringLiteral(" und umgekehrt"));
            const ExampleCase& e = kExamples[i - 1];
            const int first = int(s.lines.indexOf(QString::fromUtf8(e.divisions.front())));
            ASSERT_GT(first, 3);
            for (std::size_t k = 0; k < e.divisions.size(); ++k)
                EXPECT_EQ(s.lines[first + int(k)], QString::fromUtf8(e.divisions[k]));
            EXPECT_TRUE(s.lines.contains(QStringLiteral("Ergebnis: %1 = %2").arg(e.value).arg(e.digits)));
            EXPECT_EQ(s.lines.last(), QStringLiteral("= ") + QString::fromUtf8(e.sum));
            EXPECT_TRUE(s.lines.join(QLatin1Char(' ')).contains(
                QStringLiteral(" x %1^0 + ").arg(e.base)));
        }
    }
    const QStringList& roman = sheets[0].lines;
    EXPECT_EQ(roman[1], QStringLiteral("Das Umrechnen vom Römischen Zahlensystem in "));
    EXPECT_EQ(roman[2], QStringLiteral("das Dezimalsystem und umgekehrt"));
    for (const char* line : {"- M für 1000     - D für  500", "- C für  100     - L für   50",
                             "- X für   10     - V für    5", "- I für    1", "  C=100",
                             "  CC=100+100=200", "  CCC=100+100+100=300", "  CD=-100+500=400"})
        EXPECT_TRUE(roman.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(roman.mid(roman.size() - 2),
              (QStringList{QStringLiteral("  Für 99 schreibt man also nicht IC"),
                           QStringLiteral("  sondern XCIX")}));
    const QString hex = sheets[4].lines.join(QLatin1Char(' '));
    EXPECT_TRUE(hex.contains(QStringLiteral("A für 10"))) ;
    EXPECT_TRUE(hex.contains(QStringLiteral("F für 15")));
}

TEST(NumeralHelpTexts, WorkedExamplesOfEveryBase)
{
    for (const ExampleCase& e : kExamples) {
        const WorkedExample ex = workedExample(e.value, e.base);
        QStringList divisions;
        for (const char* d : e.divisions)
            divisions << QString::fromUtf8(d);
        EXPECT_EQ(ex.divisions, divisions);
        EXPECT_EQ(ex.digits, QString::fromUtf8(e.digits));
        EXPECT_EQ(ex.sum, QString::fromUtf8(e.sum));
    }
    // Digits above 9 appear as letters in the division lines and as numbers in the check.
    const WorkedExample ex = workedExample(171, 16);
    EXPECT_EQ(ex.digits, QStringLiteral("AB"));
    EXPECT_EQ(ex.divisions, (QStringList{"171:16=10 R B", "10:16= 0 R A"}));
    EXPECT_EQ(ex.powers, (QStringList{"11 x 16^0", "10 x 16^1"}));
    EXPECT_EQ(ex.sum, QStringLiteral("11 + 160 = 171"));
}

} // namespace
