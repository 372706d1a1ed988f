// Drawing unit tasks: the target and source units, the quantities by difficulty, and
// "Gemischt" in the series frame, over scripted and many random draws.
#include "fakes.h"
#include "series.h"
#include "unitnumber.h"
#include "unittasks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace quorvel;
using namespace quorvel::units;
using namespace quorvel::test;

namespace {

UnitSettings single(int category, const QString& target, int difficulty = Leicht)
{
    UnitSettings s;
    s.choice = category;
    s.targetIndex[std::size_t(category - 1)] = unitIndex(category, target);
    s.difficulty = difficulty;
    return s;
}

// Decimal places of the written quantity.
int decimals(long double v)
{
    const QString s = formatNumber(v);
    const int comma = s.indexOf(QLatin1Char(','));
    return comma < 0 ? 0 : int(s.size()) - comma - 1;
}

bool isWhole(long double v) { return std::fabs(v - std::round(v)) < 1e-9L; }

} // namespace

TEST(DrawUnits, SingleFamilyNeverAsksTheTargetNorAnExcludedPair)
{
    ScriptedRandom random;
    for (int c = 1; c <= kFamilyCount; ++c) {
        for (int t = 0; t < unitCount(c); ++t) {
            const UnitSettings s = single(c, unitName(c, t));
            std::set<int> seen;
            for (int i = 0; i < 400; ++i) {
                UnitTask task;
                drawUnits(s, random, task);
                EXPECT_EQ(task.category, c);
                EXPECT_EQ(task.targetIndex, t);
                EXPECT_NE(task.sourceIndex, task.targetIndex);
                EXPECT_FALSE(isExcludedPair(c, task.sourceIndex, task.targetIndex))
                    << task.source().toStdString() << " -> " << task.target().toStdString();
                seen.insert(task.sourceIndex);
            }
            // Every source that may be asked turns up.
            int allowed = 0;
            for (int src = 0; src < unitCount(c); ++src)
                if (src != t && !isExcludedPair(c, src, t))
                    ++allowed;
            EXPECT_EQ(int(seen.size()), allowed) << c << " " << unitName(c, t).toStdString();
        }
    }
    EXPECT_FALSE(random.scriptMisuse);
}

TEST(DrawUnits, SourcesPerTargetAsTheTablesSay)
{
    struct Case {
        int category;
        const char* target;
        std::set<QString> sources;
    };
    const Case cases[] = {
        {Gewichte, "g", {"mg", "kg", "t"}},
        {Koerpermasse, "mm³", {"cm³", "dm³", "m³"}},
        {Koerpermasse, "km³", {"cm³", "dm³", "m³"}},
        {Koerpermasse, "cm³", {"mm³", "dm³", "m³"}},
        {Zeitmasse, "msec", {"sec", "min"}},
        {Zeitmasse, "sec", {"msec", "min", "h"}},
        {Zeitmasse, "min", {"sec", "h"}},
        {Zeitmasse, "h", {"sec", "min", "d"}},
        {Zeitmasse, "d", {"min", "h"}},
        {Waehrung, "€", {"ct"}},
        {Waehrung, "ct", {"€"}},
    };
    ScriptedRandom random;
    for (const Case& c : cases) {
        std::set<QString> seen;
        for (int i = 0; i < 300; ++i) {
            UnitTask task;
            drawUnits(single(c.category, QString::fromUtf8(c.target)), random, task);
            seen.insert(task.source());
        }
        EXPECT_EQ(seen, c.sources) << c.target;
    }
}

TEST(DrawUnits, MoneyTakesTheOtherUnitWithoutADraw)
{
    ScriptedRandom random;
    for (const char* target : {"ct", "€"}) {
        UnitTask task;
        drawUnits(single(Waehrung, QString::fromUtf8(target)), random, task);
        EXPECT_NE(task.source(), task.target());
    }
    EXPECT_TRUE(random.asked.empty());
}

TEST(DrawUnits, ScriptedSourceIsDrawnAgainWhileItIsTheTargetOrExcluded)
{
    ScriptedRandom random;
    // Target "h": "h" itself (3) and "msec" (0) are drawn again, then "min" (2) stays.
    random.script({3, 0, 2});
    UnitTask task;
    drawUnits(single(Zeitmasse, QStringLiteral("h")), random, task);
    EXPECT_EQ(task.source(), QStringLiteral("min"));
    EXPECT_EQ(task.timeTargetIndex, 3);
    EXPECT_EQ(random.asked, std::vector<int>({5, 5, 5}));
    EXPECT_FALSE(random.scriptMisuse);
}

