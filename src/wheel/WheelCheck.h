#pragma once

#include "wheel/Wheel.h"

#include <array>
#include <cstdint>
#include <optional>

namespace numora {

// What a wheel does against every draw, counted exactly.
struct WheelOdds {
    // Every p-subset of the numbers that holds the key numbers meets some row in at least t numbers.
    bool holds = false;
    // The first such p-subset (in ascending order) that no row meets in t numbers.
    std::optional<NumberSet> counterexample;
    // How many p-subsets the guarantee was checked on: C(v - k, p - k) with k key numbers.
    std::uint64_t guaranteeSets = 0;
    // How many of them no row meets in t numbers.
    std::uint64_t failingSets = 0;
    // Over the C(v, 6) draws with all six among the numbers: how many draws have their best row
    // at 0..6 hits.
    std::array<std::uint64_t, 7> bestWithin{};
    // The same over all C(N, 6) draws of the game's numbers 1..N.
    std::array<std::uint64_t, 7> bestAll{};
    // Over all draws: the mean number of rows with exactly 0..6 hits per draw.
    std::array<double, 7> expectedRows{};
    // C(N, 6).
    std::uint64_t allDraws = AllDraws;

    // C(49, 6), the draws of the default game.
    static constexpr std::uint64_t AllDraws = 13983816;
};

namespace WheelCheck {

// Exhaustive: every subset of up to six of the numbers is visited once, each carrying for every
// hit count the bit set of the rows that reach it, so a draw costs a few word operations however
// many rows there are. Draws with numbers outside the wheel are counted by combination, against
// the game's numbers 1..highest.
WheelOdds run(const Wheel& wheel, int highest = Numbers::Highest);

// C(n, k); 0 outside 0 <= k <= n.
std::uint64_t binomial(int n, int k);

} // namespace WheelCheck

} // namespace numora
