#pragma once

// What the cover searches share: sets of points 0..v-1 (v <= 64) as bits of a word, numbered
// among the sets of their size, and a small random generator that gives the same sequence on
// every platform for a seed, so a seed repeats a search.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace numora::PointSets {

// Calls f(mask) for every k-subset of the points in `set`.
template <typename F>
void forEachSubset(std::uint64_t set, int k, F&& f, std::uint64_t chosen = 0)
{
    if (k == 0) {
        f(chosen);
        return;
    }
    for (std::uint64_t rest = set; std::popcount(rest) >= k; rest &= rest - 1) {
        const std::uint64_t low = rest & -rest;
        forEachSubset(rest & ~low, k - 1, f, chosen | low);
    }
}

// The n-th point (from the lowest) of `set`, as a one-bit mask.
inline std::uint64_t nthPoint(std::uint64_t set, std::uint64_t n)
{
    for (; n > 0; --n)
        set &= set - 1;
    return set & -set;
}

inline std::uint64_t allPoints(int v)
{
    return v >= 64 ? ~0ull : (1ull << v) - 1;
}

// Numbers the sets of up to `most` points of 0..v-1 in colexicographic order.
class Ranks {
public:
    Ranks(int v, int most) : m_binomial(std::size_t(v + 1), std::vector<std::uint32_t>(std::size_t(most + 1), 0))
    {
        for (int n = 0; n <= v; ++n) {
            m_binomial[std::size_t(n)][0] = 1;
            for (int k = 1; k <= most && k <= n; ++k)
                m_binomial[std::size_t(n)][std::size_t(k)] =
                    m_binomial[std::size_t(n - 1)][std::size_t(k - 1)] + (k <= n - 1 ? m_binomial[std::size_t(n - 1)][std::size_t(k)] : 0);
        }
    }

    std::uint32_t binomial(int n, int k) const { return m_binomial[std::size_t(n)][std::size_t(k)]; }

    std::uint32_t rank(std::uint64_t set) const
    {
        std::uint32_t r = 0;
        int i = 1;
        for (; set; set &= set - 1, ++i)
            r += m_binomial[std::size_t(std::countr_zero(set))][std::size_t(i)];
        return r;
    }

    // The k-set of rank r among those of 0..v-1.
    std::uint64_t unrank(std::uint32_t r, int v, int k) const
    {
        std::uint64_t set = 0;
        int n = v;
        for (; k >= 1; --k) {
            do
                --n;
            while (m_binomial[std::size_t(n)][std::size_t(k)] > r);
            set |= 1ull << n;
            r -= m_binomial[std::size_t(n)][std::size_t(k)];
        }
        return set;
    }

    // Calls f(rank) for every p-set of `all` that `row` meets in t or more points.
    template <typename F> void forEachCovered(std::uint64_t row, std::uint64_t all, int t, int p, F&& f) const
    {
        const std::uint64_t outside = all & ~row;
        for (int s = t; s <= std::min(std::popcount(row), p); ++s)
            forEachSubset(row, s, [&](std::uint64_t in) { forEachSubset(outside, p - s, [&](std::uint64_t out) { f(rank(in | out)); }); });
    }

private:
    std::vector<std::vector<std::uint32_t>> m_binomial;
};

// splitmix64: fast, and the same sequence on every platform for a start.
class Random {
public:
    explicit Random(std::uint64_t start) : m_state(start) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    double unit() { return std::ldexp(double(next() >> 11), -53); }

    // Six (or `size`) distinct points of 0..v-1.
    std::uint64_t row(int v, int size = 6)
    {
        std::uint64_t set = 0;
        while (std::popcount(set) < size)
            set |= 1ull << below(std::uint64_t(v));
        return set;
    }

private:
    std::uint64_t m_state;
};

} // namespace numora::PointSets
