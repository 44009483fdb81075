#include "wheel/OrbitSearch.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

#include "wheel/PointSets.h"

namespace numora::OrbitSearch {

namespace {

using PointSets::forEachSubset;
using PointSets::nthPoint;
using Rows = std::vector<std::uint64_t>;
constexpr int RowSize = 6;
constexpr std::uint64_t MovesPerCheck = 2000;
constexpr double StartTemperature = 0.3;
constexpr double Cooling = 0.99;
constexpr double FrozenTemperature = 0.05;
constexpr int CandidatesPerRow = 300;

class Space {
public:
    Space(int v, int t, int p, Symmetry symmetry, std::uint64_t seed)
        : v(v), t(t), p(p), all(PointSets::allPoints(v)), ranks(v, p), random(seed * 0x9E3779B97F4A7C15ull + 1)
    {
        if (symmetry == Symmetry::Translations3x3x3 && v == 27) {
            // Point i is the vector of its three base-3 digits.
            for (int g = 0; g < 27; ++g) {
                std::vector<int>& image = group.emplace_back(27);
                for (int i = 0; i < 27; ++i) {
                    int to = 0;
                    for (int digit = 0, power = 1; digit < 3; ++digit, power *= 3)
                        to += (i / power % 3 + g / power % 3) % 3 * power;
                    image[std::size_t(i)] = to;
                }
            }
        } else {
            const int m = symmetry == Symmetry::CyclicFixingOne ? v - 1 : v;
            for (int g = 0; g < m; ++g) {
                std::vector<int>& image = group.emplace_back(std::size_t(v));
                for (int i = 0; i < v; ++i)
                    image[std::size_t(i)] = i < m ? (i + g) % m : i;
            }
        }
        // Every p-set's orbit, numbered in the order of the first member met.
        for (const auto& image : group) {
            std::vector<int>& back = inverse.emplace_back(image.size());
            for (std::size_t i = 0; i < image.size(); ++i)
                back[std::size_t(image[i])] = int(i);
        }
        orbitOf.assign(ranks.binomial(v, p), ~0u);
        forEachSubset(all, p, [&](std::uint64_t set) {
            if (orbitOf[rank(set)] != ~0u)
                return;
            for (const auto& image : group)
                orbitOf[rank(apply(image, set))] = orbits;
            representative.push_back(set);
            ++orbits;
        });
    }

    std::uint64_t below(std::uint64_t n) { return random.below(n); }
    double unit() { return random.unit(); }
    std::uint32_t rank(std::uint64_t set) const { return ranks.rank(set); }

    static std::uint64_t apply(const std::vector<int>& image, std::uint64_t set)
    {
        std::uint64_t to = 0;
        for (; set; set &= set - 1)
            to |= 1ull << image[std::size_t(std::countr_zero(set))];
        return to;
    }

    Rows orbit(std::uint64_t row) const
    {
        Rows rows;
        for (const auto& image : group)
            if (const std::uint64_t to = apply(image, row); std::find(rows.begin(), rows.end(), to) == rows.end())
                rows.push_back(to);
        return rows;
    }

    template <typename F> void forEachCovered(std::uint64_t row, F&& f) const { ranks.forEachCovered(row, all, t, p, f); }

