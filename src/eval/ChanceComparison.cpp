#include "eval/ChanceComparison.h"

#include "base/Formatting.h"
#include "base/Random.h"
#include "base/TextCatalog.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace numora {

namespace {

double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0.0;
    double c = 1.0;
    for (int i = 1; i <= k; ++i)
        c = c * double(n - k + i) / double(i);
    return c;
}

// The control stream must not follow the replay's: a fixed odd multiplier and offset move it
// to another place of the generator's cycle.
std::uint32_t controlSeed(std::int32_t seed) { return static_cast<std::uint32_t>(seed) * 2654435761u + 0x9E3779B9u; }

std::uint64_t quickPick(Random& random)
{
    std::uint64_t mask = 0;
    int drawn = 0;
    while (drawn < 6) {
        const std::uint64_t bit = std::uint64_t(1) << (random.next(49) + 1);
        if (!(mask & bit)) {
            mask |= bit;
            ++drawn;
        }
    }
    return mask;
}

double meanOf(const std::array<double, 7>& counts, double rows)
{
    if (rows <= 0)
        return 0.0;
    double total = 0.0;
    for (int k = 0; k <= 6; ++k)
        total += k * counts[std::size_t(k)];
    return total / rows;
}

std::array<double, 7> asDouble(const std::array<std::int64_t, 7>& counts)
{
    std::array<double, 7> out{};
    for (int k = 0; k <= 6; ++k)
        out[std::size_t(k)] = double(counts[std::size_t(k)]);
    return out;
}

} // namespace

double ChanceComparison::hitProbability(int k) { return choose(6, k) * choose(43, 6 - k) / choose(49, 6); }

double ChanceComparison::binomialUpperTail(std::int64_t n, std::int64_t x, double p)
{
    if (x <= 0)
        return 1.0;
    if (x > n)
        return 0.0;
    if (p <= 0.0)
        return 0.0;
    if (p >= 1.0)
        return 1.0;
    // Sum the terms in log space; each one from lgamma keeps the sum exact enough for large n.
    const double logP = std::log(p);
    const double logQ = std::log1p(-p);
    const double logNFactorial = std::lgamma(double(n) + 1.0);
    double tail = 0.0;
    for (std::int64_t k = x; k <= n; ++k) {
        const double logTerm = logNFactorial - std::lgamma(double(k) + 1.0) - std::lgamma(double(n - k) + 1.0)
            + double(k) * logP + double(n - k) * logQ;
        const double term = std::exp(logTerm);
        tail += term;
        // Past the mode the terms only shrink; once they no longer count, stop.
        if (double(k) > double(n) * p && term < tail * 1e-17)
            break;
    }
    return std::min(1.0, tail);
}

ChanceComparison ChanceComparison::compute(const Backtest::Result& result)
{
    return compute(result.evaluated, result.table, result.seed);
}

ChanceComparison ChanceComparison::compute(std::span<const Backtest::Pass> passes, const Backtest::Table& table,
                                           std::int32_t seed)
{
    ChanceComparison c;
    for (int k = 0; k <= 6; ++k) {
        const auto& row = table[std::size_t(k)];
        c.replay[std::size_t(k)] = std::int64_t(row[0]) + row[1] + row[2] + row[3];
    }
    Random random(controlSeed(seed));
    for (const Backtest::Pass& pass : passes) {
        std::uint64_t drawn = 0;
        for (std::uint8_t n : pass.numbers)
            if (n >= 1 && n <= 49)
                drawn |= std::uint64_t(1) << n;
        for (std::int32_t r = 0; r < pass.rows; ++r)
            ++c.control[std::size_t(std::popcount(quickPick(random) & drawn))];
        c.rows += pass.rows;
    }
    double winChance = 0.0;
    for (int k = 0; k <= 6; ++k) {
        c.expected[std::size_t(k)] = double(c.rows) * hitProbability(k);
        if (k >= 3) {
            winChance += hitProbability(k);
            c.replayWins += c.replay[std::size_t(k)];
        }
    }
    c.expectedWins = double(c.rows) * winChance;
    c.meanReplay = meanOf(asDouble(c.replay), double(c.rows));
    c.meanControl = meanOf(asDouble(c.control), double(c.rows));
    c.meanExpected = meanOf(c.expected, double(c.rows));
    c.pValue = binomialUpperTail(c.rows, c.replayWins, winChance);
    c.betterThanChance = c.rows > 0 && c.pValue < 0.05;
    return c;
}

QString ChanceComparison::sentence() const
{
    if (rows == 0)
        return tx(QStringLiteral("Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich."));
    const QString p = pValue < 0.0001 ? QStringLiteral("< 0,0001") : QStringLiteral("= ") + formatDecimal(pValue, 4);
    const QString facts = tx(QStringLiteral("%1 von %2 Reihen hatten 3 oder mehr Richtige, vom Zufall zu erwarten waren %3 "
                                            "(exakter Binomialtest, einseitig, p %4)"))
                              .arg(replayWins)
                              .arg(rows)
                              .arg(formatDecimal(expectedWins, 1), p);
    if (betterThanChance)
        return tx(QStringLiteral("Die Optionen waren auf dem 5-%-Niveau besser als der Zufall: ")) + facts + QLatin1Char('.');
    return tx(QStringLiteral("Die Optionen waren nicht nachweisbar besser als der Zufall: ")) + facts + QLatin1Char('.');
}

} // namespace numora
