#include "wheel/WheelBuilder.h"

#include "base/TextCatalog.h"
#include "wheel/CoverAnnealer.h"
#include "wheel/SteinerSystems.h"

#include <bit>
#include <chrono>
#include <cmath>

namespace numora::WheelBuilder {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint64_t MovesPerStep = 20000;
// "3 wenn 6": S(3,6,22) on the first numbers, a "3 wenn 4" wheel on the others.
constexpr int SteinerPart = 22;

struct Search {
    RunControl& control;
    Clock::time_point deadline;
    const std::function<void(const WheelProgress&)>& progress;
    int bestRowsShown = 0; // what the rows found elsewhere add to the progress shown
    bool stopped = false;

    bool over()
    {
        if (control.stopRequested())
            stopped = true;
        return stopped || Clock::now() >= deadline;
    }

    void report(int best, int rows, std::size_t uncovered) const
    {
        if (progress)
            progress({best ? best + bestRowsShown : 0, rows + bestRowsShown, uncovered});
    }

    // The fewest rows on v points that give "t wenn p", down to `enough` rows.
    std::optional<std::vector<std::uint64_t>> descend(int v, Guarantee g, std::uint64_t seed, int enough)
    {
        CoverAnnealer annealer(v, g.hits, g.of, seed);
        std::optional<std::vector<std::uint64_t>> best;
        const auto perRow = annealer.coveredByOneRow();
        int rows = int(std::max<std::uint64_t>(1, (annealer.pSets() + perRow - 1) / perRow));
        annealer.addRandomRows(rows);
        // Up until the first cover: more rows whenever a step finds none.
        while (!annealer.anneal(MovesPerStep)) {
            if (over())
                return best;
            const int more = std::max(1, rows / 10);
            annealer.addRandomRows(more);
            rows += more;
            report(0, rows, annealer.uncovered());
        }
        for (;;) {
            best = annealer.rows();
            report(int(best->size()), int(best->size()), 0);
            if (int(best->size()) <= enough || over())
                return best;
            annealer.removeWeakestRow();
            while (!annealer.anneal(MovesPerStep)) {
                if (over())
                    return best;
                report(int(best->size()), int(annealer.rows().size()), annealer.uncovered());
            }
        }
    }
};

// The rows on points 0..n-1 put onto the numbers.
std::vector<NumberSet> onNumbers(const std::vector<std::uint64_t>& rows, const std::vector<int>& numbers, int offset = 0)
{
    std::vector<NumberSet> mapped;
    mapped.reserve(rows.size());
    for (std::uint64_t row : rows) {
        NumberSet set = 0;
        for (; row; row &= row - 1)
            set |= Numbers::of(numbers[std::size_t(offset + std::countr_zero(row))]);
        mapped.push_back(set);
    }
    return mapped;
}

} // namespace

int lowerBound(int v, Guarantee guarantee)
{
    if (guarantee.hits != guarantee.of)
        return 1;
    double bound = 1;
    for (int i = guarantee.hits; i >= 1; --i)
        bound = std::ceil(double(v - i + 1) / double(6 - i + 1) * bound);
    return int(bound);
}

Expected<WheelBuild> build(const WheelRequest& request, RunControl& control,
                           const std::function<void(const WheelProgress&)>& progress)
{
    const int v = Numbers::count(request.numbers);
    const Guarantee g = request.guarantee;
    if (v < Wheel::MinNumbers)
        return Error{tx(QStringLiteral("Ein System braucht mindestens 7 Zahlen."))};
    if (!g.validFor(v))
        return Error{tx(QStringLiteral("Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen.")).arg(g.hits).arg(g.of).arg(v)};
    RunControl::Scope scope(control);
    const std::vector<int> numbers = Numbers::list(request.numbers);
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(request.seconds));
    Search search{control, deadline, progress};
    const int enough = std::max(request.maxRows, lowerBound(v, g));

    WheelBuild result;
    Wheel wheel{request.numbers, g, {}};
    if (v == 12 && g == Guarantee{5, 5}) {
        wheel.rows = onNumbers(SteinerSystems::s5_6_12(), numbers);
    } else if (v == SteinerPart && g == Guarantee{3, 3}) {
        wheel.rows = onNumbers(SteinerSystems::s3_6_22(), numbers);
    } else if (g == Guarantee{3, 6} && v >= SteinerPart + 6) {
        // Six drawn numbers among the player's have three in the first 22 or four in the rest.
        const auto steiner = SteinerSystems::s3_6_22();
        search.bestRowsShown = int(steiner.size());
        const int restEnough = std::max(1, enough - int(steiner.size()));
        const auto rest = search.descend(v - SteinerPart, {3, 4}, request.seed, restEnough);
        if (rest) {
            wheel.rows = onNumbers(steiner, numbers);
            const auto more = onNumbers(*rest, numbers, SteinerPart);
            wheel.rows.insert(wheel.rows.end(), more.begin(), more.end());
        }
    } else if (const auto rows = search.descend(v, g, request.seed, enough)) {
        wheel.rows = onNumbers(*rows, numbers);
    }
    result.stopped = search.stopped;
    if (wheel.rows.empty() || (request.maxRows > 0 && int(wheel.rows.size()) > request.maxRows))
        return result;
    result.odds = WheelCheck::run(wheel);
    if (result.odds.holds)
        result.wheel = std::move(wheel);
    return result;
}

} // namespace numora::WheelBuilder
