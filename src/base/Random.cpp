#include "base/Random.h"

#include <chrono>

namespace numora {

std::uint32_t Random::next(std::uint32_t n)
{
    m_state = m_state * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * n) >> 32);
}

void Random::seedFromClock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count()
        ^ std::chrono::system_clock::now().time_since_epoch().count();
    m_state = static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

Random& Random::global()
{
    static Random instance;
    return instance;
}

} // namespace numora
