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

} // namespace numora::SteinerSystems
