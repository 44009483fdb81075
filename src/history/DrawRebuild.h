#pragma once

#include "base/Expected.h"
#include "model/Game.h"
#include "model/RunControl.h"
#include "model/TZiehung.h"

#include <QString>

#include <vector>

namespace numora {

struct ProgramState;
class WebClient;

// Building the whole history anew: from the results site page by page, or from the text file
// "Orbix.dat". Both build the new history first and replace the draw file only when it is
// complete, so a failing page, network or file leaves the previous history as it was.
namespace DrawRebuild {

QString question();      // "Wollen Sie wirklich alle Ziehungsdaten löschen und ..."
QString questionTitle(); // "Ziehungsdaten löschen?"
QString pagePath(int page);

// The draw or the draws A and B of one results page; none when the page holds no
// "Ausspielung" (the end of the pages). A text that does not convert, or a ball outside
// 1..maxNumber (the game's N), is an error.
Expected<std::vector<TZiehung>> parsePage(const QString& html, int maxNumber = Game::DefaultNumbers);

// Asks first (Yes/No); false when the user said No.
Expected<bool> rebuild(ProgramState& state, WebClient& client, RunControl* control = nullptr);
// Nine lines per draw: date, six numbers of 1..maxNumber, two lines ignored.
Expected<std::vector<TZiehung>> parseTextImport(const QByteArray& text, int maxNumber = Game::DefaultNumbers);
// Nine short lines a draw: a file past this is no draw list and is refused unread.
inline constexpr qint64 MaxTextImportBytes = 64 * 1024 * 1024;
Status textImport(ProgramState& state);

} // namespace DrawRebuild
} // namespace numora
