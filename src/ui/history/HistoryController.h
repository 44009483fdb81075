#pragma once

#include "base/Expected.h"

#include <QObject>

class QAction;
class QWidget;

namespace numora {
class ProgramState;
class WebClient;
}

namespace numora::ui {

class DatenbankPage;
class InternetPage;
class LottotippPage;
class RunGate;
class WindowHooks;

// The history from the window: the draw update (from the service or the CSV address) with its
// menu item and stop, entry and deletion by hand, the hidden rebuild, text import and upload.
class HistoryController final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: parent of the menu item and of the entry dialog; `web` the
    // window's client for the service.
    HistoryController(ProgramState& state, WindowHooks& hooks, RunGate& gate, WebClient& web, DatenbankPage* history,
                      LottotippPage* sheet, InternetPage* internet, QWidget* window);

    // "&Aktualisieren" of the menu bar.
    QAction* action() const { return m_action; }

Q_SIGNALS:
    // A run has ended: its status text is due.
    void runEnded();
    void drawChanged();
    void sheetChanged();

private:
    void update();
    // The update when "CSV-Adresse der Ziehungen:" is set: that file merged into the history.
    Status mergeCsvAddress(const QString& address);
    void enter();
    void remove();
    void rebuild();
    void textImport();
    void upload();
    void showResult(const Status& status);

    ProgramState& m_state;
    WindowHooks& m_hooks;
    RunGate& m_gate;
    WebClient& m_web;
    DatenbankPage* m_history;
    LottotippPage* m_sheet;
    InternetPage* m_internet;
    QWidget* m_window;
    QAction* m_action;
};

} // namespace numora::ui
