// libFuzzer target for the shared reader of signed 32-bit decimal numbers. It is
// compared with a plain reference: an optional sign, then only digits, value within
// 32 bits. Whatever it accepts prints as a text that reads back to the same value.
#include "decimalint.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::optional<std::int64_t> reference(std::string_view t)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        return std::nullopt;
    // Leading zeros do not count against the length.
    while (i + 1 < t.size() && t[i] == '0')
        ++i;
    if (t.size() - i > 10)
        return std::nullopt;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return std::nullopt;
        v = v * 10 + (t[i] - '0');
    }
    v = negative ? -v : v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const std::optional<std::int32_t> got = quorvel::parseDecimalInt32(text);
    const std::optional<std::int64_t> want = reference(text);
    if (got.has_value() != want.has_value() || (got && *got != *want))
        std::abort();
    if (got) {
        const std::optional<std::int32_t> again = quorvel::parseDecimalInt32(std::to_string(*got));
        if (!again || *again != *got)
            std::abort();
    }
    return 0;
}
