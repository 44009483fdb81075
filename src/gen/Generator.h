#pragma once

#include "base/Expected.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace numora {

struct ProgramState;

// How a run ended.
struct GenerationResult {
    enum class End { Finished, BudgetSpent, PoolDialogClosed, PoolTooSmall, StopRequest };
    End end = End::Finished;
    std::int32_t candidates = 0;
};

// "Tipps &berechnen": fills rows 1..tip count from the number pool through the row filter.
// A call while a run is in progress (its caption is message 16) is the stop request of that run.
class Generator {
public:
    static Expected<GenerationResult> generate(ProgramState& state);
    // The pool exactly as a run would build it, from the draws of the chosen date on.
    static Expected<std::optional<std::vector<std::uint8_t>>> buildPool(ProgramState& state);

    // "1.Tipp:  3 8  19  27  33  45  QS: 135": the status text of a candidate row.
    static QString candidateText(const ProgramState& state, int row, const std::uint8_t* numbers, int digitSum);
    static QString poolTooSmallMessage();
};

} // namespace numora
