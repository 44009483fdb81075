#pragma once

#include "base/Expected.h"
#include "model/RunControl.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace numora {

struct ProgramState;

// "Tipps in DB suchen": would the sheet's rows have scored in past draws? Walks the draws from
// the start date to the chosen date (both included) on the search's own weekday rule, shows each
// draw with the rows' hit counts and asks whether to go on where a row reaches the threshold.
namespace HistorySearch {

struct Hit {
    double date = 0.0;
    int row = 0; // 1..12
    int hitCount = 0;
};

struct Outcome {
    std::optional<double> lastVisited; // the draw left on display
    bool endedByUser = false;
};

// Saturday box: Saturdays and Sundays; Wednesday box: Wednesdays. Unlike the statistics' filter,
// both boxes together admit no other weekday.
bool visits(double datum, bool saturdayDraws, bool wednesdayDraws);

// Asks for the threshold (messages 4 and 5, preset "6"), then searches.
Expected<Outcome> run(ProgramState& state, RunControl* control = nullptr);
// The search itself; `found` learns of each hit before the question.
// A stop of `control` ends the search on the draw it reached, as at its end.
Expected<Outcome> search(ProgramState& state, std::int32_t threshold, const std::function<void(const Hit&)>& found = {},
                         RunControl* control = nullptr);

} // namespace HistorySearch
} // namespace numora
