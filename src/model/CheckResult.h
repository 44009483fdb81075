#pragma once

#include <array>
#include <cstdint>

namespace numora {

// Outcome of the last `Zettelcheck`.
struct CheckResult {
    std::uint8_t hitCount = 0;
    std::array<bool, 6> hits{}; // per row position: its number was drawn
    bool bonus = false;         // never set: only the six numbers are compared
};

// The sheet's rows tallied by hit count 0..6; [0] rows without, [1] rows with a bonus hit.
struct Trefferbilanz {
    std::array<std::array<std::int32_t, 2>, 7> counts{};

    void clear() { counts = {}; }
    std::int32_t withoutBonus(int hits) const { return counts.at(std::size_t(hits))[0]; }
    std::int32_t withBonus(int hits) const { return counts.at(std::size_t(hits))[1]; }
};

} // namespace numora
