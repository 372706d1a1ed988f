// Drawing plain tasks with scripted draws: the operands, the divisor rules, the times
// tables and squares, the task text with its parentheses and where it starts, and the
// ranges in which a series must not start.
#include "fakes.h"
#include "plaintasks.h"

#include <gtest/gtest.h>
#include <set>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

PlainSettings settings(int type, int lower, int upper, RangeChoice range = {}, int squares = 10)
{
    PlainSettings s;
    s.selectedTaskType = type;
    s.lowerBound = lower;
    s.upperBound = upper;
    s.range = range;
    s.squareLimit = squares;
    return s;
}

} // namespace

TEST(RandomInRange, DrawsFromLowerToUpperInclusive)
{
    ScriptedRandom r;
    r.script({0, 20, 13});
    EXPECT_EQ(randomInRange(r, -10, 10), -10);
    EXPECT_EQ(randomInRange(r, -10, 10), 10);
    EXPECT_EQ(randomInRange(r, 5, 5 + 20), 18);
    EXPECT_EQ(r.asked, (std::vector<int>{21, 21, 21}));
    EXPECT_FALSE(r.scriptMisuse);
}

TEST(SelectTaskType, RechenartItemPlusOne)
{
    for (int item = 0; item < 5; ++item)
        EXPECT_EQ(selectBasicTaskType(item), item + 1);
}

TEST(HalveToEven, HalvesGoToTheEvenNeighbour)
{
    const struct { int b, half; } rows[] = {
        {0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 3}, {7, 4}, {9, 4}, {11, 6},
        {100, 50}, {-1, 0}, {-2, -1}, {-3, -2}, {-5, -2}, {-7, -4}, {-32767, -16384}, {32767, 16384},
    };
    for (const auto& row : rows)
        EXPECT_EQ(halveToEven(row.b), row.half) << row.b;
    EXPECT_EQ(divisorFromDraw(0), 1);
    EXPECT_EQ(divisorFromDraw(1), 1);
    EXPECT_EQ(divisorFromDraw(-1), 1);
}

TEST(PlainTask, AdditionWithTheDefaultRange)
{
    ScriptedRandom r;
    r.script({12, 7});
    const PlainTask t = nextPlainTask(r, settings(1, 0, 100), 0);
    EXPECT_EQ(t.operation, OpAddition);
    EXPECT_EQ(t.text, "12 + 7 =");
    EXPECT_EQ(t.expected, 19);
    EXPECT_EQ(r.asked, (std::vector<int>{101, 101}));
}

TEST(PlainTask, NegativeOperandsStandInParentheses)
{
    ScriptedRandom r;
    r.script({3, 13}); // -10 + 3 and -10 + 13
    const PlainTask t = nextPlainTask(r, settings(1, -10, 10), 0);
    EXPECT_EQ(t.text, "(-7) + 3 =");
    EXPECT_EQ(t.expected, -4);
}

TEST(PlainTask, SubtractionSwapsSoTheResultIsNeverNegative)
{
    ScriptedRandom r;
    r.script({3, 9});
    const PlainTask t = nextPlainTask(r, settings(2, 0, 100), 0);
    EXPECT_EQ(t.text, "9 - 3 =");
    EXPECT_EQ(t.expected, 6);

    for (const auto& [lower, upper] : {std::pair{0, 100}, {-50, 50}, {-32767, 32767}, {-100, -90}}) {
        for (int i = 0; i < 500; ++i) {
            const PlainTask u = nextPlainTask(r, settings(2, lower, upper), 0);
            ASSERT_GE(u.expected, 0) << u.text.toStdString();
            ASSERT_EQ(u.first - u.second, u.expected);
            ASSERT_GE(u.second, lower);
            ASSERT_LE(u.first, upper);
        }
    }
}

TEST(PlainTask, DivisionByNumberRangeHalvesTheSecondDraw)
{
    // Second draws of 5, 7 and 9 give the divisors 2, 4 and 4.
    const struct { int secondDraw, divisor, dividendDraw, dividend; } rows[] = {
        {5, 2, 3, 6}, {7, 4, 25, 100}, {9, 4, 0, 0},
    };
    for (const auto& row : rows) {
        ScriptedRandom r;
        r.script({40, row.secondDraw, row.dividendDraw});
        const PlainTask t = nextPlainTask(r, settings(4, 0, 100), 0);
        EXPECT_EQ(t.operation, OpDivision);
        EXPECT_EQ(t.second, row.divisor);
        EXPECT_EQ(t.first, row.dividend);
        EXPECT_EQ(t.expected, row.dividend / row.divisor);
        EXPECT_EQ(t.text, QStringLiteral("%1 : %2 =").arg(row.dividend).arg(row.divisor));
        // The dividend is drawn among the multiples of the divisor up to 100.
        EXPECT_EQ(r.asked.back(), 100 / row.divisor + 1);
        EXPECT_FALSE(r.scriptMisuse);
    }
}

