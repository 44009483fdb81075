#include "output/TicketLayout.h"

#include "model/StoredChoices.h"
#include "model/TTippSchein.h"
#include "base/TextCatalog.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

using Option = TicketLayout::Option;

// A request as the print settings leave it after choosing `preset`: its own "Oben" and "Links".
TicketRequest requestFor(int preset)
{
    TicketRequest r;
    r.preset = preset;
    r.positions = PrintValues::designedPositions();
    if (preset < TicketPresets::Custom) {
        r.top = TicketPresets::table().at(std::size_t(preset)).top;
        r.left = TicketPresets::table().at(std::size_t(preset)).left;
    }
    return r;
}

void fillRow(TTippSchein& sheet, int row, std::array<int, 6> numbers)
{
    for (int k = 0; k < 6; ++k)
        sheet.setField(row - 1, k, QString::number(numbers[std::size_t(k)]));
}

// Oben 10, Links 20; fields 20 high, 10 wide, LK 4, K2 -2.
void useOwnGrid(TicketRequest& request)
{
    request.top = 10;
    request.left = 20;
    request.positions[PositionField::FieldHeight] = QStringLiteral("20");
    request.positions[PositionField::FieldWidth] = QStringLiteral("10");
    request.positions[PositionField::LeftCorrection] = QStringLiteral("4");
    request.positions[PositionField::SecondRowCorrection] = QStringLiteral("-2");
}

std::pair<int, int> at(const TicketMark& mark) { return {mark.left, mark.top}; }

TEST(TicketLayout, SachsenWorkedExample)
{
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 10});
    fillRow(sheet, 2, {1, 2, 3, 4, 5, 49});
    const auto layout = layoutTicket(sheet, requestFor(0));
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(at(layout->number(1, 6)), std::pair(80, 64));
    EXPECT_EQ(at(layout->number(2, 6)), std::pair(133, 234));
    EXPECT_EQ(layout->number(2, 6).name, QStringLiteral("2.6"));
    EXPECT_TRUE(layout->number(2, 6).printed);
    EXPECT_FALSE(layout->number(3, 1).printed);
}

// The preset table transcribed once more: a slip in either copy shows.
struct PresetCase {
    int item;
    int top, left, h;
    BoxOffset saturday, wednesday, spiel77Ja, super6Nein;
    std::optional<BoxOffset> glueckJa;
};

class TicketPresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(TicketPresetTest, NumbersAndOptionMarks)
{
    const PresetCase& c = GetParam();
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 7});
    TicketRequest request = requestFor(c.item);
    EXPECT_EQ(request.top, c.top);
    EXPECT_EQ(request.left, c.left);
    request.saturday = true;
    request.wednesday = false;
    request.spiel77 = GameBox::Ticked;
    request.super6 = GameBox::Unticked;
    request.glueck = GameBox::Ticked;
    const auto layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(at(layout->number(1, 1)), std::pair(c.left, c.top));
    EXPECT_EQ(at(layout->number(1, 6)), std::pair(c.left + 6 * c.h - 3, c.top));

    auto expectAt = [&](Option o, BoxOffset offset, bool printed) {
        const TicketMark& mark = layout->options.at(std::size_t(o));
        EXPECT_EQ(at(mark), std::pair(c.left + offset.x, c.top + offset.y)) << mark.name;
        EXPECT_EQ(mark.printed, printed) << mark.name;
    };
    expectAt(Option::Samstag, c.saturday, true);
    expectAt(Option::Mittwoch, c.wednesday, false);
    expectAt(Option::Spiel77Ja, c.spiel77Ja, true);
    EXPECT_FALSE(layout->options[Option::Spiel77Nein].printed);
    expectAt(Option::Super6nein, c.super6Nein, true);
    if (c.glueckJa) {
        expectAt(Option::Glueck, *c.glueckJa, true);
    } else {
        // The ticket has no Glücksspirale boxes: ticked or not, nothing is printed.
        EXPECT_FALSE(layout->options[Option::Glueck].printed);
        EXPECT_FALSE(layout->options[Option::GlueckNein].printed);
    }
    EXPECT_EQ(layout->imageName, c.item == 0 ? QStringLiteral("schein.jpg") : QStringLiteral("schein%1.jpg").arg(c.item));
}

