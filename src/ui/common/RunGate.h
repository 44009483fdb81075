#pragma once

// The window's long runs in one place: which run may start while another goes on, the controls
// that start a run switched off while a run that excludes it goes on, and "close after the run".
#include "model/RunControl.h"

#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace numora::ui {

// Entry, Delete and TextImport are short, but write the draw file a long run may be reading.
enum class Run { Generation, Update, Rebuild, Search, Backtest, Recurrence, CsvMerge, Entry, Delete, TextImport, Count };

class RunGate {
public:
    // `generation` is the state's own control, which the generator holds while it runs.
    RunGate(RunControl& generation, std::function<void()> closeWindow);

    // The table: true when `starting` may not start while `running` goes on.
    static bool excludes(Run running, Run starting);

    RunControl& control(Run run) { return *m_controls[index(run)]; }
    bool running(Run run) const;
    bool anyRunning() const;
    // True while another run that excludes `run` goes on; a run's own second start is its stop.
    bool blocked(Run run) const;

    // A button or menu item that starts `run`: off while a run that excludes it goes on.
    void addStarter(Run run, QWidget* control);
    void addStarter(Run run, QAction* action);

    // Asks every run to stop; the window closes when the last one has ended.
    void stopAllAndClose();

    // One run from the window's side: refused (false) while another run excludes it; else marks
    // the run as going on and locks the other runs' controls until it ends. A run that ends as
    // the last one after a close request closes the window.
    class Pass {
    public:
        Pass(RunGate& gate, Run run);
        ~Pass();
        explicit operator bool() const { return m_admitted; }
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;

    private:
        RunGate& m_gate;
        Run m_run;
        bool m_admitted = false;
        std::vector<QPointer<QWidget>> m_lockedWidgets;
        std::vector<QPointer<QAction>> m_lockedActions;
    };

private:
    static constexpr std::size_t count = std::size_t(Run::Count);
    static std::size_t index(Run run) { return std::size_t(run); }

    std::array<RunControl, count> m_own;
    std::array<RunControl*, count> m_controls{};
    std::array<int, count> m_passes{};
    std::array<std::vector<QPointer<QWidget>>, count> m_widgets;
    std::array<std::vector<QPointer<QAction>>, count> m_actions;
    std::function<void()> m_closeWindow;
    bool m_closeAfterRun = false;
};

} // namespace numora::ui
