// Converting and checking: the factors as one or two steps of the fixed constants,
// the expected value rounded to its written form, and the edge cases pupils meet.
#include "fakes.h"
#include "unitnumber.h"
#include "unittasks.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::units;
using namespace quorvel::test;

namespace {

UnitSettings single(int category, const QString& target)
{
    UnitSettings s;
    s.choice = category;
    s.targetIndex[std::size_t(category - 1)] = unitIndex(category, target);
    return s;
}

UnitTask scripted(int category, const char* target, std::initializer_list<int> draws)
{
    ScriptedRandom random;
    random.script(draws);
    UnitTask t = drawUnitTask(single(category, QString::fromUtf8(target)), random);
    EXPECT_FALSE(random.scriptMisuse);
    return t;
}

AnswerState verdict(const UnitTask& t, const char* typed)
{
    return checkUnitAnswer(t, QString::fromUtf8(typed)).state;
}

} // namespace

TEST(ConversionSteps, EveryAskedPairIsOneOrTwoStepsOfTheConstants)
{
    const auto& constants = conversionConstants();
    for (int c = 1; c <= kFamilyCount; ++c) {
        for (int s = 0; s < unitCount(c); ++s) {
            for (int t = 0; t < unitCount(c); ++t) {
                if (s == t || isExcludedPair(c, s, t))
                    continue;
                const ConversionSteps st = conversionSteps(c, s, t);
                ASSERT_GE(st.steps.size(), 1u);
                ASSERT_LE(st.steps.size(), 2u);
                long double product = 1;
                for (long double f : st.steps) {
                    EXPECT_NE(std::find(constants.begin(), constants.end(), f), constants.end());
                    product *= f;
                }
                const long double ss = family(c).units[std::size_t(s)].size;
                const long double ts = family(c).units[std::size_t(t)].size;
                EXPECT_EQ(st.divide, ss < ts);
                EXPECT_EQ(product, st.divide ? ts / ss : ss / ts)
                    << unitName(c, s).toStdString() << " -> " << unitName(c, t).toStdString();
            }
        }
    }
}

TEST(ConversionSteps, ExamplesOfSplitFactors)
{
    // ha from mm²: 10^10 in two steps; d from sec: 86400 as 3600 then 24.
    const ConversionSteps a = conversionSteps(Flaechenmasse, 0, 5);
    EXPECT_TRUE(a.divide);
    EXPECT_EQ(a.steps.size(), 2u);
    const ConversionSteps d = conversionSteps(Zeitmasse, 4, 1);
    EXPECT_FALSE(d.divide);
    EXPECT_EQ(d.steps, std::vector<long double>({3600.0L, 24.0L}));
    EXPECT_TRUE(conversionSteps(Gewichte, 1, 1).steps.empty());
}

TEST(ConvertQuantity, OneOfEachUnitMatchesTheSizeRatio)
{
    struct Case {
        int c;
        const char* from;
        const char* to;
        const char* written;
    };
    const Case cases[] = {
        {Gewichte, "t", "mg", "1000000000"},  {Gewichte, "mg", "t", "1E-9"},
        {Laengenmasse, "km", "cm", "100000"}, {Laengenmasse, "mm", "m", "0,001"},
        {Flaechenmasse, "km²", "mm²", "1000000000000"}, {Flaechenmasse, "a", "ha", "0,01"},
        {Flaechenmasse, "mm²", "ha", "1E-10"}, {Koerpermasse, "km³", "m³", "1000000000"},
        {Koerpermasse, "cm³", "km³", "1E-15"}, {Zeitmasse, "d", "sec", "86400"},
        {Zeitmasse, "sec", "h", "0,000277777777777778"}, {Zeitmasse, "d", "min", "1440"},
        {Zeitmasse, "msec", "sec", "0,001"},  {Waehrung, "€", "ct", "100"},
    };
    for (const Case& k : cases) {
        const int s = unitIndex(k.c, QString::fromUtf8(k.from));
        const int t = unitIndex(k.c, QString::fromUtf8(k.to));
        ASSERT_GE(s, 0);
        ASSERT_GE(t, 0);
        EXPECT_EQ(formatNumber(convertQuantity(1, k.c, s, t)).toStdString(), k.written)
            << k.from << " -> " << k.to;
    }
}