INSTANTIATE_TEST_SUITE_P(
    AllPresets, TicketPresetTest,
    ::testing::Values(
        PresetCase{0, 50, 52, 14, {453, 229}, {535, 229}, {165, 258}, {331, 258}, BoxOffset{412, 258}},
        PresetCase{1, 47, 21, 15, {414, 283}, {385, 283}, {257, 283}, {214, 283}, std::nullopt},
        PresetCase{2, 38, 71, 14, {167, 298}, {167, 282}, {397, 267}, {465, 298}, BoxOffset{533, 267}},
        PresetCase{3, 46, 81, 15, {415, 280}, {415, 262}, {215, 280}, {287, 295}, std::nullopt},
        PresetCase{4, 69, 25, 16, {380, 305}, {380, 289}, {198, 305}, {122, 305}, BoxOffset{304, 305}},
        PresetCase{5, 60, 21, 15, {231, 273}, {187, 273}, {477, 258}, {433, 258}, BoxOffset{548, 258}},
        PresetCase{6, 55, 30, 14, {517, 241}, {450, 241}, {503, 290}, {395, 290}, std::nullopt},
        PresetCase{7, 55, 113, 14, {466, 293}, {466, 276}, {247, 276}, {204, 276}, BoxOffset{315, 276}},
        PresetCase{8, 37, 77, 14, {168, 297}, {168, 281}, {405, 266}, {475, 297}, BoxOffset{546, 266}},
        PresetCase{9, 32, 118, 14, {400, 300}, {400, 283}, {234, 282}, {209, 282}, std::nullopt},
        PresetCase{10, 76, 21, 14, {41, 254}, {72, 254}, {475, 254}, {557, 254}, BoxOffset{405, 254}},
        PresetCase{11, 41, 76, 14, {167, 298}, {167, 283}, {402, 267}, {472, 298}, BoxOffset{541, 267}},
        PresetCase{12, 44, 105, 14, {387, 327}, {387, 311}, {248, 328}, {207, 328}, BoxOffset{318, 328}}),
    [](const auto& info) { return "Item" + std::to_string(info.param.item); });

TEST(TicketLayout, AnEmptyRowMovesTheNextIntoItsBlockWithoutTheEvenRowCorrection)
{
    // Brandenburg: g 18, LK 5, K2 -7.
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 6});
    fillRow(sheet, 3, {1, 2, 3, 4, 5, 6});
    fillRow(sheet, 4, {1, 2, 3, 4, 5, 6});
    const auto layout = layoutTicket(sheet, requestFor(1));
    ASSERT_TRUE(layout.ok());
    // Row 3 below row 1 (block 1), odd: no K2.
    EXPECT_EQ(at(layout->number(3, 1)), std::pair(21, 47 + 7 * 18 + 5));
    // Row 4 in block 2, the second block column, even: K2 applies.
    EXPECT_EQ(at(layout->number(4, 1)), std::pair(21 + 7 * 15 - 5, 47 - 7));
    for (int k = 1; k <= 6; ++k)
        EXPECT_FALSE(layout->number(2, k).printed);
}

TEST(TicketLayout, OneLineOf49PerTip)
{
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 49});
    fillRow(sheet, 3, {1, 2, 3, 4, 5, 49});
    TicketRequest request = requestFor(1);
    request.layout = 1;
    const auto layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(at(layout->number(1, 6)), std::pair(21 + 48 * 15, 47));
    // No column correction, no LK, no K2: the next filled tip is simply one line lower.
    EXPECT_EQ(at(layout->number(3, 6)), std::pair(21 + 48 * 15, 47 + 18));
}