TEST(DrawQuantity, RangesByDifficultyAndFamily)
{
    struct Case {
        int choice;
        const char* target;
        int difficulty;
        int n; // Random(n)
    };
    const Case cases[] = {
        {Gewichte, "g", Leicht, 10000},       {Gewichte, "g", Mittel, 100000},
        {Gewichte, "g", Schwer, 500000},      {Flaechenmasse, "a", Schwer, 500000},
        {Zeitmasse, "msec", Leicht, 101},     {Zeitmasse, "min", Mittel, 251},
        {Zeitmasse, "h", Schwer, 1001},       {Zeitmasse, "d", Leicht, 101},
        {Zeitmasse, "sec", Leicht, 11},       {Zeitmasse, "sec", Mittel, 26},
        {Zeitmasse, "sec", Schwer, 101},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        const UnitSettings s = single(c.choice, QString::fromUtf8(c.target), c.difficulty);
        const int tti = timeTargetIndex(c.choice, s.targetIndex[std::size_t(c.choice - 1)]);
        drawQuantity(s, tti, random);
        EXPECT_EQ(random.asked, std::vector<int>({c.n})) << c.target << " " << c.difficulty;
    }
    // "Gemischt" asks the general ranges even for times.
    ScriptedRandom random;
    UnitSettings mixed;
    mixed.choice = Gemischt;
    mixed.difficulty = Mittel;
    drawQuantity(mixed, 3, random);
    EXPECT_EQ(random.asked, std::vector<int>({100000}));
}

TEST(DrawTask, QuantitiesHaveZeroToThreeDecimalsAndStayInRange)
{
    ScriptedRandom random;
    const int limits[3] = {10000, 100000, 500000};
    std::set<int> decimalCounts;
    for (int c = 1; c <= 6; ++c) {
        if (c == Zeitmasse)
            continue;
        for (int d = 0; d < 3; ++d) {
            const UnitSettings s = single(c, unitName(c, 1), d);
            for (int i = 0; i < 300; ++i) {
                const UnitTask t = drawUnitTask(s, random);
                EXPECT_GE(t.quantity, 0);
                EXPECT_LT(t.quantity, limits[d]);
                EXPECT_TRUE(isWhole(t.quantity * 1000)) << double(t.quantity);
                const int dec = decimals(t.quantity);
                EXPECT_LE(dec, 3);
                decimalCounts.insert(dec);
            }
        }
    }
    EXPECT_EQ(decimalCounts, std::set<int>({0, 1, 2, 3}));
}

TEST(DrawTask, TimeQuantitiesAreMultiplesOfTheTargetFactor)
{
    struct Case {
        const char* target;
        long double factor;
        int limit; // schwer
    };
    const Case cases[] = {
        {"msec", 1.0L, 1001}, {"sec", 1.0L, 101}, {"min", 6.0L, 1001},
        {"h", 3.6L, 1001},    {"d", 14.4L, 1001},
    };
    ScriptedRandom random;
    for (const Case& c : cases) {
        const UnitSettings s = single(Zeitmasse, QString::fromUtf8(c.target), Schwer);
        for (int i = 0; i < 500; ++i) {
            const UnitTask t = drawUnitTask(s, random);
            const long double multiple = t.quantity / c.factor;
            EXPECT_TRUE(isWhole(multiple)) << c.target << " " << double(t.quantity);
            EXPECT_GE(multiple, 0);
            EXPECT_LT(std::round(multiple), c.limit);
            // The expected value is short when written: at most three decimals here.
            EXPECT_LE(decimals(t.expected), 3) << formatNumber(t.expected).toStdString();
        }
    }
}

TEST(DrawTask, ScriptedOrderOfDraws)
{
    // Not times: source, then the power of ten, then the whole number.
    ScriptedRandom random;
    random.script({2, 1, 25});
    const UnitTask t = drawUnitTask(single(Gewichte, QStringLiteral("g")), random);
    EXPECT_EQ(random.asked, std::vector<int>({4, 4, 10000}));
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 2,5 kg in g an"));
    EXPECT_EQ(t.quantityLabel(), QStringLiteral("2,5 kg ="));
    EXPECT_EQ(t.expectedText(), QStringLiteral("2500 g"));
    // Times: source, then the whole number, no power of ten.
    ScriptedRandom r2;
    r2.script({2, 3});
    const UnitTask h = drawUnitTask(single(Zeitmasse, QStringLiteral("h")), r2);
    EXPECT_EQ(r2.asked, std::vector<int>({5, 101}));
    EXPECT_EQ(h.instruction(), QStringLiteral("Geben Sie 10,8 min in h an"));
    EXPECT_EQ(formatNumber(h.expected), QStringLiteral("0,18"));
}

