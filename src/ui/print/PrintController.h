#pragma once

#include "output/SubmitOptions.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QTabWidget;
class QWidget;

namespace numora {
class Einstellungen;
class ProgramState;
struct TicketMark;
}

namespace numora::ui {

class InternetPage;
class LottotippPage;
class StatusHints;
class TForm4;
class TForm5;
class TForm8;
class WindowHooks;

// The ticket print: the print settings and ticket positions, the ticket page with its preview,
// the menu item "Schein drucken…" and the print mode of the command line.
class PrintController final : public QObject {
    Q_OBJECT
public:
    // The item goes into `file`; `tabs` shows `sheet`'s tab while the settings are open; `window`
    // is the main window, parent of the dialogs. While `busy` says so, nothing starts.
    PrintController(ProgramState& state, WindowHooks& hooks, Einstellungen& settings, LottotippPage* sheet,
                    InternetPage* internet, QTabWidget* tabs, QMenu* file, StatusHints& hints,
                    std::function<bool()> busy, QWidget* window);
    ~PrintController() override;

    TForm5* printSettings() const { return m_form5; }
    TForm8* printPositions() const { return m_form8; }
    TForm4& ticketPage() const { return *m_form4; }

    // The print settings, then the preview; returns how the dialog was left.
    int printSettingsRun();
    // "Ab&geben" and the hidden "Tipp24" button: the print settings dialog in online mode.
    void submitOnline();
    // The Superzahl choice into the print settings dialog's seventh digit; false after an error.
    bool chooseSuperzahl();
    // The print mode of the command line: the tip file printed, then the window closes.
    void runPrintMode(const QString& tipFile);

Q_SIGNALS:
    // The print settings' "&Online" with the dialog's options.
    void onlineChosen(const SubmitOptions& options);
    void chosenDrawRequested();

private:
    // False when the user goes back to the print settings.
    bool printTicket();
    bool printOffPaper(const std::vector<const TicketMark*>& off);

    ProgramState& m_state;
    WindowHooks& m_hooks;
    Einstellungen& m_settings;
    LottotippPage* m_lottotipp;
    InternetPage* m_internet;
    QTabWidget* m_pageControl;
    std::function<bool()> m_busy;
    QWidget* m_window;
    TForm8* m_form8 = nullptr;
    TForm5* m_form5 = nullptr;
    std::unique_ptr<TForm4> m_form4;
};

} // namespace numora::ui
