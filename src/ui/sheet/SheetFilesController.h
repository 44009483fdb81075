#pragma once

#include <QObject>

class QString;
class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class LottotippPage;
class RunGate;
class WindowHooks;

// The sheet's output and search: tip files, the history search and the text report.
class SheetFilesController final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: parent of the file dialogs.
    SheetFilesController(ProgramState& state, WindowHooks& hooks, RunGate& gate, LottotippPage* sheet,
                         QWidget* window);

    // "Tipp laden aus Datei" with the file chosen: fills the sheet from `path` (empty: cancelled),
    // then asks for the chosen date's draw again.
    void loadFrom(const QString& path);

Q_SIGNALS:
    void drawChanged();
    void sheetChanged();
    // The chosen date's draw is to be shown again, which evaluates the sheet.
    void chosenDrawRequested();

private:
    void save();
    void load();
    void searchHistory();
    void writeReport();

    ProgramState& m_state;
    WindowHooks& m_hooks;
    RunGate& m_gate;
    LottotippPage* m_sheet;
    QWidget* m_window;
};

} // namespace numora::ui
