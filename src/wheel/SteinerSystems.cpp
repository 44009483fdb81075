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

namespace {

// GF(25) as a + b·x with x² = 2 (2 is no square mod 5); point 25 is infinity.
struct Gf25 {
    int a = 0, b = 0;
    friend Gf25 operator+(Gf25 u, Gf25 v) { return {(u.a + v.a) % 5, (u.b + v.b) % 5}; }
    friend Gf25 operator*(Gf25 u, Gf25 v) { return {(u.a * v.a + 2 * u.b * v.b) % 5, (u.a * v.b + u.b * v.a) % 5}; }
    friend bool operator==(Gf25 u, Gf25 v) = default;
    int index() const { return a + 5 * b; }
    static Gf25 at(int i) { return {i % 5, i / 5}; }
};

Gf25 inverse(Gf25 u)
{
    for (int i = 1; i < 25; ++i)
        if (u * Gf25::at(i) == Gf25{1, 0})
            return Gf25::at(i);
    return {};
}

} // namespace

std::vector<std::uint64_t> s3_6_26()
{
    constexpr int Infinity = 25;
    const Gf25 minusOne{4, 0};
    // z -> (a z + b) / (c z + d) on the points 0..25.
    auto image = [&](Gf25 a, Gf25 b, Gf25 c, Gf25 d, int point) {
        if (point == Infinity)
            return c == Gf25{} ? Infinity : (a * inverse(c)).index();
        const Gf25 z = Gf25::at(point);
        const Gf25 below = c * z + d;
        return below == Gf25{} ? Infinity : ((a * z + b) * inverse(below)).index();
    };
    const std::array<int, 6> subline{0, 1, 2, 3, 4, Infinity};
    std::set<std::uint64_t> blocks;
    for (int a = 0; a < 25; ++a)
        for (int b = 0; b < 25; ++b)
            for (int c = 0; c < 25 && blocks.size() < 130; ++c)
                for (int d = 0; d < 25; ++d) {
                    const Gf25 ga = Gf25::at(a), gb = Gf25::at(b), gc = Gf25::at(c), gd = Gf25::at(d);
                    if (ga * gd + minusOne * gb * gc == Gf25{})
                        continue;
                    std::uint64_t block = 0;
                    for (int point : subline)
                        block |= std::uint64_t(1) << image(ga, gb, gc, gd, point);
                    blocks.insert(block);
                }
    return {blocks.begin(), blocks.end()};
}

std::vector<std::uint64_t> restricted(const std::vector<std::uint64_t>& blocks, int v)
{
    const std::uint64_t kept = (std::uint64_t(1) << v) - 1;
    std::vector<std::uint64_t> rows;
    rows.reserve(blocks.size());
    for (std::uint64_t block : blocks) {
        std::uint64_t row = block & kept;
        for (int missing = std::popcount(block) - std::popcount(row); missing > 0; --missing)
            row |= (kept & ~row) & -(kept & ~row);
        rows.push_back(row);
    }
    return rows;
}

} // namespace numora::SteinerSystems
