#pragma once

#include "model/CurrentDraw.h"
#include "model/CheckResult.h"
#include "model/Game.h"

#include <QString>

#include <array>

namespace numora {

struct ProgramState;

// Counts the hits of one row (six texts in position order) against the current draw. Only the
// six numbers count, never the Zusatzzahl or the Superzahl. A drawn number outside 1..N (a
// damaged file) never matches; a text that is no integer ends the count where it stands.
CheckResult Zettelcheck(const std::array<QString, 6>& row, const CurrentDraw& draw, int maxNumber = Game::DefaultNumbers);

// Evaluates the whole sheet against the current draw: sorts complete rows, marks hits, writes
// the hit and sum displays, fills `Trefferbilanz` and plays the sound for three hits or more.
// Does nothing but clear `Trefferbilanz` while the sheet is not ready.
void Komplettcheck(ProgramState& state);

} // namespace numora
