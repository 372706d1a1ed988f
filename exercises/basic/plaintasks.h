#pragma once
// Plain basic-arithmetic tasks without any window: the number range, the draw of a task,
// its text and where that text starts, and the reasons a series cannot start.

#include "services.h"

#include <QString>
#include <cstdint>

namespace quorvel::basic {

// CurrentOperation: 1 addition, 2 subtraction, 3 multiplication, 4 division.
enum Operation : int { OpAddition = 1, OpSubtraction = 2, OpMultiplication = 3, OpDivision = 4 };
// SelectedTaskType 5: each task picks its own operation.
constexpr int SelectedMixed = 5;

// Which button of the "Zahlenbereich festsetzen" group is checked.
enum class RangeKind { NumberRange, TimesTable, Squares };
struct RangeChoice {
    RangeKind kind = RangeKind::NumberRange;
    int table = 0; // 2 to 9 with TimesTable
    bool operator==(const RangeChoice&) const = default;
};

// What the settings page says, as a plain task series reads it.
struct PlainSettings {
    int selectedTaskType = 1; // 1 Addieren .. 4 Dividieren, 5 Gemischt
    std::int32_t lowerBound = 0;
    std::int32_t upperBound = 100;
    RangeChoice range;
    int squareLimit = 10; // largest base of a square
};

// Random(upper + 1 - lower) + lower.
std::int32_t randomInRange(RandomSource& random, std::int32_t lower, std::int32_t upper);

// SelectTaskType for the basic-arithmetic page: the "Rechenart" item index + 1.
std::uint8_t selectBasicTaskType(int rechenartItem);

// b / 2 rounded to the nearest integer, halves to the even neighbour: 5 gives 2, 7 gives 4,
// -3 gives -2, 1 gives 0.
std::int32_t halveToEven(std::int32_t b);
// The divisor a second draw gives in a number-range division: halved, and 1 instead of 0.
std::int32_t divisorFromDraw(std::int32_t b);
// Is there a multiple of m (> 0) between max(lower, 0) and upper?
bool dividendExists(std::int32_t m, std::int32_t lower, std::int32_t upper);
// Multiples of m drawn until one lies in the range: uniform over the multiples of m from
// max(lower, 0) to upper. Without any such multiple it gives 0 instead of looping for ever;
// a series never gets there, because its start is refused first.
std::int32_t drawDividend(RandomSource& random, std::int32_t m, std::int32_t lower,
                          std::int32_t upper);

struct PlainTask {
    int operation = OpAddition; // CurrentOperation
    std::int32_t first = 0;     // x
    std::int32_t second = 0;    // y (the divisor of a division)
    std::int32_t expected = 0;  // ExpectedResult
    QString text;               // e.g. "(-4) x 6 ="
};

// Draws the next task; previousResult is the result of the task before (squares never
// repeat it).
PlainTask nextPlainTask(RandomSource& random, const PlainSettings& settings,
                        std::int32_t previousResult);

// "12 + 7 =", "(-4) x 6 =", "45 : (-5) =", "(-12) - (-30) =".
QString plainTaskText(int operation, std::int32_t x, std::int32_t y);

// The task text ends just before the answer field at 248: it starts 8 pixels per character
// to the left of 240.
constexpr int kAnswerFieldLeft = 248;
inline int taskTextLeft(const QString& text) { return 240 - 8 * int(text.size()); }

// Multiplication of squares only: the von/bis bounds play no part.
inline bool squaresOnly(const PlainSettings& s)
{
    return s.selectedTaskType == OpMultiplication && s.range.kind == RangeKind::Squares;
}

// A lower bound above the upper bound; empty when the order is fine.
QString rangeOrderRefusal(std::int32_t lower, std::int32_t upper);
// Everything that keeps a plain series from starting (range order, divisions without a
// dividend); empty when it may start.
QString plainStartRefusal(const PlainSettings& settings);

} // namespace quorvel::basic
