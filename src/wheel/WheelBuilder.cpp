#include "wheel/WheelBuilder.h"

#include "base/TextCatalog.h"
#include "wheel/CoverAnnealer.h"
#include "wheel/OrbitSearch.h"
#include "wheel/SteinerSystems.h"
#include "wheel/WheelCatalogue.h"

#include <bit>
#include <chrono>
#include <cmath>

namespace numora::WheelBuilder {

namespace {

using Clock = std::chrono::steady_clock;
using Rows = std::vector<std::uint64_t>;

constexpr std::uint64_t MovesPerStep = 20000;
// "3 wenn 6": S(3,6,22) on the first numbers, a "3 wenn 4" wheel on the others.
constexpr int SteinerPart = 22;
// The annealer keeps a counter for every p-set; beyond this many it would take too much memory.
constexpr std::uint64_t MostSearchSets = 4'000'000;
// The annealer's points are bits of a word.
constexpr int MostSearchNumbers = 64;
// Of a budgeted search's time, the share spent looking for a wheel with the guarantee before
// settling for the best rows in the budget.
constexpr double ShareForTheGuarantee = 0.7;
// "t wenn t" from this many numbers starts from a design with a symmetry (OrbitSearch), which
// covers in far fewer rows than the random rows do; below it the random start is as good and
// the same seed gives the same rows whatever the machine's speed.
constexpr int OrbitStartFrom = 16;
// Of the search's time, the share for that design; the annealer drops rows from it after.
constexpr double ShareForOrbits = 0.3;
// The rows the design is built for, over the Schönheim bound: about what the best published
// designs take (35 numbers "3 wenn 3": 405 over 362).
constexpr double OrbitRowsOverBound = 1.15;

Clock::time_point after(double seconds)
{
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

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

    // The fewest rows of `rowSize` points on v points that give "t wenn p", down to `enough`
    // rows; from `start` (a cover) when given.
    std::optional<Rows> descend(int v, Guarantee g, std::uint64_t seed, int enough, int rowSize = 6, const Rows* start = nullptr)
    {
        CoverAnnealer annealer(v, g.hits, g.of, seed, rowSize);
        std::optional<Rows> best;
        if (start) {
            annealer.setRows(*start);
        } else if (rowSize == 6 && g.hits == g.of && v >= OrbitStartFrom) {
            const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
            const int rows = int(OrbitRowsOverBound * lowerBound(v, g));
            annealer.setRows(OrbitSearch::smallest(v, g.hits, g.of, rows, seed, std::max(0.0, left) * ShareForOrbits, [this] { return over(); }));
            report(0, int(annealer.rows().size()), annealer.uncovered());
        } else {
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

    // The rows, `count` of them, that leave the fewest p-sets uncovered; from `start` with its
    // weakest rows taken away when given.
    Rows bestIn(int v, Guarantee g, std::uint64_t seed, int count, int rowSize = 6, const Rows* start = nullptr)
    {
        CoverAnnealer annealer(v, g.hits, g.of, seed, rowSize);
        if (start)
            annealer.setRows(*start);
        while (int(annealer.rows().size()) > count)
            annealer.removeWeakestRow();
        annealer.addRandomRows(count - int(annealer.rows().size()));
        Rows best = annealer.rows();
        std::size_t fewest = annealer.uncovered();
        while (fewest > 0 && !over()) {
            annealer.anneal(MovesPerStep);
            if (annealer.uncovered() < fewest) {
                fewest = annealer.uncovered();
                best = annealer.rows();
            }
            report(0, count, fewest);
        }
        return best;
    }
};

// The rows on points 0..n-1 put onto the numbers from the offset-th on, with `extra` in each.
std::vector<NumberSet> onNumbers(const Rows& rows, const std::vector<int>& numbers, int offset = 0, NumberSet extra = 0)
{
    std::vector<NumberSet> mapped;
    mapped.reserve(rows.size());
    for (std::uint64_t row : rows) {
        NumberSet set = extra;
        for (; row; row &= row - 1)
            set |= Numbers::of(numbers[std::size_t(offset + std::countr_zero(row))]);
        mapped.push_back(set);
    }
    return mapped;
}

std::optional<Rows> catalogueRows(bool use, int v, Guarantee g)
{
    if (!use)
        return std::nullopt;
    if (const CatalogueWheel* wheel = WheelCatalogue::find(WheelCatalogue::shipped(), v, g))
        return wheel->rows;
    return std::nullopt;
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

std::vector<Guarantee> strongestHeld(const Wheel& wheel)
{
    const int v = Numbers::count(wheel.numbers);
    std::vector<Guarantee> held;
    for (const Guarantee& g : Guarantee::offered()) {
        if (!g.validFor(v) || Numbers::count(wheel.keys) > g.of)
            continue;
        // t wenn p gives t wenn any larger p, and any smaller t wenn p.
        bool implied = false;
        for (const Guarantee& h : held)
            implied = implied || (h.hits >= g.hits && h.of <= g.of);
        if (implied)
            continue;
        Wheel probe = wheel;
        probe.guarantee = g;
        if (WheelCheck::run(probe).holds) {
            std::erase_if(held, [&g](const Guarantee& h) { return g.hits >= h.hits && g.of <= h.of; });
            held.push_back(g);
        }
    }
    return held;
}

Expected<WheelBuild> build(const WheelRequest& request, RunControl& control,
                           const std::function<void(const WheelProgress&)>& progress)
{
    const int v = Numbers::count(request.numbers);
    const Guarantee g = request.guarantee;
    const int keyCount = Numbers::count(request.keys);
    if (v < Wheel::MinNumbers)
        return Error{tx(QStringLiteral("Ein System braucht mindestens 7 Zahlen."))};
    if (!g.validFor(v))
        return Error{tx(QStringLiteral("Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen.")).arg(g.hits).arg(g.of).arg(v)};
    if ((request.keys & ~request.numbers) != 0)
        return Error{tx(QStringLiteral("Die Bankzahlen %1 sind nicht unter den Zahlen.")).arg(Numbers::format(request.keys & ~request.numbers))};
    if (keyCount >= Numbers::RowSize || keyCount > g.of)
        return Error{tx(QStringLiteral("Höchstens %1 Bankzahlen bei der Garantie %2 wenn %3.")).arg(std::min(5, g.of)).arg(g.hits).arg(g.of)};
    RunControl::Scope scope(control);
    const NumberSet rest = request.numbers & ~request.keys;
    const std::vector<int> numbers = Numbers::list(rest);
    const int n = int(numbers.size());
    const int rowSize = Numbers::RowSize - keyCount;
    // The guarantee on the numbers besides the keys, the keys being drawn.
    const Guarantee restG{g.hits - keyCount, g.of - keyCount};
    const bool budgeted = request.maxRows > 0;
    Search search{control, after(request.seconds * (budgeted ? ShareForTheGuarantee : 1.0)), progress};
    const int enough = std::max({request.maxRows, request.stopAt, keyCount ? 1 : lowerBound(v, g)});
    const auto searchable = [&](int points, Guarantee on) {
        return points <= MostSearchNumbers && WheelCheck::binomial(points, on.of) <= MostSearchSets;
    };

    WheelBuild result;
    Wheel wheel{request.numbers, g, {}, request.keys};
    // The numbers besides the keys, their rows and the guarantee they are searched for: where a
    // budget is left unmet, the best rows in it are looked for on these.
    int budgetPoints = n;
    Guarantee budgetG = restG;
    int budgetOffset = 0;
    std::optional<Rows> budgetStart;
    const auto catalogue = keyCount ? std::nullopt : catalogueRows(request.useCatalogue, v, g);

    if (restG.hits <= 0) {
        // The keys alone reach the hits: any row does.
        wheel.rows = onNumbers({(std::uint64_t(1) << rowSize) - 1}, numbers, 0, request.keys);
    } else if (catalogue && (!budgeted || int(catalogue->size()) <= request.maxRows)) {
        wheel.rows = onNumbers(*catalogue, numbers);
        result.fromCatalogue = true;
    } else if (!keyCount && v == 12 && g == Guarantee{5, 5} && (!budgeted || request.maxRows >= 132)) {
        wheel.rows = onNumbers(SteinerSystems::s5_6_12(), numbers);
    } else if (!keyCount && v == SteinerPart && g == Guarantee{3, 3} && (!budgeted || request.maxRows >= 77)) {
        wheel.rows = onNumbers(SteinerSystems::s3_6_22(), numbers);
    } else if (!keyCount && v == 26 && g == Guarantee{3, 3} && (!budgeted || request.maxRows >= 130)) {
        wheel.rows = onNumbers(SteinerSystems::s3_6_26(), numbers);
    } else if (!keyCount && g == Guarantee{3, 6} && v >= SteinerPart + 6 && (!budgeted || request.maxRows > 77)) {
        // Six drawn numbers among the player's have three in the first 22 or four in the rest.
        const auto steiner = SteinerSystems::s3_6_22();
        const int restCount = v - SteinerPart;
        search.bestRowsShown = int(steiner.size());
        const int restEnough = std::max(1, enough - int(steiner.size()));
        budgetPoints = restCount;
        budgetG = {3, 4};
        budgetOffset = SteinerPart;
        std::optional<Rows> restRows = catalogueRows(request.useCatalogue, restCount, budgetG);
        if (restRows && int(restRows->size()) > restEnough && budgeted) {
            budgetStart = restRows;
            restRows = searchable(restCount, budgetG) ? search.descend(restCount, budgetG, request.seed, restEnough, 6, &*restRows)
                                                      : std::nullopt;
        } else if (!restRows) {
            if (!searchable(restCount, budgetG))
                return Error{tx(QStringLiteral("Für so viele Zahlen gibt es kein System ohne Suche, und die Suche reicht bis %1 Zahlen."))
                                 .arg(SteinerPart + MostSearchNumbers)};
            restRows = search.descend(restCount, budgetG, request.seed, restEnough);
        }
        result.fromCatalogue = restRows && !search.stopped && request.useCatalogue && !budgetStart;
        if (restRows) {
            budgetStart = restRows;
            wheel.rows = onNumbers(steiner, numbers);
            const auto more = onNumbers(*restRows, numbers, SteinerPart);
            wheel.rows.insert(wheel.rows.end(), more.begin(), more.end());
        }
    } else {
        if (!searchable(n, restG))
            return Error{tx(QStringLiteral("Für %1 Zahlen und die Garantie %2 wenn %3 ist kein System bekannt, und die Suche reicht dafür nicht."))
                             .arg(v)
                             .arg(g.hits)
                             .arg(g.of)};
        // A Steiner system on a few more points covers "3 wenn 3" in fewer rows than the search
        // finds there (20, 21: 77 rows; 23 to 25: 130).
        std::optional<Rows> steiner;
        if (!keyCount && !catalogue && g == Guarantee{3, 3} && (v == 20 || v == 21))
            steiner = SteinerSystems::restricted(SteinerSystems::s3_6_22(), v);
        else if (!keyCount && !catalogue && g == Guarantee{3, 3} && v >= 23 && v <= 25)
            steiner = SteinerSystems::restricted(SteinerSystems::s3_6_26(), v);
        const Rows* start = catalogue ? &*catalogue : steiner ? &*steiner : nullptr;
        const bool hopeless = budgeted && !keyCount && request.maxRows < lowerBound(v, g);
        if (!hopeless)
            if (const auto rows = search.descend(n, restG, request.seed, enough, rowSize, start)) {
                budgetStart = rows;
                wheel.rows = onNumbers(*rows, numbers, 0, request.keys);
            }
        if (!budgetStart && catalogue)
            budgetStart = catalogue;
    }
    result.stopped = search.stopped;
    const bool fits = !wheel.rows.empty() && (!budgeted || int(wheel.rows.size()) <= request.maxRows);
    if (fits) {
        result.odds = WheelCheck::run(wheel);
        if (result.odds.holds) {
            result.wheel = std::move(wheel);
            return result;
        }
        result.fromCatalogue = false;
    }
    if (!budgeted || result.stopped)
        return result;

    // No wheel with the guarantee in the budget: the best rows in it, in the time left.
    search.deadline = after(request.seconds * (1 - ShareForTheGuarantee));
    Wheel best{request.numbers, g, {}, request.keys};
    if (budgetOffset > 0) {
        const auto steiner = SteinerSystems::s3_6_22();
        const int restBudget = request.maxRows - int(steiner.size());
        const Rows restRows = search.bestIn(budgetPoints, budgetG, request.seed, restBudget, 6, budgetStart ? &*budgetStart : nullptr);
        best.rows = onNumbers(steiner, numbers);
        const auto more = onNumbers(restRows, numbers, budgetOffset);
        best.rows.insert(best.rows.end(), more.begin(), more.end());
    } else {
        if (!searchable(n, restG))
            return result;
        best.rows = onNumbers(search.bestIn(n, restG, request.seed, request.maxRows, rowSize, budgetStart ? &*budgetStart : nullptr),
                              numbers, 0, request.keys);
    }
    result.stopped = search.stopped;
    const WheelOdds odds = WheelCheck::run(best);
    if (odds.holds) {
        result.odds = odds;
        result.wheel = std::move(best);
        return result;
    }
    result.budget = BudgetWheel{best, odds, strongestHeld(best)};
    return result;
}

} // namespace numora::WheelBuilder
