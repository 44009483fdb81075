#include "gen/RowFilter.h"

#include "GenFixture.h"

namespace numora {
namespace {

using test::allOff;
using test::day;
using test::makeDraw;
using test::row;

// The chosen date of every case, a Saturday.
const double E = day(2020, 6, 13);

TZiehung drawAt(double date, std::array<int, 6> numbers)
{
    TZiehung d = makeDraw(2000, 1, 1, numbers);
    d.Datum = date;
    return d;
}

// Rows of the history file, days before the chosen date.
const TZiehung oldDraw = drawAt(E - 400, {10, 11, 12, 13, 14, 15}); // history window only
const TZiehung midDraw = drawAt(E - 100, {20, 21, 22, 23, 24, 25}); // also the last 100 draws (350 days)
const TZiehung newDraw = drawAt(E - 7, {30, 31, 32, 33, 34, 35});   // also the last 10 draws (35 days)
const TZiehung laterDraw = drawAt(E + 7, {1, 2, 3, 4, 5, 6});      // after the chosen date

DrawValues values(std::array<int, 6> numbers, int bonus, int superzahl)
{
    DrawValues v{};
    for (int i = 0; i < 6; ++i)
        v[std::size_t(i)] = std::uint8_t(numbers[std::size_t(i)]);
    v[6] = std::uint8_t(bonus);
    v[7] = std::uint8_t(superzahl);
    return v;
}

class RowFilterTest : public test::GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        writeDraws({oldDraw, midDraw, newDraw, laterDraw});
        state.chosenDate.value = E;
        allOff(state.params);
        placed.rows[0] = row({1, 2, 3, 4, 5, 6});       // A
        placed.rows[1] = row({40, 41, 42, 43, 44, 45}); // B
        recent.draws[0] = values({5, 12, 19, 27, 33, 41}, 7, 3);
        recent.draws[1] = values({6, 13, 20, 28, 34, 42}, 8, 4);
        recent.draws[2] = values({7, 14, 21, 29, 35, 43}, 9, 5);
    }

    Expected<bool> accepts(const Row& candidate)
    {
        return RowFilter::accepts(state, candidate, test::sumOf(candidate), placed, recent);
    }

    PlacedRows placed;
    RecentDraws recent;
};

