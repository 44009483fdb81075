#pragma once

#include "base/Expected.h"
#include "gen/RowFilter.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace numora {

struct ProgramState;

// The weighted list the generator draws numbers from: a number occurs once for every reason to
// prefer it. Built once per run.
namespace NumberPool {

using Pool = std::vector<std::uint8_t>;

// Builds the pool from the options, the statistics and the last three draws. Nothing when the
// user leaves the pool dialog without OK or "&Rechnen".
Expected<std::optional<Pool>> build(ProgramState& state, const RecentDraws& recent);

// R(x): nearest integer, halves to even.
struct Band {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
};
Band groupTop(std::int32_t max, std::int32_t min);
Band groupBottom(std::int32_t max, std::int32_t min);
Band numberTop(std::int32_t max, std::int32_t min, double fraction);
Band numberBottom(std::int32_t max, std::int32_t min, double fraction);

// The distinct numbers of a pool.
int distinctNumbers(const Pool& pool);

} // namespace NumberPool
} // namespace numora
