#pragma once

#include "base/Expected.h"
#include "model/RunControl.h"
#include "wheel/Wheel.h"
#include "wheel/WheelCheck.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace numora {

// What to build: the numbers, the guarantee and the limits of the search.
struct WheelRequest {
    NumberSet numbers = 0;
    Guarantee guarantee;
    std::uint64_t seed = 1;
    double seconds = 10;
    // Stop at the first wheel of at most this many rows; 0: as few rows as the time allows.
    int maxRows = 0;
    // Numbers that stand in every row (fewer than six, no more than p).
    NumberSet keys = 0;
    // Answer from the shipped catalogue where it has a wheel that fits.
    bool useCatalogue = true;
    // Without a budget: stop searching at a wheel of this many rows (a size known to be reachable).
    int stopAt = 0;
};

// Where a build stands: the rows of the smallest wheel found so far (0: none yet) and the rows
// and uncovered p-sets of the one being searched.
struct WheelProgress {
    int bestRows = 0;
    int rows = 0;
    std::size_t uncovered = 0;
};

// A wheel in fewer rows than the guarantee needs: what it still does.
struct BudgetWheel {
    Wheel wheel;
    // Against the chosen guarantee: failingSets of guaranteeSets p-sets have no row with t hits.
    WheelOdds odds;
    // The guarantees it does give, none implied by another (empty: none of those offered).
    std::vector<Guarantee> holds;
};

struct WheelBuild {
    // The smallest wheel found, verified exhaustively; none when no wheel within the limits.
    std::optional<Wheel> wheel;
    WheelOdds odds;
    bool stopped = false;
    // The wheel came from the shipped catalogue, without a search.
    bool fromCatalogue = false;
    // With a row budget no wheel with the guarantee was found in: the best rows in that budget.
    std::optional<BudgetWheel> budget;
};

namespace WheelBuilder {

// Answers from the shipped catalogue where it has the wheel (put onto the player's numbers and
// proved again), else searches rows with simulated annealing, from a generous count downwards,
// keeping each wheel that covers; takes a known design where one fits (S(5,6,12), S(3,6,22),
// S(3,6,26), from 20 to 25 numbers "3 wenn 3" one of them on fewer points as a start, and
// for "3 wenn 6" on 28 or more numbers S(3,6,22) on the first 22 joined with a "3 wenn 4" wheel on
// the rest). Asked for fewer rows than the catalogue's wheel, the search starts from it; when no
// wheel with the guarantee fits the budget, the best rows in it come back as `budget`.
// The same request with the same seed searches the same way; `control` stops it between steps.
Expected<WheelBuild> build(const WheelRequest& request, RunControl& control,
                           const std::function<void(const WheelProgress&)>& progress = {});

// The Schönheim bound for "t wenn t" on v numbers; 1 for a larger p.
int lowerBound(int v, Guarantee guarantee);

// Of the guarantees offered, those the wheel gives (with its keys), none implied by another.
std::vector<Guarantee> strongestHeld(const Wheel& wheel);

} // namespace WheelBuilder

} // namespace numora
