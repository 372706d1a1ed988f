// Fractions of a number and the conversions between decimal numbers and fractions: the
// expected entries, the draws, the no-trailing-zero rule and the power-of-ten factors.
#include "decimaltext.h"
#include "fakes.h"
#include "partsdecimal.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

TEST(FractionPart, SolvedTable)
{
    struct Case {
        int z, n, w;
        std::array<std::int32_t, 4> expected;
    };
    const Case cases[] = {
        {3, 4, 10, {30, 4, 15, 2}},
        {2, 5, 5, {10, 5, 2, 1}},
        {1, 3, 7, {7, 3, 7, 3}},       // ggT 1: the same fraction twice
        {4, 8, 1, {4, 8, 1, 2}},       // Z/N itself is not reduced first
        {50, 50, 500, {25000, 50, 500, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(solveFractionPart(c.z, c.n, c.w).expected, c.expected) << c.z << "/" << c.n;
    EXPECT_EQ(solveFractionPart(3, 4, 10).ofText(), QStringLiteral("von 10"));
}

TEST(FractionPart, DrawsByDifficulty)
{
    struct Case {
        int difficulty;
        std::vector<int> asked;
    };
    const Case cases[] = {{0, {21, 21, 21, 26}}, {1, {31, 31, 31, 51}}, {2, {51, 51, 51, 501}}};
    for (const Case& c : cases) {
        test::ScriptedRandom r;
        r.script({0, 3, 4, 10});
        const FractionPartTask t = drawFractionPartTask(c.difficulty, r);
        EXPECT_EQ(r.seedings, 1);
        EXPECT_EQ(r.asked, c.asked);
        EXPECT_EQ(t.expected, (std::array<std::int32_t, 4>{30, 4, 15, 2}));
    }
}

TEST(DecimalToFraction, SolvedAndDrawn)
{
    struct Case {
        int difficulty;
        int r, k; // the scripted draws
        const char* text;
        std::array<std::int32_t, 4> expected;
    };
    const Case cases[] = {
        {0, 40, 1, "0,41", {41, 100, 41, 100}}, // 40 would end in 0: 41
        {0, 5, 0, "0,5", {5, 10, 1, 2}},
        {1, 125, 2, "0,125", {125, 1000, 1, 8}},
        {0, 100, 0, "10,1", {101, 10, 101, 10}},
        {0, 5, 2, "0,005", {5, 1000, 1, 200}},
        {2, 10000, 0, "1000,1", {10001, 10, 10001, 10}},
        {2, 9999, 2, "9,999", {9999, 1000, 9999, 1000}},
    };
    const int limits[3] = {101, 1001, 10001};
    for (const Case& c : cases) {
        test::ScriptedRandom rnd;
        rnd.script({0, c.r, c.k});
        const DecimalTask t = drawDecimalTask(DecimalDirection::DecimalToFraction, c.difficulty, rnd);
        EXPECT_EQ(rnd.asked, (std::vector<int>{limits[c.difficulty], limits[c.difficulty], 3}));
        EXPECT_EQ(t.decimalText().toStdString(), c.text);
        EXPECT_EQ(t.expected, c.expected) << c.text;
        EXPECT_EQ(t.statType(), 10);
        EXPECT_EQ(t.heading(), QStringLiteral("Wandle folgende Kommazahl in eine Bruchzahl um:"));
    }
}

TEST(FractionToDecimal, SolvedAndDrawn)
{
    struct Case {
        int difficulty;
        std::vector<int> script; // M (not at leicht), A, table index
        const char* shownNumerator;
        const char* shownDenominator;
        std::array<std::int32_t, 2> expected;
        const char* decimal;
    };
    const Case cases[] = {
        {1, {3, 3, 3}, "9", "24", {375, 1000}, "0,375"},
        {0, {6, 0}, "6", "2", {3, 1}, "3"},
        {0, {7, 4}, "7", "10", {7, 10}, "0,7"},
        {0, {20, 6}, "20", "125", {16, 100}, "0,16"}, // 4/25 expanded with 4
        {2, {50, 99, 1}, "4950", "200", {2475, 100}, "24,75"},
        {2, {1, 1, 5}, "1", "25", {4, 100}, "0,04"},
    };
    for (const Case& c : cases) {
        test::ScriptedRandom rnd;
        for (int v : c.script)
            rnd.script({v});
        const DecimalTask t = drawDecimalTask(DecimalDirection::FractionToDecimal, c.difficulty, rnd);
        EXPECT_FALSE(rnd.scriptMisuse);
        EXPECT_EQ(t.numeratorText().toStdString(), c.shownNumerator);
        EXPECT_EQ(t.denominatorText().toStdString(), c.shownDenominator);
        EXPECT_EQ(t.expected[0], c.expected[0]) << c.decimal;
        EXPECT_EQ(t.expected[1], c.expected[1]) << c.decimal;
        EXPECT_EQ(t.expectedDecimalText().toStdString(), c.decimal);
        EXPECT_EQ(t.statType(), 11);
        EXPECT_EQ(t.heading(), QStringLiteral("Wandle folgenden Bruch in eine Kommazahl um:"));
    }
    // The decimal typed with a trailing zero has the same value.
    const DecimalTask t = solveFractionToDecimal(9, 24, 3);
    for (const char* typed : {"0,375", "0,3750", " 0,375 "}) {
        long double v = 0;
        ASSERT_TRUE(parseNumber(QString::fromLatin1(typed), v));
        EXPECT_EQ(double(v), t.decimal) << typed;
    }
}

TEST(FractionToDecimal, PowerOfTenFactors)
{
    const std::pair<int, int> table[] = {{1, 1}, {2, 5}, {4, 25}, {5, 2}, {8, 125},
                                         {10, 1}, {25, 4}, {125, 8}, {3, 0}, {20, 0}};
    for (auto [d, f] : table)
        EXPECT_EQ(powerOfTenFactor(d), f) << d;
}

TEST(DecimalDraws, ManyDrawsKeepTheirRules)
{
    for (int d = 0; d < 3; ++d) {
        test::ScriptedRandom rnd;
        for (int i = 0; i < 3000; ++i) {
            const DecimalTask k = drawDecimalTask(DecimalDirection::DecimalToFraction, d, rnd);
            const QString text = k.decimalText();
            const int comma = int(text.indexOf(QLatin1Char(',')));
            // Never a trailing zero: exactly as many decimals as drawn.
            ASSERT_GE(comma, 0) << text.toStdString();
            ASSERT_EQ(text.size() - comma - 1, k.decimalPlaces) << text.toStdString();
            ASSERT_NE(text.back(), QLatin1Char('0')) << text.toStdString();
            ASSERT_EQ(k.expected[1], k.decimalPlaces == 1 ? 10 : k.decimalPlaces == 2 ? 100 : 1000);
            QString digits = text;
            digits.remove(QLatin1Char(','));
            ASSERT_EQ(digits.toInt(), k.expected[0]) << text.toStdString();

            const DecimalTask b = drawDecimalTask(DecimalDirection::FractionToDecimal, d, rnd);
            const std::int32_t e2 = b.expected[1];
            ASSERT_TRUE(e2 == 1 || e2 == 10 || e2 == 100 || e2 == 1000) << e2;
            // E1/E2 has the value of the shown fraction.
            ASSERT_EQ(std::int64_t(b.expected[0]) * (b.b / kFixedScale),
                      std::int64_t(e2) * (b.a / kFixedScale));
            long double typed = 0;
            ASSERT_TRUE(parseNumber(b.expectedDecimalText(), typed));
            ASSERT_EQ(double(typed), b.decimal);
        }
    }
}
