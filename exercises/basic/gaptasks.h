#pragma once
// Gap tasks without any window: "14 + _ = 23", the pupil types the missing second operand.
// The draw, the two texts around the gap, where the left one starts, and the reasons a
// gap series cannot start in a given range.

#include "plaintasks.h"

#include <QString>
#include <cstdint>

namespace quorvel::basic {

struct GapTask {
    int operation = OpAddition; // CurrentOperation
    std::int32_t first = 0;     // a, shown before the gap
    std::int32_t missing = 0;   // b, the answer (ExpectedResult)
    std::int32_t result = 0;    // c, shown after the gap
    QString left;               // "(-8) x"
    QString right;              // "= 35", "= (-12)"
};

// Draws the next gap task from the number range. selectedTaskType 1 to 4 is the operation,
// 5 lets every task pick its own. Times tables and squares play no part here.
GapTask nextGapTask(RandomSource& random, int selectedTaskType, std::int32_t lower,
                    std::int32_t upper);

// The text before the gap: the first operand, in parentheses when negative, and the sign.
QString gapLeftText(int operation, std::int32_t first);
// The text after the gap: "= c", or "= (c)" for a negative c.
QString gapRightText(std::int32_t result);

// The right text starts at a fixed place after the answer field.
constexpr int kGapRightTextLeft = 376;

// Multiples of m (> 0) drawn until one lies in the range and is not 0. Without such a
// multiple it gives m instead of looping for ever; a series never gets there, because its
// start is refused first.
std::int32_t drawNonZeroDividend(RandomSource& random, std::int32_t m, std::int32_t lower,
                                 std::int32_t upper);

// Everything that keeps a gap series from starting: the range order, a multiplication
// without a first factor other than 0, a division without a dividend other than 0 for one
// of the divisors the range gives. Empty when it may start.
QString gapStartRefusal(int selectedTaskType, std::int32_t lower, std::int32_t upper);

} // namespace quorvel::basic
