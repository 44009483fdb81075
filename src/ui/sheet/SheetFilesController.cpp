// The sheet's output and search from the window: tip files, the history search and the report.
#include "ui/sheet/SheetFilesController.h"

#include "base/TextCatalog.h"
#include "eval/HistorySearch.h"
#include "output/TipFile.h"
#include "output/TipReport.h"
#include "session/ProgramState.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/sheet/SheetPage.h"

#include <QDesktopServices>
#include <QToolButton>
#include <QUrl>

namespace numora::ui {

SheetFilesController::SheetFilesController(ProgramState& state, WindowHooks& hooks, RunGate& gate,
                                           LottotippPage* sheet, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_gate(gate), m_sheet(sheet), m_window(window)
{
    connect(m_sheet->saveTip, &QToolButton::clicked, this, &SheetFilesController::save);
    connect(m_sheet->loadTip, &QToolButton::clicked, this, &SheetFilesController::load);
    connect(m_sheet->searchHistory, &QToolButton::clicked, this, &SheetFilesController::searchHistory);
    connect(m_sheet->report, &QToolButton::clicked, this, &SheetFilesController::writeReport);
    m_gate.addStarter(Run::Search, m_sheet->searchHistory);
}

void SheetFilesController::save()
{
    const QString path = FileDialogs::save(m_window, tx(QStringLiteral("Speichern des Tipps")),
                                           TipFile::defaultName(m_state.chosenDate.value, m_state.todayDay()),
                                           TipFile::filter(), TipFile::extension());
    if (path.isEmpty())
        return;
    if (const Status saved = TipFile::save(path, m_state.sheet); !saved)
        m_hooks.showError(saved.error().message);
}

void SheetFilesController::load()
{
    loadFrom(FileDialogs::open(m_window, tx(QStringLiteral("Tipp laden aus Datei")), QString(), TipFile::filter(),
                               TipFile::extension()));
}

void SheetFilesController::loadFrom(const QString& path)
{
    if (!path.isEmpty()) {
        if (const Status loaded = Textladen(path, m_state.sheet); !loaded) {
            m_hooks.showError(loaded.error().message);
            return;
        }
    }
    // Also after a cancel: back to the chosen date's draw, which evaluates the sheet.
    Q_EMIT chosenDrawRequested();
}

void SheetFilesController::searchHistory()
{
    RunControl& search = m_gate.control(Run::Search);
    if (search.running())
        return;
    const RunGate::Pass pass(m_gate, Run::Search);
    if (!pass)
        return;
    const auto outcome = HistorySearch::run(m_state, &search);
    Q_EMIT drawChanged();
    Q_EMIT sheetChanged();
    if (!outcome)
        m_hooks.showError(outcome.error().message);
}

void SheetFilesController::writeReport()
{
    const auto path = TipReport::write(m_state);
    if (!path) {
        m_hooks.showError(path.error().message);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(*path));
}

} // namespace numora::ui
