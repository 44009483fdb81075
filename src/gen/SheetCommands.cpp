#include "gen/SheetCommands.h"

#include "app/ProgramState.h"
#include "eval/RowCheck.h"

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

} // namespace numora::SheetCommands
