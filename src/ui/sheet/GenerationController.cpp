// The main window's side of tip generation: the options, the calculate button, the number
// selection dialog and what a run asks of the window while it goes on.
#include "ui/mainwindow/MainWindow.h"

#include "base/TextCatalog.h"
#include "gen/Generator.h"
#include "gen/LuckyNumber.h"
#include "gen/SheetCommands.h"
#include "ui/options/OptionsPage.h"
#include "ui/history/HistoryPage.h"
#include "ui/chart/ChartPage.h"
#include "ui/sheet/SheetPage.h"
#include "ui/chart/MainChart.h"
#include "ui/sheet/TipSheetView.h"
#include "ui/sheet/NumberSelectionDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <optional>
#include <utility>

namespace numora::ui {

namespace {
// Painting more often than the display refreshes only costs time.
constexpr qint64 paintIntervalMs = 16;
} // namespace

void TForm1::connectGeneration()
{
    for (const auto& [n, box] : m_berechnung->checkBoxes)
        bindOption(box, QStringLiteral("CheckBox%1").arg(n));
    for (const auto& [n, spin] : m_berechnung->upDowns)
        bindOption(spin, QStringLiteral("UpDown%1").arg(n));
    bindOption(m_datenbank->onlyAfterThree, QStringLiteral("CheckBox31"));
    // The paired limits keep each other consistent when the arrows are pressed.
    for (int n : {3, 9, 15, 16})
        m_berechnung->upDowns.at(n)->installEventFilter(this);

    m_calculateIdle = m_lottotipp->calculate->text();
    connect(m_lottotipp->calculate, &QPushButton::clicked, this, &TForm1::calculate);
    connect(m_calculateAction, &QAction::triggered, this, &TForm1::calculate);
    m_gate.addStarter(Run::Generation, m_lottotipp->calculate);
    m_gate.addStarter(Run::Generation, m_calculateAction);
    connect(m_lottotipp->luckyNumber, &QPushButton::clicked, this, [this] { LuckyNumber::ask(m_state); });
    connect(m_lottotipp->sheetView, &TipSheetView::editRowRequested, this, &TForm1::editRow);
    showOptions();
}

void TForm1::bindOption(QWidget* widget, const QString& name)
{
    const OptionInfo* option = Berechnungsparameter::find(name);
    if (!option)
        return;
    const int n = option->number;
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
            if (!m_syncing)
                m_state.params.setCheckBox(n, on);
        });
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        connect(spin, &QSpinBox::valueChanged, this, [this, n](int value) {
            if (m_syncing)
                return;
            m_state.params.setUpDown(n, value);
            if (n == 7)
                m_state.generatorLoopLimit = m_state.params.loopLimit();
        });
    }
}

