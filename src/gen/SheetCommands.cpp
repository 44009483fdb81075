#include "gen/SheetCommands.h"

#include "session/ProgramState.h"
#include "base/Formatting.h"
#include "session/RowCheck.h"
#include "gen/NumberSelection.h"

namespace numora::SheetCommands {

void clearUnlockedRows(ProgramState& state)
{
    state.sheet.clearUnlockedRows();
    const bool wasReady = state.sheet.sheetReady();
    state.sheet.setSheetReady(true);
    Komplettcheck(state);
    state.sheet.setSheetReady(wasReady);
}

bool clearAllTips(ProgramState& state)
{
    if (!state.hooks->askYesNo(state.meldungen.text(51), state.meldungen.text(50)))
        return false;
    clearUnlockedRows(state);
    return true;
}

void prepareRowEdit(ProgramState& state, NumberSelection& selection, int row)
{
    selection.rechnenVisible = false;
    selection.zufallVisible = true;
    selection.pickCount = 6;
    selection.untickAll();
    for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
        const auto value = parseInteger(state.sheet.field(row, p));
        if (!value || *value < 1 || *value > selection.numbers())
            break;
        selection.setTicked(*value, true);
        selection.box(*value).yellow = true;
    }
}

void applyRowEdit(ProgramState& state, const NumberSelection& selection, int row)
{
    int p = 0;
    for (int n = 1; n <= selection.numbers() && p < TTippSchein::FieldsPerRow; ++n)
        if (selection.box(n).ticked)
            state.sheet.setField(row, p++, QString::number(n));
}

void finishRowEdit(ProgramState& state, NumberSelection& selection)
{
    selection.rechnenVisible = true;
    selection.zufallVisible = false;
    for (int n = 1; n <= selection.numbers(); ++n)
        selection.box(n).yellow = false;
    selection.caption = state.meldungen[36];
}

} // namespace numora::SheetCommands
