#pragma once

#include "wheel/PointSets.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace numora {

// Simulated annealing over a fixed number of k-point rows (six, fewer beside key numbers) on the
// points 0..v-1, v <= 64 (in the manner
// of Nurmela and Östergård's covering-design annealing): the cost is the number of p-sets that no
// row meets in t points; a move swaps one point of a row so that it meets a random uncovered
// p-set in one more point, and its cost change is counted over the only p-sets it can change.
class CoverAnnealer {
public:
    CoverAnnealer(int v, int t, int p, std::uint64_t seed, int rowSize = 6);

    // Starts over from `rows` (bit masks of k points each).
    void setRows(const std::vector<std::uint64_t>& rows);
    // Adds `count` random rows.
    void addRandomRows(int count);
    // Removes the row whose loss uncovers the fewest p-sets.
    void removeWeakestRow();

    const std::vector<std::uint64_t>& rows() const { return m_rows; }
    std::size_t uncovered() const { return m_uncovered.size(); }
    std::size_t pSets() const { return m_cover.size(); }

    // Anneals for at most `moves` moves; true as soon as every p-set is covered.
    bool anneal(std::uint64_t moves);

    // The p-sets a single row covers.
    std::uint64_t coveredByOneRow() const;

private:
    std::size_t randomBelow(std::size_t n) { return std::size_t(m_random.below(n)); }
    void cover(std::uint32_t set);
    void uncover(std::uint32_t set);
    void addRow(std::uint64_t row);

    int m_v, m_t, m_p, m_k;
    std::uint64_t m_all;
    PointSets::Ranks m_ranks;
    PointSets::Random m_random;
    double m_temperature;
    std::uint64_t m_movesAtTemperature = 0;
    std::vector<std::uint64_t> m_rows;
    std::vector<std::uint16_t> m_cover;
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::int32_t> m_where;
    std::vector<std::uint64_t> m_xs, m_ys;
};

} // namespace numora
