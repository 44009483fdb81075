#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace numora::OrbitSearch {

// The group that moves the base rows: i -> i+1 mod v; the same on v-1 points with the last one
// fixed; on 27 points the translations of the vectors of three base-3 digits.
enum class Symmetry { Cyclic, CyclicFixingOne, Translations3x3x3 };

// A cover of the p-sets of 0..v-1 (v <= 64) by six-point rows, each meeting it in t points, built
// from a symmetry: the rows are the images of a few base rows under a group of points, so the
// annealing runs over the base rows
// and the orbits of p-sets only; many of the best published designs have such a symmetry. What
// the orbits leave uncovered when the time is up is covered row by row (greedily), and rows no
// p-set needs are dropped. The result always covers; it is proved again by whoever keeps it.
// `stop` is asked between steps.
std::vector<std::uint64_t> build(int v, int t, int p, int baseRows, Symmetry symmetry, std::uint64_t seed,
                                 double seconds, const std::function<bool()>& stop = {});

// The smallest of the covers `build` finds with about `rows` rows: each symmetry that fits v, with
// rows / (size of its group) base rows and one more, sharing `seconds`.
std::vector<std::uint64_t> smallest(int v, int t, int p, int rows, std::uint64_t seed, double seconds,
                                    const std::function<bool()>& stop = {});

} // namespace numora::OrbitSearch
