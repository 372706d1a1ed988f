#include "muldiv.h"

#include <cstdint>

namespace quorvel {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const std::int64_t an = num < 0 ? -num : num;
    const std::int64_t ac = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (2 * an + ac) / (2 * ac); // nearest, halves up in magnitude
    const bool negative = (num < 0) != (c < 0);
    return static_cast<int>(negative ? -q : q);
}

} // namespace quorvel
