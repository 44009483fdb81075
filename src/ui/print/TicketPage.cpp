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

void TForm4::printOn(QPrinter& printer, const print::TicketPage& page)
{
    // The preview's print dialog puts its own default paper on the printer (US Letter for a PDF):
    // the paper chosen in the print settings wins.
    printer.setFullPage(true);
    printer.setPageLayout(print::pageLayout(page));
    QPainter painter(&printer);
    paintTicket(painter, page, printer.resolution() / 96.0);
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
    printer.setPageLayout(print::pageLayout(m_page));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(m_page.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { printOn(*target, m_page); });
    dialog.resize(900, 700);
    dialog.exec();
}

} // namespace numora::ui
