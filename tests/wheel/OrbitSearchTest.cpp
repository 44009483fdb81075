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
    OrbitSearch::Symmetry symmetry;
    bool stopAtOnce; // no annealing: the rows come from the patch alone
    int mostRows;
};

class OrbitSearchCovers : public ::testing::TestWithParam<OrbitCase> {};

TEST_P(OrbitSearchCovers, AndTheRowsAreProved)
{
    const OrbitCase c = GetParam();
    const auto rows = OrbitSearch::build(c.v, c.guarantee.hits, c.guarantee.of, c.baseRows, c.symmetry, 3, 1,
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

constexpr auto Cyclic = OrbitSearch::Symmetry::Cyclic;
constexpr auto FixingOne = OrbitSearch::Symmetry::CyclicFixingOne;
constexpr auto Translations = OrbitSearch::Symmetry::Translations3x3x3;

// Two shifted rows on 13 points give "3 wenn 3" in 26 rows at most; one point fixed, "3 wenn 4"
// and "4 wenn 4" go the same way; stopped at once, the patch still covers; three orbits of 27
// rows on 27 points leave a few 4-sets to the patch.
INSTANTIATE_TEST_SUITE_P(Cases, OrbitSearchCovers,
                         ::testing::Values(OrbitCase{13, {3, 3}, 2, Cyclic, false, 26}, OrbitCase{16, {3, 4}, 1, FixingOne, false, 30},
                                           OrbitCase{11, {4, 4}, 3, FixingOne, false, 40}, OrbitCase{14, {3, 3}, 2, Cyclic, true, 200},
                                           OrbitCase{12, {3, 5}, 1, FixingOne, true, 30},
                                           OrbitCase{27, {3, 4}, 3, Translations, false, 120}));

// What `wheel build` starts from for "t wenn t" on many numbers: a cover whatever the symmetries
// leave, also when a stop comes at once (the greedy patch then does all).
TEST(OrbitSearchSmallest, CoversAndIsProvedEvenWhenStoppedAtOnce)
{
    for (const auto& [v, guarantee, rows] : {std::tuple{17, Guarantee{3, 3}, 50}, std::tuple{16, Guarantee{4, 4}, 170},
                                              std::tuple{13, Guarantee{5, 5}, 300}}) {
        for (const bool stopAtOnce : {false, true}) {
            const auto found = OrbitSearch::smallest(v, guarantee.hits, guarantee.of, rows, 5, 0.5, [&] { return stopAtOnce; });
            Wheel wheel{Numbers::range(1, v), guarantee, {}};
            for (std::uint64_t row : found)
                wheel.rows.push_back(NumberSet(row) << 1);
            EXPECT_TRUE(WheelCheck::run(wheel).holds) << v << " " << guarantee.hits << ":" << guarantee.of << " " << stopAtOnce;
        }
    }
}

} // namespace
} // namespace numora
