#pragma once

namespace numora {

struct ProgramState;

// Commands of the tip sheet that also evaluate it.
namespace SheetCommands {

// Empties every unlocked row with its displays, then evaluates the sheet once even while it
// is not ready (the generator clears the sheet this way at the start of a run).
void clearUnlockedRows(ProgramState& state);

// "Löschen aller Tipps": asks message 50 under the caption of message 51; on Yes clears the
// unlocked rows. Returns whether it cleared.
bool clearAllTips(ProgramState& state);

} // namespace SheetCommands
} // namespace numora
