#pragma once
// Reading a signed 32-bit whole number written in decimal: an optional sign, then
// digits only. Free of Qt, so the plain cores share it. Callers decide about blanks.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel {

inline std::optional<std::int32_t> parseDecimalInt32(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > 2147483648LL)
            return std::nullopt; // past the range whatever the sign
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return std::int32_t(value);
}

} // namespace quorvel
