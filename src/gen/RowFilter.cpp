#include "gen/RowFilter.h"

#include "model/Game.h"

#include "gen/GameOptions.h"

#include "session/ProgramState.h"
#include "draws/HistoryCache.h"
#include "model/ResultSeries.h"
#include "base/Formatting.h"

#include <bit>

namespace numora::RowFilter {

namespace {

// Scans the draws with low < Datum <= end that pass the weekday filter, in file order; the first
// with `hits` or more hits, or else the last one examined, becomes the current draw.
NUMORA_POPCOUNT_CLONES Expected<bool> scan(ProgramState& state, const Row& row, int hits, double low, double end)
{
    // As the statistics do, the check leaves an empty result series behind.
    state.chart.begin();
    auto history = state.history.load(state.drawFilePath());
    if (!history)
        return history.error();
    const NumberMask candidate = HistoryCache::maskOf(row.data(), 6);
    const HistoryFilter weekdays = state.historyFilter();
    const bool everyWeekday = weekdays.saturday && weekdays.wednesday;
    const HistoryCache::Entry* last = nullptr;
    bool clear = true;
    for (const HistoryCache::Entry& e : state.history.candidates(low, end)) {
        const double date = e.record.Datum;
        if (!(low < date && date <= end) || (!everyWeekday && !weekdays.passesWeekday(date)))
            continue;
        last = &e;
        if (common(e.mask, candidate) >= hits) {
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

int scaledDigitSum(int bound, int numbers)
{
    // The options are sums of six of the default game's N (21..6N - 15); another game's sums are
    // scaled onto its own span.
    constexpr int designed = Game::DefaultNumbers;
    if (numbers == designed)
        return bound;
    return 21 + int(roundHalfEven(double(bound - 21) * double(6 * numbers - 36) / double(6 * designed - 36)));
}

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
    return scan(state, row, state.params.earlierDrawHits(), start, end);
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
            if (c > p.maxSharedWithOtherRows() || c < p.minSharedWithOtherRows())
                pairBroken = true;
        }
        if (p.sharedLimitsPerPairOfRows() && pairBroken)
            return false;
        if ((p.limitSharedWithOtherRows() && low > p.maxSharedWithOtherRows())
            || (p.requireSharedWithOtherRows() && high < p.minSharedWithOtherRows()))
            return false;
    }
    // 2. and 3. Runs of consecutive numbers.
    if (p.forcePair() && !hasForcedPair(candidate))
        return false;
    if (p.noRunsOfThree() && hasThreeInARow(candidate))
        return false;
    // 4. Digit sum, always; over the game's range of sums.
    if (digitSum < scaledDigitSum(p.digitSumMin(), state.game.numbers)
        || digitSum > scaledDigitSum(p.digitSumMax(), state.game.numbers))
        return false;
    // 5. to 7. Numbers of the last three draws.
    const int compared = p.countBonusNumber() && GameOptions::applies(state.game, 35) ? 7 : 6;
    for (int back = 1; back <= 3; ++back) {
        const int limit = p.maxSharedWithDraw(back);
        if (p.limitSharedWithDraw(back) && limit > 0
            && overlap(candidate, recent.draws[std::size_t(back - 1)].data(), compared) > limit)
            return false;
    }
    // 8. and 9. Even and odd minimums.
    int even = 0;
    for (std::uint8_t n : candidate)
        even += (n & 1) == 0 ? 1 : 0;
    if (p.requireMinEven() && even < p.minEven())
        return false;
    if (p.requireMinOdd() && 6 - even < p.minOdd())
        return false;
    // 10. to 12. The history: recently and ever.
    if (p.avoidRecentHits(1)) {
        auto ok = recentHits(state, candidate, p.recentHits(1), p.recentDraws(1));
        if (!ok || !*ok)
            return ok;
    }
    if (p.avoidRecentHits(0)) {
        auto ok = recentHits(state, candidate, p.recentHits(0), p.recentDraws(0));
        if (!ok || !*ok)
            return ok;
    }
    if (p.avoidEarlierDraws()) {
        auto ok = historyHits(state, candidate);
        if (!ok || !*ok)
            return ok;
    }
    // 13. Prime minimum.
    if (p.requireMinPrimes() && primeCount(candidate) < p.minPrimes())
        return false;
    return true;
}

} // namespace numora::RowFilter
