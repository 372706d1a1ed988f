#include "systemservices.h"

#include <chrono>

namespace quorvel {

SystemRandom::SystemRandom() { randomize(); }

void SystemRandom::randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint32_t(now), std::uint32_t(std::uint64_t(now) >> 32)};
    m_engine.seed(seq);
}

int SystemRandom::random(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace quorvel
