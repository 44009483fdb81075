// The exhaustive check of a wheel against counts made the plain way: every draw against every row.
#include "wheel/SteinerSystems.h"
#include "wheel/WheelCheck.h"

#include <gtest/gtest.h>

#include <map>

#include <bit>
#include <random>

namespace numora {
namespace {

// Blocks on the points 0..n-1 as rows of the numbers 1..n.
std::vector<NumberSet> asRows(const std::vector<std::uint64_t>& blocks)
{
    std::vector<NumberSet> rows;
    for (std::uint64_t b : blocks)
        rows.push_back(b << 1);
    return rows;
}

int bestHits(const std::vector<NumberSet>& rows, NumberSet draw)
{
    int best = 0;
    for (NumberSet row : rows)
        best = std::max(best, Numbers::count(row & draw));
    return best;
}

// Every k-subset of `set` in ascending order, as the check walks them.
template <typename F>
void forEachSubset(const std::vector<int>& numbers, int k, F&& f, std::size_t from = 0, NumberSet chosen = 0)
{
    if (k == 0) {
        f(chosen);
        return;
    }
    for (std::size_t i = from; i + std::size_t(k) <= numbers.size(); ++i)
        forEachSubset(numbers, k - 1, f, i + 1, chosen | Numbers::of(numbers[i]));
}

struct PlainCount {
    std::optional<NumberSet> counterexample;
    std::uint64_t failing = 0;
    std::array<std::uint64_t, 7> bestWithin{};
};

// With `draws`, also the best row of every draw among the numbers.
PlainCount countPlainly(const Wheel& wheel, bool draws = true)
{
    PlainCount plain;
    const auto numbers = Numbers::list(wheel.numbers);
    forEachSubset(numbers, wheel.guarantee.of, [&](NumberSet set) {
        if ((set & wheel.keys) != wheel.keys || bestHits(wheel.rows, set) >= wheel.guarantee.hits)
            return;
        ++plain.failing;
        if (!plain.counterexample)
            plain.counterexample = set;
    });
    if (draws)
        forEachSubset(numbers, 6, [&](NumberSet draw) { ++plain.bestWithin[std::size_t(bestHits(wheel.rows, draw))]; });
    return plain;
}

// Rows of six of first..first+v-1, each holding the keys.
Wheel randomWheel(int v, Guarantee g, int rows, unsigned seed, NumberSet keys = 0, int first = 1)
{
    std::mt19937 random(seed);
    Wheel wheel{Numbers::range(first, first + v - 1), g, {}, keys};
    for (int r = 0; r < rows; ++r) {
        NumberSet row = keys;
        while (Numbers::count(row) < 6)
            row |= Numbers::of(first + int(random() % unsigned(v)));
        wheel.rows.push_back(row);
    }
    return wheel;
}

struct RandomCase {
    int v;
    Guarantee guarantee;
    int rows;
    unsigned seed;
};

class CheckAgainstPlainCount : public ::testing::TestWithParam<RandomCase> {};

TEST_P(CheckAgainstPlainCount, GuaranteeCounterexampleAndBestRowAgree)
{
    const RandomCase c = GetParam();
    const Wheel wheel = randomWheel(c.v, c.guarantee, c.rows, c.seed);
    const WheelOdds odds = WheelCheck::run(wheel);
    const PlainCount plain = countPlainly(wheel);
    EXPECT_EQ(odds.holds, !plain.counterexample.has_value());
    EXPECT_EQ(odds.counterexample, plain.counterexample);
    EXPECT_EQ(odds.bestWithin, plain.bestWithin);
    EXPECT_EQ(odds.failingSets, plain.failing);
    EXPECT_EQ(odds.guaranteeSets, WheelCheck::binomial(c.v, c.guarantee.of));
}

struct KeyedCase {
    int v;
    Guarantee guarantee;
    int rows;
    NumberSet keys;
    int first; // the lowest number: past 64 the sets take a second word
};

class KeyedAgainstPlainCount : public ::testing::TestWithParam<KeyedCase> {};

// Key numbers: only the p-sets that hold every key count, for the first failing one and for
// the failing count, which the check finds for the sixth number all at once.
TEST_P(KeyedAgainstPlainCount, TheSetsWithTheKeysAgree)
{
    const KeyedCase c = GetParam();
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const Wheel wheel = randomWheel(c.v, c.guarantee, c.rows, seed, c.keys, c.first);
        const WheelOdds odds = WheelCheck::run(wheel, Numbers::Widest);
        const PlainCount plain = countPlainly(wheel);
        EXPECT_EQ(odds.counterexample, plain.counterexample) << seed;
        EXPECT_EQ(odds.failingSets, plain.failing) << seed;
        EXPECT_EQ(odds.holds, plain.failing == 0) << seed;
        EXPECT_EQ(odds.bestWithin, plain.bestWithin) << seed;
        const int k = Numbers::count(c.keys);
        EXPECT_EQ(odds.guaranteeSets, WheelCheck::binomial(c.v - k, c.guarantee.of - k));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyedAgainstPlainCount,
                         ::testing::Values(KeyedCase{10, {4, 6}, 4, Numbers::of(3), 1}, KeyedCase{11, {4, 5}, 5, Numbers::of(2) | Numbers::of(9), 1},
                                           KeyedCase{12, {3, 4}, 3, Numbers::of(12), 1}, KeyedCase{12, {5, 6}, 12, Numbers::of(70), 70},
                                           KeyedCase{13, {4, 6}, 6, Numbers::of(80) | Numbers::of(88), 78},
                                           KeyedCase{14, {3, 3}, 10, 0, 77}));

// 6 of 90: the draws with numbers outside the wheel counted by combination against all
// C(90,6) = 622,614,630, the rows per draw against the hypergeometric counts.
TEST(WheelCheck, NinetyNumbersCountAllTheirDraws)
{
    const Wheel wheel = randomWheel(20, {3, 6}, 40, 5, 0, 71);
    const WheelOdds odds = WheelCheck::run(wheel, 90);
    EXPECT_EQ(odds.allDraws, 622614630u);
    std::uint64_t total = 0;
    for (std::uint64_t n : odds.bestAll)
        total += n;
    EXPECT_EQ(total, 622614630u);
    EXPECT_EQ(odds.bestWithin, countPlainly(wheel).bestWithin);
    // No hit at all: the draws among the 70 numbers outside, plus those inside that miss every row.
    std::uint64_t none = 0;
    for (int j = 0; j <= 6; ++j) {
        std::uint64_t missing = 0; // j-subsets of the wheel's numbers no row meets
        forEachSubset(Numbers::list(wheel.numbers), j, [&](NumberSet set) { missing += bestHits(wheel.rows, set) == 0; });
        none += missing * WheelCheck::binomial(70, 6 - j);
    }
    EXPECT_EQ(odds.bestAll[0], none);
    EXPECT_NEAR(odds.expectedRows[3] * 622614630.0, 40.0 * double(WheelCheck::binomial(6, 3) * WheelCheck::binomial(84, 3)), 1e-3);
}

// More than 64 of the player's numbers: the walk's masks take two words.
TEST(WheelCheck, SixtyFiveNumbersOfNinety)
{
    const Wheel wheel = randomWheel(65, {3, 3}, 60, 8, 0, 20);
    const WheelOdds odds = WheelCheck::run(wheel, 90);
    const PlainCount plain = countPlainly(wheel, false);
    EXPECT_EQ(odds.counterexample, plain.counterexample);
    EXPECT_EQ(odds.failingSets, plain.failing);
    std::uint64_t within = 0;
    for (std::uint64_t n : odds.bestWithin)
        within += n;
    EXPECT_EQ(within, WheelCheck::binomial(65, 6));
}

// Sizes around the point where random rows start to give the guarantee, so that both outcomes
// occur; more than 64 rows takes the check past one word of rows.
INSTANTIATE_TEST_SUITE_P(RandomWheels, CheckAgainstPlainCount,
                         ::testing::Values(RandomCase{7, {3, 3}, 3, 1}, RandomCase{8, {3, 3}, 6, 2},
                                           RandomCase{9, {3, 4}, 3, 3}, RandomCase{9, {4, 4}, 20, 4},
                                           RandomCase{10, {3, 6}, 2, 5}, RandomCase{10, {4, 5}, 8, 6},
                                           RandomCase{11, {5, 5}, 70, 7}, RandomCase{12, {4, 6}, 12, 8},
                                           RandomCase{12, {5, 6}, 130, 9}, RandomCase{12, {3, 5}, 3, 10},
                                           RandomCase{13, {3, 3}, 30, 11}, RandomCase{14, {6, 6}, 200, 12}));

// Over all 13,983,816 draws: the best row per draw, and the (row, draw) pairs with three or more
// hits, which are rows x 260,624 for any wheel (C(6,3)C(43,3) + C(6,4)C(43,2) + C(6,5)C(43,1) + 1).
TEST(WheelCheck, AllDrawsAgreeWithEveryDrawAgainstEveryRow)
{
    Wheel wheel = randomWheel(9, {3, 4}, 5, 99);
    for (NumberSet& row : wheel.rows) // spread over 1..49: numbers 41..49 in place of 1..9
        row <<= 40;
    wheel.numbers <<= 40;
    std::array<std::uint64_t, 7> best{};
    std::array<std::uint64_t, 7> rowsWithHits{};
    for (int a = 1; a <= 44; ++a)
        for (int b = a + 1; b <= 45; ++b)
            for (int c = b + 1; c <= 46; ++c)
                for (int d = c + 1; d <= 47; ++d)
                    for (int e = d + 1; e <= 48; ++e) {
                        const NumberSet five = Numbers::of(a) | Numbers::of(b) | Numbers::of(c) | Numbers::of(d) | Numbers::of(e);
                        for (int f = e + 1; f <= 49; ++f) {
                            const NumberSet draw = five | Numbers::of(f);
                            int top = 0;
                            for (NumberSet row : wheel.rows) {
                                const int hits = Numbers::count(row & draw);
                                ++rowsWithHits[std::size_t(hits)];
                                top = std::max(top, hits);
                            }
                            ++best[std::size_t(top)];
                        }
                    }
    const WheelOdds odds = WheelCheck::run(wheel);
    EXPECT_EQ(odds.bestAll, best);
    std::uint64_t total = 0;
    for (std::uint64_t n : odds.bestAll)
        total += n;
    EXPECT_EQ(total, WheelOdds::AllDraws);
    EXPECT_EQ(rowsWithHits[3] + rowsWithHits[4] + rowsWithHits[5] + rowsWithHits[6], wheel.rows.size() * 260624u);
    for (int k = 0; k <= 6; ++k)
        EXPECT_NEAR(odds.expectedRows[std::size_t(k)] * double(WheelOdds::AllDraws), double(rowsWithHits[std::size_t(k)]), 1e-3)
            << k;
}

// A known design covers each t-set exactly once: the count of t-subsets over all blocks equals
// the number of t-sets, and no t-set is met twice.
void expectEveryTSetExactlyOnce(const std::vector<std::uint64_t>& blocks, int points, int t)
{
    std::vector<int> met(std::size_t(1) << points, 0);
    const auto all = Numbers::list(Numbers::range(1, points));
    for (std::uint64_t block : blocks)
        forEachSubset(Numbers::list(block << 1), t, [&](NumberSet set) { ++met[std::size_t(set >> 1)]; });
    forEachSubset(all, t, [&](NumberSet set) { EXPECT_EQ(met[std::size_t(set >> 1)], 1) << Numbers::format(set).toStdString(); });
}

TEST(SteinerSystems, EveryTripleOf22AndEveryFiveOf12ExactlyOnce)
{
    const auto s22 = SteinerSystems::s3_6_22();
    EXPECT_EQ(s22.size(), 77u);
    expectEveryTSetExactlyOnce(s22, 22, 3);
    const auto s12 = SteinerSystems::s5_6_12();
    EXPECT_EQ(s12.size(), 132u);
    expectEveryTSetExactlyOnce(s12, 12, 5);

    const WheelOdds odds = WheelCheck::run(Wheel{Numbers::range(1, 22), {3, 3}, asRows(s22)});
    EXPECT_TRUE(odds.holds);
    EXPECT_EQ(odds.guaranteeSets, 1540u);
}

// 26 points are too many for the table above: every triple counted by its place among them.
TEST(SteinerSystems, EveryTripleOf26ExactlyOnceAndFewerPointsStillCovered)
{
    const auto s26 = SteinerSystems::s3_6_26();
    ASSERT_EQ(s26.size(), 130u);
    std::map<std::uint64_t, int> met;
    for (std::uint64_t block : s26) {
        EXPECT_EQ(std::popcount(block), 6);
        EXPECT_EQ(block >> 26, 0u);
        for (std::uint64_t a = block; a; a &= a - 1)
            for (std::uint64_t b = a & (a - 1); b; b &= b - 1)
                for (std::uint64_t c = b & (b - 1); c; c &= c - 1)
                    ++met[(a & -a) | (b & -b) | (c & -c)];
    }
    EXPECT_EQ(met.size(), 2600u);
    for (const auto& [triple, times] : met)
        EXPECT_EQ(times, 1) << triple;

    for (const auto& [blocks, v] : {std::pair{s26, 23}, std::pair{SteinerSystems::s3_6_22(), 20}}) {
        const auto rows = SteinerSystems::restricted(blocks, v);
        EXPECT_EQ(rows.size(), blocks.size());
        for (std::uint64_t row : rows)
            EXPECT_TRUE(std::popcount(row) == 6 && row >> v == 0) << row;
        EXPECT_TRUE(WheelCheck::run(Wheel{Numbers::range(1, v), {3, 3}, asRows(rows)}).holds) << v;
    }
}

// Without one block of S(5,6,12) exactly that block's five-sets lose their row; the first of
// them is the block without its highest number.
TEST(WheelCheck, AWheelWithoutOneRowFailsOnTheFirstSetThatRowAloneCovered)
{
    Wheel wheel{Numbers::range(1, 12), {5, 5}, asRows(SteinerSystems::s5_6_12())};
    ASSERT_TRUE(WheelCheck::run(wheel).holds);
    for (std::size_t removed : {std::size_t(0), std::size_t(77), wheel.rows.size() - 1}) {
        Wheel less = wheel;
        const NumberSet row = less.rows[removed];
        less.rows.erase(less.rows.begin() + std::ptrdiff_t(removed));
        const WheelOdds odds = WheelCheck::run(less);
        EXPECT_FALSE(odds.holds);
        const NumberSet highest = Numbers::of(Numbers::list(row).back());
        EXPECT_EQ(odds.counterexample, row & ~highest) << Numbers::format(row).toStdString();
    }
}

} // namespace
} // namespace numora
