// Drawing and checking the prime tasks without a window: scripted draws give known
// tasks, long runs of a seeded generator check the ranges and the one-in-five rounding.
#include "fakes.h"
#include "primecore.h"
#include "primetasks.h"

#include <gtest/gtest.h>
#include <random>

using namespace quorvel;
using namespace quorvel::primes;

namespace {

// A seeded generator that remembers every value it hands out.
class RecordingRandom final : public RandomSource {
public:
    void randomize() override {}
    int random(int n) override
    {
        const int v = n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_engine);
        values.push_back(v);
        return v;
    }
    std::vector<int> values;

private:
    std::mt19937 m_engine{20261207};
};

QString repeated(const QString& number, int times)
{
    QStringList parts;
    for (int i = 0; i < times; ++i)
        parts << number;
    return parts.join(QLatin1Char(' '));
}

} // namespace

// ---- Teilbarkeit ----------------------------------------------------------------

TEST(DivisibilityDraw, NumberRangeRoundingAndQuestion)
{
    struct Case {
        int divisorIndex;
        int difficulty;
        int drawn;
        int fifth; // the one-in-five draw
        int limitAsked;
        int n;
        bool divisible;
    };
    const Case cases[] = {
        {7, Leicht, 1234, 4, 5001, 1230, true},     // "10": rounded down
        {7, Leicht, 1234, 3, 5001, 1234, false},    // kept as drawn
        {0, Leicht, 1235, 4, 5001, 1235, false},    // "2" is never rounded
        {1, Mittel, 24999, 4, 25001, 24999, true},  // "3": 24999 is already a multiple
        {5, Mittel, 20007, 4, 25001, 20000, true},  // "8"
        {6, Schwer, 100000, 0, 100001, 100000, false}, // "9"
        {3, Schwer, 99999, 4, 100001, 99995, true}, // "5"
        {4, Leicht, 0, 2, 5001, 0, true},           // 0 is divisible by everything
    };
    for (const Case& c : cases) {
        test::ScriptedRandom random;
        random.script({c.drawn, c.fifth});
        const DivisibilityTask t = drawDivisibilityTask(c.divisorIndex, c.difficulty, random);
        EXPECT_FALSE(random.scriptMisuse);
        EXPECT_EQ(random.asked, (std::vector<int>{c.limitAsked, 5})) << c.drawn;
        EXPECT_EQ(t.divisor, kDivisors[std::size_t(c.divisorIndex)]);
        EXPECT_EQ(t.n, c.n) << c.drawn;
        EXPECT_EQ(t.divisible, c.divisible) << c.drawn;
        EXPECT_EQ(t.question(), QStringLiteral("Ist die Zahl %1 durch %2 teilbar?")
                                    .arg(c.n)
                                    .arg(t.divisor));
    }
}

TEST(DivisibilityDraw, OneTaskInFiveIsRoundedDownExceptForTwo)
{
    for (int divisorIndex : {0, 7, 6}) {
        RecordingRandom random;
        const int runs = 20000;
        int rounded = 0, divisible = 0;
        for (int i = 0; i < runs; ++i) {
            random.values.clear();
            const DivisibilityTask t = drawDivisibilityTask(divisorIndex, Leicht, random);
            ASSERT_EQ(random.values.size(), 2u);
            const int drawn = random.values[0];
            ASSERT_GE(drawn, 0);
            ASSERT_LE(drawn, 5000);
            const bool fifth = random.values[1] == 4;
            if (fifth && t.divisor != 2) {
                ++rounded;
                ASSERT_EQ(t.n, drawn / t.divisor * t.divisor);
            } else {
                ASSERT_EQ(t.n, drawn);
            }
            divisible += t.divisible ? 1 : 0;
        }
        const double d = kDivisors[std::size_t(divisorIndex)];
        const double share = double(divisible) / runs;
        if (d == 2) {
            EXPECT_EQ(rounded, 0);
            EXPECT_NEAR(share, 0.5, 0.02);
        } else {
            EXPECT_NEAR(double(rounded) / runs, 0.2, 0.015) << d;
            // One in five made divisible, and 1/d of the other four by chance.
            EXPECT_NEAR(share, 0.2 + 0.8 / d, 0.02) << d;
        }
    }
}

