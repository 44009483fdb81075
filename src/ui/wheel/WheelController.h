#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class WheelWindow;
class WindowHooks;

// "Systeme": the menu item that opens the wheel window, which it hands the generator's pool.
// The rows the window puts on the sheet are announced with sheetChanged().
class WheelController final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: parent of the item and of the wheel window.
    WheelController(ProgramState& state, WindowHooks& hooks, QWidget* window);

    QAction* action() const { return m_action; }
    void show();
    // Follows a language switch; nothing while the window was never opened.
    void retranslate();
    // Closes the wheel window, which shows the numbers of the game played; the next show()
    // makes it for the new game.
    void forgetWindow();

Q_SIGNALS:
    void sheetChanged();

private:
    ProgramState& m_state;
    WindowHooks& m_hooks;
    QWidget* m_window;
    QAction* m_action;
    WheelWindow* m_wheels = nullptr;
};

} // namespace numora::ui
