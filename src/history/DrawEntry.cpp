#include "history/DrawEntry.h"

#include "session/ProgramState.h"
#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"

#include <QFileInfo>

#include <algorithm>

namespace numora::DrawEntry {

Expected<TZiehung> referenceRecord(ProgramState& state)
{
    auto records = state.drawFile().readAll();
    if (!records)
        return records.error();
    // A game of the player's starts empty: its first draw is entered on the chosen date.
    if (records->empty() && state.game.id != QLatin1String(Game::DefaultId)) {
        TZiehung first;
        first.Datum = state.chosenDate.value;
        state.startDateField = first.Datum;
        return first;
    }
    if (records->empty())
        return Error{tx(QStringLiteral("%1: Lesen über das Dateiende hinaus (die Datei enthält keine Ziehung)"))
                         .arg(QFileInfo(state.drawFilePath()).fileName())};
    const double chosen = state.chosenDate.value;
    std::size_t i = 0;
    while (i + 1 < records->size() && (*records)[i].Datum != chosen)
        ++i;
    const TZiehung reference = (*records)[i];
    state.startDateField = reference.Datum;
    return reference;
}

Status store(ProgramState& state, TZiehung record)
{
    for (int i = 0; i < 6; ++i)
        for (int j = i; j < 6; ++j)
            if (record.Zahlen[j] < record.Zahlen[i])
                std::swap(record.Zahlen[i], record.Zahlen[j]);
    std::fill(std::begin(record.Fill), std::end(record.Fill), std::uint8_t(0));

    const DrawFile file = state.drawFile();
    auto records = file.readAll();
    if (!records)
        return records.error();
    const bool later = !records->empty() && record.Datum > records->back().Datum;
    if (later)
        return file.append({&record, 1});
    // The rule of early Wednesdays is the default game's; another game's draws are all its own.
    return file.orderedRewrite(record, state.game.id != QLatin1String(Game::DefaultId));
}

Status validate(const Game& game, const TZiehung& record)
{
    std::array<int, 6> numbers{};
    for (int i = 0; i < 6; ++i) {
        numbers[std::size_t(i)] = record.Zahlen[i];
        if (!game.validNumber(record.Zahlen[i]))
            return Error{tx(QStringLiteral("%1 ist keine Zahl von 1 bis %2")).arg(record.Zahlen[i]).arg(game.numbers)};
    }
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
        return Error{tx(QStringLiteral("Die sechs Zahlen sind nicht verschieden"))};
    if (record.Zusatzzahl > game.zusatzzahlMaximum())
        return Error{tx(QStringLiteral("%1 ist keine Zahl von 1 bis %2")).arg(record.Zusatzzahl).arg(game.numbers)};
    if (game.extra == Game::Extra::Bonus && record.Zusatzzahl != 0
        && std::find(numbers.begin(), numbers.end(), int(record.Zusatzzahl)) != numbers.end())
        return Error{tx(QStringLiteral("Die Zusatzzahl %1 ist schon gezogen")).arg(record.Zusatzzahl)};
    if (record.Superzahl > 9)
        return Error{tx(QStringLiteral("%1 ist keine Superzahl von 0 bis 9")).arg(record.Superzahl)};
    return Done{};
}

Status finish(ProgramState& state, double referenceDate)
{
    state.chosenDate.setDate(referenceDate);
    return DrawBrowser::showChosenDate(state);
}

Status deleteShown(ProgramState& state)
{
    if (auto s = state.drawFile().deleteByDate(state.currentDraw.date); !s)
        return s;
    return DrawBrowser::showChosenDate(state);
}

} // namespace numora::DrawEntry
