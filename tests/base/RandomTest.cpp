#include "base/Random.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace numora {
namespace {

TEST(Random, SequenceFromStateZero)
{
    // Values worked out by hand from state := state * 134775813 + 1, result := (state * n) >> 32.
    struct Step {
        std::uint32_t n;
        std::uint32_t state;
        std::uint32_t result;
    };
    const Step steps[] = {
        {49, 1u, 0},
        {49, 134775814u, 1},
        {49, 3698175007u, 42},
        {10, 870078620u, 2},
        {0xFFFFFFFFu, 1172187917u, 1172187916u},
        {1, 2884733762u, 0},
        {0, 1368768587u, 0}, // n = 0 still advances the state
    };
    Random random(0);
    for (const Step& s : steps) {
        EXPECT_EQ(random.next(s.n), s.result) << "n=" << s.n;
        EXPECT_EQ(random.state(), s.state) << "n=" << s.n;
    }
}

TEST(Random, ResultStaysBelowN)
{
    const std::uint32_t ns[] = {1, 2, 6, 49, 50, 0x80000000u, 0xFFFFFFFFu};
    const std::uint32_t seeds[] = {0, 0xFFFFFFFFu, 0x7FFFFFFFu, 12345u};
    for (std::uint32_t seed : seeds) {
        Random random(seed);
        for (int i = 0; i < 1000; ++i)
            for (std::uint32_t n : ns)
                ASSERT_LT(random.next(n), n) << "seed=" << seed << " n=" << n;
    }
}

} // namespace
} // namespace numora
