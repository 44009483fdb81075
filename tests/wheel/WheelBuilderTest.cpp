// Building wheels: the sizes of the known designs, proved, the same rows for the same seed, and
// a run that stops when asked.
#include "wheel/WheelBuilder.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

struct SizeCase {
    int v;
    Guarantee guarantee;
    int rows; // the best size known
};

class BuildReachesKnownSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BuildReachesKnownSize, AndTheWheelIsProved)
{
    const SizeCase c = GetParam();
    RunControl control;
    // Numbers that are not 1..v, so that the rows are put back onto the player's numbers.
    const WheelRequest request{Numbers::range(50 - c.v, 49), c.guarantee, 7, 120, c.rows};
    const auto build = WheelBuilder::build(request, control);
    ASSERT_TRUE(build.ok()) << build.error().message.toStdString();
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_EQ(int(build->wheel->rows.size()), c.rows);
    EXPECT_TRUE(build->wheel->rowsWithinNumbers());
    EXPECT_TRUE(WheelCheck::run(*build->wheel).holds);
    EXPECT_TRUE(build->odds.holds);
}

INSTANTIATE_TEST_SUITE_P(SmallCases, BuildReachesKnownSize,
                         ::testing::Values(SizeCase{10, {4, 4}, 20}, SizeCase{11, {3, 3}, 11}, SizeCase{10, {5, 5}, 50},
                                           SizeCase{12, {5, 5}, 132}, SizeCase{22, {3, 3}, 77}));

TEST(WheelBuilder, ThreeOfSixOnManyNumbersJoinsTheSteinerSystemWithTheRest)
{
    RunControl control;
    // 22 + 7 numbers: "3 wenn 4" on the other seven takes one row, as four of seven always
    // leave three in any six of them.
    const auto build = WheelBuilder::build({Numbers::range(3, 31), {3, 6}, 1, 60, 0}, control);
    ASSERT_TRUE(build.ok());
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_EQ(build->wheel->rows.size(), 77u + 1u);
    EXPECT_TRUE(build->odds.holds);
    EXPECT_EQ(build->odds.bestWithin[0] + build->odds.bestWithin[1] + build->odds.bestWithin[2], 0u);
}

TEST(WheelBuilder, TheSameSeedGivesTheSameRows)
{
    RunControl control;
    const WheelRequest request{Numbers::range(1, 11), {4, 4}, 42, 120, 33};
    const auto first = WheelBuilder::build(request, control);
    const auto second = WheelBuilder::build(request, control);
    ASSERT_TRUE(first.ok() && second.ok());
    ASSERT_TRUE(first->wheel && second->wheel);
    EXPECT_EQ(first->wheel->rows, second->wheel->rows);
}

// Asks to stop once the search has reported a few times.
class StopAfter : public RunControl {
public:
    explicit StopAfter(int calls) : m_left(calls) {}
    bool stopRequested() const override { return --m_left < 0; }

private:
    mutable int m_left;
};

TEST(WheelBuilder, AStopKeepsTheSmallestWheelFoundAndSaysSo)
{
    StopAfter control(30);
    std::vector<WheelProgress> reports;
    // 50 rows are found at once, fewer hardly ever: the run goes on until stopped.
    const auto build = WheelBuilder::build({Numbers::range(1, 10), {5, 5}, 3, 600, 0}, control,
                                           [&](const WheelProgress& p) { reports.push_back(p); });
    ASSERT_TRUE(build.ok());
    EXPECT_TRUE(build->stopped);
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_TRUE(build->odds.holds);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().bestRows, int(build->wheel->rows.size()));
    EXPECT_FALSE(control.running());
}

TEST(WheelBuilder, RefusesWhatNoWheelCanBe)
{
    RunControl control;
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 6), {3, 3}, 1, 1, 0}, control).ok());
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 10), {4, 3}, 1, 1, 0}, control).ok());
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 10), {2, 3}, 1, 1, 0}, control).ok());
}

TEST(WheelBuilder, ABudgetOutOfReachEndsWithoutAWheel)
{
    RunControl control;
    // S(5,6,12) is the least: every five-set needs a row of its own among 6 per row.
    const auto build = WheelBuilder::build({Numbers::range(1, 12), {5, 5}, 1, 0.5, 131}, control);
    ASSERT_TRUE(build.ok());
    EXPECT_FALSE(build->wheel.has_value());
}

} // namespace
} // namespace numora
