#pragma once
// Number text and stepping of the 32-bit spinner, free of any window code.

#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// Decimal text; with thousands the German grouping "1.000", "2.147.400.000", "-1.000".
std::string formatUpDownValue(std::int32_t value, bool thousands);

// Reads a whole number back from the edit: surrounding blanks are ignored, and the
// group separator '.' is skipped (also when the spinner shows none, so a pasted
// "1.000" still means a thousand). Anything else, or an empty text, gives nothing.
// Values beyond 32 bits come back clamped to the 32-bit range.
std::optional<std::int32_t> parseUpDownText(const std::string& text);

// The position a text stands for: parsed and clamped to [min, max]; when the text
// is no whole number, the fallback (the last good position).
std::int32_t positionFromText(const std::string& text, std::int32_t min, std::int32_t max,
                              std::int32_t fallback);

// One step of `delta` (may be negative) from pos, stopping at min and max.
std::int32_t stepPosition(std::int32_t pos, std::int64_t delta, std::int32_t min,
                          std::int32_t max);

// The same, but a step past one end continues at the other end.
std::int32_t wrapStepPosition(std::int32_t pos, std::int64_t delta, std::int32_t min,
                              std::int32_t max);

std::int32_t clampPosition(std::int64_t value, std::int32_t min, std::int32_t max);

} // namespace quorvel
