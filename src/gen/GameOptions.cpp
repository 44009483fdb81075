#include "gen/GameOptions.h"

#include "base/TextCatalog.h"

namespace numora::GameOptions {

QString whyNotApplied(const Game& game, int checkBox)
{
    switch (checkBox) {
    case 29: // avoid 1..12
        if (game.numbers - 12 < Game::Drawn)
            return tx(QStringLiteral("Ohne die Zahlen 1 bis 12 bleiben in diesem Spiel keine sechs Zahlen für einen Tipp."));
        break;
    case 30: // fewer 1..31
        if (game.numbers <= 31)
            return tx(QStringLiteral("In diesem Spiel ist jede Zahl eine Datumszahl (1 bis 31)."));
        break;
    case 35: // the Zusatzzahl counts as a hit
        if (!game.zusatzzahlIsFromDrum())
            return tx(QStringLiteral("Die Jokerzahl kommt aus einer eigenen Trommel und zählt nicht zu den Richtigen."));
        break;
    case 33: // Superzahlen of the last draws
        if (!game.hasSuperzahlStatistics())
            return tx(QStringLiteral("Dieses Spiel hat keine Superzahl."));
        break;
    default:
        break;
    }
    return {};
}

} // namespace numora::GameOptions
