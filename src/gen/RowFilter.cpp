#include "gen/RowFilter.h"

#include "session/ProgramState.h"
#include "draws/HistoryCache.h"
#include "model/ResultSeries.h"

#include <bit>

namespace numora::RowFilter {

namespace {

// Scans the draws with low < Datum <= end that pass the weekday filter, in file order; the first
// with `hits` or more hits, or else the last one examined, becomes the current draw.
Expected<bool> scan(ProgramState& state, const Row& row, int hits, double low, double end)
{
    // As the statistics do, the check leaves an empty result series behind.
    state.chart.begin();
    auto history = state.history.load(state.drawFilePath());
    if (!history)
        return history.error();
    const std::uint64_t candidate = HistoryCache::maskOf(row.data(), 6);
    const HistoryFilter weekdays = state.historyFilter();
    const HistoryCache::Entry* last = nullptr;
    bool clear = true;
    for (const HistoryCache::Entry& e : **history) {
        const double date = e.record.Datum;
        if (!(low < date && date <= end) || !weekdays.passesWeekday(date))
            continue;
        last = &e;
        if (std::popcount(e.mask & candidate) >= hits) {
            clear = false;
            break;
        }
    }
    if (last)
        state.currentDraw.take(last->record);
    return clear;
}

bool hasForcedPair(const Row& r)
{
    for (int i = 0; i < 5; ++i)
        if (r[std::size_t(i)] + 1 == r[std::size_t(i + 1)])
            return true;
    return false;
}

bool hasThreeInARow(const Row& r)
{
    for (int i = 0; i < 4; ++i)
        if (r[std::size_t(i)] + 1 == r[std::size_t(i + 1)] && r[std::size_t(i)] + 2 == r[std::size_t(i + 2)])
            return true;
    return false;
}

} // namespace

int overlap(const Row& candidate, const std::uint8_t* other, int count)
{
    int c = 0;
    for (std::uint8_t a : candidate)
        for (int j = 0; j < count; ++j)
            if (a == other[j])
                ++c;
    return c;
}

int primeCount(const Row& row)
{
    int c = 0;
    for (std::uint8_t n : row)
        c += ResultSeries::isPrime(n) ? 1 : 0;
    return c;
}

Expected<bool> recentHits(ProgramState& state, const Row& row, int hits, int draws)
{
    const double end = state.chosenDate.value;
    const double low = end - double(draws) / 2.0 * 7.0;
    state.endDateField = end;
    return scan(state, row, hits, low, end);
}

Expected<bool> historyHits(ProgramState& state, const Row& row)
{
    const double end = state.chosenDate.value;
    const double start = state.startDate.value;
    state.endDateField = end;
    state.startDateField = start;
    return scan(state, row, state.params.upDown(6), start, end);
}

Expected<bool> accepts(ProgramState& state, const Row& candidate, int digitSum, const PlacedRows& placed,
                       const RecentDraws& recent)
{
    const Berechnungsparameter& p = state.params;

    // 1. Overlap with the rows placed so far.
    if (placed.count >= 1) {
        int high = 0;
        int low = 6;
        bool pairBroken = false;
        for (int k = 0; k < placed.count; ++k) {
            const int c = overlap(candidate, placed.rows[std::size_t(k)].data(), 6);
            high = std::max(high, c);
            low = std::min(low, c);
            if (c > p.upDown(3) || c < p.upDown(9))
                pairBroken = true;
        }
        if (p.checkBox(27) && pairBroken)
            return false;
        if ((p.checkBox(3) && low > p.upDown(3)) || (p.checkBox(24) && high < p.upDown(9)))
            return false;
    }
    // 2. and 3. Runs of consecutive numbers.
    if (p.checkBox(8) && !hasForcedPair(candidate))
        return false;
    if (p.checkBox(18) && hasThreeInARow(candidate))
        return false;
    // 4. Digit sum, always.
    if (digitSum < p.upDown(1) || digitSum > p.upDown(2))
        return false;
    // 5. to 7. Numbers of the last three draws.
    const int compared = p.checkBox(35) ? 7 : 6;
    const struct {
        int box;
        int limit;
    } lastDraws[3] = {{4, p.upDown(4)}, {5, p.upDown(5)}, {23, p.upDown(11)}};
    for (int d = 0; d < 3; ++d)
        if (p.checkBox(lastDraws[d].box) && lastDraws[d].limit > 0
            && overlap(candidate, recent.draws[std::size_t(d)].data(), compared) > lastDraws[d].limit)
            return false;
    // 8. and 9. Even and odd minimums.
    int even = 0;
    for (std::uint8_t n : candidate)
        even += (n & 1) == 0 ? 1 : 0;
    if (p.checkBox(25) && even < p.upDown(15))
        return false;
    if (p.checkBox(26) && 6 - even < p.upDown(16))
        return false;
    // 10. to 12. The history: recently and ever.
    if (p.checkBox(28)) {
        auto ok = recentHits(state, candidate, p.upDown(17), p.upDown(18));
        if (!ok || !*ok)
            return ok;
    }
    if (p.checkBox(34)) {
        auto ok = recentHits(state, candidate, p.upDown(20), p.upDown(21));
        if (!ok || !*ok)
            return ok;
    }
    if (p.checkBox(9)) {
        auto ok = historyHits(state, candidate);
        if (!ok || !*ok)
            return ok;
    }
    // 13. Prime minimum.
    if (p.checkBox(22) && primeCount(candidate) < p.upDown(10))
        return false;
    return true;
}

} // namespace numora::RowFilter
