#include "wheel/CoverAnnealer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

using numora::PointSets::forEachSubset;

namespace numora {

namespace {

constexpr double StartTemperature = 0.6;
constexpr double Cooling = 0.995;
constexpr double FrozenTemperature = 0.03;

} // namespace

CoverAnnealer::CoverAnnealer(int v, int t, int p, std::uint64_t seed, int rowSize)
    : m_v(v), m_t(t), m_p(p), m_k(rowSize), m_all(PointSets::allPoints(v)), m_ranks(v, p),
      m_random(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull), m_temperature(StartTemperature)
{
    const std::uint32_t sets = m_ranks.binomial(v, p);
    m_cover.assign(sets, 0);
    m_where.resize(sets);
    m_uncovered.resize(sets);
    for (std::uint32_t i = 0; i < sets; ++i) {
        m_uncovered[i] = i;
        m_where[i] = std::int32_t(i);
    }
}

std::uint64_t CoverAnnealer::coveredByOneRow() const
{
    std::uint64_t count = 0;
    for (int s = m_t; s <= std::min(m_k, m_p); ++s) {
        std::uint64_t in = 1, out = 1;
        for (int i = 0; i < s; ++i)
            in = in * std::uint64_t(m_k - i) / std::uint64_t(i + 1);
        for (int i = 0; i < m_p - s; ++i)
            out = out * std::uint64_t(m_v - m_k - i) / std::uint64_t(i + 1);
        count += in * out;
    }
    return count;
}

void CoverAnnealer::cover(std::uint32_t set)
{
    if (m_cover[set]++ == 0) {
        const std::int32_t at = m_where[set];
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[std::size_t(at)] = last;
        m_where[last] = at;
        m_uncovered.pop_back();
        m_where[set] = -1;
    }
}

void CoverAnnealer::uncover(std::uint32_t set)
{
    if (--m_cover[set] == 0) {
        m_where[set] = std::int32_t(m_uncovered.size());
        m_uncovered.push_back(set);
    }
}

void CoverAnnealer::addRow(std::uint64_t row)
{
    m_rows.push_back(row);
    m_ranks.forEachCovered(row, m_all, m_t, m_p, [this](std::uint32_t set) { cover(set); });
}

void CoverAnnealer::setRows(const std::vector<std::uint64_t>& rows)
{
    for (std::uint64_t row : m_rows)
        m_ranks.forEachCovered(row, m_all, m_t, m_p, [this](std::uint32_t set) { uncover(set); });
    m_rows.clear();
    for (std::uint64_t row : rows)
        addRow(row);
}

void CoverAnnealer::addRandomRows(int count)
{
    for (int i = 0; i < count; ++i)
        addRow(m_random.row(m_v, m_k));
}

void CoverAnnealer::removeWeakestRow()
{
    if (m_rows.empty())
        return;
    std::size_t weakest = 0;
    std::uint64_t fewest = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        std::uint64_t alone = 0;
        m_ranks.forEachCovered(m_rows[r], m_all, m_t, m_p, [&](std::uint32_t set) { alone += m_cover[set] == 1; });
        if (alone < fewest) {
            fewest = alone;
            weakest = r;
        }
    }
    m_ranks.forEachCovered(m_rows[weakest], m_all, m_t, m_p, [this](std::uint32_t set) { uncover(set); });
    m_rows[weakest] = m_rows.back();
    m_rows.pop_back();
}

bool CoverAnnealer::anneal(std::uint64_t moves)
{
    if (m_rows.empty())
        return m_uncovered.empty();
    const std::uint64_t movesPerTemperature = std::max<std::uint64_t>(200, m_rows.size() * 20);
    for (std::uint64_t move = 0; move < moves && !m_uncovered.empty(); ++move) {
        if (++m_movesAtTemperature >= movesPerTemperature) {
            m_movesAtTemperature = 0;
            m_temperature *= Cooling;
            if (m_temperature < FrozenTemperature)
                m_temperature = StartTemperature;
        }
        const std::uint64_t target = m_ranks.unrank(m_uncovered[randomBelow(m_uncovered.size())], m_v, m_p);
        // A row that meets the target in t-1 points covers it after the swap: one of those when
        // there are any, else any row.
        std::size_t r = randomBelow(m_rows.size());
        std::size_t near = 0;
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            if (std::popcount(m_rows[i] & target) == m_t - 1 && randomBelow(++near) == 0)
                r = i;
        const std::uint64_t row = m_rows[r];
        const std::uint64_t leaveFrom = row & ~target, enterFrom = target & ~row;
        std::uint64_t a = leaveFrom, b = enterFrom;
        for (std::size_t skip = randomBelow(std::size_t(std::popcount(a))); skip > 0; --skip)
            a &= a - 1;
        for (std::size_t skip = randomBelow(std::size_t(std::popcount(b))); skip > 0; --skip)
            b &= b - 1;
        a &= -a;
        b &= -b;
        // The p-sets the swap can change: a or b, t-1 of the row's other five points, p-t points
        // outside both rows. Those with a lose this row, those with b gain it.
        m_xs.clear();
        m_ys.clear();
        forEachSubset(row & ~a, m_t - 1, [this](std::uint64_t x) { m_xs.push_back(x); });
        forEachSubset(m_all & ~row & ~b, m_p - m_t, [this](std::uint64_t y) { m_ys.push_back(y); });
        long delta = 0;
        for (std::uint64_t x : m_xs)
            for (std::uint64_t y : m_ys) {
                delta += m_cover[m_ranks.rank(a | x | y)] == 1;
                delta -= m_cover[m_ranks.rank(b | x | y)] == 0;
            }
        if (delta > 0 && m_random.unit() >= std::exp(-double(delta) / m_temperature))
            continue;
        for (std::uint64_t x : m_xs)
            for (std::uint64_t y : m_ys) {
                cover(m_ranks.rank(b | x | y));
                uncover(m_ranks.rank(a | x | y));
            }
        m_rows[r] = (row & ~a) | b;
    }
    return m_uncovered.empty();
}

} // namespace numora
