#pragma once

namespace numora {

struct ProgramState;
class NumberSelection;

// Commands of the tip sheet that also evaluate it.
namespace SheetCommands {

// Empties every unlocked row with its displays, then evaluates the sheet once even while it
// is not ready (the generator clears the sheet this way at the start of a run).
void clearUnlockedRows(ProgramState& state);

// "Löschen aller Tipps": asks message 50 under the caption of message 51; on Yes clears the
// unlocked rows. Returns whether it cleared.
bool clearAllTips(ProgramState& state);

// `TippEdit` for one row: prepares the number selection dialog in row mode with the row's
// numbers ticked and yellow (marking stops at the first field that names no box).
void prepareRowEdit(ProgramState& state, NumberSelection& selection, int row);
// After OK: the ticked boxes in ascending order fill the row's fields from the left; fields left
// over keep their text, boxes beyond the sixth are ignored.
void applyRowEdit(ProgramState& state, const NumberSelection& selection, int row);
// Back to pool mode's look: "&Rechnen" shown, "&Zufall" hidden, caption message 36.
void finishRowEdit(ProgramState& state, NumberSelection& selection);

} // namespace SheetCommands
} // namespace numora