TEST(PlainTask, DivisionInTheRangeZeroToOneDividesByOne)
{
    for (int second : {0, 1}) {
        for (int dividendDraw : {0, 1}) {
            ScriptedRandom r;
            r.script({1, second, dividendDraw});
            const PlainTask t = nextPlainTask(r, settings(4, 0, 1), 0);
            EXPECT_EQ(t.second, 1);
            EXPECT_EQ(t.first, dividendDraw);
            EXPECT_EQ(t.expected, dividendDraw);
        }
    }
}

TEST(PlainTask, DividendDrawRepeatsUntilItIsInTheRange)
{
    ScriptedRandom r;
    // Range 30 to 40, a second draw of 30 gives the divisor 15; multiples drawn as k * 15:
    // 0 and 15 are below the range, 2 * 15 = 30 fits.
    r.script({0, 0, 0, 1, 2});
    const PlainTask t = nextPlainTask(r, settings(4, 30, 40), 0);
    EXPECT_EQ(t.text, "30 : 15 =");
    EXPECT_EQ(t.expected, 2);
    EXPECT_EQ(r.asked, (std::vector<int>{11, 11, 3, 3, 3}));
}

TEST(PlainTask, NegativeDivisorNegatesTheDividendOnHalfTheDraws)
{
    // Range -10 to 10: a second draw of 7 is -3, halved to -2.
    ScriptedRandom r;
    r.script({0, 7, 4, 0});
    PlainTask t = nextPlainTask(r, settings(4, -10, 10), 0);
    EXPECT_EQ(t.text, "(-8) : (-2) =");
    EXPECT_EQ(t.expected, 4);
    r.script({0, 7, 4, 1});
    t = nextPlainTask(r, settings(4, -10, 10), 0);
    EXPECT_EQ(t.text, "8 : (-2) =");
    EXPECT_EQ(t.expected, -4);
}

TEST(PlainTask, DivisionWithTheThreeTimesTable)
{
    ScriptedRandom r;
    const PlainSettings s = settings(4, 0, 100, {RangeKind::TimesTable, 3});
    std::set<int> dividends;
    for (int i = 0; i < 2000; ++i) {
        const PlainTask t = nextPlainTask(r, s, 0);
        ASSERT_EQ(t.second, 3);
        ASSERT_EQ(t.first % 3, 0);
        ASSERT_GE(t.first, 0);
        ASSERT_LE(t.first, 99);
        ASSERT_EQ(t.expected * 3, t.first);
        dividends.insert(t.first);
    }
    EXPECT_EQ(dividends.size(), 34u); // 0, 3, ..., 99
}

TEST(PlainTask, MultiplicationWithATimesTable)
{
    ScriptedRandom r;
    const PlainSettings s = settings(3, 0, 100, {RangeKind::TimesTable, 3});
    r.script({10, 20, 2});
    EXPECT_EQ(nextPlainTask(r, s, 0).text, "10 x 3 =");
    r.script({10, 20, 4});
    EXPECT_EQ(nextPlainTask(r, s, 0).text, "10 x 3 =");
    r.script({10, 20, 1});
    const PlainTask t = nextPlainTask(r, s, 0);
    EXPECT_EQ(t.text, "3 x 20 =");
    EXPECT_EQ(t.expected, 60);
    EXPECT_EQ(r.asked.back(), 5);
}

TEST(PlainTask, SquaresNeverRepeatTheResultBefore)
{
    ScriptedRandom r;
    const PlainSettings s = settings(3, 0, 100, {RangeKind::Squares, 0}, 10);
    r.script({50, 60, 4, 4, 5}); // 4 * 4 = 16 was the result before: drawn again
    const PlainTask t = nextPlainTask(r, s, 16);
    EXPECT_EQ(t.text, "5 x 5 =");
    EXPECT_EQ(t.expected, 25);
    EXPECT_EQ(r.asked, (std::vector<int>{101, 101, 11, 11, 11}));

    int previous = t.expected;
    std::set<int> bases;
    for (int i = 0; i < 1000; ++i) {
        const PlainTask u = nextPlainTask(r, s, previous);
        ASSERT_EQ(u.first, u.second);
        ASSERT_NE(u.expected, previous);
        ASSERT_LE(u.first, 10);
        bases.insert(u.first);
        previous = u.expected;
    }
    EXPECT_EQ(bases.size(), 11u);
}

