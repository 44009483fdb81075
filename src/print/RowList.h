#pragma once

#include "base/Expected.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;
class QPageLayout;

namespace numora {
class Meldungen;
class TTippSchein;
struct Game;
} // namespace numora

namespace numora::print {

// The rows of the sheet as a plain printed list: what a player of a game whose paper ticket the
// program cannot fill copies onto it by hand or takes to the counter.
struct RowListPage {
    QString title;     // the PDF's title: the game's name
    QStringList lines; // printed one below the other
    QFont font;        // fixed pitch, so that the numbers stand in columns
};

// The game's name, the tip report's lines for the draw on `drawDate` (none: 0) and, when `cost`
// is not empty, the cost of the rows. A filled row with a field that is no number is an error.
Expected<RowListPage> rowList(const Game& game, const TTippSchein& sheet, double drawDate, const Meldungen& meldungen,
                              const QString& cost);

// A4 portrait with margins of 20 mm.
QPageLayout rowListLayout();
// Paints the lines from the top-left corner of the printable area, in the device's own units.
void paintRowList(QPainter& painter, const RowListPage& page);
// The list as a one-page PDF, written through a temporary file beside `path`.
Status writeRowListPdf(const QString& path, const RowListPage& page);

} // namespace numora::print
