#pragma once
// Ordering three fractions and comparing two, without a window. The pupil writes each
// shown fraction fully reduced and expanded to the common denominator (the kgV of the
// reduced denominators), then gives the positions or the relation.

#include "fractioncore.h"
#include "fractionkind.h"
#include "services.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace quorvel::fractions {

struct OrderingTask {
    std::array<Fraction, 3> shown{};   // as drawn, not reduced
    std::array<Fraction, 3> reduced{};
    std::int32_t commonDenominator = 1;      // K
    // E1..E6: expanded numerator and K of each fraction, in the order of the edits.
    std::array<std::int32_t, 6> expected{};
    // Position of each fraction, 0 = smallest; equal fractions share a position.
    std::array<int, 3> positions{};
};

enum Relation : int { FirstGreater = 0, FirstSmaller = 1, BothEqual = 2 };

struct ComparingTask {
    std::array<Fraction, 2> shown{};
    std::array<Fraction, 2> reduced{};
    std::int32_t commonDenominator = 1;
    std::array<std::int32_t, 4> expected{}; // E1..E4
    int relation = BothEqual;               // item index of the relation group
};

// Dense ranking: each value's position is the number of distinct values below it,
// so 3, 2, 5 give 1, 0, 2 and 3, 3, 2 give 1, 1, 0.
std::array<int, 3> denseRanks(const std::array<std::int32_t, 3>& values);

OrderingTask solveOrdering(const std::array<Fraction, 3>& shown);
ComparingTask solveComparing(const std::array<Fraction, 2>& shown);

// Seed the generator, draw each numerator and denominator by difficulty, solve.
OrderingTask drawOrderingTask(int difficulty, RandomSource& random);
ComparingTask drawComparingTask(int difficulty, RandomSource& random);

inline constexpr int kOrderingType = 7;
inline constexpr int kComparingType = 8;

// "Zu wenige Werte !": an edit empty or a group without a choice.
QString tooFewValuesNotice();

// The rule texts the help button shows.
QString orderingRuleText();
QString comparingRuleText();

// "ordnen": fields edBruchOrd01 .. 06 (E1 .. E6), then the three position groups.
class OrderingTopic final : public FractionKind<OrderingTask> {
public:
    using TopicAdapter::TopicAdapter;
    int drawTask() override;
    // The shown fractions as drawn, "a/b c/d …".
    QString encodeTask(const OrderingTask& task) const override;
    bool poseCard(int type, const QString& text) override;

protected:
    MultiFieldTexts fieldTexts() const override;

private:
    void showTask();
};

// "vergleichen": fields edBruchVer01 .. 04 (E1 .. E4), then the relation group.
class ComparingTopic final : public FractionKind<ComparingTask> {
public:
    using TopicAdapter::TopicAdapter;
    int drawTask() override;
    // The shown fractions as drawn, "a/b c/d …".
    QString encodeTask(const ComparingTask& task) const override;
    bool poseCard(int type, const QString& text) override;

protected:
    MultiFieldTexts fieldTexts() const override;

private:
    void showTask();
};

} // namespace quorvel::fractions
