#include "eval/ChanceComparison.h"

#include "base/Formatting.h"
#include "base/Random.h"
#include "base/TextCatalog.h"
#include "draws/HistoryCache.h"
#include "model/Game.h"
#include "model/NumberMask.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <set>
#include <vector>

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

// A mask of the numbers 1..N: one machine word while N stays below 64 (every 6-of-49 game), two
// beyond it. The word keeps the default game's simulation as fast as it was.
inline void addNumber(std::uint64_t& mask, int n) { mask |= std::uint64_t(1) << n; }
inline void addNumber(NumberMask& mask, int n) { mask.set(n); }
inline bool holds(std::uint64_t mask, int n) { return (mask >> n) & 1u; }
inline bool holds(const NumberMask& mask, int n) { return mask.has(n); }
inline int shared(std::uint64_t a, std::uint64_t b) { return std::popcount(a & b); }
inline int shared(const NumberMask& a, const NumberMask& b) { return common(a, b); }

NumberMask quickPick(Random& random, int numbers)
{
    NumberMask mask;
    int drawn = 0;
    while (drawn < 6) {
        const int n = int(random.next(numbers)) + 1;
        if (!mask.has(n)) {
            mask.set(n);
            ++drawn;
        }
    }
    return mask;
}

// The simulation's own stream (splitmix64): fast, and independent of the program's generator,
// whose 32-bit state would repeat its draws too soon for ten thousand histories.
class SimulationStream {
public:
    explicit SimulationStream(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform on 0..n-1 without bias (Lemire's multiply and reject).
    std::uint32_t below(std::uint32_t n)
    {
        std::uint64_t product = (next() >> 32) * n;
        if (std::uint32_t(product) < n) {
            const std::uint32_t threshold = (0u - n) % n;
            while (std::uint32_t(product) < threshold)
                product = (next() >> 32) * n;
        }
        return std::uint32_t(product >> 32);
    }

    // Six different numbers of 1..numbers as bits 1..numbers, every set equally likely.
    template <class Mask>
    Mask draw(int numbers)
    {
        Mask mask{};
        int drawn = 0;
        while (drawn < 6) {
            const int n = int(below(std::uint32_t(numbers))) + 1;
            if (!holds(mask, n)) {
                addNumber(mask, n);
                ++drawn;
            }
        }
        return mask;
    }

private:
    std::uint64_t m_state;
};

// A scored row as the simulation counts it: the positions whose number is drawn, as Zettelcheck
// counts them. A row of six different numbers (every generated row) is one popcount; a typed
// row that repeats a number counts each position.
template <class Mask>
struct SimulatedRow {
    Mask mask{};
    std::array<std::uint8_t, 6> numbers{};
    bool distinct = true;

    SimulatedRow(const std::array<std::uint8_t, 6>& row, int maxNumber) : numbers(row)
    {
        // Numbers outside 1..N never hit.
        for (std::uint8_t& n : numbers) {
            if (n < 1 || n > maxNumber) {
                n = 0;
                continue;
            }
            if (holds(mask, n))
                distinct = false;
            addNumber(mask, n);
        }
    }

    int hits(const Mask& drawn) const
    {
        if (distinct)
            return shared(mask, drawn);
        int count = 0;
        for (std::uint8_t n : numbers)
            if (n != 0 && holds(drawn, n))
                ++count;
        return count;
    }
};

std::uint64_t simulationSeed(std::int32_t seed)
{
    return (std::uint64_t(std::uint32_t(seed)) << 32) ^ 0x5DEECE66Dull;
}

// How many simulated histories give the rows at least `observed` wins; `ends` closes each pass's
// range of `rows`.
template <class Mask>
[[gnu::always_inline]] inline std::int64_t countAtLeastOf(const std::vector<std::array<std::uint8_t, 6>>& sheetRows,
                                                          const std::vector<std::size_t>& ends, std::int64_t observed,
                                                          std::int32_t seed, std::int32_t simulations, int numbers)
{
    std::vector<SimulatedRow<Mask>> rows;
    rows.reserve(sheetRows.size());
    for (const auto& row : sheetRows)
        rows.emplace_back(row, numbers);
    SimulationStream stream(simulationSeed(seed));
    std::int64_t atLeast = 0;
    for (std::int32_t s = 0; s < simulations; ++s) {
        std::int64_t wins = 0;
        std::size_t begin = 0;
        for (std::size_t end : ends) {
            const Mask drawn = stream.draw<Mask>(numbers);
            for (std::size_t r = begin; r < end; ++r)
                wins += rows[r].hits(drawn) >= 3;
            begin = end;
        }
        atLeast += wins >= observed;
    }
    return atLeast;
}

NUMORA_POPCOUNT_CLONES std::int64_t countAtLeast(const std::vector<std::array<std::uint8_t, 6>>& rows,
                                                 const std::vector<std::size_t>& ends, std::int64_t observed,
                                                 std::int32_t seed, std::int32_t simulations, int numbers)
{
    if (numbers < 64)
        return countAtLeastOf<std::uint64_t>(rows, ends, observed, seed, simulations, numbers);
    return countAtLeastOf<NumberMask>(rows, ends, observed, seed, simulations, numbers);
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

double ChanceComparison::hitProbability(int k, int numbers)
{
    return choose(6, k) * choose(numbers - 6, 6 - k) / choose(numbers, 6);
}

std::int64_t ChanceComparison::simulatedTotalsAtLeast(std::span<const Backtest::Pass> passes, std::int64_t observed,
                                                      std::int32_t seed, std::int32_t simulations, int numbers)
{
    // The rows of all passes in one array, each pass a range of it: the inner loop stays in cache.
    std::vector<std::array<std::uint8_t, 6>> rows;
    std::vector<std::size_t> ends;
    ends.reserve(passes.size());
    for (const Backtest::Pass& pass : passes) {
        for (const auto& row : pass.sheet)
            rows.emplace_back(row);
        if (!pass.sheet.empty())
            ends.push_back(rows.size());
    }
    return countAtLeast(rows, ends, observed, seed, simulations, std::clamp(numbers, Game::MinNumbers, Game::MaxNumbers));
}

ChanceComparison ChanceComparison::compute(const Backtest::Result& result)
{
    return compute(result.evaluated, result.table, result.seed, DefaultSimulations, result.numbers);
}

ChanceComparison ChanceComparison::compute(std::span<const Backtest::Pass> passes, const Backtest::Table& table,
                                           std::int32_t seed, std::int32_t simulations, int numbers)
{
    numbers = std::clamp(numbers, Game::MinNumbers, Game::MaxNumbers);
    ChanceComparison c;
    for (int k = 0; k <= 6; ++k) {
        const auto& row = table[std::size_t(k)];
        c.replay[std::size_t(k)] = std::int64_t(row[0]) + row[1] + row[2] + row[3];
    }
    Random random(controlSeed(seed));
    for (const Backtest::Pass& pass : passes) {
        const NumberMask drawn = NumberMask::of(pass.numbers.data(), 6, numbers);
        for (std::int32_t r = 0; r < pass.rows; ++r)
            ++c.control[std::size_t(common(quickPick(random, numbers), drawn))];
        c.rows += pass.rows;
        ++c.passes;
    }
    double winChance = 0.0;
    for (int k = 0; k <= 6; ++k) {
        c.expected[std::size_t(k)] = double(c.rows) * hitProbability(k, numbers);
        if (k >= 3) {
            winChance += hitProbability(k, numbers);
            c.replayWins += c.replay[std::size_t(k)];
        }
    }
    c.expectedWins = double(c.rows) * winChance;
    c.meanReplay = meanOf(asDouble(c.replay), double(c.rows));
    c.meanControl = meanOf(asDouble(c.control), double(c.rows));
    c.meanExpected = meanOf(c.expected, double(c.rows));
    std::set<std::array<std::uint8_t, 6>> distinct;
    for (const Backtest::Pass& pass : passes)
        for (auto row : pass.sheet) {
            std::sort(row.begin(), row.end());
            distinct.insert(row);
        }
    c.distinctRows = std::int64_t(distinct.size());
    if (c.rows > 0 && simulations > 0) {
        c.simulations = simulations;
        c.simulatedAtLeast = simulatedTotalsAtLeast(passes, c.replayWins, seed, simulations, numbers);
        c.pValue = double(c.simulatedAtLeast + 1) / double(simulations + 1);
    }
    c.betterThanChance = c.rows > 0 && c.pValue < 0.05;
    return c;
}

QString ChanceComparison::sentence() const
{
    if (rows == 0)
        return tx(QStringLiteral("Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich."));
    QString finding;
    if (betterThanChance)
        finding = tx(QStringLiteral("Die Reihen der Optionen hatten öfter 3 oder mehr Richtige, als der Zufall allein "
                                    "glaubhaft erklärt."));
    else if (double(replayWins) > expectedWins)
        finding = tx(QStringLiteral("Die Reihen der Optionen hatten etwas öfter 3 oder mehr Richtige als erwartet, "
                                    "aber nicht öfter, als der Zufall allein leicht erklärt."));
    else
        finding = tx(QStringLiteral("Die Reihen der Optionen hatten nicht öfter 3 oder mehr Richtige, als vom Zufall "
                                    "zu erwarten war."));
    const QString facts = tx(QStringLiteral("%1 von %2 Reihen hatten 3 oder mehr Richtige, zu erwarten waren %3."))
                              .arg(formatTextDecimal(double(replayWins), 0), formatTextDecimal(double(rows), 0),
                                   formatTextDecimal(expectedWins, 1));
    const QString test = tx(QStringLiteral("Monte-Carlo-Test: dieselben Scheine gegen %1 Folgen zufälliger Ziehungen "
                                           "gewertet, in %2 davon mindestens so viele; einseitig, p = %3."))
                             .arg(formatTextDecimal(double(simulations), 0), formatTextDecimal(double(simulatedAtLeast), 0),
                                  formatTextDecimal(pValue, 4));
    return finding + QLatin1Char(' ') + facts + QLatin1Char(' ') + test;
}

} // namespace numora
