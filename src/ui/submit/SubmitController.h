#pragma once

#include "base/Expected.h"

#include <QObject>

#include <functional>

class QWidget;

namespace numora {
class Einstellungen;
class ProgramState;
class WebClient;
struct SubmitOptions;
}

namespace numora::ui {

class InternetPage;
class LottotippPage;
class TCRSForm;
class TForm5;
class WindowHooks;

// The online submission: "Tipp &abgeben" hands the sheet to Clickrunner with a click script of
// the player's choice; the print settings' "&Online" goes to the submission service.
class SubmitController final : public QObject {
    Q_OBJECT
public:
    // `printSettings` is the print settings dialog whose ticket number and options travel along;
    // `chooseSuperzahl` puts a Superzahl into it when the window is idle (false: none chosen).
    SubmitController(ProgramState& state, WindowHooks& hooks, Einstellungen& settings, WebClient& web,
                     LottotippPage* sheet, InternetPage* internet, TForm5* printSettings,
                     std::function<bool()> chooseSuperzahl, QWidget* window);

    TCRSForm* scriptChoice() const { return m_scriptChoice; }
    // The game played without online submission: its buttons off, saying why. Called when the
    // game changes.
    void showGame();
    // "Tipp &abgeben": the tip-transfer file and the click script.
    void toClickrunner();
    // The print settings dialog's "&Online": the service route, or Clickrunner for the other portal.
    void online(const SubmitOptions& options);

Q_SIGNALS:
    // The hidden "Tipp24" button: the print settings dialog in online mode.
    void onlineRequested();
    // A hint for the status bar's wide panel.
    void hint(const QString& text);

private:
    // True, after saying why, when the game played has no online submission and no click script.
    bool refused();
    // Fills the chosen template, saves it in "Tipps" and starts Clickrunner with it.
    Status writeClickScript(const QString& transferPath);

    ProgramState& m_state;
    WindowHooks& m_hooks;
    Einstellungen& m_settings;
    WebClient& m_web;
    LottotippPage* m_sheet;
    InternetPage* m_internet;
    TForm5* m_printSettings;
    std::function<bool()> m_chooseSuperzahl;
    TCRSForm* m_scriptChoice;
};

} // namespace numora::ui
