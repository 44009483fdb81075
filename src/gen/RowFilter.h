#pragma once

#include "base/Expected.h"

#include <array>
#include <cstdint>

namespace numora {

struct ProgramState;

using Row = std::array<std::uint8_t, 6>;
using DrawValues = std::array<std::uint8_t, 8>; // six numbers, Zusatzzahl, Superzahl

// The rows a run has placed so far (0 = empty field), locked rows included.
struct PlacedRows {
    std::array<Row, 12> rows{};
    int count = 0;
};

// The last, second-to-last and third-to-last draw as the run found them at its start.
struct RecentDraws {
    std::array<DrawValues, 3> draws{};
};

// The chain of thirteen rules a candidate row (six distinct numbers, ascending) must pass.
namespace RowFilter {

// True when the candidate passes every rule that its option switches on. The history rules
// read the draw history; a file error ends the run.
Expected<bool> accepts(ProgramState& state, const Row& candidate, int digitSum, const PlacedRows& placed,
                       const RecentDraws& recent);

// A digit-sum bound of the options (made for six of 49) on the sums of six of `numbers`.
int scaledDigitSum(int bound, int numbers);
// Overlap count: position pairs holding equal numbers (a repeated number counts each time).
int overlap(const Row& candidate, const std::uint8_t* other, int count);
int primeCount(const Row& row);

// `dreierodervierer`: true when the row had fewer than `hits` hits in every draw of the last
// `draws`/2 weeks up to the chosen date.
Expected<bool> recentHits(ProgramState& state, const Row& row, int hits, int draws);
// `Secheroderfuenfer`: true when the row had fewer than UpDown6 hits in every draw after the
// start date up to the chosen date.
Expected<bool> historyHits(ProgramState& state, const Row& row);

} // namespace RowFilter
} // namespace numora
