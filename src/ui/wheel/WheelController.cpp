// The main window's side of the window "Systeme": it opens the window, hands it the generator's
// pool and shows the sheet its rows went onto.
#include "ui/mainwindow/MainWindow.h"

#include "gen/Generator.h"
#include "ui/wheel/WheelWindow.h"

namespace numora::ui {

void TForm1::showWheels()
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
                if (n >= 1 && n <= Numbers::Highest)
                    numbers |= Numbers::of(n);
            return numbers;
        };
        hooks.sheetChanged = [this] {
            if (m_state.sheet.sheetReady())
                evaluateSheet();
            else
                showSheet();
            showSheetTab();
        };
        m_wheels = new WheelWindow(m_state, std::move(hooks), this);
    }
    m_wheels->show();
    m_wheels->raise();
}

} // namespace numora::ui
