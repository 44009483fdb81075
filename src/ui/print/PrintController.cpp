// The ticket print: the print-settings run, the print run and the print mode.
#include "ui/print/PrintController.h"

#include "app/Einstellungen.h"
#include "base/TextCatalog.h"
#include "output/PrintSettings.h"
#include "output/TicketLayout.h"
#include "output/TipFile.h"
#include "print/TicketPainter.h"
#include "ui/internet/InternetPage.h"
#include "session/ProgramState.h"
#include "ui/common/WindowHooks.h"
#include "ui/sheet/SheetPage.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/print/TicketPositionDialog.h"
#include "ui/print/TicketPage.h"
#include "ui/common/StatusHints.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace numora::ui {

PrintController::PrintController(ProgramState& state, WindowHooks& hooks, Einstellungen& settings,
                                 LottotippPage* sheet, InternetPage* internet, QTabWidget* tabs, QMenu* file,
                                 StatusHints& hints, std::function<bool()> busy, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_settings(settings), m_lottotipp(sheet), m_internet(internet),
      m_pageControl(tabs), m_busy(std::move(busy)), m_window(window)
{
    m_form8 = new TForm8(m_state.print, window);
    m_form5 = new TForm5(m_state, *m_form8, window);
    m_form4 = std::make_unique<TForm4>();

    // The window's own way to print: the hidden button of the sheet and a menu item.
    m_lottotipp->printTicket->setEnabled(true);
    connect(m_lottotipp->printTicket, &QToolButton::clicked, this, [this] { printSettingsRun(); });
    QMenu* datei = file;
    if (datei) {
        auto* item = new QAction(QStringLiteral("Schein &drucken…"), window);
        item->setObjectName(QStringLiteral("ScheinDrucken1"));
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
        const QString hint = QStringLiteral("Die Tipps auf einen Lottoschein drucken");
        item->setToolTip(hint);
        connect(item, &QAction::hovered, &hints, [&hints, item] { hints.show(item); });
        connect(item, &QAction::triggered, this, [this] { printSettingsRun(); });
        datei->addSeparator();
        datei->addAction(item);
    }
}

PrintController::~PrintController() = default;

int PrintController::printSettingsRun()
{
    if (m_busy())
        return TForm5::Abort;
    m_form5->showStoredValues();
    if (!chooseSuperzahl())
        return TForm5::Abort;
    m_form5->setGames(m_state.ticket.spiel77Ja != 0, m_state.ticket.super6Ja != 0, m_state.ticket.glueckJa != 0);

    const double oneDay = PrintSettings::fee(m_internet->feeOneDay->text(), PrintSettings::DefaultFeeOneDay);
    const double bothDays = PrintSettings::fee(m_internet->feeBothDays->text(), PrintSettings::DefaultFeeBothDays);
    m_form5->setFees(oneDay, bothDays);
    m_state.print.feeOneDraw = m_internet->feeOneDay->text();
    m_state.print.feeBothDraws = m_internet->feeBothDays->text();

    m_form5->choosePreset(m_state.ticket.neuerSchein);
    m_form5->setOffsets(m_state.ticket.tippTop, m_state.ticket.tippLeft);
    m_form5->setDays(PrintSettings::preselectDays(m_state.params.saturdayOnly(), m_state.today()));
    m_form5->setRows(PrintSettings::filledRows(m_state.sheet));

    m_pageControl->setCurrentWidget(m_lottotipp);
    for (;;) {
        const int result = m_form5->exec();
        m_state.ticket.spiel77Ja = m_form5->game(0) == GameBox::Ticked ? 1 : 0;
        m_state.ticket.super6Ja = m_form5->game(1) == GameBox::Ticked ? 1 : 0;
        m_state.ticket.glueckJa = m_form5->game(2) == GameBox::Ticked ? 1 : 0;
        // Crosses off the paper send the user back to the settings, as they are, if he wishes.
        if (result == TForm5::Print && !printTicket())
            continue;
        if (result == TForm5::Online)
            Q_EMIT onlineChosen(m_form5->options());
        return result;
    }
}

bool PrintController::chooseSuperzahl()
{
    const auto superzahl = PrintSettings::chooseSuperzahl(m_state);
    m_state.hooks->chartChanged();
    if (!superzahl) {
        m_hooks.showError(superzahl.error().message);
        return false;
    }
    m_form5->setSuperzahl(superzahl->digit);
    if (superzahl->exclusionDropped)
        m_state.hooks->setStatusText(tx(QStringLiteral("Zu wenige Ziehungen für den Ausschluss der letzten Superzahlen: "
                                        "die Superzahl wurde ohne ihn gewählt")));
    return true;
}

void PrintController::submitOnline()
{
    if (m_busy())
        return;
    m_form5->setOnlineMode(true, m_state.today() < QDate(2009, 1, 1));
    if (chooseSuperzahl())
        m_form5->generateTicketNumber();
    m_form5->setGames(m_state.ticket.spiel77Ja != 0, m_state.ticket.super6Ja != 0, false);
    m_form5->clearExtra();
    m_state.ticket.glueckJa = 0;
    printSettingsRun();

    // Whatever the user chose: the dialog's ticket number and games are kept.
    const QString number = m_form5->ticketNumber();
    m_state.sheet.setTicketNumber(number);
    if (const Status stored = m_settings.storeTicketChoices(m_state); !stored)
        m_state.hooks->setStatusText(stored.error().message);
    m_lottotipp->ticketNumber->setText(m_state.meldungen[12] + QStringLiteral(": ") + number);
    m_form5->setOnlineMode(false);
    m_pageControl->setCurrentWidget(m_lottotipp);
}

bool PrintController::printTicket()
{
    const QString number = m_form5->ticketNumber();
    m_state.sheet.setTicketNumber(number);
    if (const Status stored = m_settings.storeTicketChoices(m_state); !stored)
        m_state.hooks->setStatusText(stored.error().message);
    m_lottotipp->ticketNumber->setText(m_state.meldungen[12] + QStringLiteral(": ") + number);

    print::TicketPage& page = m_form4->page();
    if (const auto paper = Paper::size(m_form5->paper()))
        page.paper = *paper;
    m_state.ticket.neuerSchein = m_form5->preset();
    m_state.ticket.tippTop = m_form5->top();
    m_state.ticket.tippLeft = m_form5->left();
    page.font = m_form5->printFont();
    page.colour = print::printColour(m_state.print.fontColor);

    const auto layout = layoutTicket(m_state.sheet, m_form5->request());
    if (!layout) {
        m_hooks.showError(layout.error().message);
        return true;
    }
    page.layout = *layout;
    if (const auto off = print::marksOffPaper(page); !off.empty() && !printOffPaper(off))
        return false;
    m_state.print.positions = layout->positions;
    m_form8->showValues();
    if (m_form5->testImage()) {
        m_form4->loadTicketImage(ticketImagePath(m_state.folders(), *layout));
        page.image = m_form4->ticketImage();
    } else {
        page.image = QImage();
    }
    m_form4->preview(m_window);
    return true;
}

bool PrintController::printOffPaper(const std::vector<const TicketMark*>& off)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    tx(QStringLiteral("Kreuze außerhalb des Papiers, die nicht gedruckt würden: %1 (%2).\n\n"
                                      "Wählen Sie ein größeres Papier oder andere Positionen."))
                        .arg(off.size())
                        .arg(print::offPaperPlaces(off).join(QStringLiteral(", "))),
                    QMessageBox::NoButton, m_window);
    box.setObjectName(QStringLiteral("OffPaperQuestion"));
    QPushButton* back = box.addButton(tx(QStringLiteral("Zurück zu den Einstellungen")), QMessageBox::RejectRole);
    box.addButton(tx(QStringLiteral("Trotzdem drucken")), QMessageBox::AcceptRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() != back;
}

void PrintController::runPrintMode(const QString& tipFile)
{
    if (const Status loaded = Textladen(tipFile, m_state.sheet); !loaded) {
        m_hooks.showError(loaded.error().message);
        return;
    }
    Q_EMIT chosenDrawRequested();
    printSettingsRun();
    // Closing saves the settings; after the start-up that is still running has returned.
    QTimer::singleShot(0, m_window, &QWidget::close);
}

} // namespace numora::ui
