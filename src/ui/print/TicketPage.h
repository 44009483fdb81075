#pragma once

#include "print/TicketPainter.h"

#include <functional>

class QPrinter;
class QWidget;

namespace numora::ui {

// The ticket page: lives for the whole run; each print replaces its marks, only the paper choice
// changes its size and only a test print with an existing picture its ticket image.
class TForm4 final {
public:
    print::TicketPage& page() { return m_page; }
    const print::TicketPage& page() const { return m_page; }
    // The picture shown under the marks; kept when a print finds none.
    const QImage& ticketImage() const { return m_ticketImage; }
    void loadTicketImage(const QString& path);

    // The print preview of the page, from which the user prints or saves it.
    void preview(QWidget* parent);
    // The page on `printer`, on the chosen paper whatever the printer was set to.
    static void printOn(QPrinter& printer, const print::TicketPage& page);

    // A test takes the next preview instead of the user: `look` gets the page.
    static void answerNextPreview(std::function<void(const print::TicketPage&)> look);

private:
    print::TicketPage m_page;
    QImage m_ticketImage;
};

} // namespace numora::ui
