// Which run excludes which, decided from what each one reads and writes: the update, the rebuild,
// the CSV menu and the entry, deletion and text import by hand write the draw file; the generation writes the sheet and reads the history and
// the shown draw; the history search makes draws current and checks the sheet; the back-test and
// the recurrence analysis replay the history with generations of their own. Every pair shares
// something one of them writes, so no two of them run together.
#include "ui/common/RunGate.h"

#include <QAction>
#include <QWidget>

namespace numora::ui {

namespace {

constexpr bool X = true;
// Rows: the run going on; columns: the run asked to start. Same order as `Run`.
constexpr bool exclusion[std::size_t(Run::Count)][std::size_t(Run::Count)] = {
    //             Gen Upd Reb Sea Bac Rec Csv Ent Del Txt
    /* Generation */ {X, X, X, X, X, X, X, X, X, X},
    /* Update     */ {X, X, X, X, X, X, X, X, X, X},
    /* Rebuild    */ {X, X, X, X, X, X, X, X, X, X},
    /* Search     */ {X, X, X, X, X, X, X, X, X, X},
    /* Backtest   */ {X, X, X, X, X, X, X, X, X, X},
    /* Recurrence */ {X, X, X, X, X, X, X, X, X, X},
    /* CsvMerge   */ {X, X, X, X, X, X, X, X, X, X},
    /* Entry      */ {X, X, X, X, X, X, X, X, X, X},
    /* Delete     */ {X, X, X, X, X, X, X, X, X, X},
    /* TextImport */ {X, X, X, X, X, X, X, X, X, X},
};

} // namespace

RunGate::RunGate(RunControl& generation, std::function<void()> closeWindow)
    : m_closeWindow(std::move(closeWindow))
{
    for (std::size_t i = 0; i < count; ++i)
        m_controls[i] = &m_own[i];
    m_controls[index(Run::Generation)] = &generation;
}

bool RunGate::excludes(Run running, Run starting) { return exclusion[index(running)][index(starting)]; }

bool RunGate::running(Run run) const { return m_passes[index(run)] > 0 || m_controls[index(run)]->running(); }

bool RunGate::anyRunning() const
{
    for (std::size_t i = 0; i < count; ++i)
        if (running(Run(i)))
            return true;
    return false;
}

bool RunGate::blocked(Run run) const
{
    for (std::size_t i = 0; i < count; ++i)
        if (Run(i) != run && running(Run(i)) && excludes(Run(i), run))
            return true;
    return false;
}

void RunGate::addStarter(Run run, QWidget* control) { m_widgets[index(run)].emplace_back(control); }

void RunGate::addStarter(Run run, QAction* action) { m_actions[index(run)].emplace_back(action); }

void RunGate::stopAllAndClose()
{
    for (RunControl* control : m_controls)
        control->requestStop();
    m_closeAfterRun = true;
}

RunGate::Pass::Pass(RunGate& gate, Run run) : m_gate(gate), m_run(run)
{
    if (gate.blocked(run))
        return;
    m_admitted = true;
    ++gate.m_passes[index(run)];
    for (std::size_t i = 0; i < count; ++i) {
        if (Run(i) == run || !excludes(run, Run(i)))
            continue;
        for (const QPointer<QWidget>& widget : gate.m_widgets[i])
            if (widget && widget->isEnabled()) {
                widget->setEnabled(false);
                m_lockedWidgets.push_back(widget);
            }
        for (const QPointer<QAction>& action : gate.m_actions[i])
            if (action && action->isEnabled()) {
                action->setEnabled(false);
                m_lockedActions.push_back(action);
            }
    }
}

RunGate::Pass::~Pass()
{
    if (!m_admitted)
        return;
    for (const QPointer<QWidget>& widget : m_lockedWidgets)
        if (widget)
            widget->setEnabled(true);
    for (const QPointer<QAction>& action : m_lockedActions)
        if (action)
            action->setEnabled(true);
    --m_gate.m_passes[index(m_run)];
    if (m_gate.m_closeAfterRun && !m_gate.anyRunning())
        m_gate.m_closeWindow();
}

} // namespace numora::ui
