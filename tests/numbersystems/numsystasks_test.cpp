// Number-system tasks without a window: what a task shows and expects, how answers are
// read, the draw ranges, the no-zero rule of Roman tasks, and the help texts.
#include "fakes.h"
#include "numsyscore.h"
#include "numsystasks.h"
#include "zsyshilfetexts.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::numsys;
using quorvel::test::ScriptedRandom;

namespace {

constexpr AnswerState R = AnswerState::Right, W = AnswerState::Wrong, I = AnswerState::Invalid;

struct Answer {
    const char* typed;
    AnswerState state;
    const char* fieldText; // nullptr: the field shows what was typed
};

struct TaskCase {
    int kind;
    int direction;
    qint32 value;
    const char* names;    // lblZSys01 / lblZSys02
    const char* label;    // lblZSys03
    const char* expected; // as the second wrong message gives it
    std::vector<Answer> answers;
};

const TaskCase kCases[] = {
    {KindRoman, IntoSystem, 1994, "Dezimalzahl/Römische Zahl", "1994 =", "MCMXCIV",
     {{"mcmxciv", R, "MCMXCIV"}, {"McMxCiV", R, "MCMXCIV"}, {" MCMXCIV", W, nullptr},
      {"MCMXCIV ", W, nullptr}, {"1994", W, nullptr}, {"mdccccxciv\t", W, "MDCCCCXCIV\t"}}},
    {KindRoman, IntoDecimal, 1994, "Römische Zahl/Dezimalzahl", "MCMXCIV =", "1994",
     {{"1994", R, nullptr}, {"  +01994", R, nullptr}, {"mcmxciv", I, nullptr}}},
    {KindRoman, IntoSystem, 3888, "Dezimalzahl/Römische Zahl", "3888 =", "MMMDCCCLXXXVIII", {}},
    {KindBase16, IntoDecimal, 26, "Hexadezimalzahl/Dezimalzahl", "1A =", "26",
     {{"26", R, nullptr}, {"-26", W, nullptr}, {"1A", I, nullptr}, {"1a", I, nullptr}}},
    {KindBase16, IntoSystem, 255, "Dezimalzahl/Hexadezimalzahl", "255 =", "FF",
     {{"ff", R, "FF"}, {"FF", R, nullptr}, {"0FF", W, nullptr}, {"255", W, nullptr},
      {"ÿf", W, "ÿF"}}},
    {KindBase2, IntoSystem, 5, "Dezimalzahl/Dualzahl", "5 =", "101",
     {{"101", R, nullptr}, {"0101", R, nullptr}, {"5", W, nullptr}, {"2", W, nullptr},
      {"1O1", I, nullptr}}},
    {KindBase2, IntoSystem, 2048, "Dezimalzahl/Dualzahl", "2048 =", "100000000000",
     {{"100000000000", R, nullptr}, {"000100000000000", R, nullptr}}},
    {KindBase2, IntoDecimal, 2048, "Dualzahl/Dezimalzahl", "100000000000 =", "2048",
     {{"2048", R, nullptr}}},
    {KindBase3, IntoSystem, 6561, "Dezimalzahl/Dreierzahl", "6561 =", "100000000",
     {{"100000000", R, nullptr}}},
    {KindBase8, IntoSystem, 100, "Dezimalzahl/Oktalzahl", "100 =", "144",
     {{"144", R, nullptr}, {"100", W, nullptr}}},
};

TEST(NumeralTasks, WhatATaskShowsExpectsAndAccepts)
{
    for (const TaskCase& c : kCases) {
        SCOPED_TRACE(c.label);
        const NumeralTask t = makeNumeralTask({c.kind, Leicht, c.direction}, c.value);
        EXPECT_EQ(t.shownName + QLatin1Char('/') + t.answerName, QString::fromUtf8(c.names));
        EXPECT_EQ(t.taskLabel(), QString::fromUtf8(c.label));
        EXPECT_EQ(t.expectedAnswerText(), QString::fromUtf8(c.expected));
        EXPECT_EQ(taskLabelLeft(t.shownText), 150 - 7 * (int(t.shownText.size()) + 3));
        for (const Answer& a : c.answers) {
            const NumeralCheck r = checkNumeralAnswer(t, QString::fromUtf8(a.typed));
            EXPECT_EQ(r.check.state, a.state) << a.typed;
            EXPECT_EQ(r.fieldText, QString::fromUtf8(a.fieldText ? a.fieldText : a.typed));
        }
    }
}

TEST(NumeralTasks, TextsThatAreNoWholeNumberGiveTheConversionError)
{
    const char* const typed[] = {"12a", "1 2", "26 ", "-", "+-1", " ", "1,5", "\t26", "2\n6",
                                 "\x7f", "١٢", "111111111111111111111111111111",
                                 "9223372036854775808", "-9223372036854775809"};
    for (const int kind : {KindRoman, KindBase2, KindBase16}) {
        const NumeralTask t = makeNumeralTask({kind, Schwer, IntoDecimal}, 26);
        for (const char* s : typed) {
            const QString text = QString::fromUtf8(s);
            const NumeralCheck r = checkNumeralAnswer(t, text);
            EXPECT_EQ(r.check.state, AnswerState::Invalid) << s;
            EXPECT_EQ(r.check.error, "'" + text + QStringLiteral("' ist kein gültiger Integerwert."));
        }
    }
    EXPECT_EQ(readWholeNumber(QStringLiteral("-9223372036854775808")),
              std::numeric_limits<qint64>::min());
}

TEST(NumeralTasks, DrawRangesAndRomanNeverZero)
{
    const int limits[5][3] = {{501, 2001, 4000}, {257, 513, 2049}, {244, 730, 6562},
                              {513, 4097, 32769}, {257, 4097, 65537}};
    for (int kind = KindRoman; kind <= KindBase16; ++kind) {
        for (int d = Leicht; d <= Schwer; ++d) {
            const int n = limits[kind - 1][d];
            ScriptedRandom random; // the largest value of the range, then a zero
            random.script({n - 1, 0, 3});
            EXPECT_EQ(drawNumeralTask({kind, d, IntoDecimal}, random).expectedNumber, n - 1);
            EXPECT_EQ(drawNumeralTask({kind, d, IntoDecimal}, random).value, kind == KindRoman ? 3 : 0);
            EXPECT_EQ(random.asked, std::vector<int>(kind == KindRoman ? 3 : 2, n));
            EXPECT_FALSE(random.scriptMisuse);
        }
    }
}

TEST(NumeralTasks, ManyRandomDrawsStayInRangeAndRoundTrip)
{
    ScriptedRandom random; // a fixed-seed generator
    for (int kind = KindRoman; kind <= KindBase16; ++kind)
        for (int d = Leicht; d <= Schwer; ++d)
            for (const int direction : {IntoSystem, IntoDecimal})
                for (int i = 0; i < 400; ++i) {
                    const NumeralTask t = drawNumeralTask({kind, d, direction}, random);
                    ASSERT_GE(t.value, kind == KindRoman ? 1 : 0);
                    ASSERT_LT(t.value, drawLimit(kind, d));
                    const ValueResult back = kind == KindRoman
                                                 ? RoemischZuDezimal(t.numeral)
                                                 : SystemZuDezimal(t.numeral, kindBase(kind));
                    ASSERT_EQ(back.value, t.value) << t.numeral.toStdString();
                    ASSERT_EQ(checkNumeralAnswer(t, t.expectedAnswerText()).check.state, R);
                    ASSERT_GT(taskLabelLeft(t.shownText), 0);
                }
}

struct ExampleCase {
    int base;
    int value;
    QStringList divisions;
    const char* digits;
    const char* sum;
};

TEST(NumeralHelpTexts, RulesHeadingsAndWorkedExamples)
{
    const ExampleCase examples[] = {
        {2, 39, {"39:2=19 R 1", "19:2= 9 R 1", "9:2= 4 R 1", "4:2= 2 R 0", "2:2= 1 R 0", "1:2= 0 R 1"},
         "100111", "1 + 2 + 4 + 32 = 39"},
        {3, 41, {"41:3=13 R 2", "13:3= 4 R 1", "4:3= 1 R 1", "1:3= 0 R 1"}, "1112", "2 + 3 + 9 + 27 = 41"},
        {8, 98, {"98:8=12 R 2", "12:8= 1 R 4", "1:8= 0 R 1"}, "142", "2 + 32 + 64 = 98"},
        {16, 563, {"563:16=35 R 3", "35:16= 2 R 3", "2:16= 0 R 2"}, "233", "3 + 48 + 512 = 563"},
    };
    const auto& sheets = helpSheets();
    ASSERT_EQ(sheets.size(), 5u);
    const QStringList captions{"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem",
                               "Hexadezimalsystem"};
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const QStringList& l = sheets[i].lines;
        EXPECT_EQ(sheets[i].caption, captions[int(i)]);
        EXPECT_EQ(l[0], QString(44, QLatin1Char('-')));
        EXPECT_EQ(l[3], l[0]);
        for (const QString& line : l)
            EXPECT_LE(line.size(), kHelpLineLimit) << line.toStdString();
        if (i == 0)
            continue;
        const ExampleCase& e = examples[i - 1];
        EXPECT_EQ(l[1], QStringLiteral("Die Umrechnung vom Dezimalsystem in das "));
        EXPECT_EQ(l[2], captions[int(i)] + QStringLiteral(" und umgekehrt"));
        const int first = int(l.indexOf(e.divisions.front()));
        EXPECT_EQ(l.mid(first, e.divisions.size()), e.divisions);
        EXPECT_TRUE(l.contains(QStringLiteral("Ergebnis: %1 = %2").arg(e.value).arg(e.digits)));
        EXPECT_TRUE(l.join(' ').contains(QStringLiteral(" x %1^0 + ").arg(e.base)));
        EXPECT_EQ(l.last(), QStringLiteral("= ") + QString::fromUtf8(e.sum));
    }
    const QStringList& roman = sheets[0].lines;
    EXPECT_EQ(roman.mid(1, 2), (QStringList{"Das Umrechnen vom Römischen Zahlensystem in ",
                                            "das Dezimalsystem und umgekehrt"}));
    for (const char* line : {"- M für 1000     - D für  500", "- C für  100     - L für   50",
                             "- X für   10     - V für    5", "- I für    1", "  CD=-100+500=400"})
        EXPECT_TRUE(roman.contains(QString::fromUtf8(line))) << line;
    EXPECT_EQ(roman.mid(roman.size() - 2),
              (QStringList{"  Für 99 schreibt man also nicht IC", "  sondern XCIX"}));
    EXPECT_TRUE(sheets[4].lines.join(' ').contains(QStringLiteral("F für 15")));
    // Digits above 9: letters in the division lines, numbers in the check.
    const WorkedExample ab = workedExample(171, 16);
    EXPECT_EQ(ab.divisions, (QStringList{"171:16=10 R B", "10:16= 0 R A"}));
    EXPECT_EQ(ab.sum, QStringLiteral("11 + 160 = 171"));
}

} // namespace
