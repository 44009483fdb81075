// The menu "Datei"'s CSV items: the history from and to the CSV files results sites offer, over
// the same reader and writer as numora-cli import-csv and export-csv.
#include "ui/history/CsvController.h"

#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "history/DrawMerge.h"
#include "session/ProgramState.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/common/FileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

namespace numora::ui {

namespace {

QString csvFilter() { return tx(QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)")); }

} // namespace

QString CsvController::importQuestion(int draws, const QString& fileName)
{
    return tx(QStringLiteral("Die gespeicherten Ziehungen durch die %1 Ziehungen aus \"%2\" ersetzen?"))
        .arg(draws)
        .arg(fileName);
}

CsvController::CsvController(ProgramState& state, WindowHooks& hooks, RunGate& gate, QMenu* file, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_gate(gate), m_window(window)
{
    auto item = [this, window, file](const QString& name, const QString& text, const QString& hint) {
        auto* a = new QAction(text, window);
        a->setObjectName(name);
        a->setToolTip(hint);
        // Hints go to panel 1, as for every control of the window.
        connect(a, &QAction::hovered, this, [this, a] { Q_EMIT hovered(a); });
        file->addAction(a);
        return a;
    };
    QAction* import = item(QStringLiteral("CsvImportieren1"), QStringLiteral("CSV importieren…"),
                           QStringLiteral("Die gespeicherten Ziehungen durch die Ziehungen einer CSV-Datei ersetzen"));
    QAction* merge = item(QStringLiteral("CsvHinzufuegen1"), QStringLiteral("CSV hinzufügen…"),
                          QStringLiteral("Die neuen Ziehungen einer CSV-Datei zu den gespeicherten hinzufügen"));
    QAction* exportItem = item(QStringLiteral("CsvExportieren1"), QStringLiteral("CSV exportieren…"),
                               QStringLiteral("Alle gespeicherten Ziehungen in eine CSV-Datei schreiben"));
    connect(import, &QAction::triggered, this, &CsvController::importCsv);
    connect(merge, &QAction::triggered, this, &CsvController::mergeCsvFile);
    connect(exportItem, &QAction::triggered, this, &CsvController::exportCsv);
    for (QAction* a : {import, merge, exportItem})
        m_gate.addStarter(Run::CsvMerge, a);
}

bool CsvController::allowed()
{
    // An update or a run reads the history further up the stack.
    if (!m_gate.blocked(Run::CsvMerge) && !m_gate.running(Run::CsvMerge))
        return true;
    m_hooks.showError(tx(QStringLiteral("Bitte warten Sie, bis die Aktualisierung oder Berechnung beendet ist.")));
    return false;
}

void CsvController::importCsv()
{
    if (!allowed())
        return;
    const RunGate::Pass pass(m_gate, Run::CsvMerge);
    const QString path = FileDialogs::open(m_window, tx(QStringLiteral("CSV importieren")), QString(), csvFilter());
    if (path.isEmpty())
        return;
    // Read it whole first: a malformed line names its number and nothing is written.
    const auto records = DrawCsv::readFile(path);
    if (!records) {
        m_hooks.showError(records.error().message);
        return;
    }
    if (!m_hooks.askYesNo(tx(QStringLiteral("CSV importieren")),
                          importQuestion(int(records->size()), QFileInfo(path).fileName())))
        return;
    const DrawFile file = m_state.drawFile();
    const auto before = file.exists() ? file.readAll() : std::vector<TZiehung>{};
    const Status replaced = before ? file.replaceAllKeepingBackup(*records) : Status(before.error());
    if (!replaced) {
        m_hooks.showError(replaced.error().message);
        return;
    }
    const QString summary = DrawCsv::importSummary(before->size(), records->size(), file.backupPath());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status shown = DrawBrowser::showChosenDate(m_state);
    QApplication::restoreOverrideCursor();
    Q_EMIT drawChanged();
    Q_EMIT sheetChanged();
    if (!shown)
        m_hooks.showError(shown.error().message);
    else
        Q_EMIT reported(summary);
}

void CsvController::mergeCsvFile()
{
    if (!allowed())
        return;
    const RunGate::Pass pass(m_gate, Run::CsvMerge);
    const QString path = FileDialogs::open(m_window, tx(QStringLiteral("CSV hinzufügen")), QString(), csvFilter());
    if (path.isEmpty())
        return;
    const auto table = DrawCsv::readTableFile(path);
    if (!table) {
        m_hooks.showError(table.error().message);
        return;
    }
    const auto outcome = DrawMerge::merge(m_state, *table, DrawMerge::Gaps::Ask);
    Q_EMIT drawChanged();
    Q_EMIT sheetChanged();
    if (!outcome) {
        m_hooks.showError(outcome.error().message);
        return;
    }
    if (!outcome->plan.conflicts.empty()) {
        m_hooks.showError(DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n")));
        return;
    }
    const QString summary = DrawMerge::summary(*outcome);
    Q_EMIT reported(summary);
    QStringList message{summary};
    message << outcome->notes;
    if (const QString gaps = outcome->inserted == 0 ? DrawMerge::gapList(outcome->plan) : QString(); !gaps.isEmpty())
        message << gaps;
    m_hooks.showMessage(message.join(QLatin1Char('\n')));
}

void CsvController::exportCsv()
{
    if (!allowed())
        return;
    const QString path = FileDialogs::save(m_window, tx(QStringLiteral("CSV exportieren")), QStringLiteral("Ziehungen.csv"),
                                           csvFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const auto records = m_state.drawFile().readAll();
    const Status written = records ? DrawCsv::writeFile(path, *records) : Status(records.error());
    if (!written) {
        m_hooks.showError(written.error().message);
        return;
    }
    Q_EMIT reported(tx(QStringLiteral("%1 Ziehungen nach %2 exportiert")).arg(records->size()).arg(path));
}

} // namespace numora::ui