TEST(PlainTask, MixedDrawsItsOperationAfterTheOperands)
{
    ScriptedRandom r;
    // Tables are not used with "Gemischt", even if one is checked.
    const PlainSettings s = settings(5, 0, 100, {RangeKind::TimesTable, 7});
    r.script({30, 40, 0});
    EXPECT_EQ(nextPlainTask(r, s, 0).text, "30 + 40 =");
    r.script({30, 40, 1});
    EXPECT_EQ(nextPlainTask(r, s, 0).text, "40 - 30 =");
    r.script({30, 40, 2});
    PlainTask t = nextPlainTask(r, s, 0);
    EXPECT_EQ(t.operation, OpMultiplication);
    EXPECT_EQ(t.text, "30 x 40 =");
    r.script({30, 40, 3, 2});
    t = nextPlainTask(r, s, 0);
    EXPECT_EQ(t.operation, OpDivision);
    EXPECT_EQ(t.text, "40 : 20 =");
    EXPECT_EQ(r.asked, (std::vector<int>{101, 101, 4, 101, 101, 4, 101, 101, 4, 101, 101, 4, 6}));
}

TEST(TaskText, FourParenthesisFormsAndTheLeftEdge)
{
    const struct { int op, x, y; const char* text; } rows[] = {
        {1, 12, 7, "12 + 7 ="},
        {3, -4, 6, "(-4) x 6 ="},
        {4, 45, -5, "45 : (-5) ="},
        {2, -12, -30, "(-12) - (-30) ="},
        {1, 0, 0, "0 + 0 ="},
        {3, 32767, -32767, "32767 x (-32767) ="},
    };
    for (const auto& row : rows) {
        const QString t = plainTaskText(row.op, row.x, row.y);
        EXPECT_EQ(t, QString::fromLatin1(row.text));
        EXPECT_EQ(taskTextLeft(t), 240 - 8 * int(qstrlen(row.text)));
    }
    EXPECT_EQ(taskTextLeft(QStringLiteral("12 + 7 =")), 176);
    EXPECT_EQ(taskTextLeft(QStringLiteral("(-12) - (-30) =")), 120);
}

TEST(Dividend, ExistsOnlyWithAMultipleFromZeroUp)
{
    const struct { int m, lower, upper; bool exists; } rows[] = {
        {7, 10, 11, false}, {7, 10, 14, true}, {1, 0, 0, true}, {3, -20, -1, false},
        {2, -20, 0, true},  {6, 10, 11, false}, {5, 10, 11, true}, {100, 1, 99, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dividendExists(row.m, row.lower, row.upper), row.exists)
            << row.m << " " << row.lower << " " << row.upper;
    ScriptedRandom r;
    EXPECT_EQ(drawDividend(r, 7, 10, 11), 0); // no loop for ever
    EXPECT_TRUE(r.asked.empty());
}

TEST(StartRefusal, RangesWithoutDividendsAndReversedBounds)
{
    const struct { int type, lower, upper; RangeChoice range; const char* mentions; } refused[] = {
        {1, 10, 5, {}, "Die untere Grenze des Zahlenbereichs (10) ist größer"},
        {3, 1, 0, {}, "obere Grenze (0)"},
        {4, 10, 11, {RangeKind::TimesTable, 7}, "durch 7 teilen"},
        // 11 halves to 6 and 10 .. 11 has no multiple of 6: the pupil is told of the range
        // chosen, not of that divisor.
        {4, 10, 11, {}, "Im Zahlenbereich von 10 bis 11 gibt es nicht genug Zahlen,\rdie sich ohne Rest teilen lassen."},
        {4, -20, -5, {}, "mindestens 0"},
        {5, -20, -5, {}, "mindestens 0"},
        {5, 10, 11, {}, "von 10 bis 11"},
    };
    for (const auto& row : refused) {
        const QString why = plainStartRefusal(settings(row.type, row.lower, row.upper, row.range));
        EXPECT_TRUE(why.contains(QString::fromUtf8(row.mentions))) << why.toStdString();
        EXPECT_TRUE(why.endsWith("Bitte ändern Sie den Zahlenbereich.")) << why.toStdString();
        if (row.range.kind != RangeKind::TimesTable) {
            EXPECT_FALSE(why.contains("durch")) << why.toStdString();
        }
    }
    const struct { int type, lower, upper; RangeChoice range; } accepted[] = {
        {1, -20, -5, {}}, {2, 5, 5, {}}, {4, 0, 100, {}}, {4, 0, 1, {}}, {4, -32767, 32767, {}},
        {4, 10, 14, {RangeKind::TimesTable, 7}}, {5, 0, 0, {}}, {4, 30, 40, {}},
        // Squares ignore the von/bis fields, even reversed ones.
        {3, 1, 0, {RangeKind::Squares, 0}}, {3, 32767, -32767, {RangeKind::Squares, 0}},
    };
    for (const auto& row : accepted)
        EXPECT_TRUE(plainStartRefusal(settings(row.type, row.lower, row.upper, row.range)).isEmpty())
            << row.type << " " << row.lower << " " << row.upper;
}
