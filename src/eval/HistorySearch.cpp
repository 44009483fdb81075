#include "eval/HistorySearch.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "session/DrawBrowser.h"
#include "session/RowCheck.h"

#include <optional>

namespace numora::HistorySearch {

bool visits(double datum, bool saturdayDraws, bool wednesdayDraws)
{
    const int day = DayDate::dayOfWeek(datum);
    return (saturdayDraws && (day == DayDate::Saturday || day == DayDate::Sunday))
        || (wednesdayDraws && day == DayDate::Wednesday);
}

Expected<Outcome> run(ProgramState& state, RunControl* control)
{
    const QString answer = state.hooks->askText(state.meldungen[4], state.meldungen[5], QStringLiteral("6"));
    const auto threshold = parseInteger(answer);
    if (!threshold)
        return notAnInteger(answer);
    return search(state, *threshold, {}, control);
}

Expected<Outcome> search(ProgramState& state, std::int32_t threshold, const std::function<void(const Hit&)>& found,
                         RunControl* control)
{
    std::optional<RunControl::Scope> running;
    if (control)
        running.emplace(*control);
    const auto records = state.drawFile().readAll();
    if (!records)
        return records.error();
    state.startDateField = state.startDate.value;
    state.endDateField = state.chosenDate.value;
    state.chart.begin();
    state.hooks->chartChanged();

    Outcome outcome;
    TTippSchein& sheet = state.sheet;
    // The display follows the search; the window repaints it before each question and at the end.
    auto showProgress = [&state] {
        state.hooks->drawChanged();
        state.hooks->sheetChanged();
    };
    for (std::size_t i = 0; i < records->size() && !(control && control->stopRequested()); ++i) {
        const TZiehung& record = (*records)[i];
        if (!(state.startDateField <= record.Datum && record.Datum <= state.endDateField)
            || !visits(record.Datum, state.saturdayDraws, state.wednesdayDraws))
            continue;
        DrawBrowser::makeCurrent(state, record, false);
        state.shownDrawCopy = state.shownDraw;
        state.currentDraw.position = static_cast<std::int32_t>(i);
        outcome.lastVisited = record.Datum;
        for (int r = 0; r < TTippSchein::RowCount; ++r) {
            TTippreihe& row = sheet.row(r);
            state.checkResult = Zettelcheck(row.fields, state.currentDraw, state.game.numbers);
            const int hits = state.checkResult.hitCount;
            row.hitText = QString::number(hits);
            row.hitRed = hits > 2;
            if (hits < threshold)
                continue;
            if (found)
                found(Hit{record.Datum, r + 1, hits});
            showProgress();
            const QString question = state.meldungen[6] + DayDate::formatShortDate(record.Datum)
                + QStringLiteral("   ") + state.meldungen[7];
            if (!state.hooks->askYesNo(state.meldungen[8], question)) {
                outcome.endedByUser = true;
                return outcome;
            }
        }
    }
    showProgress();
    return outcome;
}

} // namespace numora::HistorySearch
