// The main window's side of the window "Systeme": it opens the window, hands it the generator's
// pool and says when its rows went onto the sheet.
#include "ui/wheel/WheelController.h"

#include "gen/Generator.h"
#include "session/ProgramState.h"
#include "ui/common/WindowHooks.h"
#include "ui/wheel/WheelWindow.h"

#include <QAction>

namespace numora::ui {

WheelController::WheelController(ProgramState& state, WindowHooks& hooks, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_window(window),
      m_action(new QAction(QStringLiteral("S&ysteme"), window))
{
    m_action->setObjectName(QStringLiteral("Systeme1"));
    connect(m_action, &QAction::triggered, this, &WheelController::show);
}

void WheelController::show()
{
    if (!m_wheels) {
        WheelWindow::Hooks hooks;
        hooks.poolNumbers = [this]() -> std::optional<NumberSet> {
            const auto pool = Generator::buildPool(m_state);
            if (!pool) {
                m_hooks.showError(pool.error().message);
                return std::nullopt;
            }
            if (!pool->has_value())
                return std::nullopt;
            NumberSet numbers = 0;
            for (std::uint8_t n : **pool)
                if (m_state.game.validNumber(n))
                    numbers |= Numbers::of(n);
            return numbers;
        };
        hooks.sheetChanged = [this] { Q_EMIT sheetChanged(); };
        m_wheels = new WheelWindow(m_state, std::move(hooks), m_window);
    }
    m_wheels->show();
    m_wheels->raise();
}

void WheelController::forgetWindow()
{
    delete m_wheels;
    m_wheels = nullptr;
}

void WheelController::retranslate()
{
    if (m_wheels)
        m_wheels->retranslate();
}

} // namespace numora::ui
