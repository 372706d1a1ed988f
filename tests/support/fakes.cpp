#include "fakes.h"

namespace quorvel::test {

int ScriptedRandom::random(int n)
{
    asked.push_back(n);
    if (!m_values.empty()) {
        const int v = m_values.front();
        m_values.pop_front();
        if (v < 0 || (n > 0 && v >= n))
            scriptMisuse = true;
        return v;
    }
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace quorvel::test
