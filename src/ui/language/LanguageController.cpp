// The interface languages: the menu, the language applied to every window and the hidden export
// of the current texts.
#include "ui/language/LanguageController.h"

#include "app/LanguageFiles.h"
#include "base/Formatting.h"
#include "base/ProgramFolders.h"
#include "base/TextCatalog.h"
#include "session/ProgramState.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/WindowHooks.h"
#include "ui/language/InterfaceLanguage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace numora::ui {

LanguageController::LanguageController(ProgramState& state, const ProgramFolders& folders, WindowHooks& hooks,
                                       Windows windows, std::function<bool()> running, bool exportShown,
                                       QMenuBar* bar, QWidget* window)
    : QObject(window), m_state(state), m_folders(folders), m_hooks(hooks), m_windows(std::move(windows)),
      m_running(std::move(running)), m_window(window), m_language(new InterfaceLanguage(window))
{
    QMenu* sprache = bar->addMenu(QStringLiteral("Sprache/Language/Langue"));
    sprache->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    for (const Language& language : LanguageFiles::languages()) {
        auto* item = new QAction(QString::fromUtf8(language.caption), window);
        item->setObjectName(QString::fromLatin1(language.menuItem));
        item->setCheckable(true);
        item->setChecked(language.sprache == 0);
        connect(item, &QAction::triggered, this, [this, &language] { apply(language); });
        sprache->addAction(item);
        m_items.push_back(item);
    }
    m_exportSeparator = sprache->addSeparator();
    m_exportSeparator->setObjectName(QStringLiteral("N1"));
    m_exportSeparator->setVisible(false);
    m_exportItem = new QAction(QStringLiteral("Export"), window);
    m_exportItem->setObjectName(QStringLiteral("Export1"));
    m_exportItem->setVisible(false);
    connect(m_exportItem, &QAction::triggered, this, &LanguageController::exportTexts);
    sprache->addAction(m_exportItem);
    // Translators reach the export with Ctrl+Shift+E or the switch --export-texts.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), window);
    connect(shortcut, &QShortcut::activated, this, [this] { showExportItem(!m_exportItem->isVisible()); });
    showExportItem(exportShown);
}

void LanguageController::showExportItem(bool visible)
{
    m_exportSeparator->setVisible(visible);
    m_exportItem->setVisible(visible);
}

void LanguageController::apply(const Language& language)
{
    // Captions are not changed under a running operation; the marks keep showing the language.
    const bool running = m_running();
    if (!running)
        m_state.sprache = language.sprache;
    const Language* current = LanguageFiles::languageOf(m_state.sprache);
    for (QAction* item : m_items)
        item->setChecked(current && item->objectName() == QLatin1String(current->menuItem));
    if (running)
        return;
    std::vector<std::unique_ptr<QWidget>> temporaries;
    m_language->apply(language, m_folders, m_windows(temporaries), m_state.meldungen);
    setTextLocale(LanguageFiles::localeOf(language));
    Q_EMIT applied();
}

void LanguageController::applyStored()
{
    if (const Language* language = LanguageFiles::languageOf(m_state.sprache))
        apply(*language);
}

void LanguageController::exportTexts()
{
    const QString path = FileDialogs::save(m_window, QStringLiteral("Export"), m_folders.data + QStringLiteral("bezeich.txt"),
                                           tx(QStringLiteral("Textdatei (*.txt)")), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    if (const Status written = exportTextsTo(path); !written)
        m_hooks.showError(written.error().message);
}

Status LanguageController::exportTextsTo(const QString& path)
{
    std::vector<std::unique_ptr<QWidget>> temporaries;
    const std::vector<QWidget*> windows = m_windows(temporaries);
    // The temporary dialogs show the texts the current language gave them.
    for (const auto& window : temporaries)
        m_language->translate(window.get());
    return InterfaceLanguage::exportTexts(path, windows);
}

} // namespace numora::ui
