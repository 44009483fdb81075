#pragma once

#include "base/Expected.h"
#include "output/TicketLayout.h"

#include <QDate>
#include <QString>

#include <array>

namespace numora {

class Random;
struct Game;
struct ProgramState;

// What the print settings window computes: the cost display, the fees, the preselected days and
// the Superzahl the ticket number ends in.
namespace PrintSettings {

constexpr double DefaultFeeOneDay = 0.5;
constexpr double DefaultFeeBothDays = 1.0;

// A fee field read as a decimal number, `fallback` when it is none.
double fee(const QString& text, double fallback);

struct CostInput {
    int rows = 0;
    bool saturday = false;
    bool wednesday = false;
    GameBox spiel77 = GameBox::Unticked;
    GameBox super6 = GameBox::Unticked;
    GameBox glueck = GameBox::Unticked;
    double feeOneDay = DefaultFeeOneDay;
    double feeBothDays = DefaultFeeBothDays;
    bool extra = false; // Extra-Lotto of the broker: its own price, no days, no games
};

// `byClick`: recomputed because a box was clicked; then no day ticked costs nothing.
double cost(const CostInput& input, bool byClick);
// "20,50 €": currency format, two decimals, five significant digits.
QString formatCost(double cost);

// The cost display in `game`. The state tickets' game (the one with ticket layouts) keeps the
// price above; another game pays its own fee per row for each ticked draw day, shown in its
// currency, and nothing for additional games or a state lottery's fee it has not. A game
// that sets no fee says so instead of a price.
QString costText(const Game& game, const CostInput& input, bool byClick);
// `amount` in `currency` (ISO code): "3,60 €" for EUR, "1.234,50 TRY" otherwise.
// "€" for EUR, else the currency's code as the game names it.
QString currencySign(const QString& currency);
QString formatAmount(double amount, const QString& currency);

// Filled rows: those whose first field holds a number.
int filledRows(const class TTippSchein& sheet);

struct Days {
    bool saturday = false;
    bool wednesday = false;
};
// Saturday only when the player plays only Saturdays; else Wednesday from Sunday to Wednesday,
// Saturday from Thursday to Saturday.
Days preselectDays(bool saturdayOnly, const QDate& today);

// "Superzahl Option": 0 random, 1 the rarest digit, 2 the digit overdue longest.
enum class SuperzahlOption { Random = 0, Rarest = 1, LongestOverdue = 2 };

struct SuperzahlChoice {
    int digit = 0;
    // The exclusion of the last draws' digits left no digit, so it was chosen without it.
    bool exclusionDropped = false;
};

// The choice over the two Superzahl statistics (values per digit 0..9). `exclusion` and `x`:
// "Superzahlen der letzten Ziehungen nicht verwenden" and its count.
SuperzahlChoice chooseSuperzahl(SuperzahlOption option, bool exclusion, int x, const std::array<int, 10>& overdue,
                                const std::array<int, 10>& frequency, Random& random);
// The same over the history of `state` (runs the statistics it needs, leaving their chart).
Expected<SuperzahlChoice> chooseSuperzahl(ProgramState& state);

} // namespace PrintSettings
} // namespace numora
