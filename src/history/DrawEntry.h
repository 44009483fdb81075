#pragma once

#include "base/Expected.h"
#include "model/Game.h"
#include "model/TZiehung.h"

namespace numora {

struct ProgramState;

// Entering a draw by hand and deleting the draw shown.
namespace DrawEntry {

// The draw of the chosen date, else the newest draw: what the entry dialog starts from. Its date
// goes into the start-date field. An empty or missing file is an error.
Expected<TZiehung> referenceRecord(ProgramState& state);

// Stores `record` with its six numbers sorted: appended after the newest draw when it is later,
// otherwise put in its place by date (replacing a stored draw of that date).
Status store(ProgramState& state, TZiehung record);
// A draw of `game` as the entry takes it: six distinct numbers 1..N, a Zusatzzahl (bonus or
// Joker) 0..N, a bonus never one of the six, a Superzahl 0..9; the error says which is wrong.
Status validate(const Game& game, const TZiehung& record);

// After the dialog, whatever its result: the browser shows the reference date again.
Status finish(ProgramState& state, double referenceDate);

// "Löschen": every record of the current draw's date goes; the browser then shows the chosen date.
Status deleteShown(ProgramState& state);

} // namespace DrawEntry
} // namespace numora
