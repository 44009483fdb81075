#include "print/RowList.h"

#include "base/TextCatalog.h"
#include "model/Game.h"
#include "output/TipReport.h"
#include "print/TicketPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

namespace numora::print {

Expected<RowListPage> rowList(const Game& game, const TTippSchein& sheet, double drawDate, const Meldungen& meldungen,
                              const QString& cost)
{
    auto report = TipReport::lines(sheet, drawDate, meldungen);
    if (!report)
        return report.error();
    RowListPage page;
    const QString name = game.nameIn(QLocale().name().left(2));
    page.title = name;
    // Without a draw date the report's heading would name no day: the list starts at its rule.
    if (drawDate <= 0)
        report->removeFirst();
    page.lines << name + QStringLiteral(" ") + game.shortForm() << QString() << *report;
    if (!cost.isEmpty())
        page.lines << QString() << tx(QStringLiteral("Preis: %1")).arg(cost);
    page.font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    page.font.setPointSize(11);
    return page;
}

QPageLayout rowListLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

void paintRowList(QPainter& painter, const RowListPage& page)
{
    painter.save();
    painter.setFont(page.font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(page.font, painter.device());
    double y = metrics.ascent();
    for (const QString& line : page.lines) {
        painter.drawText(QPointF(0, y), line);
        y += metrics.lineSpacing();
    }
    painter.restore();
}

Status writeRowListPdf(const QString& path, const RowListPage& page)
{
    return writeOnePagePdf(path, page.title, rowListLayout(), [&page](QPainter& painter) { paintRowList(painter, page); });
}

} // namespace numora::print
