#include "ui/print/TicketPage.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace numora::ui {

namespace {

std::function<void(const print::TicketPage&)>& nextAnswer()
{
    static std::function<void(const print::TicketPage&)> answer;
    return answer;
}

} // namespace

void TForm4::answerNextPreview(std::function<void(const print::TicketPage&)> look) { nextAnswer() = std::move(look); }

void TForm4::loadTicketImage(const QString& path)
{
    QImage image;
    if (QFileInfo(path).isFile() && image.load(path))
        m_ticketImage = image;
}

void TForm4::preview(QWidget* parent)
{
    if (auto answer = std::exchange(nextAnswer(), nullptr)) {
        answer(m_page);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_page.title);
    printer.setFullPage(true);
    // The band comes out in the orientation of the paper choice.
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(m_page.paper.shortMm, m_page.paper.longMm), QPageSize::Millimeter),
                                      m_page.paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(m_page.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* target) {
        QPainter painter(target);
        paintTicket(painter, m_page, target->resolution() / 96.0);
    });
    dialog.resize(900, 700);
    dialog.exec();
}

} // namespace numora::ui
