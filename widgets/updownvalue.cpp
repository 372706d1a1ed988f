#include "updownvalue.h"

#include <cctype>
#include <limits>

namespace quorvel {

std::string formatUpDownValue(std::int32_t value, bool thousands)
{
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(value))
                                       : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    if (thousands) {
        const std::size_t n = digits.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                out += '.';
            out += digits[i];
        }
    } else {
        out = digits;
    }
    return negative ? "-" + out : out;
}

std::optional<std::int32_t> parseUpDownText(const std::string& text)
{
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    while (end > i && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool lastWasSeparator = false;
    std::int64_t value = 0;
    constexpr std::int64_t cap = std::int64_t{1} << 40; // well beyond 32 bits
    for (; i < end; ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            anyDigit = true;
            lastWasSeparator = false;
            if (value < cap)
                value = value * 10 + (ch - '0');
        } else if (ch == '.' && anyDigit && !lastWasSeparator) {
            lastWasSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit || lastWasSeparator)
        return std::nullopt;
    if (negative)
        value = -value;
    return clampPosition(value, std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max());
}

std::int32_t clampPosition(std::int64_t value, std::int32_t min, std::int32_t max)
{
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    return static_cast<std::int32_t>(value);
}

std::int32_t positionFromText(const std::string& text, std::int32_t min, std::int32_t max,
                              std::int32_t fallback)
{
    const auto parsed = parseUpDownText(text);
    return clampPosition(parsed ? *parsed : fallback, min, max);
}

std::int32_t stepPosition(std::int32_t pos, std::int64_t delta, std::int32_t min,
                          std::int32_t max)
{
    return clampPosition(static_cast<std::int64_t>(pos) + delta, min, max);
}

std::int32_t wrapStepPosition(std::int32_t pos, std::int64_t delta, std::int32_t min,
                              std::int32_t max)
{
    const std::int64_t next = static_cast<std::int64_t>(pos) + delta;
    if (next > max)
        return min;
    if (next < min)
        return max;
    return static_cast<std::int32_t>(next);
}

} // namespace quorvel
