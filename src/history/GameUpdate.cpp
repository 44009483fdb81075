#include "history/GameUpdate.h"

#include "base/DayDate.h"
#include "base/TextCatalog.h"
#include "session/ProgramState.h"

namespace numora::GameUpdate {

Plan plan(const ProgramState& state, const QString& storedAddress)
{
    const Game& game = state.game;
    Plan result;
    if (game.lastDraw > 0) {
        result.kind = Plan::Kind::NoLongerDrawn;
        result.message = tx(QStringLiteral("%1 wird nicht mehr gezogen; die letzte Ziehung war am %2."))
                             .arg(game.name, DayDate::formatShortDate(game.lastDraw));
        return result;
    }
    result.address = storedAddress.trimmed().isEmpty() ? game.resultsAddress : storedAddress.trimmed();
    if (result.address.isEmpty()) {
        result.kind = Plan::Kind::NoAddress;
        result.message = tx(QStringLiteral("Für %1 ist keine Adresse gesetzt: tragen Sie unter \"Internet-Optionen\" die "
                                           "\"CSV-Adresse der Ziehungen\" einer Ergebnisseite ein."))
                             .arg(game.name);
    }
    return result;
}

} // namespace numora::GameUpdate
