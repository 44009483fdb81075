#pragma once

#include "base/Expected.h"
#include "base/ProgramFolders.h"
#include "model/Game.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace numora {

// The games the program knows and where each keeps its files. A definition comes from, in order
// of precedence: the user's folder (`games/ID.game`, a player's own game), the shipped folder
// (`games/ID.game`), the copy built into the program (so a bare portable folder knows them too).
// The default game keeps its files where the program always kept them (the folder itself);
// every other game has `games/ID/` below it, so what an existing user has stays the default's.
namespace GameCatalog {

struct Listing {
    std::vector<Game> games;  // the default game first, then by id
    QStringList problems;     // one line per definition refused, naming file and line
};

// Every game whose definition reads; a damaged file is left out and named in `problems`.
Listing all(const ProgramFolders& root);
// The game `id`; an unknown id or a damaged definition is an error naming it.
Expected<Game> find(const ProgramFolders& root, const QString& id);
// The default game, sayisal.
Game defaultGame();

// The folders a game works in: the root's for the default game, `games/ID/` below the user's
// folder for the others; the shipped files stay the root's.
ProgramFolders foldersFor(const ProgramFolders& root, const Game& game);
// The game's folder made, and, when it has no draw file yet, the shipped history
// (`games/ID.csv`) written as its draw file. The default game's history is prepared as before
// (ProgramFolders::prepare); nothing is moved, an existing file is never touched.
Status prepare(const ProgramFolders& root, const Game& game);

// A player's own game as the window and the command line make it: the id, name, N, days and
// extra given, the near-square grid, nothing a shipped game's ticket offers.
Game ownGame(const QString& id, const QString& name, int numbers, std::vector<Game::DrawDay> days, Game::Extra extra);

// A player's own game written to `games/ID.game` in the user's folder; a bad or taken id, or
// N outside 7..90, is an error and nothing is written.
Status add(const ProgramFolders& root, const Game& game);

// The definitions built into the program, as (file name, text).
struct BuiltIn {
    const char* fileName;
    const char* text;
};
const std::vector<BuiltIn>& builtIn();

} // namespace GameCatalog
} // namespace numora
