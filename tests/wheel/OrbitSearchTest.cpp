// Designs from a cyclic symmetry: whatever the annealing leaves, the result covers.
#include "wheel/OrbitSearch.h"
#include "wheel/WheelCheck.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

struct OrbitCase {
    int v;
    Guarantee guarantee;
    int baseRows;
    int fixedPoints;
    bool stopAtOnce; // no annealing: the rows come from the patch alone
    int mostRows;
};

class OrbitSearchCovers : public ::testing::TestWithParam<OrbitCase> {};

TEST_P(OrbitSearchCovers, AndTheRowsAreProved)
{
    const OrbitCase c = GetParam();
    const auto rows = OrbitSearch::build(c.v, c.guarantee.hits, c.guarantee.of, c.baseRows, c.fixedPoints, 3, 1,
                                         [&] { return c.stopAtOnce; });
    Wheel wheel{Numbers::range(1, c.v), c.guarantee, {}};
    for (std::uint64_t row : rows) {
        EXPECT_EQ(std::popcount(row), 6);
        EXPECT_EQ(row >> c.v, 0u);
        wheel.rows.push_back(NumberSet(row) << 1);
    }
    EXPECT_TRUE(WheelCheck::run(wheel).holds);
    EXPECT_LE(int(rows.size()), c.mostRows);
}

// Two shifted rows on 13 points give "3 wenn 3" in 26 rows at most; one point fixed, "3 wenn 4"
// and "4 wenn 4" go the same way; stopped at once, the patch still covers.
INSTANTIATE_TEST_SUITE_P(Cases, OrbitSearchCovers,
                         ::testing::Values(OrbitCase{13, {3, 3}, 2, 0, false, 26}, OrbitCase{16, {3, 4}, 1, 1, false, 30},
                                           OrbitCase{11, {4, 4}, 3, 1, false, 40}, OrbitCase{14, {3, 3}, 2, 0, true, 200},
                                           OrbitCase{12, {3, 5}, 1, 1, true, 30}));

} // namespace
} // namespace numora