void TForm1::showOptions()
{
    m_syncing = true;
    for (const auto& [n, box] : m_berechnung->checkBoxes)
        box->setChecked(m_state.params.checkBox(n));
    m_datenbank->onlyAfterThree->setChecked(m_state.params.recalculateOnlyAfterThree());
    for (const auto& [n, spin] : m_berechnung->upDowns) {
        const auto& u = m_state.params.upDownRange(n);
        spin->setRange(u.minimum, std::max(u.minimum, u.maximum));
        spin->setValue(u.position);
    }
    m_syncing = false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (press || event->type() == QEvent::MouseButtonRelease) {
        for (int n : {3, 9, 15, 16})
            if (watched == m_berechnung->upDowns.at(n)) {
                if (press)
                    m_state.params.upDownPressed(n);
                else
                    m_state.params.upDownReleased(n);
                showOptions();
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::generationRunning() const { return m_state.generation.running(); }

QString TForm1::calculateCaption() const
{
    return m_state.generation.running() ? m_state.meldungen[16] : m_calculateIdle;
}

void TForm1::calculate()
{
    // An analysis' generations are its own; a stop from here would cut one of its passes short.
    // Nor does a generation start while another run reads or writes what it reads.
    if (m_gate.blocked(Run::Generation))
        return;
    // A click while a run goes on reaches the generator as its stop request, and returns to
    // the run still going on further up.
    std::optional<RunGate::Pass> pass;
    if (!generationRunning()) {
        m_runStatistic.reset();
        pass.emplace(m_gate, Run::Generation);
    }
    const auto result = Generator::generate(m_state);
    m_lottotipp->calculate->setText(calculateCaption());
    if (generationRunning())
        return;
    flushStatus();
    showOptions();
    showDraw();
    showSheet();
    m_diagramm->chart->show(m_runStatistic.value_or(m_state.chart));
    if (!result)
        m_hooks.showError(result.error().message);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The run's loop is further up the stack: ask it to stop and close when it has ended.
    if (m_gate.anyRunning()) {
        m_gate.stopAllAndClose();
        event->ignore();
        return;
    }
    // A failed save is shown, and the window closes all the same.
    saveSettings();
    QMainWindow::closeEvent(event);
}

void TForm1::editRow(int row)
{
    // The row as its label on the sheet names it ("2. Tipp", "Line 2").
    m_rowSelection.caption = tx(QStringLiteral("%1. Tipp")).arg(row + 1);
    SheetCommands::prepareRowEdit(m_state, m_rowSelection, row);
    TForm6 dialog(m_rowSelection, *m_state.random, this);
    dialog.today = m_state.today;
    if (dialog.exec() == TForm6::ResultOk)
        SheetCommands::applyRowEdit(m_state, m_rowSelection, row);
    SheetCommands::finishRowEdit(m_state, m_rowSelection);
    showSheet();
}

QString TForm1::askText(const QString& caption, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, proposed, &ok);
    return ok ? answer : proposed;
}

std::optional<QString> TForm1::askTextOrCancel(const QString& caption, const QString& prompt, const QString& proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

void TForm1::pumpMessages()
{
    if (m_paintClock.elapsed() < paintIntervalMs)
        return;
    if (analysisRunning()) {
        showAnalysisProgress();
    } else {
        flushStatus();
        m_lottotipp->calculate->setText(calculateCaption());
    }
    QApplication::processEvents();
    m_paintClock.restart();
}

void TForm1::setStatusText(const QString& text)
{
    m_statusText = text;
    m_statusPending = true;
    if (analysisRunning())
        return; // shown with the analysis' progress
    if (m_paintClock.elapsed() >= paintIntervalMs || !generationRunning())
        flushStatus();
}

void TForm1::flushStatus()
{
    if (!m_statusPending)
        return;
    m_panel1->setText(m_statusText);
    m_statusPending = false;
}

void TForm1::setBusy(bool busy)
{
    // The generations of an analysis would switch the cursor twice per draw.
    if (busy == m_busy || (!busy && analysisRunning()))
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::playSound(const QString& path)
{
    // Restarting the fanfare for every row of every draw of an analysis is only noise: once
    // per paint is what can be heard.
    if (analysisRunning())
        m_pendingSound = path;
    else
        m_hooks.playSound(path);
}

void TForm1::showChartTab()
{
    // The generations of a back-test would flip between the chart and the sheet per draw.
    if (m_backtest.running())
        m_pendingTab = m_diagramm;
    else
        m_pageControl->setCurrentWidget(m_diagramm);
}

void TForm1::showSheetTab()
{
    if (m_backtest.running())
        m_pendingTab = m_lottotipp;
    else
        m_pageControl->setCurrentWidget(m_lottotipp);
}

void TForm1::chartChanged()
{
    m_runStatistic = m_state.chart;
    if (!analysisRunning())
        m_diagramm->chart->show(m_state.chart);
}

void TForm1::sheetChanged()
{
    // An analysis makes a sheet per draw, faster than anyone reads; it shows the last one, the
    // options and the chart when it ends, and meanwhile its progress in the draw and status bar.
    if (!analysisRunning())
        showSheet();
}

void TForm1::sheetChecked()
{
    // The hit marks of a back-test's pass go with its draw: both shown at once, or the sheet would
    // keep the marks of another draw.
    if (analysisRunning()) {
        showDraw();
        showSheet();
    }
}

void TForm1::optionsChanged()
{
    if (!analysisRunning())
        showOptions();
}

PoolChoice TForm1::editPool(NumberSelection& selection)
{
    TForm6 dialog(selection, *m_state.random, this);
    dialog.today = m_state.today;
    switch (dialog.exec()) {
    case TForm6::ResultOk:
        return PoolChoice::Ok;
    case TForm6::ResultRechnen:
        return PoolChoice::Rechnen;
    default:
        return PoolChoice::Cancel;
    }
}

} // namespace numora::ui
