#include "output/TicketPresets.h"

#include "base/TextCatalog.h"

#include <algorithm>

namespace numora::TicketPresets {

namespace {

using G = std::array<BoxOffset, 2>;

TicketPreset preset(const char* name, int top, int left, FieldGrid grid, std::optional<BoxOffset> both,
                    BoxOffset sa, BoxOffset mi, BoxOffset s77ja, BoxOffset s77nein, BoxOffset s6ja, BoxOffset s6nein,
                    std::optional<G> glueck)
{
    return TicketPreset{QString::fromUtf8(name), top, left, grid, both, sa, mi, s77ja, s77nein, s6ja, s6nein, glueck};
}

std::array<TicketPreset, 13> makeTable()
{
    // Sachsen has no box for both days: the two days keep their own boxes.
    return {
        preset("Sachsen ... ", 50, 52, {14, 14, 2, 0}, std::nullopt, {453, 229}, {535, 229}, {165, 258},
               {207, 258}, {289, 258}, {331, 258}, G{{{412, 258}, {454, 258}}}),
        preset("Brandenburg ", 47, 21, {18, 15, 5, -7}, BoxOffset{342, 283}, {414, 283}, {385, 283}, {257, 283},
               {285, 283}, {187, 283}, {214, 283}, std::nullopt),
        preset("Baden-Württemberg", 38, 71, {16, 14, -1, 7}, BoxOffset{167, 267}, {167, 298}, {167, 282},
               {397, 267}, {397, 298}, {465, 267}, {465, 298}, G{{{533, 267}, {533, 298}}}),
        preset("Mecklenburg-Vorpommern", 46, 81, {17, 15, 4, -7}, BoxOffset{415, 295}, {415, 280}, {415, 262},
               {215, 280}, {215, 295}, {287, 280}, {287, 295}, std::nullopt),
        preset("Nordrhein-Westfalen", 69, 25, {17, 16, 6, -5}, BoxOffset{380, 272}, {380, 305}, {380, 289},
               {198, 305}, {228, 305}, {92, 305}, {122, 305}, G{{{304, 305}, {334, 305}}}),
        preset("Berlin", 60, 21, {15, 15, 4, -3}, BoxOffset{187, 257}, {231, 273}, {187, 273}, {477, 258},
               {504, 258}, {403, 258}, {433, 258}, G{{{548, 258}, {577, 258}}}),
        preset("Saarland", 55, 30, {16, 14, 3, -3}, BoxOffset{450, 258}, {517, 241}, {450, 241}, {503, 290},
               {558, 290}, {340, 290}, {395, 290}, std::nullopt),
        preset("Niedersachsen", 55, 113, {16, 14, 2, 0}, BoxOffset{466, 260}, {466, 293}, {466, 276}, {247, 276},
               {274, 276}, {178, 276}, {204, 276}, G{{{315, 276}, {343, 276}}}),
        preset("Hessen", 37, 77, {16, 14, -4, 8}, BoxOffset{168, 266}, {168, 297}, {168, 281}, {405, 266},
               {405, 297}, {475, 266}, {475, 297}, G{{{546, 266}, {546, 297}}}),
        preset("Sachsen-Anhalt", 32, 118, {17, 14, 1, -5}, BoxOffset{400, 265}, {400, 300}, {400, 283},
               {234, 282}, {262, 282}, {178, 282}, {209, 282}, std::nullopt),
        preset("Bayern", 76, 21, {15, 14, 0, -1}, BoxOffset{14, 254}, {41, 254}, {72, 254}, {475, 254},
               {503, 254}, {533, 254}, {557, 254}, G{{{405, 254}, {432, 254}}}),
        preset("Rheinland-Pfalz", 41, 76, {16, 14, -3, 8}, BoxOffset{167, 267}, {167, 298}, {167, 283},
               {402, 267}, {402, 298}, {472, 267}, {472, 298}, G{{{541, 267}, {541, 298}}}),
        preset("Hamburg", 44, 105, {16, 14, 1, 2}, BoxOffset{387, 295}, {387, 327}, {387, 311}, {248, 328},
               {275, 328}, {180, 328}, {207, 328}, G{{{318, 328}, {345, 328}}}),
    };
}

} // namespace

const std::array<TicketPreset, 13>& table()
{
    static const std::array<TicketPreset, 13> presets = makeTable();
    return presets;
}

QStringList names()
{
    QStringList items;
    for (const TicketPreset& p : table())
        items << p.name;
    items << tx(QStringLiteral("Selbst definierte Positionierung"));
    return items;
}

BoxOffset numberMark(const FieldGrid& grid, int layout, int number, int block, bool evenRow, int columns, int rows)
{
    if (layout == 1)
        return {grid.h * (number - 1), grid.g * block};
    columns = std::max(columns, 1);
    const int m = number - 1;
    const int column = m % columns;
    const int line = m / columns;
    // On the 7-wide state tickets the boxes of columns 5 to 7 sit a little closer together.
    const int squeeze = columns == 7 ? std::max(0, column - 3) : 0;
    const int left = grid.h * column + (block / 2) * (columns * grid.h - grid.lk) - squeeze;
    const int top = grid.g * line + (block % 2) * (rows * grid.g + grid.lk) + (evenRow ? grid.k2 : 0);
    return {left, top};
}

QString imageName(int item)
{
    if (item >= 1 && item <= 12)
        return QStringLiteral("schein%1.jpg").arg(item);
    return QStringLiteral("schein.jpg");
}

} // namespace numora::TicketPresets
