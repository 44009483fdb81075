#include "wheel/WheelCheck.h"

#include <bit>
#include <vector>

namespace numora::WheelCheck {

std::uint64_t binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    std::uint64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * std::uint64_t(n - k + i) / std::uint64_t(i);
    return result;
}

namespace {

using Word = std::uint64_t;

inline int bitCount(std::uint64_t set) { return std::popcount(set); }
inline int bitCount(NumberSet set) { return Numbers::count(set); }
inline int lowestBit(std::uint64_t set) { return std::countr_zero(set); }
inline int lowestBit(NumberSet set) { return Numbers::lowest(set); }

// The depth-first walk over the subsets of the numbers in ascending order. At depth d (d numbers
// chosen), reach[d][c] is the bit set of the rows that hold at least c of them. Local is a bit
// mask wide enough for the player's numbers by their place: a word up to 64 of them. Words, when
// not 0, is the number of 64-row words, fixed so that the loops over them unroll.
template <typename Local, std::size_t Words>
class SubsetWalk {
public:
    SubsetWalk(const Wheel& wheel, WheelOdds& odds) : m_odds(odds), m_guarantee(wheel.guarantee)
    {
        m_numbers = Numbers::list(wheel.numbers);
        for (std::size_t i = 0; i < m_numbers.size(); ++i)
            if (Numbers::contains(wheel.keys, m_numbers[i]))
                m_keys |= Local(1) << i;
        const std::size_t rowCount = wheel.rows.size();
        m_words = (rowCount + 63) / 64;
        m_rowsOf.assign(m_numbers.size() * m_words, 0);
        for (std::size_t r = 0; r < rowCount; ++r)
            for (std::size_t i = 0; i < m_numbers.size(); ++i)
                if (Numbers::contains(wheel.rows[r], m_numbers[i]))
                    m_rowsOf[i * m_words + r / 64] |= Word(1) << (r % 64);
        m_localRows.assign(rowCount, 0);
        for (std::size_t r = 0; r < rowCount; ++r)
            for (std::size_t i = 0; i < m_numbers.size(); ++i)
                if (Numbers::contains(wheel.rows[r], m_numbers[i]))
                    m_localRows[r] |= Local(1) << i;
        m_reach.assign(7 * 7 * m_words, 0);
        for (std::size_t r = 0; r < rowCount; ++r)
            reach(0, 0)[r / 64] |= Word(1) << (r % 64);
        m_best[0] = 0;
        m_count[0][0] = 1;
    }

    void walk() { descend(0, 0); }

    // m_count[j][k]: the j-subsets of the numbers whose best row has k hits.
    std::array<std::array<std::uint64_t, 7>, 7> m_count{};

private:
    std::size_t words() const
    {
        if constexpr (Words > 0)
            return Words;
        else
            return m_words;
    }
    Word* reach(int depth, int hits) { return &m_reach[(std::size_t(depth) * 7 + std::size_t(hits)) * m_words]; }
    const Word* rowsOf(std::size_t number) const { return &m_rowsOf[number * m_words]; }

    bool meets(const Word* rows, const Word* holding) const
    {
        for (std::size_t w = 0; w < words(); ++w)
            if (rows[w] & holding[w])
                return true;
        return false;
    }

    void descend(int depth, std::size_t from)
    {
        const std::size_t n = m_numbers.size();
        if (depth == 5) {
            lastNumber(from);
            return;
        }
        for (std::size_t x = from; x < n; ++x) {
            const Word* has = rowsOf(x);
            int nextBest = 0;
            for (int c = 0; c <= depth + 1; ++c) {
                Word* out = reach(depth + 1, c);
                const Word* same = reach(depth, c);
                const Word* below = c > 0 ? reach(depth, c - 1) : nullptr;
                Word any = 0;
                for (std::size_t w = 0; w < words(); ++w) {
                    Word v = c <= depth ? same[w] : 0;
                    if (below)
                        v |= below[w] & has[w];
                    out[w] = v;
                    any |= v;
                }
                if (any)
                    nextBest = c;
            }
            m_best[depth + 1] = nextBest;
            m_chosen[depth] = x;
            ++m_count[std::size_t(depth + 1)][std::size_t(nextBest)];
            m_chosenLocal[std::size_t(depth + 1)] = m_chosenLocal[std::size_t(depth)] | (Local(1) << x);
            if (depth + 1 == m_guarantee.of && nextBest < m_guarantee.hits
                && (m_chosenLocal[std::size_t(depth + 1)] & m_keys) == m_keys) {
                ++m_odds.failingSets;
                checkGuarantee(depth + 1, x);
            }
            descend(depth + 1, x + 1);
        }
    }

