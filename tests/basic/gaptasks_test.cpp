// Gap tasks with scripted and random draws: the operands, the texts around the gap with
// their parentheses, where the left text starts, the statistics types, and the ranges in
// which a gap series must not start.
#include "fakes.h"
#include "gaptasks.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

TEST(GapTask, ScriptedDrawsGiveOperandsTextsAndAnswer)
{
    const struct Row {
        const char* what;
        int type, lower, upper;
        std::initializer_list<int> script;
        int first, missing, result;
        const char *left, *right;
    } rows[] = {
        {"addition", 1, 0, 100, {14, 9}, 14, 9, 23, "14 +", "= 23"},
        {"subtraction swaps", 2, 0, 100, {9, 14}, 14, 9, 5, "14 -", "= 5"},
        {"first factor 0 is drawn again", 3, 0, 100, {0, 7, 0, 6}, 6, 7, 42, "6 x", "= 42"},
        {"the answer may be 0", 3, 0, 100, {5, 0}, 5, 0, 0, "5 x", "= 0"},
        {"division: 7 halves to 4, dividend 0 drawn again", 4, 0, 100, {50, 7, 0, 3}, 12, 4, 3,
         "12 :", "= 3"},
        {"division: 1 gives 1", 4, 0, 100, {50, 1, 37}, 37, 1, 37, "37 :", "= 37"},
        {"negative operand and result", 1, -10, 10, {5, 12}, -5, 2, -3, "(-5) +", "= (-3)"},
        {"negative subtraction", 2, -10, 10, {2, 7}, -3, -8, 5, "(-3) -", "= 5"},
        {"negative divisor, dividend negated", 4, -10, 10, {0, 5, 3, 0}, -6, -2, 3, "(-6) :",
         "= 3"},
        {"negative divisor, dividend kept", 4, -10, 10, {0, 5, 3, 1}, 6, -2, -3, "6 :", "= (-3)"},
        {"negative factor", 3, -10, 10, {2, 14}, -8, 4, -32, "(-8) x", "= (-32)"},
        {"mixed draws the operation third", 5, 0, 100, {14, 9, 2}, 14, 9, 126, "14 x", "= 126"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ScriptedRandom r;
        r.script(row.script);
        const GapTask t = nextGapTask(r, row.type, row.lower, row.upper);
        EXPECT_EQ(t.first, row.first);
        EXPECT_EQ(t.missing, row.missing);
        EXPECT_EQ(t.result, row.result);
        EXPECT_EQ(t.left, QString::fromUtf8(row.left));
        EXPECT_EQ(t.right, QString::fromUtf8(row.right));
        EXPECT_FALSE(r.scriptMisuse);
        // The left text ends right before the gap.
        EXPECT_EQ(taskTextLeft(t.left) + 8 * t.left.size(), 240);
    }
}

TEST(GapTask, RandomDrawsKeepTheRules)
{
    const struct { int lower, upper; } ranges[] = {{0, 100}, {-20, 20}, {1, 1}, {-3, 2}, {0, 7}};
    for (const auto& range : ranges) {
        for (int type = 1; type <= 5; ++type) {
            if (!gapStartRefusal(type, range.lower, range.upper).isEmpty())
                continue;
            ScriptedRandom r;
            for (int i = 0; i < 400; ++i) {
                const GapTask t = nextGapTask(r, type, range.lower, range.upper);
                SCOPED_TRACE(QStringLiteral("%1 %2..%3: %4 _ %5")
                                 .arg(type).arg(range.lower).arg(range.upper).arg(t.left, t.right)
                                 .toStdString());
                if (type != 5) {
                    EXPECT_EQ(t.operation, type);
                }
                EXPECT_EQ(t.left, gapLeftText(t.operation, t.first));
                EXPECT_EQ(t.right, gapRightText(t.result));
                switch (t.operation) {
                case OpAddition:
                    EXPECT_EQ(t.first + t.missing, t.result);
                    break;
                case OpSubtraction:
                    EXPECT_EQ(t.first - t.missing, t.result);
                    EXPECT_GE(t.result, 0);
                    break;
                case OpMultiplication:
                    EXPECT_NE(t.first, 0);
                    EXPECT_EQ(t.first * t.missing, t.result);
                    break;
                case OpDivision:
                    EXPECT_NE(t.first, 0);
                    ASSERT_NE(t.missing, 0);
                    EXPECT_EQ(t.result * t.missing, t.first);
                    EXPECT_LE(std::abs(t.first), range.upper);
                    break;
                }
            }
        }
    }
}

TEST(GapTask, StartRefusals)
{
    const struct {
        int type, lower, upper;
        const char* contains; // empty: the series may start
    } rows[] = {
        {3, 0, 0, "Im Zahlenbereich von 0 bis 0 gibt es keinen ersten Faktor"},
        {5, 0, 0, "keinen ersten Faktor"},
        {1, 0, 0, ""},
        {2, 0, 0, ""},
        {3, -5, 5, ""},
        {4, 0, 0, "Im Zahlenbereich von 0 bis 0 gibt es keine Zahl\rgrößer als 0"},
        {4, -20, 0, "Im Zahlenbereich von -20 bis 0"},
        {4, 0, 1, ""},
        {4, 0, 100, ""},
        {4, -100, 100, ""},
        {4, 10, 11, "von 10 bis 11 gibt es nicht genug Zahlen\raußer 0, die sich ohne Rest teilen lassen."},
        {5, 10, 11, "von 10 bis 11 gibt es nicht genug Zahlen"},
        {1, 10, 11, ""},
        {2, 50, 10, "Die untere Grenze des Zahlenbereichs (50) ist größer"},
    };
    for (const auto& row : rows) {
        const QString refusal = gapStartRefusal(row.type, row.lower, row.upper);
        SCOPED_TRACE(QStringLiteral("%1 %2..%3: %4").arg(row.type).arg(row.lower).arg(row.upper)
                         .arg(refusal).toStdString());
        if (*row.contains == 0) {
            EXPECT_TRUE(refusal.isEmpty());
        } else {
            EXPECT_TRUE(refusal.contains(QString::fromUtf8(row.contains)));
            EXPECT_TRUE(refusal.endsWith(QStringLiteral("Bitte ändern Sie den Zahlenbereich.")));
        }
    }
    // Where the start is refused the draws still end.
    ScriptedRandom r;
    EXPECT_EQ(nextGapTask(r, 3, 0, 0).result, 0);
    EXPECT_NE(nextGapTask(r, 4, -9, -1).missing, 0);
}
