#pragma once

#include "model/Game.h"

#include <QString>

namespace numora {

// The generation options were made for 6 of 49. Some mean nothing in another game: avoiding
// 1..12 in a game too small to fill a row without them, lowering the dates 1..31 where every
// number is a date, counting a Joker from its own drum as a hit, the Superzahl of a ticket
// number the game has not. Such an option stays stored as it was but takes no part in a run.
namespace GameOptions {

// Why check box `n` means nothing in `game`, in the current language; empty when it applies.
QString whyNotApplied(const Game& game, int checkBox);
inline bool applies(const Game& game, int checkBox) { return whyNotApplied(game, checkBox).isEmpty(); }

} // namespace GameOptions
} // namespace numora
