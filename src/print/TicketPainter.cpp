#include "print/TicketPainter.h"

#include "base/FileSystem.h"
#include "base/TextCatalog.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace numora::print {

QFont printFont(const PrintValues& values)
{
    QFont font(values.fontName);
    font.setPointSize(std::max(1, int(values.fontSize)));
    font.setBold(values.fontStyle & 1);
    font.setItalic(values.fontStyle & 2);
    font.setUnderline(values.fontStyle & 4);
    font.setStrikeOut(values.fontStyle & 8);
    return font;
}

QColor printColour(std::int32_t platformColour)
{
    // System colours (high bit set) are the window text colour on paper: black.
    if (platformColour < 0)
        return Qt::black;
    const auto c = std::uint32_t(platformColour);
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

std::vector<const TicketMark*> marksOffPaper(const TicketPage& page)
{
    // The page in report units (1/96 inch); a mark's "x" measured as the PDF paints it.
    const double unitsPerMm = 96.0 / 25.4;
    const bool landscape = page.paper.landscape;
    const QRectF paper(0, 0, (landscape ? page.paper.longMm : page.paper.shortMm) * unitsPerMm,
                       (landscape ? page.paper.shortMm : page.paper.longMm) * unitsPerMm);
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(qRound(96 / 0.0254));
    device.setDotsPerMeterY(qRound(96 / 0.0254));
    const QFontMetricsF metrics(page.font, &device);
    const QRectF glyph = metrics.tightBoundingRect(QStringLiteral("x")).translated(0, metrics.ascent());
    std::vector<const TicketMark*> off;
    auto check = [&](const TicketMark& mark) {
        if (mark.printed && !paper.contains(glyph.translated(mark.left, mark.top)))
            off.push_back(&mark);
    };
    for (const TicketMark& mark : page.layout.numbers)
        check(mark);
    for (const TicketMark& mark : page.layout.options)
        check(mark);
    return off;
}

QStringList offPaperPlaces(const std::vector<const TicketMark*>& marks)
{
    QStringList places;
    for (const TicketMark* mark : marks) {
        // Number marks are named "row.field".
        const qsizetype dot = mark->name.indexOf(QLatin1Char('.'));
        const QString place = dot > 0 ? tx(QStringLiteral("%1. Tipp")).arg(mark->name.left(dot))
                                      : TicketLayout::optionLabel(mark->name);
        if (!places.contains(place))
            places << place;
    }
    return places;
}

void paintTicket(QPainter& painter, const TicketPage& page, double scale)
{
    painter.save();
    if (!page.image.isNull()) {
        const QRectF target(TicketPage::ImageLeft * scale, TicketPage::ImageTop * scale, TicketPage::ImageWidth * scale,
                            TicketPage::ImageHeight * scale);
        painter.drawImage(target, page.image);
    }
    painter.setFont(page.font);
    painter.setPen(page.colour);
    // A mark's position is the top-left corner of its label; the text sits on the baseline below.
    const double ascent = QFontMetricsF(page.font, painter.device()).ascent();
    auto draw = [&](const TicketMark& mark) {
        if (mark.printed)
            painter.drawText(QPointF(mark.left * scale, mark.top * scale + ascent), QStringLiteral("x"));
    };
    for (const TicketMark& mark : page.layout.numbers)
        draw(mark);
    for (const TicketMark& mark : page.layout.options)
        draw(mark);
    painter.restore();
}

QPageLayout pageLayout(const TicketPage& page)
{
    return QPageLayout(QPageSize(QSizeF(page.paper.shortMm, page.paper.longMm), QPageSize::Millimeter),
                       page.paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

Status writeOnePagePdf(const QString& path, const QString& title, const QPageLayout& layout,
                      const std::function<void(QPainter&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Numora"));
        writer.setResolution(96);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer))
            return FileSystem::fileError(path, tx(QStringLiteral("the PDF page could not be started")));
        paint(painter);
        painter.end();
    }
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), buffer.data());
}

Status writePdf(const QString& path, const TicketPage& page)
{
    return writeOnePagePdf(path, page.title, pageLayout(page), [&page](QPainter& painter) { paintTicket(painter, page, 1.0); });
}

} // namespace numora::print