TEST(EdgeCases, KilogramsIntoGrams)
{
    const UnitTask t = scripted(Gewichte, "g", {2, 1, 25}); // 25 / 10 kg
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 2,5 kg in g an"));
    EXPECT_EQ(verdict(t, "2500"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "2500,0"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "2,5E3"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "250"), AnswerState::Wrong);
    EXPECT_EQ(verdict(t, "2500,1"), AnswerState::Wrong);
    const AnswerCheck point = checkUnitAnswer(t, QStringLiteral("2.500"));
    EXPECT_EQ(point.state, AnswerState::Invalid);
    EXPECT_EQ(point.error, QStringLiteral("'2.500' ist kein gültiger Gleitkommawert."));
    const AnswerCheck letters = checkUnitAnswer(t, QStringLiteral("zwei"));
    EXPECT_EQ(letters.error, QStringLiteral("'zwei' ist kein gültiger Gleitkommawert."));
    EXPECT_EQ(t.expectedText(), QStringLiteral("2500 g"));
}

TEST(EdgeCases, MinutesIntoHours)
{
    const UnitTask t = scripted(Zeitmasse, "h", {2, 3}); // 3 * 3.6 min
    EXPECT_EQ(t.quantityText(), QStringLiteral("10,8"));
    EXPECT_EQ(t.source(), QStringLiteral("min"));
    EXPECT_EQ(formatNumber(t.expected), QStringLiteral("0,18"));
    EXPECT_EQ(verdict(t, "0,18"), AnswerState::Right);
    EXPECT_EQ(verdict(t, ",18"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "0,180"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "0,1800000000001"), AnswerState::Wrong);
}

TEST(EdgeCases, CubicCentimetreIntoCubicKilometres)
{
    const UnitTask t = scripted(Koerpermasse, "km³", {1, 3, 1}); // 1 / 1000 cm³
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 0,001 cm³ in km³ an"));
    EXPECT_EQ(formatNumber(t.expected), QStringLiteral("1E-18"));
    EXPECT_EQ(verdict(t, "1E-18"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "0,000000000000000001"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "1E-17"), AnswerState::Wrong);
    EXPECT_EQ(verdict(t, "0"), AnswerState::Wrong);
}

TEST(EdgeCases, CentsIntoEuros)
{
    const UnitTask t = scripted(Waehrung, "€", {0, 1234}); // no source draw
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 1234 ct in € an"));
    EXPECT_EQ(formatNumber(t.expected), QStringLiteral("12,34"));
    EXPECT_EQ(verdict(t, "12,34"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "12,340"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "12,3"), AnswerState::Wrong);
    EXPECT_EQ(t.expectedText(), QStringLiteral("12,34 €"));
}

TEST(EdgeCases, QuantityZeroExpectsZero)
{
    const UnitTask t = scripted(Laengenmasse, "m", {4, 2, 0});
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 0 km in m an"));
    EXPECT_EQ(formatNumber(t.expected), QStringLiteral("0"));
    EXPECT_EQ(verdict(t, "0"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "0,0"), AnswerState::Right);
    EXPECT_EQ(verdict(t, "-0"), AnswerState::Right);
}

TEST(EdgeCases, GramsWithTargetGramsNeverAskGrams)
{
    ScriptedRandom random;
    for (int i = 0; i < 500; ++i) {
        const UnitTask t = drawUnitTask(single(Gewichte, QStringLiteral("g")), random);
        EXPECT_NE(t.source(), QStringLiteral("g"));
        EXPECT_LT(t.quantity, 10000);
    }
}

TEST(EdgeCases, SecondsSchwerAskNoDays)
{
    ScriptedRandom random;
    UnitSettings s = single(Zeitmasse, QStringLiteral("sec"));
    s.difficulty = Schwer;
    for (int i = 0; i < 500; ++i) {
        const UnitTask t = drawUnitTask(s, random);
        EXPECT_NE(t.source(), QStringLiteral("d"));
        EXPECT_LE(t.quantity, 100);
    }
}

TEST(QuantityLabel, EndsJustBeforeTheAnswerField)
{
    for (const char* text : {"2,5 kg =", "0 mm³ =", "499999,999 km² ="}) {
        const QString s = QString::fromUtf8(text);
        const int left = quantityLabelLeft(s);
        EXPECT_EQ(left, 180 - 8 * int(s.size()));
        EXPECT_LT(left + 8 * int(s.size()), kAnswerFieldLeft);
    }
}

TEST(UnitSeriesTexts, TopicMessages)
{
    const SeriesTexts t = unitSeriesTexts();
    EXPECT_EQ(t.emptyAnswer, QStringLiteral("Sie haben noch keinen Wert eingegeben"));
    EXPECT_EQ(t.wrongAnswer, QStringLiteral("Das von Ihnen eingegebene Ergebnis ist falsch.\r"));
    EXPECT_EQ(t.wrongKind, MessageKind::Warning);
    EXPECT_EQ(t.rightResultPrefix, QStringLiteral("Das richtige Ergebnis lautet: "));
}
