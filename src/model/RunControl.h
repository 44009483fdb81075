#pragma once

namespace numora {

// The one way to tell that a long operation runs and to ask it to stop: generation, update,
// rebuild, back-test, recurrence and history search each take one. The operation holds a
// `RunControl::Scope` while it runs and tests stopRequested() between its steps; the window (or a
// test) calls requestStop(). No caption or message text takes part, so no language file can
// change what stops a run.
class RunControl {
public:
    virtual ~RunControl() = default;
    bool running() const { return m_depth > 0; }
    virtual bool stopRequested() const { return m_stop; }
    // Asks the running operation to end at its next step; nothing when none runs.
    void requestStop()
    {
        if (running())
            m_stop = true;
    }

    // Marks the control running for its lifetime. The outermost scope starts without a stop
    // request left from before and clears it when it ends.
    class Scope {
    public:
        explicit Scope(RunControl& control) : m_control(control)
        {
            if (m_control.m_depth++ == 0)
                m_control.m_stop = false;
        }
        ~Scope()
        {
            if (--m_control.m_depth == 0)
                m_control.m_stop = false;
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        RunControl& m_control;
    };

private:
    int m_depth = 0;
    bool m_stop = false;
};

} // namespace numora