TEST(DivisibilityCheck, ChoiceAgainstTheNumberAndZeroDivisibleByAll)
{
    const DivisibilityTask no{16, 5, false};
    EXPECT_EQ(checkDivisibility(no, QStringLiteral("Nein")).state, AnswerState::Right);
    EXPECT_EQ(checkDivisibility(no, QStringLiteral("Ja")).state, AnswerState::Wrong);
    EXPECT_EQ(checkDivisibility(no, QString()).state, AnswerState::Notice);
    EXPECT_EQ(divisibilityVerdict(no), QStringLiteral("Die Zahl 16 ist nicht durch 5 teilbar!"));
    for (std::size_t i = 0; i < kDivisors.size(); ++i) {
        test::ScriptedRandom random;
        random.script({0, 1});
        const DivisibilityTask zero = drawDivisibilityTask(int(i), Leicht, random);
        EXPECT_EQ(checkDivisibility(zero, QStringLiteral("Ja")).state, AnswerState::Right);
        EXPECT_EQ(divisibilityVerdict(zero),
                  QStringLiteral("Die Zahl 0 ist durch %1 teilbar!").arg(kDivisors[i]));
    }
}

// ---- Primfaktorzerlegung --------------------------------------------------------

TEST(FactorDraw, RedrawsBelowTwoAndWritesTheFactors)
{
    struct Case {
        int difficulty;
        std::initializer_list<int> script;
        int limitAsked;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {Leicht, {0, 1, 12}, 101, 12, "2 2 3 "},
        {Leicht, {97}, 101, 97, "97 "},
        {Mittel, {1, 360}, 501, 360, "2 2 2 3 3 5 "},
        {Schwer, {8192}, 10001, 8192, "2 2 2 2 2 2 2 2 2 2 2 2 2 "},
        {Schwer, {9973}, 10001, 9973, "9973 "},
    };
    for (const Case& c : cases) {
        test::ScriptedRandom random;
        random.script(c.script);
        const FactorTask t = drawFactorTask(c.difficulty, random);
        EXPECT_FALSE(random.scriptMisuse);
        EXPECT_EQ(random.asked, std::vector<int>(c.script.size(), c.limitAsked));
        EXPECT_EQ(t.n, c.n);
        EXPECT_EQ(t.expected, QString::fromLatin1(c.expected));
        EXPECT_EQ(t.text(), QStringLiteral("Zerlegen Sie %1 in Primfaktoren.").arg(c.n));
    }
}

TEST(FactorCheck, AnyOrderAnyBlanksEveryFactorAsOftenAsItDivides)
{
    const FactorTask twelve{12, QStringLiteral("2 2 3 ")};
    struct Case {
        const char* typed;
        AnswerState state;
    };
    const Case cases[] = {
        {"3 2 2", AnswerState::Right},
        {"2 2 3", AnswerState::Right},
        {"2 3 2", AnswerState::Right},
        {"2   2     3", AnswerState::Right},
        {"2 2 3    ", AnswerState::Right},
        {"   3 2 2 ", AnswerState::Right},
        {"02 2 003", AnswerState::Right},  // leading zeros do not count
        {"2,2,3", AnswerState::Right},     // pasted separators only separate
        {"2 3", AnswerState::Wrong},
        {"2 2 3 1", AnswerState::Wrong},
        {"2 2 2 3", AnswerState::Wrong},
        {"4 3", AnswerState::Wrong},
        {"12", AnswerState::Wrong},
        {"223", AnswerState::Wrong},
        {"99999999999999999999999 2 2 3", AnswerState::Wrong}, // too large: no factor
        {"   ", AnswerState::Notice},      // only blanks: nothing to judge yet
    };
    for (const Case& c : cases) {
        const AnswerCheck check = checkFactorAnswer(twelve, QString::fromLatin1(c.typed));
        EXPECT_EQ(check.state, c.state) << c.typed;
        if (c.state == AnswerState::Notice) {
            EXPECT_EQ(check.error, QStringLiteral("Es ist noch keine Eingabe erfolgt !"));
        }
    }
    const FactorTask prime{97, QStringLiteral("97 ")};
    EXPECT_EQ(checkFactorAnswer(prime, QStringLiteral("97")).state, AnswerState::Right);
    EXPECT_EQ(checkFactorAnswer(prime, QStringLiteral("1 97")).state, AnswerState::Wrong);
}

TEST(FactorCheck, MoreThanTwentyNumbersAreRefusedWithoutAVerdict)
{
    const FactorTask t{1024, factorText(ZerlegePrimfaktoren(1024))};
    EXPECT_EQ(checkFactorAnswer(t, repeated(QStringLiteral("2"), 10)).state, AnswerState::Right);
    EXPECT_EQ(checkFactorAnswer(t, repeated(QStringLiteral("2"), 20)).state, AnswerState::Wrong);
    for (int count : {21, 22, 60}) {
        const AnswerCheck check = checkFactorAnswer(t, repeated(QStringLiteral("2"), count));
        EXPECT_EQ(check.state, AnswerState::Notice) << count;
        EXPECT_EQ(check.error, QStringLiteral("Bitte höchstens 20 Zahlen eingeben !"));
    }
    const FactorAnswer read = readFactorAnswer(repeated(QStringLiteral("7"), 25));
    EXPECT_TRUE(read.tooMany);
    EXPECT_EQ(read.numbers.size(), 20u);
}

