#pragma once

#include "model/StoredChoices.h"
#include "base/Expected.h"
#include "output/TicketLayout.h"

#include <QColor>
#include <QFont>
#include <QImage>

#include <functional>
#include <vector>

class QPainter;
class QPageLayout;

namespace numora::print {

// The ticket page drawn from its layout: one band at the top of the page, in report units of
// 1/96 inch, every printed mark an "x" in the print font, the scanned ticket under them for a
// test print.
struct TicketPage {
    static constexpr int BandWidth = 794;
    static constexpr int BandHeight = 449;
    static constexpr int ImageLeft = 8;
    static constexpr int ImageTop = 4;
    static constexpr int ImageWidth = 753;
    static constexpr int ImageHeight = 429;

    TicketLayout layout;
    PaperSize paper;
    QFont font;
    QColor colour = Qt::black;
    QImage image;         // the scanned ticket; null when not printed
    QString title = QStringLiteral("Druck des Lottoscheines");
};

// The print font and colour the settings keep.
QFont printFont(const PrintValues& values);
QColor printColour(std::int32_t platformColour);

// The printed marks whose "x" does not lie wholly on the paper (it would be clipped or lost),
// in the order they are painted: number marks, then option marks.
std::vector<const TicketMark*> marksOffPaper(const TicketPage& page);
// The rows ("9. Tipp") and option marks ("Spiel 77 Ja") of `marks`, each once, for a message.
QStringList offPaperPlaces(const std::vector<const TicketMark*>& marks);

// The chosen paper, without margins, in the orientation of the paper choice.
QPageLayout pageLayout(const TicketPage& page);

// Paints the band; `scale` is device units per report unit.
void paintTicket(QPainter& painter, const TicketPage& page, double scale);

// The page as a one-page PDF, written through a temporary file beside `path`.
Status writePdf(const QString& path, const TicketPage& page);
// A one-page PDF at 96 dots per inch that `paint` fills, written the same way.
Status writeOnePagePdf(const QString& path, const QString& title, const QPageLayout& layout,
                       const std::function<void(QPainter&)>& paint);

} // namespace numora::print
