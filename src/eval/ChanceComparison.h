#pragma once

#include "eval/Backtest.h"
#include "model/Game.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace numora {

// Did the options beat chance? For the same draws and the same number of rows per draw, the
// hit classes of the replayed sheets, of quick-pick rows and the counts expected for random rows.
struct ChanceComparison {
    std::array<std::int64_t, 7> replay{};
    std::array<std::int64_t, 7> control{};
    std::array<double, 7> expected{};
    std::int64_t rows = 0;
    std::int64_t passes = 0; // draws evaluated
    double meanReplay = 0.0;
    double meanControl = 0.0;
    double meanExpected = 0.0;
    // Different rows among all the sheets the replay scored: the same options can replay much
    // the same sheet draw after draw, and the verdict rests on these rows only.
    std::int64_t distinctRows = 0;
    // Rows with three or more hits: the replay's count and the count expected of random rows.
    std::int64_t replayWins = 0;
    double expectedWins = 0.0;
    // The Monte Carlo test: the replay's sheets, exactly as they were, scored again against
    // `simulations` histories of uniform random draws; `simulatedAtLeast` of them had at least
    // `replayWins` rows with three or more hits, and p = (simulatedAtLeast + 1) / (simulations + 1).
    // The rows of a sheet share their draw and a kept sheet meets several draws, so the rows are
    // not independent; holding the sheets fixed keeps that dependence in the null distribution.
    std::int32_t simulations = 0;
    std::int64_t simulatedAtLeast = 0;
    double pValue = 1.0;
    bool betterThanChance = false; // p < 5 %

    static constexpr std::int32_t DefaultSimulations = 10000;

    // Quick picks come from their own random stream seeded from `seed`, so the replay's stream
    // stays untouched.
    static ChanceComparison compute(const Backtest::Result& result);
    static ChanceComparison compute(std::span<const Backtest::Pass> passes, const Backtest::Table& table,
                                    std::int32_t seed, std::int32_t simulations = DefaultSimulations,
                                    int numbers = Game::DefaultNumbers);

    // C(6,k)·C(N−6,6−k)/C(N,6): the chance that a random row of a 6-of-N game has k hits.
    static double hitProbability(int k, int numbers = Game::DefaultNumbers);

    // How many of `simulations` random histories (one uniform draw of 6 from N per pass, the
    // passes' sheets held fixed) had at least `observed` rows with three or more hits. The
    // stream is seeded from `seed`, so the count repeats.
    static std::int64_t simulatedTotalsAtLeast(std::span<const Backtest::Pass> passes, std::int64_t observed,
                                               std::int32_t seed, std::int32_t simulations,
                                               int numbers = Game::DefaultNumbers);

    // One plain sentence on the outcome, in the current language.
    QString sentence() const;
};

} // namespace numora
