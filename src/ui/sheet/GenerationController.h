#pragma once

#include "gen/NumberSelection.h"
#include "model/UiHooks.h"

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class BerechnungPage;
class DatenbankPage;
class LottotippPage;
class RunGate;
class WindowHooks;

// Tip generation: the options on the Berechnung pages, "Tipps berechnen" and its menu item, the
// lucky number and the number selection of a row or of the pool. When a run ends it announces
// what changed; the main window shows it.
class GenerationController final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: parent of the menu item and of the dialogs.
    GenerationController(ProgramState& state, WindowHooks& hooks, RunGate& gate, LottotippPage* sheet,
                         BerechnungPage* options, DatenbankPage* history, QWidget* window);

    // "&Berechnen" of the menu bar.
    QAction* action() const { return m_action; }
    // A run, or the stop request of the run in progress.
    void calculate();
    bool running() const;
    // The option widgets from the state.
    void showOptions();
    // The calculate button's caption: the stop text while a generation runs.
    void showCaption();
    // The pool's number selection a generation asks for.
    PoolChoice editPool(NumberSelection& selection);
    // After a language switch: the caption between runs is the button's new text.
    void retranslate();

Q_SIGNALS:
    // A run has ended: its status text is due, then the draw, the sheet and the chart.
    void runEnded();
    void drawChanged();
    void sheetChanged();
    void chartChanged();
    // A run of its own begins (not a stop click while one goes on).
    void runStarting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindOption(QWidget* widget, const QString& name);
    void editRow(int row);

    ProgramState& m_state;
    WindowHooks& m_hooks;
    RunGate& m_gate;
    LottotippPage* m_sheet;
    BerechnungPage* m_options;
    DatenbankPage* m_history;
    QWidget* m_window;
    QAction* m_action;
    bool m_syncing = false;
    QString m_calculateIdle; // the calculate button's caption between runs, in the language
    NumberSelection m_rowSelection; // row mode keeps the dialog as its last use left it
};

} // namespace numora::ui
