#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace numora {

// Values of the main window that the ticket print and the submission use and the settings store
// keeps; the print and submission windows bind their widgets to them. The ticket number itself
// travels with the sheet (TTippSchein::ticketNumber).
struct TicketChoices {
    std::int32_t neuerSchein = 0; // ticket layout selector
    std::int32_t spiel77Ja = 0;
    std::int32_t super6Ja = 0;
    std::int32_t glueckJa = 0;
    std::int32_t land = 1;        // region
    std::int32_t tippTop = 39;    // tip block on the printed ticket
    std::int32_t tippLeft = 47;
    std::int32_t superzahlOption = 0; // RadioGroup1 "Superzahl Option"
    std::int32_t losnummerOption = 3; // RadioGroup2 "Super6 und Spiel77 Option"
};

// The values of the print settings and print-position windows the store keeps.
struct PrintValues {
    // Platform colour value of the window-text colour, the designed print font colour.
    static constexpr std::int32_t WindowTextColour = std::int32_t(0x80000008u);

    // Texts of the fields Edit1..Edit23 of the print-position window (index 0 unused).
    std::array<QString, 24> positions = designedPositions();
    std::int32_t layout = 0;       // RadioF8: blocks 7x7 or one row 49x1
    std::uint8_t fontStyle = 1;    // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    std::int32_t fontColor = WindowTextColour;
    std::int32_t fontSize = 8;
    QString fontName = QStringLiteral("Arial");
    std::int32_t paper = 0;        // DruckPapier: A4, A4 Quer, A5 Quer, 18x10,6
    std::int32_t portal = 1;       // TippAbgabe
    QString feeOneDraw = QStringLiteral("0,50");   // ZWEIPREIS, Edit81
    QString feeBothDraws = QStringLiteral("1,00"); // EINPREIS, Edit82

    static std::array<QString, 24> designedPositions()
    {
        std::array<QString, 24> p;
        const char* designed[24] = {"",    "14",  "14",  "3",   "0",   "258", "162", "258",
                                    "204", "258", "285", "325", "258", "216", "schein.jpg", "545",
                                    "258", "216", "285", "449", "325", "",    "258", ""};
        for (std::size_t i = 0; i < p.size(); ++i)
            p[i] = QString::fromLatin1(designed[i]);
        return p;
    }
};

} // namespace numora