TEST(TicketLayout, GameAndDayMarks)
{
    TTippSchein sheet;
    TicketRequest request = requestFor(0);
    request.saturday = request.wednesday = true;
    request.spiel77 = GameBox::Grey;
    request.super6 = GameBox::Ticked;
    request.glueck = GameBox::Unticked;
    auto layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    // An empty sheet prints the option marks only.
    for (const TicketMark& mark : layout->numbers)
        EXPECT_FALSE(mark.printed);
    QStringList printed;
    for (const TicketMark& mark : layout->options)
        if (mark.printed)
            printed << mark.name;
    EXPECT_EQ(printed, (QStringList{"Samstag", "Mittwoch", "Super6", "GlueckNein"}));
    // Sachsen has no box for both days: each day keeps its own.
    EXPECT_EQ(at(layout->options[Option::Samstag]), std::pair(52 + 453, 50 + 229));
    EXPECT_EQ(at(layout->options[Option::Mittwoch]), std::pair(52 + 535, 50 + 229));

    // Berlin has one: both marks fall on it, and only the "Sa/Mi" fields are written back.
    request = requestFor(5);
    request.saturday = request.wednesday = true;
    layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(at(layout->options[Option::Samstag]), std::pair(21 + 187, 60 + 257));
    EXPECT_EQ(at(layout->options[Option::Mittwoch]), std::pair(21 + 187, 60 + 257));
    const auto& fields = layout->positions;
    EXPECT_EQ(fields[PositionField::BothDaysLeft], QStringLiteral("187"));
    EXPECT_EQ(fields[PositionField::BothDaysTop], QStringLiteral("257"));
    EXPECT_EQ(fields[PositionField::SaturdayLeft], QStringLiteral("449")); // as designed, untouched
    EXPECT_EQ(fields[PositionField::FieldHeight], QStringLiteral("15"));
    EXPECT_EQ(fields[PositionField::SecondRowCorrection], QStringLiteral("-3"));
    EXPECT_EQ(fields[PositionField::Super6NeinLeft], QStringLiteral("433"));
    EXPECT_EQ(fields[PositionField::GlueckNeinTop], QStringLiteral("258"));
}

TEST(TicketLayout, CustomPositioningReadsEveryField)
{
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 49});
    fillRow(sheet, 2, {1, 2, 3, 4, 5, 6});
    TicketRequest request = requestFor(TicketPresets::Custom);
    useOwnGrid(request);
    request.positions[PositionField::ImageFile] = QStringLiteral("mein.jpg");
    request.saturday = request.wednesday = true;
    auto layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    EXPECT_EQ(at(layout->number(1, 6)), std::pair(20 + 60 - 3, 10 + 120));
    EXPECT_EQ(at(layout->number(2, 1)), std::pair(20, 10 + 140 + 4 - 2));
    // "Sa/Mi" empty: both days keep their own boxes.
    EXPECT_EQ(at(layout->options[Option::Samstag]), std::pair(20 + 449, 10 + 216));
    EXPECT_EQ(at(layout->options[Option::Mittwoch]), std::pair(20 + 545, 10 + 216));
    EXPECT_EQ(at(layout->options[Option::Glueck]), std::pair(20 + 285, 10 + 258));
    EXPECT_EQ(layout->imageName, QStringLiteral("mein.jpg"));
    EXPECT_EQ(layout->positions, request.positions); // nothing written back

    request.positions[PositionField::BothDaysTop] = QStringLiteral("300");
    request.positions[PositionField::BothDaysLeft] = QStringLiteral("100");
    layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(at(layout->options[Option::Samstag]), std::pair(120, 310));
    EXPECT_EQ(at(layout->options[Option::Mittwoch]), std::pair(120, 310));
}