// ---- ggT and kgV ----------------------------------------------------------------

TEST(GgTDraw, ScriptedNumbersShareQ)
{
    struct Case {
        int count;
        int difficulty;
        std::initializer_list<int> script;
        int range;
        const char* shown;
        int expected;
    };
    const Case cases[] = {
        // p = 3, q = 4, r = 5; x = 2 * 12, y = 1 * 20
        {2, Leicht, {0, 3, 4, 5, 2, 1}, 11, "24 ; 20", 4},
        // three numbers: z = 0 first, then x = 24, y = 40, z = 10
        {3, Leicht, {3, 4, 5, 1, 1, 0, 2, 2, 2}, 11, "24 ; 40 ; 10", 2},
        {2, Schwer, {100, 100, 100, 100, 100}, 101, "1000000 ; 1000000", 1000000},
    };
    for (const Case& c : cases) {
        test::ScriptedRandom random;
        random.script(c.script);
        const GgTKgVTask t = drawGgTTask(c.count, c.difficulty, random);
        EXPECT_FALSE(random.scriptMisuse);
        EXPECT_EQ(random.asked, std::vector<int>(c.script.size(), c.range)) << c.shown;
        EXPECT_TRUE(t.ggt);
        EXPECT_EQ(t.numbersText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(t.expected, c.expected) << c.shown;
    }
}

TEST(GgTDraw, LeichtNumbersAreMultiplesOfQWithinOneToThousand)
{
    RecordingRandom random;
    for (int i = 0; i < 3000; ++i) {
        random.values.clear();
        const GgTKgVTask t = drawGgTTask(2, Leicht, random);
        // p, q and r are the first three draws that are not 0.
        std::vector<int> nonZero;
        for (int v : random.values)
            if (v != 0 && nonZero.size() < 3)
                nonZero.push_back(v);
        const int q = nonZero.at(1);
        ASSERT_EQ(t.numbers.size(), 2u);
        for (std::int32_t x : t.numbers) {
            ASSERT_GE(x, 1);
            ASSERT_LE(x, 1000);
            ASSERT_EQ(x % q, 0);
        }
        ASSERT_GE(t.expected, q);
        ASSERT_EQ(t.expected, std::int32_t(GgTBerechnen(std::uint64_t(t.numbers[0]),
                                                        std::uint64_t(t.numbers[1]))));
    }
}

TEST(KgVDraw, NumbersByDifficulty)
{
    test::ScriptedRandom scripted;
    scripted.script({0, 4, 6});
    const GgTKgVTask t = drawKgVTask(2, Leicht, scripted);
    EXPECT_EQ(scripted.asked, (std::vector<int>{21, 21, 21}));
    EXPECT_FALSE(t.ggt);
    EXPECT_EQ(t.numbersText(), QStringLiteral("4 ; 6"));
    EXPECT_EQ(t.expected, 12);

    const int limits[] = {20, 40, 100};
    RecordingRandom random;
    for (int difficulty : {Leicht, Mittel, Schwer})
        for (int i = 0; i < 1000; ++i) {
            const GgTKgVTask k = drawKgVTask(3, difficulty, random);
            for (std::int32_t x : k.numbers) {
                ASSERT_GE(x, 1);
                ASSERT_LE(x, limits[difficulty]);
            }
            ASSERT_EQ(k.expected, std::int32_t(KgVBerechnen(std::vector<std::uint64_t>(
                                      k.numbers.begin(), k.numbers.end()))));
        }
}

TEST(GgTKgVCheck, WholeNumbersOnly)
{
    const GgTKgVTask t{false, {4, 6}, 12};
    struct Case {
        const char* typed;
        AnswerState state;
    };
    const Case cases[] = {
        {"12", AnswerState::Right},   {" 12 ", AnswerState::Right}, {"012", AnswerState::Right},
        {"24", AnswerState::Wrong},   {"-12", AnswerState::Wrong},  {"12a", AnswerState::Invalid},
        {"1,2", AnswerState::Invalid}, {"99999999999", AnswerState::Invalid},
        {"-", AnswerState::Invalid},
    };
    for (const Case& c : cases) {
        const AnswerCheck check = checkGgTKgVAnswer(t, QString::fromLatin1(c.typed));
        EXPECT_EQ(check.state, c.state) << c.typed;
        if (c.state == AnswerState::Invalid) {
            EXPECT_EQ(check.error, QStringLiteral("'%1' ist kein gültiger Integerwert.")
                                       .arg(QString::fromLatin1(c.typed)));
        }
    }
}
