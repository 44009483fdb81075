#pragma once

#include "eval/Backtest.h"

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
    double meanReplay = 0.0;
    double meanControl = 0.0;
    double meanExpected = 0.0;
    // Rows with three or more hits: the replay's count, the expected count and the one-sided
    // exact binomial p-value of at least that many.
    std::int64_t replayWins = 0;
    double expectedWins = 0.0;
    double pValue = 1.0;
    bool betterThanChance = false; // p < 5 %

    // Quick picks come from their own random stream seeded from `seed`, so the replay's stream
    // stays untouched.
    static ChanceComparison compute(const Backtest::Result& result);
    static ChanceComparison compute(std::span<const Backtest::Pass> passes, const Backtest::Table& table,
                                    std::int32_t seed);

    // C(6,k)·C(43,6−k)/C(49,6): the chance that a random row has k hits.
    static double hitProbability(int k);
    // P(X >= x) for X ~ Binomial(n, p).
    static double binomialUpperTail(std::int64_t n, std::int64_t x, double p);

    // One plain sentence on the outcome, in the current language.
    QString sentence() const;
};

} // namespace numora