    // The sixth number raises the best row by one exactly when a row at the best so far holds
    // it. Where few rows are at the best, the numbers they hold answer for every sixth number
    // at once.
    void lastNumber(std::size_t from)
    {
        const std::size_t n = m_numbers.size();
        const int best = m_best[5];
        const Word* top = reach(5, best);
        std::size_t topRows = 0;
        for (std::size_t w = 0; w < words(); ++w)
            topRows += std::size_t(std::popcount(top[w]));
        Local raising = 0; // local numbers that some row at the best holds
        if (topRows <= n - from) {
            for (std::size_t w = 0; w < words(); ++w)
                for (Word bits = top[w]; bits; bits &= bits - 1)
                    raising |= m_localRows[w * 64 + std::size_t(std::countr_zero(bits))];
        } else {
            for (std::size_t x = from; x < n; ++x)
                if (meets(top, rowsOf(x)))
                    raising |= Local(1) << x;
        }
        const Local range = (n == sizeof(Local) * 8 ? ~Local(0) : (Local(1) << n) - 1) & ~((Local(1) << from) - 1);
        const std::uint64_t up = std::uint64_t(bitCount(raising & range));
        m_count[6][std::size_t(best + 1)] += up;
        m_count[6][std::size_t(best)] += (n - from) - up;
        if (m_guarantee.of == 6 && best < m_guarantee.hits) {
            Local failing = best + 1 < m_guarantee.hits ? range : range & ~raising;
            // Only sixes that hold every key number count: the sixth number must be the one key
            // the five lack, if they lack one.
            const Local missing = m_keys & ~m_chosenLocal[5];
            if (bitCount(missing) > 1)
                failing = 0;
            else if (missing)
                failing &= missing;
            m_odds.failingSets += std::uint64_t(bitCount(failing));
            if (failing)
                checkGuarantee(6, std::size_t(lowestBit(failing)));
        }
    }

    void checkGuarantee(int depth, std::size_t last)
    {
        if (m_odds.counterexample)
            return;
        NumberSet set = Numbers::of(m_numbers[last]);
        for (int i = 0; i + 1 < depth; ++i)
            set |= Numbers::of(m_numbers[m_chosen[i]]);
        m_odds.counterexample = set;
    }

    WheelOdds& m_odds;
    Guarantee m_guarantee;
    std::vector<int> m_numbers;
    std::size_t m_words = 0;
    std::vector<Word> m_rowsOf;
    std::vector<Local> m_localRows; // each row's numbers by their place in m_numbers
    Local m_keys = 0;
    std::array<Local, 7> m_chosenLocal{}; // the numbers chosen at each depth, by their place
    std::vector<Word> m_reach;
    std::array<int, 7> m_best{};
    std::array<std::size_t, 6> m_chosen{};
};

} // namespace

namespace {

template <typename Local, std::size_t Words>
std::array<std::array<std::uint64_t, 7>, 7> walkWith(const Wheel& wheel, WheelOdds& odds)
{
    SubsetWalk<Local, Words> walk(wheel, odds);
    walk.walk();
    return walk.m_count;
}

template <typename Local>
std::array<std::array<std::uint64_t, 7>, 7> walk(const Wheel& wheel, WheelOdds& odds)
{
    switch ((wheel.rows.size() + 63) / 64) {
    case 1:
        return walkWith<Local, 1>(wheel, odds);
    case 2:
        return walkWith<Local, 2>(wheel, odds);
    case 3:
        return walkWith<Local, 3>(wheel, odds);
    case 4:
        return walkWith<Local, 4>(wheel, odds);
    default:
        return walkWith<Local, 0>(wheel, odds);
    }
}

} // namespace

WheelOdds run(const Wheel& wheel, int highest)
{
    WheelOdds odds;
    const int v = Numbers::count(wheel.numbers);
    const int keys = Numbers::count(wheel.keys & wheel.numbers);
    const auto count = v <= 64 ? walk<std::uint64_t>(wheel, odds) : walk<NumberSet>(wheel, odds);
    odds.guaranteeSets = binomial(v - keys, wheel.guarantee.of - keys);
    odds.holds = !odds.counterexample && v >= wheel.guarantee.of;
    odds.bestWithin = count[6];
    odds.allDraws = binomial(highest, 6);
    for (int j = 0; j <= 6; ++j)
        for (int k = 0; k <= 6; ++k)
            odds.bestAll[std::size_t(k)] += count[std::size_t(j)][std::size_t(k)] * binomial(highest - v, 6 - j);
    const double rows = double(wheel.rows.size());
    for (int k = 0; k <= 6; ++k)
        odds.expectedRows[std::size_t(k)] = rows * double(binomial(6, k) * binomial(highest - 6, 6 - k)) / double(odds.allDraws);
    return odds;
}

} // namespace numora::WheelCheck
