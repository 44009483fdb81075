#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace numora {

// Offset of a box on the ticket from the corner of the tip block: x is added to L ("Links"),
// y to T ("Oben"), in report units of 1/96 inch.
struct BoxOffset {
    int x = 0;
    int y = 0;
    friend bool operator==(const BoxOffset&, const BoxOffset&) = default;
};

// Spacing of the number boxes: field height g, field width h, the left correction LK between
// block columns and the correction K2 of the even rows.
struct FieldGrid {
    int g = 14;
    int h = 14;
    int lk = 3;
    int k2 = 0;
};

// The ticket of one state lottery.
struct TicketPreset {
    QString name;
    int top = 0;  // "Oben" the preset sets
    int left = 0; // "Links"
    FieldGrid grid;
    std::optional<BoxOffset> bothDays; // one box for Saturday and Wednesday together
    BoxOffset saturday;
    BoxOffset wednesday;
    BoxOffset spiel77Ja, spiel77Nein;
    BoxOffset super6Ja, super6Nein;
    std::optional<std::array<BoxOffset, 2>> glueck; // Ja, Nein; none when the ticket has no boxes
};

namespace TicketPresets {

constexpr int Count = 14;       // items of "Auswahl der Landeslotterie "
constexpr int Brandenburg = 1;  // the one preset that leaves the layout as it was
constexpr int Custom = 13;      // "Selbst definierte Positionierung"

// Presets 0..12.
const std::array<TicketPreset, 13>& table();
// The fourteen item texts.
QStringList names();
// Whether choosing `item` sets the layout to blocks of 7x7.
inline bool setsBlockLayout(int item) { return item != Brandenburg && item != Custom; }

// Number marks. Layout 0: each tip a block of columns x rows boxes (7x7 on the state tickets),
// blocks in pairs one above the other; layout 1: each tip one line of boxes. `block` counts the
// filled rows before this one, `evenRow` says whether the tip row (1..12) is even. Result:
// top-left corner of the "x".
BoxOffset numberMark(const FieldGrid& grid, int layout, int number, int block, bool evenRow, int columns = 7,
                     int rows = 7);

// File of the scanned ticket for preset `item`: "schein.jpg" for 0 and anything outside 1..12.
QString imageName(int item);

} // namespace TicketPresets
} // namespace numora
