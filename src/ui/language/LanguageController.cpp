// The main window's side of the interface languages: the menu, the start-up's language and the
// hidden export of the current texts.
#include "ui/mainwindow/MainWindow.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/wheel/WheelController.h"
#include "ui/common/FileDialogs.h"
#include "ui/language/InterfaceLanguage.h"
#include "ui/submit/SubmitController.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/sheet/SheetPage.h"
#include "ui/mail/MailWindow.h"
#include "ui/submit/ScriptChoiceDialog.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/common/StatusHints.h"
#include "ui/sheet/NumberSelectionDialog.h"
#include "ui/game/GameController.h"
#include "ui/print/TicketPositionDialog.h"

#include <QAction>
#include <QDir>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

namespace numora::ui {

void TForm1::buildLanguageMenu()
{
    m_language = new InterfaceLanguage(this);
    QMenu* sprache = menuBar()->addMenu(QStringLiteral("Sprache/Language/Langue"));
    sprache->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    for (const Language& language : LanguageFiles::languages()) {
        auto* item = new QAction(QString::fromUtf8(language.caption), this);
        item->setObjectName(QString::fromLatin1(language.menuItem));
        item->setCheckable(true);
        item->setChecked(language.sprache == 0);
        connect(item, &QAction::triggered, this, [this, &language] { applyLanguage(language); });
        sprache->addAction(item);
        m_languageItems.push_back(item);
    }
    m_exportSeparator = sprache->addSeparator();
    m_exportSeparator->setObjectName(QStringLiteral("N1"));
    m_exportSeparator->setVisible(false);
    m_exportItem = new QAction(QStringLiteral("Export"), this);
    m_exportItem->setObjectName(QStringLiteral("Export1"));
    m_exportItem->setVisible(false);
    connect(m_exportItem, &QAction::triggered, this, &TForm1::exportTexts);
    sprache->addAction(m_exportItem);
    // Translators reach the export with Ctrl+Shift+E or the switch --export-texts.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this);
    connect(shortcut, &QShortcut::activated, this, [this] { showExportItem(!m_exportItem->isVisible()); });
    showExportItem(m_commandLine.exportTexts);
}

void TForm1::showExportItem(bool visible)
{
    m_exportSeparator->setVisible(visible);
    m_exportItem->setVisible(visible);
}

void TForm1::applyLanguage(const Language& language)
{
    // Captions are not changed under a running operation; the marks keep showing the language.
    const bool running = m_busy || m_gate.anyRunning();
    if (!running)
        m_state.sprache = language.sprache;
    const Language* current = LanguageFiles::languageOf(m_state.sprache);
    for (QAction* item : m_languageItems)
        item->setChecked(current && item->objectName() == QLatin1String(current->menuItem));
    if (running)
        return;
    std::vector<std::unique_ptr<QWidget>> temporaries;
    m_language->apply(language, m_folders, languageWindows(temporaries), m_state.meldungen);
    setTextLocale(LanguageFiles::localeOf(language));
    m_generation->retranslate();
    if (m_started) {
        // Labels that show the current draw and sheet carry their designed texts in the files;
        // the chart on show is drawn again under titles in the new language.
        showDraw();
        showSheet();
        m_statusHints->replaceResting(tx(QStringLiteral("Ihre Dateien: %1")).arg(QDir::toNativeSeparators(m_state.programDir)));
        m_statusHints->refresh();
        if (m_comparison)
            m_comparison->retranslate();
        m_wheels->retranslate();
        m_games->retranslate();
        // The language file's title is the default game's.
        if (m_state.game.id != QLatin1String(Game::DefaultId))
            showGameTitle();
        if (m_lastStatistic) {
            QWidget* page = m_pageControl->currentWidget();
            runStatistic(m_lastStatistic);
            m_pageControl->setCurrentWidget(page);
        }
    }
}

void TForm1::applyStoredLanguage()
{
    if (const Language* language = LanguageFiles::languageOf(m_state.sprache))
        applyLanguage(*language);
}

std::vector<QWidget*> TForm1::languageWindows(std::vector<std::unique_ptr<QWidget>>& temporaries)
{
    // The dialogs made per use exist here only for the walk; the texts found for them are kept
    // and given to every instance when it is first shown.
    auto temporary = [&temporaries](std::unique_ptr<QWidget> window) {
        temporaries.push_back(std::move(window));
        return temporaries.back().get();
    };
    NumberSelection selection;
    std::vector<QWidget*> windows{this, m_form5};
    windows.push_back(temporary(std::make_unique<TForm3>(nullptr)));
    windows.push_back(temporary(std::make_unique<TForm6>(selection, *m_state.random, nullptr)));
    windows.push_back(m_form8);
    windows.push_back(m_mailer);
    windows.push_back(m_submit->scriptChoice());
    windows.push_back(m_comparison ? static_cast<QWidget*>(m_comparison)
                                   : temporary(std::make_unique<ChanceComparisonWindow>(nullptr)));
    return windows;
}

void TForm1::exportTexts()
{
    const QString path = FileDialogs::save(this, QStringLiteral("Export"), m_folders.data + QStringLiteral("bezeich.txt"),
                                           tx(QStringLiteral("Textdatei (*.txt)")), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    if (const Status written = exportTextsTo(path); !written)
        m_hooks.showError(written.error().message);
}

Status TForm1::exportTextsTo(const QString& path)
{
    std::vector<std::unique_ptr<QWidget>> temporaries;
    const std::vector<QWidget*> windows = languageWindows(temporaries);
    // The temporary dialogs show the texts the current language gave them.
    for (const auto& window : temporaries)
        m_language->translate(window.get());
    return InterfaceLanguage::exportTexts(path, windows);
}

} // namespace numora::ui
