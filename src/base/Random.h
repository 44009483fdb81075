#pragma once

#include <cstdint>

namespace numora {

// The program's one random generator: a 32-bit linear congruential state.
// next(n): state := state * 134775813 + 1 (mod 2^32), result := (state * n) >> 32, so 0..n-1.
// Every random choice of the program draws from the process-wide instance; tests make their own.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : m_state(seed) {}

    std::uint32_t state() const { return m_state; }
    void setState(std::uint32_t state) { m_state = state; }
    void seedFromClock();

    std::uint32_t next(std::uint32_t n);

    static Random& global();

private:
    std::uint32_t m_state;
};

} // namespace numora
