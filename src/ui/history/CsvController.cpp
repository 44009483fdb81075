// The main window's CSV menu: the history from and to the CSV files results sites offer, over the
// same reader and writer as numora-cli import-csv and export-csv.
#include "ui/mainwindow/MainWindow.h"

#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "history/DrawMerge.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/StatusHints.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace numora::ui {

namespace {

QString csvFilter() { return tx(QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)")); }

} // namespace

QString TForm1::csvImportQuestion(int draws, const QString& fileName)
{
    return tx(QStringLiteral("Die gespeicherten Ziehungen durch die %1 Ziehungen aus \"%2\" ersetzen?"))
        .arg(draws)
        .arg(fileName);
}

void TForm1::buildCsvMenu()
{
    QMenuBar* bar = menuBar();
    auto* datei = bar->findChild<QMenu*>(QStringLiteral("Datei1"));
    if (!datei) {
        datei = new QMenu(QStringLiteral("&Datei"), bar);
        datei->setObjectName(QStringLiteral("Datei1"));
        const QList<QAction*> existing = bar->actions();
        bar->insertMenu(existing.isEmpty() ? nullptr : existing.first(), datei);
    }
    auto item = [this, datei](const QString& name, const QString& text, const QString& hint) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        a->setToolTip(hint);
        // Hints go to panel 1, as for every control of the window.
        connect(a, &QAction::hovered, this, [this, a] { m_statusHints->show(a); });
        datei->addAction(a);
        return a;
    };
    QAction* import = item(QStringLiteral("CsvImportieren1"), QStringLiteral("CSV importieren…"),
                           QStringLiteral("Die gespeicherten Ziehungen durch die Ziehungen einer CSV-Datei ersetzen"));
    QAction* merge = item(QStringLiteral("CsvHinzufuegen1"), QStringLiteral("CSV hinzufügen…"),
                          QStringLiteral("Die neuen Ziehungen einer CSV-Datei zu den gespeicherten hinzufügen"));
    QAction* exportItem = item(QStringLiteral("CsvExportieren1"), QStringLiteral("CSV exportieren…"),
                               QStringLiteral("Alle gespeicherten Ziehungen in eine CSV-Datei schreiben"));
    connect(import, &QAction::triggered, this, &TForm1::importCsv);
    connect(merge, &QAction::triggered, this, &TForm1::mergeCsvFile);
    connect(exportItem, &QAction::triggered, this, &TForm1::exportCsv);
    for (QAction* a : {import, merge, exportItem})
        m_gate.addStarter(Run::CsvMerge, a);
}

bool TForm1::csvAllowed()
{
    // An update or a run reads the history further up the stack.
    if (!m_gate.blocked(Run::CsvMerge) && !m_gate.running(Run::CsvMerge))
        return true;
    m_hooks.showError(tx(QStringLiteral("Bitte warten Sie, bis die Aktualisierung oder Berechnung beendet ist.")));
    return false;
}

void TForm1::importCsv()
{
    if (!csvAllowed())
        return;
    const RunGate::Pass pass(m_gate, Run::CsvMerge);
    const QString path = FileDialogs::open(this, tx(QStringLiteral("CSV importieren")), QString(), csvFilter());
    if (path.isEmpty())
        return;
    // Read it whole first: a malformed line names its number and nothing is written.
    const auto records = DrawCsv::readFile(path);
    if (!records) {
        m_hooks.showError(records.error().message);
        return;
    }
    if (!m_hooks.askYesNo(tx(QStringLiteral("CSV importieren")),
                          csvImportQuestion(int(records->size()), QFileInfo(path).fileName())))
        return;
    const DrawFile file = m_state.drawFile();
    const auto before = file.exists() ? file.readAll() : std::vector<TZiehung>{};
    const Status replaced = before ? file.replaceAllKeepingBackup(*records) : Status(before.error());
    if (!replaced) {
        m_hooks.showError(replaced.error().message);
        return;
    }
    const QString summary = DrawCsv::importSummary(before->size(), records->size(), file.backupPath());
    if (runBrowser(&DrawBrowser::showChosenDate))
        statusPanel(1)->setText(summary);
}

void TForm1::mergeCsvFile()
{
    if (!csvAllowed())
        return;
    const RunGate::Pass pass(m_gate, Run::CsvMerge);
    const QString path = FileDialogs::open(this, tx(QStringLiteral("CSV hinzufügen")), QString(), csvFilter());
    if (path.isEmpty())
        return;
    const auto table = DrawCsv::readTableFile(path);
    if (!table) {
        m_hooks.showError(table.error().message);
        return;
    }
    const auto outcome = DrawMerge::merge(m_state, *table, DrawMerge::Gaps::Ask);
    showDraw();
    showSheet();
    if (!outcome) {
        m_hooks.showError(outcome.error().message);
        return;
    }
    if (!outcome->plan.conflicts.empty()) {
        m_hooks.showError(DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n")));
        return;
    }
    const QString summary = DrawMerge::summary(*outcome);
    statusPanel(1)->setText(summary);
    QStringList message{summary};
    message << outcome->notes;
    if (const QString gaps = outcome->inserted == 0 ? DrawMerge::gapList(outcome->plan) : QString(); !gaps.isEmpty())
        message << gaps;
    m_hooks.showMessage(message.join(QLatin1Char('\n')));
}

void TForm1::exportCsv()
{
    if (!csvAllowed())
        return;
    const QString path = FileDialogs::save(this, tx(QStringLiteral("CSV exportieren")), QStringLiteral("Ziehungen.csv"),
                                           csvFilter(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const auto records = m_state.drawFile().readAll();
    const Status written = records ? DrawCsv::writeFile(path, *records) : Status(records.error());
    if (!written) {
        m_hooks.showError(written.error().message);
        return;
    }
    statusPanel(1)->setText(tx(QStringLiteral("%1 Ziehungen nach %2 exportiert")).arg(records->size()).arg(path));
}

} // namespace numora::ui
