#pragma once

#include <QString>

namespace numora {

// What the print settings dialog says about a ticket when the sheet is handed on: draw days,
// additional games, the seven-digit ticket number and the broker portal.
struct SubmitOptions {
    bool saturday = false;       // "Samstag"
    bool wednesday = false;      // "Mittwoch"
    bool spiel77 = false;        // "Spiel 77" (grey counts as not ticked)
    bool super6 = false;         // "Super 6"
    bool gluecksspirale = false; // "Glücksspirale"
    bool extra = false;          // "Extra": the broker's Extra-Lotto
    QString ticketNumber;        // the seven digits, concatenated
    int portal = 1;              // "Tippschein abgeben bei...": 0 Lottery24, 1 Tipp24
};

} // namespace numora
