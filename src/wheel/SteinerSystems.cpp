#include "wheel/SteinerSystems.h"

#include <array>
#include <bit>
#include <set>

namespace numora::SteinerSystems {

std::vector<std::uint64_t> s3_6_22()
{
    // The cyclic [23,12] Golay code: multiples of g(x) = x^11+x^10+x^6+x^5+x^4+x^2+1, each with
    // a parity bit at coordinate 23.
    constexpr std::uint32_t generator = 0xC75;
    std::vector<std::uint64_t> blocks;
    for (std::uint32_t message = 0; message < (1u << 12); ++message) {
        std::uint32_t word = 0;
        for (int i = 0; i < 12; ++i)
            if (message >> i & 1)
                word ^= generator << i;
        if (std::popcount(word) % 2)
            word |= 1u << 23;
        // Octads through coordinates 22 and 23, those two removed.
        if (std::popcount(word) == 8 && (word >> 22) == 3)
            blocks.push_back(word & ((1u << 22) - 1));
    }
    return blocks;
}

std::vector<std::uint64_t> s5_6_12()
{
    // The cyclic [11,6] ternary Golay code: multiples of g(x) = x^5+x^4-x^3+x^2-1 over GF(3),
    // extended by the coordinate that makes the sum 0.
    constexpr std::array<int, 6> generator{2, 0, 1, 2, 1, 1}; // coefficients of x^0..x^5
    std::set<std::uint64_t> supports;
    for (int message = 0; message < 729; ++message) {
        std::array<int, 12> word{};
        int m = message;
        for (int i = 0; i < 6; ++i, m /= 3)
            for (int j = 0; j < 6; ++j)
                word[std::size_t(i + j)] = (word[std::size_t(i + j)] + (m % 3) * generator[std::size_t(j)]) % 3;
        int sum = 0;
        for (int i = 0; i < 11; ++i)
            sum += word[std::size_t(i)];
        word[11] = (3 - sum % 3) % 3;
        std::uint64_t support = 0;
        for (int i = 0; i < 12; ++i)
            if (word[std::size_t(i)])
                support |= std::uint64_t(1) << i;
        if (std::popcount(support) == 6)
            supports.insert(support);
    }
    return {supports.begin(), supports.end()};
}

} // namespace numora::SteinerSystems
