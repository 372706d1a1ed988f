#pragma once
// The four operations on two fractions, solved in the worked layout of six fields: both
// fractions brought to a common denominator (or, for a division, the first fraction and
// the reciprocal of the second), then the reduced result. Drawing, solving, the field
// layout per operation, and the kind in the series frame. Plain C++.

#include "fractioncore.h"
#include "fractionkind.h"

#include <array>
#include <functional>

namespace quorvel {
class RandomSource;
}

namespace quorvel::fractions {

enum FractionOperation : int { OpAddition = 1, OpSubtraction = 2, OpMultiplication = 3, OpDivision = 4 };

struct ArithmeticTask {
    int operation = OpAddition;
    Fraction first;  // as shown: in lowest terms
    Fraction second;
    std::array<int, 6> expected{}; // E1 .. E6: edBruchAufg01 .. 06
};

// The fields, signs and hints of page 'BruchrechnungGrund' for one operation.
struct ArithmeticLayout {
    const char* operatorSign;   // lblBruchAufg05
    const char* resultSign;     // lblBruchAufg07; hidden with the last four fields when empty
    bool allFields;             // false: only edBruchAufg01 / 02 (the product)
    std::array<const char*, 6> hints;  // tooltips of edBruchAufg01 .. 06 (empty: none)
    std::array<const char*, 6> names;  // accessible names of edBruchAufg01 .. 06
};
const ArithmeticLayout& arithmeticLayout(int operation);

// The largest numerator and denominator drawn at a difficulty (0 leicht .. 2 schwer).
struct OperandRange {
    int numerators; // Random(numerators + 1), 0 drawn again
    int denominators;
};
OperandRange operandRange(int difficulty);

// Reduces both operands and fills E1 .. E6. A difference of zero expects 0 over 1.
ArithmeticTask solveFractionTask(int operation, Fraction first, Fraction second);

// Draws two fractions at the difficulty (re-seeding the generator first); for a
// subtraction the greater one comes first, so the difference is never negative.
std::pair<Fraction, Fraction> drawFractionOperands(RandomSource& random, int operation,
                                                   int difficulty);

// A whole task of the item of "Rechnen mit Brüchen" (0 addieren .. 4 gemischt): "gemischt"
// draws each task's operation, Random(5) until it is not 0.
ArithmeticTask drawArithmeticTask(RandomSource& random, int arithmeticItem, int difficulty);

// "2/3 + 1/4 =": the task as one line, for a screen reader.
QString arithmeticTaskText(const ArithmeticTask& task);

class FractionArithmeticTopic final : public FractionKind<ArithmeticTask> {
public:
    using TopicAdapter::TopicAdapter;

    void prepareSeries() override;
    int drawTask() override;
    bool mixedOperations() const { return m_mixed; }
    // "a/b c/d": the two fractions as shown; the operation is the statistics type.
    QString encodeTask(const ArithmeticTask& task) const override;
    // Poses the card's two fractions with the kind's own solving and fields.
    bool poseCard(int type, const QString& text) override;

private:
    // The fields of m_task set up, then the task shown.
    void showTask();

    bool m_mixed = false;
    int m_operation = OpAddition;
};

} // namespace quorvel::fractions