// A 6-of-90 game without ticket layouts or additional games: the custom positioning over its
// grid of 10 columns whatever preset is stored, numbers to 90, no marks of games it has not.
TEST(TicketLayout, AGameWithoutLayoutsPrintsOverItsOwnGrid)
{
    Game cilgin;
    cilgin.id = QStringLiteral("cilgin");
    cilgin.numbers = 90;
    cilgin.gridColumns = 10;
    cilgin.gridRows = 9;
    TTippSchein sheet;
    sheet.setMaxNumber(90);
    fillRow(sheet, 1, {1, 10, 11, 64, 81, 90});
    fillRow(sheet, 2, {1, 2, 3, 4, 5, 6});
    TicketRequest request = requestFor(4); // a state ticket stored from the default game
    request.useGame(cilgin);
    useOwnGrid(request);
    request.spiel77 = request.super6 = GameBox::Ticked;
    request.glueck = GameBox::Unticked;
    auto layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok()) << layout.error().message;
    // Number n at column (n - 1) mod 10, line (n - 1) div 10; no squeeze of a 7-wide ticket.
    const struct {
        int field, column, line;
    } marks[] = {{1, 0, 0}, {2, 9, 0}, {3, 0, 1}, {4, 3, 6}, {5, 0, 8}, {6, 9, 8}};
    for (const auto& m : marks)
        EXPECT_EQ(at(layout->number(1, m.field)), std::pair(20 + 10 * m.column, 10 + 20 * m.line)) << m.field;
    // The second tip's block lies below the first: nine lines, LK and K2.
    EXPECT_EQ(at(layout->number(2, 1)), std::pair(20, 10 + 9 * 20 + 4 - 2));
    EXPECT_EQ(layout->positions, request.positions); // the custom fields, nothing of the preset
    for (Option o : {Option::Spiel77Ja, Option::Spiel77Nein, Option::Super6, Option::Super6nein, Option::Glueck,
                     Option::GlueckNein})
        EXPECT_FALSE(layout->options[o].printed) << layout->options[o].name.toStdString();
    EXPECT_TRUE(layout->options[Option::Samstag].printed);

    // One line of 90 per tip.
    request.layout = 1;
    layout = layoutTicket(sheet, request);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(at(layout->number(1, 6)), std::pair(20 + 89 * 10, 10));

    // 64 is no number of the default game's ticket.
    const auto refused = layoutTicket(sheet, requestFor(4));
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().message.contains(QStringLiteral("'64'"))) << refused.error().message;
}

TEST(TicketLayout, ABadFieldIsNamedAndNothingIsLaidOut)
{
    TTippSchein sheet;
    TicketRequest request = requestFor(TicketPresets::Custom);
    request.positions[PositionField::Super6NeinTop] = QStringLiteral("25x");
    auto layout = layoutTicket(sheet, request);
    ASSERT_FALSE(layout.ok());
    EXPECT_TRUE(layout.error().message.contains(QStringLiteral("'25x'"))) << layout.error().message;
    EXPECT_TRUE(layout.error().message.contains(QStringLiteral("Super 6  Nein: Oben"))) << layout.error().message;

    // The same text under a preset is never read.
    request.preset = 3;
    EXPECT_TRUE(layoutTicket(sheet, request).ok());
}

TEST(TicketLayout, PaperTable)
{
    EXPECT_EQ(Paper::size(0), (PaperSize{297, 210, false}));
    EXPECT_EQ(Paper::size(1), (PaperSize{297, 210, true}));
    EXPECT_EQ(Paper::size(2), (PaperSize{210, 148, true}));
    EXPECT_EQ(Paper::size(3), (PaperSize{180, 106, true}));
    EXPECT_FALSE(Paper::size(-1));
    EXPECT_EQ(Paper::names().size(), 4);
}

// A message names an option mark as the print windows label it, in the language in use, never by
// its internal name.
TEST(TicketLayout, OptionMarksAreNamedByTheirLabels)
{
    const std::pair<int, const char*> german[] = {
        {Option::Samstag, "Samstag"},         {Option::Mittwoch, "Mittwoch"},
        {Option::Spiel77Ja, "Spiel 77 Ja"},   {Option::Spiel77Nein, "Spiel 77 Nein"},
        {Option::Super6, "Super 6 Ja"},       {Option::Super6nein, "Super 6 Nein"},
        {Option::Glueck, "Glücksspirale Ja"}, {Option::GlueckNein, "Glücksspirale Nein"},
    };
    TTippSchein sheet;
    fillRow(sheet, 1, {1, 2, 3, 4, 5, 6});
    const auto layout = layoutTicket(sheet, requestFor(0));
    ASSERT_TRUE(layout.ok());
    for (const auto& [option, label] : german)
        EXPECT_EQ(TicketLayout::optionLabel(layout->options.at(std::size_t(option)).name), QString::fromUtf8(label));
    EXPECT_EQ(TicketLayout::optionLabel(QStringLiteral("3.4")), QStringLiteral("3.4"));

    TextCatalog::load({QStringLiteral("Spiel 77  Ja:\tSpiel 77  yes:")});
    EXPECT_EQ(TicketLayout::optionLabel(QStringLiteral("Spiel77Ja")), QStringLiteral("Spiel 77 yes"));
    TextCatalog::clear();
}

} // namespace
} // namespace numora