    int v, t, p;
    std::uint64_t all;
    PointSets::Ranks ranks;
    PointSets::Random random;
    std::vector<std::vector<int>> group;
    std::vector<std::vector<int>> inverse; // inverse[g] undoes group[g]
    std::vector<std::uint32_t> orbitOf;
    std::vector<std::uint64_t> representative; // a p-set of each orbit
    std::uint32_t orbits = 0;
};

// Annealing over the base rows: the cost is the number of p-set orbits no shifted row covers. A
// move takes an open orbit's p-set and a base row that, moved by some element of the group, meets
// it in t-1 points, and swaps one point so that it meets it in t.
Rows annealBase(Space& space, int baseRows, const std::function<bool()>& over)
{
    std::vector<std::uint32_t> cover(space.orbits, 0);
    // The open orbits, and where each stands in that list (-1: covered).
    std::vector<std::uint32_t> open(space.orbits);
    std::vector<std::int32_t> where(space.orbits);
    for (std::uint32_t o = 0; o < space.orbits; ++o) {
        open[o] = o;
        where[o] = std::int32_t(o);
    }
    auto apply = [&](std::uint64_t row, bool add) {
        space.forEachCovered(row, [&](std::uint32_t r) {
            const std::uint32_t o = space.orbitOf[r];
            if (add) {
                if (cover[o]++ == 0) {
                    const std::uint32_t last = open.back();
                    open[std::size_t(where[o])] = last;
                    where[last] = where[o];
                    open.pop_back();
                    where[o] = -1;
                }
            } else if (--cover[o] == 0) {
                where[o] = std::int32_t(open.size());
                open.push_back(o);
            }
        });
    };
    Rows base(static_cast<std::size_t>(baseRows));
    for (std::uint64_t& row : base) {
        row = space.random.row(space.v);
        apply(row, true);
    }
    Rows best = base;
    std::size_t fewest = open.size();
    double temperature = StartTemperature;
    std::vector<std::pair<std::size_t, std::uint64_t>> near; // base row, the p-set moved onto it
    for (std::uint64_t move = 1; !open.empty(); ++move) {
        if (move % MovesPerCheck == 0) {
            if (over())
                break;
            temperature *= Cooling;
            if (temperature < FrozenTemperature)
                temperature = StartTemperature;
        }
        const std::uint64_t target = space.representative[open[std::size_t(space.below(open.size()))]];
        near.clear();
        for (const auto& back : space.inverse) {
            const std::uint64_t moved = Space::apply(back, target);
            for (std::size_t i = 0; i < base.size(); ++i)
                if (std::popcount(base[i] & moved) == space.t - 1)
                    near.emplace_back(i, moved);
        }
        std::size_t i;
        std::uint64_t leave, enter;
        if (near.empty()) {
            i = std::size_t(space.below(base.size()));
            leave = nthPoint(base[i], space.below(RowSize));
            const std::uint64_t outside = space.all & ~base[i];
            enter = nthPoint(outside, space.below(std::uint64_t(std::popcount(outside))));
        } else {
            const auto& [row, moved] = near[std::size_t(space.below(near.size()))];
            i = row;
            const std::uint64_t from = base[i] & ~moved, to = moved & ~base[i];
            leave = nthPoint(from, space.below(std::uint64_t(std::popcount(from))));
            enter = nthPoint(to, space.below(std::uint64_t(std::popcount(to))));
        }
        const std::uint64_t row = base[i];
        const std::uint64_t changed = (row & ~leave) | enter;
        const long before = long(open.size());
        apply(row, false);
        apply(changed, true);
        const long delta = long(open.size()) - before;
        if (delta <= 0 || space.unit() < std::exp(-double(delta) / temperature)) {
            base[i] = changed;
            if (open.size() < fewest) {
                fewest = open.size();
                best = base;
            }
        } else {
            apply(changed, false);
            apply(row, true);
        }
    }
    return best;
}

} // namespace

Rows build(int v, int t, int p, int baseRows, Symmetry symmetry, std::uint64_t seed, double seconds, const std::function<bool()>& stop)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                                  std::chrono::duration<double>(seconds));
    auto over = [&] { return (stop && stop()) || std::chrono::steady_clock::now() >= deadline; };
    Space space(v, t, p, symmetry, seed);

    Rows rows;
    for (std::uint64_t base : annealBase(space, baseRows, over))
        for (std::uint64_t row : space.orbit(base))
            if (std::find(rows.begin(), rows.end(), row) == rows.end())
                rows.push_back(row);

    // What the orbits leave: per uncovered p-set the best of a few rows through t of its points.
    std::vector<std::uint16_t> cover(space.ranks.binomial(v, p), 0);
    for (std::uint64_t row : rows)
        space.forEachCovered(row, [&](std::uint32_t r) { ++cover[r]; });
    std::vector<std::uint64_t> open;
    forEachSubset(space.all, p, [&](std::uint64_t set) {
        if (cover[space.rank(set)] == 0)
            open.push_back(set);
    });
    while (!open.empty()) {
        const std::uint64_t target = open[std::size_t(space.below(open.size()))];
        std::uint64_t bestRow = 0;
        long bestGain = -1;
        for (int c = 0; c < CandidatesPerRow; ++c) {
            std::uint64_t row = 0;
            while (std::popcount(row) < t)
                row |= nthPoint(target, space.below(std::uint64_t(p)));
            // Points of other open p-sets first: a row that covers several of them.
            const std::uint64_t other = open[std::size_t(space.below(open.size()))];
            for (int tries = 0; std::popcount(row) < RowSize && tries < 3 * RowSize; ++tries)
                row |= nthPoint(other, space.below(std::uint64_t(p)));
            while (std::popcount(row) < RowSize)
                row |= 1ull << space.below(std::uint64_t(v));
            long gain = 0;
            space.forEachCovered(row, [&](std::uint32_t r) { gain += cover[r] == 0; });
            if (gain > bestGain) {
                bestGain = gain;
                bestRow = row;
            }
        }
        rows.push_back(bestRow);
        space.forEachCovered(bestRow, [&](std::uint32_t r) { ++cover[r]; });
        std::erase_if(open, [&](std::uint64_t set) { return cover[space.rank(set)] > 0; });
    }

    // Rows whose every p-set another row covers too.
    for (std::size_t i = rows.size(); i-- > 0;) {
        bool needed = false;
        space.forEachCovered(rows[i], [&](std::uint32_t r) { needed = needed || cover[r] == 1; });
        if (needed)
            continue;
        space.forEachCovered(rows[i], [&](std::uint32_t r) { --cover[r]; });
        rows.erase(rows.begin() + std::ptrdiff_t(i));
    }
    return rows;
}

Rows smallest(int v, int t, int p, int rows, std::uint64_t seed, double seconds, const std::function<bool()>& stop)
{
    std::vector<std::pair<Symmetry, int>> tries;
    for (const Symmetry symmetry : {Symmetry::Cyclic, Symmetry::CyclicFixingOne, Symmetry::Translations3x3x3}) {
        if (symmetry == Symmetry::Translations3x3x3 && v != 27)
            continue;
        const int moved = symmetry == Symmetry::CyclicFixingOne ? v - 1 : symmetry == Symmetry::Cyclic ? v : 27;
        const int base = std::max(1, rows / moved);
        tries.emplace_back(symmetry, base);
        tries.emplace_back(symmetry, base + 1);
    }
    Rows best;
    for (const auto& [symmetry, base] : tries) {
        if (!best.empty() && stop && stop())
            break;
        Rows found = build(v, t, p, base, symmetry, seed, seconds / double(tries.size()), stop);
        if (best.empty() || found.size() < best.size())
            best = std::move(found);
    }
    return best;
}

} // namespace numora::OrbitSearch
