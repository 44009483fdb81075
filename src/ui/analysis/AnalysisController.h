#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QWidget;

namespace numora {
class ProgramState;
class RunControl;
}

namespace numora::ui {

class BerechnungPage;
class ChanceComparisonWindow;
class DatenbankPage;
class DiagrammPage;
class LottotippPage;
class RunGate;
class WindowHooks;

// The two historical analyses of the tab "Datenbank": the parameter back-test with its comparison
// window and the draw recurrence analysis. While one runs, what it asks of the window is shown at
// display rate and every other starter is off.
class AnalysisController final : public QObject {
    Q_OBJECT
public:
    struct Pages {
        QTabWidget* tabs;
        LottotippPage* sheet;
        BerechnungPage* options;
        DiagrammPage* chart;
        DatenbankPage* history;
    };
    // `bar` and `file` hold the menu items a run turns off; `panel0`/`panel1` are the status
    // bar's panels; `window` is the parent of the comparison window.
    AnalysisController(ProgramState& state, WindowHooks& hooks, RunGate& gate, Pages pages, QMenuBar* bar,
                       QMenu* file, QLabel* panel0, QLabel* panel1, QWidget* window);

    bool running() const;
    bool backtestRunning() const;
    // What a run asks of the window, shown with its next progress.
    void deferTab(QWidget* tab) { m_pendingTab = tab; }
    void deferSound(const QString& path) { m_pendingSound = path; }
    void deferPanel0(const QString& text) { m_pendingPanel0 = text; }
    // The run's progress, a few times a second.
    void showProgress();
    // The comparison window once a back-test has shown it, else null.
    ChanceComparisonWindow* comparison() const { return m_comparison; }
    void retranslate();

Q_SIGNALS:
    // A run starts: the statistic of the last one is gone.
    void runStarting();
    // With each progress: the status text, the run's caption and the draw are due.
    void progressDue();
    // A run has ended and the window is unlocked: what it shows of the state is due.
    void runEnded();
    void openRequested(const QString& address);

private:
    void runBacktest();
    void runRecurrence();
    // The start and stop both analyses share; `run` runs the analysis itself.
    void runAnalysis(QPushButton* button, RunControl& control, const std::function<void()>& run);
    void lockForAnalysis(QPushButton* running);
    void unlockAfterAnalysis();
    void finishAnalysis();

    ProgramState& m_state;
    WindowHooks& m_hooks;
    RunGate& m_gate;
    Pages m_pages;
    QMenuBar* m_bar;
    QMenu* m_file;
    QLabel* m_panel0;
    QLabel* m_panel1;
    QWidget* m_window;
    RunControl& m_backtest;
    RunControl& m_recurrence;
    ChanceComparisonWindow* m_comparison = nullptr;
    bool m_tabPickedDuringRun = false;
    std::vector<QPointer<QWidget>> m_lockedForRun;
    std::vector<QPointer<QAction>> m_lockedActions;
    QWidget* m_pendingTab = nullptr; // the tab the analysis asked for last
    QString m_pendingSound;          // a fanfare the analysis asked for since the last pump
    QString m_pendingPanel0;
    QElapsedTimer m_progressClock;
};

} // namespace numora::ui
