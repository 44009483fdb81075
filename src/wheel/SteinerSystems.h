#pragma once

#include <cstdint>
#include <vector>

namespace numora::SteinerSystems {

// Blocks as bit masks over the points 0..n-1.

// S(3,6,22): 77 six-sets of 22 points, every three points in exactly one. The octads of the
// extended binary Golay code through two fixed coordinates, with those two taken away.
std::vector<std::uint64_t> s3_6_22();

// S(5,6,12): 132 six-sets of 12 points, every five points in exactly one. The supports of the
// weight-6 words of the extended ternary Golay code.
std::vector<std::uint64_t> s5_6_12();

// S(3,6,26): 130 six-sets of 26 points, every three points in exactly one. The Baer sublines
// of the projective line over GF(25): the images of GF(5) and infinity under its Möbius maps.
std::vector<std::uint64_t> s3_6_26();

// The blocks on the first v points only: each point beyond them is replaced by the lowest
// point the block lacks, so every t-set of the v points stays in a block.
std::vector<std::uint64_t> restricted(const std::vector<std::uint64_t>& blocks, int v);

} // namespace numora::SteinerSystems
