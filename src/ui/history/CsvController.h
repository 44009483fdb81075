#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class RunGate;
class WindowHooks;

// The menu "Datei"'s CSV items: the history replaced by, merged with or written to a CSV file.
class CsvController final : public QObject {
    Q_OBJECT
public:
    // The items go into `file`; `window` is their parent and the file dialogs'.
    CsvController(ProgramState& state, WindowHooks& hooks, RunGate& gate, QMenu* file, QWidget* window);

Q_SIGNALS:
    // The mouse is over an item: its hint is due.
    void hovered(QAction* item);
    // What a finished import, merge or export did, for the status bar.
    void reported(const QString& text);
    void drawChanged();
    void sheetChanged();

private:
    static QString importQuestion(int draws, const QString& fileName);
    bool allowed();
    void importCsv();
    void mergeCsvFile();
    void exportCsv();

    ProgramState& m_state;
    WindowHooks& m_hooks;
    RunGate& m_gate;
    QWidget* m_window;
};

} // namespace numora::ui
