#pragma once

#include "base/ProgramFolders.h"

#include "base/Expected.h"
#include "model/Game.h"
#include "output/TicketPresets.h"

#include <QString>

#include <array>
#include <optional>

namespace numora {

class TTippSchein;

// A game box of the print settings: ticked plays the game, unticked marks "Nein", grey marks
// nothing at all.
enum class GameBox { Unticked = 0, Ticked = 1, Grey = 2 };

// One "x" of the ticket page: its top-left corner in report units (1/96 inch) from the corner of
// the band, and whether it is printed.
struct TicketMark {
    QString name;
    int left = 0;
    int top = 0;
    bool printed = false;
};

// Sheet sizes of the paper choice "A4", "A4 Quer", "A5 Quer", "18x10,6".
struct PaperSize {
    int longMm = 297;
    int shortMm = 210;
    bool landscape = false;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

namespace Paper {
QStringList names();
// Nothing for an item outside the table: the page keeps its size.
std::optional<PaperSize> size(int item);
} // namespace Paper

// Fields of the print-position window ("Positionierung des Scheindruckes"), Edit1..Edit23.
namespace PositionField {
enum : int {
    FieldHeight = 1, FieldWidth = 2, LeftCorrection = 3, SecondRowCorrection = 4,
    Spiel77JaTop = 5, Spiel77JaLeft = 6, Spiel77NeinTop = 7, Spiel77NeinLeft = 8,
    Super6JaTop = 9, Super6JaLeft = 10, Super6NeinLeft = 11, Super6NeinTop = 12,
    WednesdayTop = 13, ImageFile = 14, WednesdayLeft = 15, GlueckJaTop = 16, SaturdayTop = 17,
    GlueckJaLeft = 18, SaturdayLeft = 19, GlueckNeinLeft = 20, BothDaysTop = 21, GlueckNeinTop = 22,
    BothDaysLeft = 23,
};
// The field's label in the window, to name it in a message.
QString label(int field);
} // namespace PositionField

// What the print run reads from the print settings and print-position windows.
struct TicketRequest {
    int preset = 0;   // NeuerSchein
    int top = 39;     // T, "Oben"
    int left = 47;    // L, "Links"
    int layout = 0;   // 0 blocks of 7x7, 1 one line of 49 per tip
    std::array<QString, 24> positions; // print-position fields by number (0 unused)
    bool saturday = true;
    bool wednesday = false;
    GameBox spiel77 = GameBox::Unticked;
    GameBox super6 = GameBox::Unticked;
    GameBox glueck = GameBox::Unticked;
    // The game's ticket: its numbers 1..maxNumber fill a grid of gridColumns, row by row (one
    // line of maxNumber in layout 1). A game without ticket layouts of its own prints through the
    // custom positioning whatever the preset; one without additional games prints none of their
    // marks, neither "Ja" nor "Nein".
    int maxNumber = Game::DefaultNumbers;
    int gridColumns = 7;
    int gridRows = 7;
    bool presets = true;
    bool additionalGames = true;

    void useGame(const Game& game);
};

// The ticket page of one print: every mark placed, and the print-position fields as the print
// leaves them (a preset writes its geometry back so that a custom positioning can start from it).
struct TicketLayout {
    static constexpr int OptionCount = 8;
    // Order of the option marks.
    enum Option { Samstag, Mittwoch, Spiel77Ja, Spiel77Nein, Super6, Super6nein, Glueck, GlueckNein };

    std::array<TicketMark, 72> numbers; // row r, field k (1-based) at (r - 1) * 6 + k - 1
    std::array<TicketMark, OptionCount> options;
    // An option mark's name ("Spiel77Ja"), and its label as the print windows show it, in the
    // language in use ("Spiel 77 Ja"); a name no option has keeps itself.
    static QString optionName(int option);
    static QString optionLabel(const QString& name);
    FieldGrid grid;
    std::array<QString, 24> positions;
    QString imageName; // the scanned ticket of the preset

    const TicketMark& number(int row, int field) const { return numbers.at(std::size_t((row - 1) * 6 + field - 1)); }
};

// Places the 80 marks. An empty field prints nothing; a field that holds no number 1..N, or a
// custom positioning field that is no integer, is an error naming it.
Expected<TicketLayout> layoutTicket(const TTippSchein& sheet, const TicketRequest& request);

} // namespace numora

namespace numora {
// The scanned ticket of `layout` in the program directory; a custom positioning's own file
// falls back to "schein.jpg" when it does not exist.
QString ticketImagePath(const ProgramFolders& folders, const TicketLayout& layout);
} // namespace numora