TEST(DrawTask, MixedAsAboveTakesEachFamilysBox)
{
    UnitSettings s;
    s.choice = Gemischt;
    const char* targets[] = {"t", "cm", "ha", "dm³", "min", "€"};
    for (int c = 1; c <= 6; ++c)
        s.targetIndex[std::size_t(c - 1)] = unitIndex(c, QString::fromUtf8(targets[c - 1]));
    ScriptedRandom random;
    std::set<int> families;
    for (int i = 0; i < 600; ++i) {
        const UnitTask t = drawUnitTask(s, random);
        families.insert(t.category);
        EXPECT_EQ(t.target(), QString::fromUtf8(targets[t.category - 1]));
        EXPECT_NE(t.sourceIndex, t.targetIndex);
        EXPECT_FALSE(isExcludedPair(t.category, t.sourceIndex, t.targetIndex));
        if (t.category == Zeitmasse) { // times in "Gemischt": general range, times 6
            EXPECT_TRUE(isWhole(t.quantity / 6.0L));
        }
    }
    EXPECT_EQ(families.size(), 6u);
}

TEST(DrawTask, MixedRandomDrawsTheTargetToo)
{
    UnitSettings s;
    s.choice = Gemischt;
    s.randomTarget = true;
    ScriptedRandom random;
    std::map<int, std::set<int>> targets;
    for (int i = 0; i < 2000; ++i) {
        const UnitTask t = drawUnitTask(s, random);
        targets[t.category].insert(t.targetIndex);
        EXPECT_NE(t.sourceIndex, t.targetIndex);
        EXPECT_FALSE(isExcludedPair(t.category, t.sourceIndex, t.targetIndex));
    }
    ASSERT_EQ(targets.size(), 6u);
    for (const auto& [c, set] : targets)
        EXPECT_EQ(int(set.size()), unitCount(c)) << c;

    // Scripted: family 4, target 4 ("km³"), source 0 ("mm³") is excluded, then 1 ("cm³").
    ScriptedRandom r2;
    r2.script({3, 4, 0, 1, 3, 1});
    const UnitTask t = drawUnitTask(s, r2);
    EXPECT_EQ(r2.asked, std::vector<int>({6, 5, 5, 5, 4, 10000}));
    EXPECT_EQ(t.instruction(), QStringLiteral("Geben Sie 0,001 cm³ in km³ an"));
    EXPECT_EQ(formatNumber(t.expected), QStringLiteral("1E-18"));
}

namespace {

// The topic in the frame without any window: the view records into the log.
struct TopicRun {
    TestServices ts;
    UnitSettings settings;
    std::vector<UnitTask> shown;
    QString status;
    units::UnitConversionTopic topic{ts.random, [this] { return settings; },
                                     [this](const UnitTask& t) { shown.push_back(t); }};
    struct View : NullView {
        TopicRun& run;
        explicit View(TopicRun& r) : run(r) {}
        void setStatusText(const QString& s) override { run.status = s; }
        void showTaskPage() override { run.ts.log.add(QStringLiteral("page 5")); }
        void showReturnPage() override { run.ts.log.add(QStringLiteral("page 4")); }
    } view{*this};
    ExerciseSeries series{ts.services, topic, view};
};

} // namespace

TEST(UnitSeries, MixedCountsEachTaskUnderItsDrawnFamily)
{
    for (bool randomTarget : {false, true}) {
        TopicRun run;
        run.settings.choice = Gemischt;
        run.settings.randomTarget = randomTarget;
        ASSERT_TRUE(run.series.begin(300));
        int answered = 0;
        while (run.series.running()) {
            // Answer every other task right, skip the rest.
            if (answered++ % 2 == 0)
                run.series.confirm({formatNumber(run.topic.task().expected)});
            else
                run.series.skip();
        }
        ASSERT_EQ(run.shown.size(), 300u);
        QStringList given, correct;
        for (std::size_t i = 0; i < run.shown.size(); ++i) {
            given << QStringLiteral("given 2 %1").arg(run.shown[i].category);
            if (i % 2 == 0)
                correct << QStringLiteral("correct 2 %1").arg(run.shown[i].category);
        }
        QStringList loggedGiven, loggedCorrect;
        for (const QString& e : run.ts.log.events) {
            if (e.startsWith(QLatin1String("given")))
                loggedGiven << e;
            if (e.startsWith(QLatin1String("correct")))
                loggedCorrect << e;
        }
        EXPECT_EQ(loggedGiven, given);
        EXPECT_EQ(loggedCorrect, correct);
        EXPECT_TRUE(run.ts.messages.messages.empty());
        EXPECT_EQ(run.ts.log.events.front(), QStringLiteral("changed 2"));
    }
}

TEST(UnitSeries, SingleFamilyKeepsItsTargetForTheWholeSeries)
{
    TopicRun run;
    run.settings = single(Flaechenmasse, QStringLiteral("a"), Mittel);
    run.series.begin(50);
    while (run.series.running())
        run.series.skip();
    ASSERT_EQ(run.shown.size(), 50u);
    for (const UnitTask& t : run.shown) {
        EXPECT_EQ(t.target(), QStringLiteral("a"));
        EXPECT_EQ(t.category, Flaechenmasse);
    }
}
