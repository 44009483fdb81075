#pragma once

#include "app/Einstellungen.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace numora {
class ProgramState;
}

namespace numora::ui {

class InternetPage;
class LottotippPage;
class WindowHooks;

// The window's side of the settings store: the stored values go into the state and its widgets
// at start-up, and back into the store when the window closes.
class StoredSettings final {
public:
    // `window` takes the stored size and gives its own back; `shown` shows what the state now
    // holds (options, sheet, draw) once the stored values are in.
    StoredSettings(ProgramState& state, WindowHooks& hooks, LottotippPage* sheet, InternetPage* internet,
                   QWidget* window, std::function<void()> shown);

    Einstellungen& store() { return m_settings; }

    // Reads the store; a first start speaks one of `desktopLanguages`, a stored choice replaces it
    // and is applied through `applyLanguage` before any message. Returns the report of unreadable
    // values, empty when there were none.
    QString load(const std::function<QStringList()>& desktopLanguages, const std::function<void()>& applyLanguage);
    // A failed save is shown.
    void save();

private:
    void showStoredValues();
    void collectStoredValues();

    ProgramState& m_state;
    WindowHooks& m_hooks;
    LottotippPage* m_sheet;
    InternetPage* m_internet;
    QWidget* m_window;
    std::function<void()> m_shown;
    Einstellungen m_settings;
};

} // namespace numora::ui
