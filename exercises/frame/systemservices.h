#pragma once
// Production sources of randomness and of today's date.

#include "services.h"

#include <random>

namespace quorvel {

class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    void randomize() override;
    int random(int n) override;

private:
    std::mt19937 m_engine;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace quorvel
