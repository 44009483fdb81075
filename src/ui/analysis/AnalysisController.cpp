// The two historical analyses on the "Datenbank" tab: the parameter back-test with its
// comparison window and the draw recurrence analysis. A second click on the
// running analysis' button stops it without a report.
#include "ui/analysis/AnalysisController.h"

#include "base/TextCatalog.h"
#include "eval/Backtest.h"
#include "eval/ChanceComparison.h"
#include "eval/Recurrence.h"
#include "session/ProgramState.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/options/OptionsPage.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/history/HistoryPage.h"
#include "ui/chart/ChartPage.h"
#include "ui/sheet/SheetPage.h"
#include "ui/sheet/TipSheetView.h"

#include <QAbstractButton>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolButton>
#include <QLabel>
#include <QTabWidget>
#include <QPushButton>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

namespace numora::ui {

AnalysisController::AnalysisController(ProgramState& state, WindowHooks& hooks, RunGate& gate, Pages pages,
                                       QMenuBar* bar, QMenu* file, QLabel* panel0, QLabel* panel1, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_gate(gate), m_pages(pages), m_bar(bar), m_file(file),
      m_panel0(panel0), m_panel1(panel1), m_window(window), m_backtest(gate.control(Run::Backtest)),
      m_recurrence(gate.control(Run::Recurrence))
{
    connect(m_pages.tabs, &QTabWidget::tabBarClicked, this, [this] {
        if (running())
            m_tabPickedDuringRun = true;
    });
    connect(m_pages.history->parameterTest, &QPushButton::clicked, this, &AnalysisController::runBacktest);
    connect(m_pages.history->drawTest, &QPushButton::clicked, this, &AnalysisController::runRecurrence);
    m_gate.addStarter(Run::Backtest, m_pages.history->parameterTest);
    m_gate.addStarter(Run::Recurrence, m_pages.history->drawTest);
}

bool AnalysisController::running() const { return m_backtest.running() || m_recurrence.running(); }

bool AnalysisController::backtestRunning() const { return m_backtest.running(); }

void AnalysisController::retranslate()
{
    if (m_comparison)
        m_comparison->retranslate();
}

void AnalysisController::runAnalysis(QPushButton* button, RunControl& control, const std::function<void()>& run)
{
    if (control.running()) {
        control.requestStop();
        // A generation of the back-test in progress ends at its next candidate.
        m_state.generation.requestStop();
        return;
    }
    const QString caption = button->text();
    {
        const RunControl::Scope running(control);
        Q_EMIT runStarting();
        button->setText(m_state.meldungen[16]);
        lockForAnalysis(button);
        run();
    }
    button->setText(caption);
    finishAnalysis();
}

void AnalysisController::runBacktest()
{
    // A second click is the running analysis' stop; started from inside another run, the
    // analysis would stop that one instead.
    std::optional<RunGate::Pass> pass;
    if (!m_backtest.running() && !pass.emplace(m_gate, Run::Backtest))
        return;
    Backtest::Options options;
    options.reportPath = QDir::current().absoluteFilePath(QStringLiteral("Test.txt"));
    options.control = &m_backtest;
    std::optional<Expected<Backtest::Result>> result;
    runAnalysis(m_pages.history->parameterTest, m_backtest, [&] { result.emplace(Backtest::run(m_state, options)); });
    if (!result)
        return;
    if (!*result) {
        m_hooks.showError(result->error().message);
    } else if ((*result)->end == Backtest::End::Completed) {
        // Started from the menu, the current folder is the home folder: say where the report is.
        m_panel1->setText(tx(QStringLiteral("Testbericht gespeichert: %1")).arg(QDir::toNativeSeparators(options.reportPath)));
        Q_EMIT openRequested(QUrl::fromLocalFile(options.reportPath).toString());
        if (!m_comparison)
            m_comparison = new ChanceComparisonWindow(m_window);
        m_comparison->showComparison(ChanceComparison::compute(**result));
    }
}

void AnalysisController::runRecurrence()
{
    // The walk rewrites the sheet: the player's rows go only when he says so.
    const bool starting = !m_recurrence.running() && !m_gate.blocked(Run::Recurrence);
    if (starting && Recurrence::replacesTips(m_state)
        && !m_hooks.askYesNo(m_pages.history->drawTest->text(), Recurrence::sheetQuestion()))
        return;
    std::optional<RunGate::Pass> pass;
    if (!m_recurrence.running() && !pass.emplace(m_gate, Run::Recurrence))
        return;
    Recurrence::Options options;
    options.reportPath = m_state.programDir + QStringLiteral("Test.rtf");
    options.control = &m_recurrence;
    std::optional<Expected<Recurrence::Result>> result;
    runAnalysis(m_pages.history->drawTest, m_recurrence, [&] { result.emplace(Recurrence::run(m_state, options)); });
    if (!result)
        return;
    if (!*result)
        m_hooks.showError(result->error().message);
    else if ((*result)->end == Recurrence::End::Completed)
        Q_EMIT openRequested(QUrl::fromLocalFile(options.reportPath).toString());
}

void AnalysisController::showProgress()
{
    // An analysis goes through the draws faster than anyone reads: clicks are taken at display
    // rate, its progress is painted a few times a second, which keeps painting off its time.
    constexpr qint64 progressIntervalMs = 150;
    if (m_progressClock.isValid() && m_progressClock.elapsed() < progressIntervalMs)
        return;
    m_progressClock.start();
    Q_EMIT progressDue();
    if (!m_pendingPanel0.isNull())
        m_panel0->setText(std::exchange(m_pendingPanel0, QString()));
    if (!m_pendingSound.isEmpty())
        m_hooks.playSound(std::exchange(m_pendingSound, QString()));
    // The run shows the tab its generations ask for until the user picks one himself.
    if (QWidget* tab = std::exchange(m_pendingTab, nullptr); tab && !m_tabPickedDuringRun)
        m_pages.tabs->setCurrentWidget(tab);
}

void AnalysisController::lockForAnalysis(QPushButton* running)
{
    // Everything that would start or stop something else is off for the run: a generation
    // started or stopped in the middle of a pass would change the replay without a word. The
    // tabs stay usable, and the analysis' own button stops it.
    m_tabPickedDuringRun = false;
    m_lockedForRun.clear();
    auto lock = [this, running](QWidget* widget) {
        if (widget != running && widget->isEnabled()) {
            widget->setEnabled(false);
            m_lockedForRun.emplace_back(widget);
        }
    };
    lock(m_pages.sheet->sheetView);
    for (QWidget* page : std::initializer_list<QWidget*>{m_pages.sheet, m_pages.history, m_pages.chart, m_pages.options})
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            const bool command = qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button);
            if (command && !qobject_cast<QTabBar*>(button->parentWidget()))
                lock(button);
        }
    m_lockedActions.clear();
    QList<QAction*> actions = m_bar->actions();
    actions += m_file->actions();
    for (QAction* action : actions) {
        const bool keep = action->menu() || action->isSeparator()
            || action->objectName() == QLatin1String("Schlieen1");
        if (!keep && action->isEnabled()) {
            action->setEnabled(false);
            m_lockedActions.emplace_back(action);
        }
    }
}

void AnalysisController::unlockAfterAnalysis()
{
    for (auto it = m_lockedForRun.rbegin(); it != m_lockedForRun.rend(); ++it)
        if (*it)
            (*it)->setEnabled(true);
    for (const QPointer<QAction>& action : m_lockedActions)
        if (action)
            action->setEnabled(true);
    m_lockedForRun.clear();
    m_lockedActions.clear();
}

void AnalysisController::finishAnalysis()
{
    unlockAfterAnalysis();
    m_pendingSound.clear();
    m_progressClock.invalidate();
    if (!m_pendingPanel0.isNull())
        m_panel0->setText(std::exchange(m_pendingPanel0, QString()));
    if (QWidget* tab = std::exchange(m_pendingTab, nullptr); tab && !m_tabPickedDuringRun)
        m_pages.tabs->setCurrentWidget(tab);
    Q_EMIT runEnded();
}

} // namespace numora::ui
