#pragma once

#include "base/Expected.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace numora {
class ProgramFolders;
class ProgramState;
struct Language;
}

namespace numora::ui {

class InterfaceLanguage;
class WindowHooks;

// The interface languages: the menu "Sprache/Language/Langue", the language applied to every
// window, and the hidden export of the current texts for translators.
class LanguageController final : public QObject {
    Q_OBJECT
public:
    // Every window of the program in the order the program makes them; dialogs made per use are
    // made for the call and kept in `temporaries`.
    using Windows = std::function<std::vector<QWidget*>(std::vector<std::unique_ptr<QWidget>>& temporaries)>;

    // The menu goes onto `bar`; `window` is the main window: parent of the items and of the
    // export's file dialog. While `running` says so, a choice only moves the menu's mark.
    LanguageController(ProgramState& state, const ProgramFolders& folders, WindowHooks& hooks, Windows windows,
                       std::function<bool()> running, bool exportShown, QMenuBar* bar, QWidget* window);

    // The language the settings store chose.
    void applyStored();
    // The base file `path` and its template `path`.trans of every window.
    Status exportTextsTo(const QString& path);

Q_SIGNALS:
    // The windows have their texts in the new language; what shows the state is due again.
    void applied();

private:
    void showExportItem(bool visible);
    void apply(const Language& language);
    void exportTexts();

    ProgramState& m_state;
    const ProgramFolders& m_folders;
    WindowHooks& m_hooks;
    Windows m_windows;
    std::function<bool()> m_running;
    QWidget* m_window;
    InterfaceLanguage* m_language;
    std::vector<QAction*> m_items;
    QAction* m_exportSeparator = nullptr;
    QAction* m_exportItem = nullptr;
};

} // namespace numora::ui
