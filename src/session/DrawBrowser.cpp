#include "session/DrawBrowser.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "session/RowCheck.h"

#include <algorithm>
#include <cmath>

namespace numora {

QString DrawBrowser::missingFileMessage() { return tx(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")); }

QString DrawBrowser::drawLine(const TZiehung& record, bool wideSeparator)
{
    QString line = DayDate::formatDrawLineDate(record.Datum);
    line += wideSeparator ? QStringLiteral("   ") : QStringLiteral("  ");
    for (int i = 0; i < 6; ++i)
        line += QStringLiteral("  ") + QString::number(record.Zahlen[i]);
    return line;
}

QString DrawBrowser::drawLine(const DrawDisplay& shown)
{
    return shown.shown ? drawLine(shown.record, shown.wideSeparator) : QString();
}

QString DrawBrowser::drawLine(const DrawDisplay& shown, const Game& game)
{
    QString line = drawLine(shown);
    if (line.isEmpty() || game.extra == Game::Extra::None)
        return line;
    const TZiehung& r = shown.record;
    if (game.hasSuperzahl()) {
        if (r.Datum >= game.extraSince && r.Superzahl <= 9)
            line += QStringLiteral("  + ") + QString::number(r.Superzahl);
    } else if (r.Zusatzzahl != 0) {
        line += QStringLiteral("  + ") + QString::number(r.Zusatzzahl);
    }
    return line;
}

QString DrawBrowser::sumLabel(const DrawDisplay& shown)
{
    if (!shown.shown)
        return QString();
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += shown.record.Zahlen[i];
    return QStringLiteral("QS: ") + QString::number(sum);
}

void DrawBrowser::makeCurrent(ProgramState& state, const TZiehung& record, bool wideSeparator)
{
    state.currentDraw.take(record);
    state.shownDraw = DrawDisplay{true, record, wideSeparator};
}

void DrawBrowser::showWritten(ProgramState& state, const TZiehung& record)
{
    makeCurrent(state, record, true);
    state.shownDrawCopy = state.shownDraw;
    state.hooks->drawChanged();
}

Status DrawBrowser::showChosenDate(ProgramState& state)
{
    const DrawFile file = state.drawFile();
    if (!file.exists()) {
        state.hooks->showMessage(missingFileMessage());
        return file.create();
    }
    const double target = static_cast<double>(roundHalfEven(state.chosenDate.value));
    state.startDateField = target;

    auto records = state.history.records(file.path());
    if (!records)
        return records.error();
    const auto& all = *records;

    // Walk forward until the first record on or after the target; position counts from 1 here.
    std::int32_t counter = 1;
    std::size_t next = 0;
    const TZiehung* lastRead = nullptr;
    if (!all.empty()) {
        lastRead = &all[next++];
        if (lastRead->Datum >= target)
            makeCurrent(state, *lastRead, true);
    }
    while (next < all.size() && target > lastRead->Datum) {
        lastRead = &all[next++];
        ++counter;
        if (lastRead->Datum >= target)
            makeCurrent(state, *lastRead, false);
    }
    state.currentDraw.position = counter - 1;
    // Past the newest draw: show the newest one.
    if (next == all.size() && lastRead && lastRead->Datum > 0)
        makeCurrent(state, *lastRead, false);

    state.chosenDate.setDate(state.currentDraw.date);
    state.shownDrawCopy = state.shownDraw;
    Komplettcheck(state);
    return Done{};
}

Status DrawBrowser::previousDraw(ProgramState& state) { return step(state, -1); }

Status DrawBrowser::nextDraw(ProgramState& state) { return step(state, +1); }

Status DrawBrowser::step(ProgramState& state, int delta)
{
    std::int32_t position = state.currentDraw.position;
    position = delta < 0 ? std::max<std::int32_t>(position - 1, 0) : position + 1;
    state.startDateField = state.startDate.value;

    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const auto& all = *records;

    // An empty file yields a draw with day count 0 and all numbers 0.
    TZiehung lastRead;
    std::int32_t counter = 0;
    if (!all.empty()) {
        lastRead = all.front();
        while (std::size_t(counter) + 1 < all.size() && counter < position) {
            ++counter;
            lastRead = all[std::size_t(counter)];
        }
    }
    state.currentDraw.position = std::min(position, counter);
    makeCurrent(state, lastRead, false);
    state.chosenDate.setDate(state.currentDraw.date);
    state.shownDrawCopy = state.shownDraw;
    Komplettcheck(state);
    return Done{};
}

} // namespace numora
