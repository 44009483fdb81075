#include "ui/print/RowListPrint.h"

#include <QPainter>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <utility>

namespace numora::ui::RowListPrint {

namespace {

std::function<void(const print::RowListPage&)>& nextAnswer()
{
    static std::function<void(const print::RowListPage&)> answer;
    return answer;
}

} // namespace

void answerNextPreview(std::function<void(const print::RowListPage&)> look) { nextAnswer() = std::move(look); }

void printOn(QPrinter& printer, const print::RowListPage& page)
{
    printer.setPageLayout(print::rowListLayout());
    QPainter painter(&printer);
    print::paintRowList(painter, page);
}

void preview(const print::RowListPage& page, QWidget* parent)
{
    if (auto answer = std::exchange(nextAnswer(), nullptr)) {
        answer(page);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title);
    printer.setPageLayout(print::rowListLayout());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("RowListPreview"));
    dialog.setWindowTitle(page.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter* target) { printOn(*target, page); });
    dialog.resize(700, 800);
    dialog.exec();
}

} // namespace numora::ui::RowListPrint