struct RuleCase {
    const char* name;
    void (*setup)(ProgramState&);
    int placedRows;
    Row candidate;
    bool accepted;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class RuleTest : public RowFilterTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(RuleTest, AcceptsOrRejects)
{
    const RuleCase& c = GetParam();
    c.setup(state);
    placed.count = c.placedRows;
    const auto result = accepts(c.candidate);
    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(*result, c.accepted);
}

void overlapLimits(ProgramState& s, bool pairRule, int minimum)
{
    s.params.setCheckBox(3, true);
    s.params.setUpDown(3, 2);
    s.params.setCheckBox(24, true);
    s.params.setUpDown(9, minimum);
    s.params.setCheckBox(27, pairRule);
}

void lastDraw(ProgramState& s, int box, int upDown, int limit, bool withBonus)
{
    s.params.setCheckBox(box, true);
    s.params.setUpDown(upDown, limit);
    s.params.setCheckBox(35, withBonus);
}

#define SETUP(body) []([[maybe_unused]] ProgramState & s) { body; }

// Placed rows A = 1..6 and B = 40..45; last draws 5 12 19 27 33 41 (+7), 6 13 20 28 34 42 (+8),
// 7 14 21 29 35 43 (+9). Every rule is off unless the case switches it on.
INSTANTIATE_TEST_SUITE_P(RowFilter, RuleTest,
    ::testing::Values(
        // 1. Overlap with the placed rows.
        RuleCase{"ThreeWithAAggregatePasses", SETUP(overlapLimits(s, false, 0)), 2, row({1, 2, 3, 17, 26, 37}), true},
        RuleCase{"ThreeWithAPairRuleRejects", SETUP(overlapLimits(s, true, 0)), 2, row({1, 2, 3, 17, 26, 37}), false},
        RuleCase{"AggregateEveryRowTooClose", SETUP(overlapLimits(s, false, 0)), 2, row({1, 2, 3, 40, 41, 42}), false},
        RuleCase{"MinimumOneAggregateOneRowShares", SETUP(overlapLimits(s, false, 1)), 2, row({1, 17, 26, 30, 36, 37}),
                 true},
        RuleCase{"MinimumOneAggregateNoRowShares", SETUP(overlapLimits(s, false, 1)), 2, row({17, 26, 30, 36, 37, 38}),
                 false},
        RuleCase{"MinimumOnePairRuleOneRowShares", SETUP(overlapLimits(s, true, 1)), 2, row({1, 17, 26, 30, 36, 37}),
                 false},
        RuleCase{"MinimumOnePairRuleEveryRowShares", SETUP(overlapLimits(s, true, 1)), 2, row({1, 17, 26, 30, 36, 40}),
                 true},
        RuleCase{"MinimumOnePairRuleWithoutCheckBox24",
                 SETUP(overlapLimits(s, true, 1); s.params.setCheckBox(24, false)), 2, row({1, 17, 26, 30, 36, 37}),
                 false},
        RuleCase{"PairRuleWithoutCheckBox3", SETUP(overlapLimits(s, true, 0); s.params.setCheckBox(3, false)), 2,
                 row({1, 2, 3, 17, 26, 37}), false},
        RuleCase{"FirstRowNeverTested", SETUP(overlapLimits(s, true, 1); s.params.setUpDown(3, 0)), 0,
                 row({1, 2, 3, 4, 5, 6}), true},
        RuleCase{"OverlapOptionsOff", SETUP(), 2, row({1, 2, 3, 4, 5, 6}), true},
        // 2. and 3. Runs of consecutive numbers.
        RuleCase{"ForcedPairPresent", SETUP(s.params.setCheckBox(8, true)), 0, row({3, 4, 17, 18, 30, 41}), true},
        RuleCase{"ForcedPairInLastPositions", SETUP(s.params.setCheckBox(8, true)), 0, row({1, 3, 5, 7, 40, 41}), true},
        RuleCase{"ForcedPairMissing", SETUP(s.params.setCheckBox(8, true)), 0, row({3, 5, 17, 19, 30, 41}), false},
        RuleCase{"ThreeInARow", SETUP(s.params.setCheckBox(18, true)), 0, row({3, 4, 5, 17, 30, 41}), false},
        RuleCase{"ThreeInARowAtTheEnd", SETUP(s.params.setCheckBox(18, true)), 0, row({1, 3, 5, 39, 40, 41}), false},
        RuleCase{"TwoPairsAreNoRun", SETUP(s.params.setCheckBox(18, true)), 0, row({1, 2, 4, 5, 7, 8}), true},
        RuleCase{"PairsPassBothRules", SETUP(s.params.setCheckBox(8, true); s.params.setCheckBox(18, true)), 0,
                 row({3, 4, 17, 18, 30, 41}), true},
        RuleCase{"RunAllowedWhenOff", SETUP(), 0, row({3, 4, 5, 17, 30, 41}), true},
        // 4. Digit sum, always applied.
        RuleCase{"DigitSumAtLowerBound", SETUP(s.params.setUpDown(1, 50); s.params.setUpDown(2, 250)), 0,
                 row({1, 2, 3, 4, 5, 35}), true},
        RuleCase{"DigitSumBelow", SETUP(s.params.setUpDown(1, 50); s.params.setUpDown(2, 250)), 0,
                 row({1, 2, 3, 4, 5, 34}), false},
        RuleCase{"DigitSumAtUpperBound", SETUP(s.params.setUpDown(1, 50); s.params.setUpDown(2, 250)), 0,
                 row({20, 44, 45, 46, 47, 48}), true},
        RuleCase{"DigitSumAbove", SETUP(s.params.setUpDown(1, 50); s.params.setUpDown(2, 250)), 0,
                 row({21, 44, 45, 46, 47, 48}), false},
        // 5. to 7. The last three draws; the bonus number counts only with CheckBox35.
        RuleCase{"LastDrawAtLimit", SETUP(lastDraw(s, 4, 4, 1, false)), 0, row({5, 8, 17, 26, 38, 45}), true},
        RuleCase{"LastDrawAboveLimit", SETUP(lastDraw(s, 4, 4, 1, false)), 0, row({5, 12, 17, 26, 38, 45}), false},
        RuleCase{"LastDrawBonusIgnored", SETUP(lastDraw(s, 4, 4, 1, false)), 0, row({5, 7, 17, 26, 38, 45}), true},
        RuleCase{"LastDrawBonusCounted", SETUP(lastDraw(s, 4, 4, 1, true)), 0, row({5, 7, 17, 26, 38, 45}), false},
        RuleCase{"LastDrawSuperzahlNeverCounted", SETUP(lastDraw(s, 4, 4, 1, true)), 0, row({3, 5, 17, 26, 38, 45}),
                 true},
        RuleCase{"LastDrawLimitZeroIsOff", SETUP(lastDraw(s, 4, 4, 0, true)), 0, row({5, 12, 19, 27, 33, 41}), true},
        RuleCase{"LastDrawUnticked", SETUP(lastDraw(s, 4, 4, 1, true); s.params.setCheckBox(4, false)), 0,
                 row({5, 12, 19, 27, 33, 41}), true},
        RuleCase{"SecondToLastAboveLimit", SETUP(lastDraw(s, 5, 5, 1, false)), 0, row({6, 13, 17, 26, 38, 45}), false},
        RuleCase{"SecondToLastBonusIgnored", SETUP(lastDraw(s, 5, 5, 1, false)), 0, row({6, 8, 17, 26, 38, 45}), true},
        RuleCase{"SecondToLastBonusCounted", SETUP(lastDraw(s, 5, 5, 1, true)), 0, row({6, 8, 17, 26, 38, 45}), false},
        RuleCase{"ThirdToLastAboveLimit", SETUP(lastDraw(s, 23, 11, 2, false)), 0, row({7, 14, 21, 26, 38, 45}), false},
        RuleCase{"ThirdToLastBonusIgnored", SETUP(lastDraw(s, 23, 11, 2, false)), 0, row({7, 9, 14, 26, 38, 45}), true},
        RuleCase{"ThirdToLastBonusCounted", SETUP(lastDraw(s, 23, 11, 2, true)), 0, row({7, 9, 14, 26, 38, 45}), false},
        // 8., 9. and 13. Minimum counts.
        RuleCase{"EvenMinimumMet", SETUP(s.params.setCheckBox(25, true); s.params.setUpDown(15, 3)), 0,
                 row({2, 4, 6, 7, 9, 11}), true},
        RuleCase{"EvenMinimumMissed", SETUP(s.params.setCheckBox(25, true); s.params.setUpDown(15, 3)), 0,
                 row({2, 4, 7, 9, 11, 13}), false},
        RuleCase{"OddMinimumMet", SETUP(s.params.setCheckBox(26, true); s.params.setUpDown(16, 3)), 0,
                 row({1, 3, 5, 8, 10, 12}), true},
        RuleCase{"OddMinimumMissed", SETUP(s.params.setCheckBox(26, true); s.params.setUpDown(16, 3)), 0,
                 row({1, 3, 6, 8, 10, 12}), false},
        RuleCase{"PrimeMinimumMet", SETUP(s.params.setCheckBox(22, true); s.params.setUpDown(10, 2)), 0,
                 row({2, 3, 8, 9, 10, 12}), true},
        // One prime only: 1 and 49 are none. The history rules before it are off.
        RuleCase{"PrimeMinimumMissed", SETUP(s.params.setCheckBox(22, true); s.params.setUpDown(10, 2)), 0,
                 row({1, 2, 9, 10, 12, 49}), false},
        // 10. Three hits in the last 10 draws (35 days).
        RuleCase{"RecentTenHit", SETUP(s.params.setCheckBox(28, true)), 0, row({1, 2, 3, 30, 31, 32}), false},
        RuleCase{"RecentTenOlderDrawIgnored", SETUP(s.params.setCheckBox(28, true)), 0, row({1, 2, 3, 20, 21, 22}), true},
        RuleCase{"RecentTenTwoHits", SETUP(s.params.setCheckBox(28, true)), 0, row({1, 2, 3, 4, 30, 31}), true},
        RuleCase{"RecentTenUntickedWeekday", SETUP(s.params.setCheckBox(28, true); s.saturdayDraws = false), 0,
                 row({1, 2, 3, 30, 31, 32}), true},
        // 11. Four hits in the last 100 draws (350 days).
        RuleCase{"RecentHundredHit", SETUP(s.params.setCheckBox(34, true)), 0, row({1, 2, 20, 21, 22, 23}), false},
        RuleCase{"RecentHundredOlderDrawIgnored", SETUP(s.params.setCheckBox(34, true)), 0, row({1, 2, 10, 11, 12, 13}),
                 true},
        // 12. Five hits anywhere after the start date, up to the chosen date.
        RuleCase{"HistoryFiveHits", SETUP(s.params.setCheckBox(9, true)), 0, row({1, 10, 11, 12, 13, 14}), false},
        RuleCase{"HistoryFourHits", SETUP(s.params.setCheckBox(9, true)), 0, row({1, 2, 10, 11, 12, 13}), true},
        RuleCase{"HistoryEqualToAPastDraw", SETUP(s.params.setCheckBox(9, true)), 0, row({10, 11, 12, 13, 14, 15}),
                 false},
        RuleCase{"HistoryThresholdSix", SETUP(s.params.setCheckBox(9, true); s.params.setUpDown(6, 6)), 0,
                 row({1, 10, 11, 12, 13, 14}), true},
        RuleCase{"HistoryDrawAfterChosenDate", SETUP(s.params.setCheckBox(9, true)), 0, row({1, 2, 3, 4, 5, 6}), true},
        RuleCase{"HistoryDrawBeforeStartDate", SETUP(s.params.setCheckBox(9, true); s.startDate.value = E - 300), 0,
                 row({10, 11, 12, 13, 14, 15}), true}),
    [](const auto& info) { return std::string(info.param.name); });

#undef SETUP

struct WindowCase {
    int draws;     // N
    int daysBack;  // of the one draw holding the row
    bool counted;
};

TEST_F(RowFilterTest, RecentWindowIsHalfNWeeks)
{
    // N / 2 weeks in floating point: 35 days for N = 10, 38.5 for N = 11; the start is exclusive.
    const WindowCase cases[] = {
        {10, 34, true}, {10, 35, false}, {11, 38, true}, {11, 39, false}, {4, 0, true}, {4, -1, false},
    };
    const Row r = row({3, 8, 19, 27, 33, 45});
    for (const WindowCase& c : cases) {
        writeDraws({drawAt(E - c.daysBack, {3, 8, 19, 27, 33, 45})});
        const auto clear = RowFilter::recentHits(state, r, 3, c.draws);
        ASSERT_TRUE(clear.ok());
        EXPECT_EQ(*clear, !c.counted) << "N " << c.draws << ", " << c.daysBack << " days back";
    }
}

TEST_F(RowFilterTest, HistoryWindowExcludesTheStartDate)
{
    state.params.setUpDown(6, 5);
    const Row r = row({3, 8, 19, 27, 33, 45});
    for (int offset : {0, 1}) {
        writeDraws({drawAt(state.startDate.value + offset, {3, 8, 19, 27, 33, 45})});
        const auto clear = RowFilter::historyHits(state, r);
        ASSERT_TRUE(clear.ok());
        EXPECT_EQ(*clear, offset == 0) << "draw " << offset << " days after the start date";
    }
}

TEST_F(RowFilterTest, ChecksLeaveTheirTraces)
{
    const auto untouched = [&] {
        state.chart.points = {ChartPoint{1, 5}};
        state.chart.series2Active = false;
        state.endDateField = state.startDateField = -1;
    };
    // A full scan: the last draw of the window is current, not the later one in the file.
    untouched();
    auto clear = RowFilter::historyHits(state, row({1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(clear.ok() && *clear);
    EXPECT_EQ(state.currentDraw.date, newDraw.Datum);
    EXPECT_EQ(state.currentDraw.numbers[0], 30);
    EXPECT_EQ(state.endDateField, E);
    EXPECT_EQ(state.startDateField, state.startDate.value);
    EXPECT_TRUE(state.chart.points.empty());
    EXPECT_TRUE(state.chart.series2Active);

    // A hit ends the scan on the winning draw.
    clear = RowFilter::historyHits(state, row({1, 10, 11, 12, 13, 14}));
    ASSERT_TRUE(clear.ok());
    EXPECT_FALSE(*clear);
    EXPECT_EQ(state.currentDraw.date, oldDraw.Datum);

    // The recent check writes the end date only.
    untouched();
    clear = RowFilter::recentHits(state, row({1, 2, 3, 4, 5, 6}), 3, 10);
    ASSERT_TRUE(clear.ok() && *clear);
    EXPECT_EQ(state.currentDraw.date, newDraw.Datum);
    EXPECT_EQ(state.endDateField, E);
    EXPECT_EQ(state.startDateField, -1);
    EXPECT_TRUE(state.chart.points.empty());

    // An empty window passes and leaves the current draw alone.
    state.currentDraw.take(laterDraw);
    clear = RowFilter::recentHits(state, row({1, 2, 3, 4, 5, 6}), 3, 1);
    ASSERT_TRUE(clear.ok() && *clear);
    EXPECT_EQ(state.currentDraw.date, laterDraw.Datum);
}

TEST_F(RowFilterTest, MissingDrawFileIsAnErrorOfTheHistoryRules)
{
    ASSERT_TRUE(QFile::remove(state.drawFilePath()));
    const Row r = row({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(accepts(r).ok()) << "no history rule on";
    for (int box : {28, 34, 9}) {
        allOff(state.params);
        state.params.setCheckBox(box, true);
        EXPECT_FALSE(accepts(r).ok()) << "CheckBox" << box;
    }
}

TEST(RowFilterCounts, OverlapCountsRepeatedNumbersAndPrimes)
{
    // A row typed by hand may repeat a number; each repetition counts.
    const Row candidate = test::row({3, 8, 19, 27, 33, 45});
    const std::uint8_t typed[6] = {3, 3, 8, 0, 0, 50};
    EXPECT_EQ(RowFilter::overlap(candidate, typed, 6), 3);
    EXPECT_EQ(RowFilter::overlap(candidate, candidate.data(), 6), 6);
    EXPECT_EQ(RowFilter::primeCount(test::row({1, 2, 3, 5, 9, 49})), 3);
    EXPECT_EQ(RowFilter::primeCount(test::row({2, 3, 5, 7, 41, 47})), 6);
}

} // namespace
} // namespace numora
