// The main window's side of the sheet's output and search: tip files, the history search and the
// text report.
#include "ui/mainwindow/MainWindow.h"

#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"
#include "eval/HistorySearch.h"
#include "output/TipFile.h"
#include "output/TipReport.h"
#include "ui/common/FileDialogs.h"
#include "ui/sheet/SheetPage.h"

#include <QToolButton>
#include <QUrl>

namespace numora::ui {

void TForm1::connectTips()
{
    connect(m_lottotipp->saveTip, &QToolButton::clicked, this, &TForm1::saveTip);
    connect(m_lottotipp->loadTip, &QToolButton::clicked, this, &TForm1::loadTip);
    connect(m_lottotipp->searchHistory, &QToolButton::clicked, this, &TForm1::searchHistory);
    connect(m_lottotipp->report, &QToolButton::clicked, this, &TForm1::writeReport);
    m_gate.addStarter(Run::Search, m_lottotipp->searchHistory);
}

void TForm1::saveTip()
{
    const QString path = FileDialogs::save(this, tx(QStringLiteral("Speichern des Tipps")),
                                           TipFile::defaultName(m_state.chosenDate.value, m_state.todayDay()),
                                           TipFile::filter(), TipFile::extension());
    if (path.isEmpty())
        return;
    if (const Status saved = TipFile::save(path, m_state.sheet); !saved)
        m_hooks.showError(saved.error().message);
}

void TForm1::loadTip()
{
    loadTipFrom(FileDialogs::open(this, tx(QStringLiteral("Tipp laden aus Datei")), QString(), TipFile::filter(),
                                  TipFile::extension()));
}

void TForm1::loadTipFrom(const QString& path)
{
    if (!path.isEmpty()) {
        if (const Status loaded = Textladen(path, m_state.sheet); !loaded) {
            m_hooks.showError(loaded.error().message);
            return;
        }
    }
    // Also after a cancel: back to the chosen date's draw, which evaluates the sheet.
    runBrowser(&DrawBrowser::showChosenDate);
}

void TForm1::searchHistory()
{
    if (m_search.running())
        return;
    const RunGate::Pass pass(m_gate, Run::Search);
    if (!pass)
        return;
    const auto outcome = HistorySearch::run(m_state, &m_search);
    showDraw();
    showSheet();
    if (!outcome)
        m_hooks.showError(outcome.error().message);
}

void TForm1::writeReport()
{
    const auto path = TipReport::write(m_state);
    if (!path) {
        m_hooks.showError(path.error().message);
        return;
    }
    openAddress(QUrl::fromLocalFile(*path).toString());
}

} // namespace numora::ui
