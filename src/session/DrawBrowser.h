#pragma once

#include "model/Game.h"

#include "base/Expected.h"

#include <QString>

namespace numora {

struct DrawDisplay;
struct ProgramState;
struct TZiehung;

// Steps through the history: the draw of the chosen date, the previous and the next draw.
// Each ends with the current draw, its texts and the chosen-date picker on one record and
// the sheet evaluated against it.
class DrawBrowser {
public:
    static QString missingFileMessage(); // "Lesen Sie zuerst die Daten der Ziehungen ein"

    // The first draw dated on or after the chosen date, else the newest draw. A missing draw
    // file is reported through the hooks and created empty.
    static Status showChosenDate(ProgramState& state);
    static Status previousDraw(ProgramState& state);
    static Status nextDraw(ProgramState& state);

    // Date, a separator of two or three blanks, then two blanks before each number.
    static QString drawLine(const TZiehung& record, bool wideSeparator);
    // The texts of the draw labels: the draw line and "QS: " with the sum of the six numbers;
    // empty while no draw was shown.
    static QString drawLine(const DrawDisplay& shown);
    static QString sumLabel(const DrawDisplay& shown);
    // The draw line of a game with an extra number: "  + N" after the six, where the draw has
    // one (a bonus or Joker of 0 is none; a Superzahl only from the day the game drew it).
    static QString drawLine(const DrawDisplay& shown, const Game& game);
    // The record becomes the current draw with its draw line and "QS: " label.
    static void makeCurrent(ProgramState& state, const TZiehung& record, bool wideSeparator);
    // The draw an update or rebuild is writing, shown on both tabs with the wide separator.
    static void showWritten(ProgramState& state, const TZiehung& record);

private:
    static Status step(ProgramState& state, int delta);
};

} // namespace numora
