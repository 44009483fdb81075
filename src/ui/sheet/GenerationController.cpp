// Tip generation from the window: the options, the calculate button, the number selection dialog.
#include "ui/sheet/GenerationController.h"

#include "base/TextCatalog.h"
#include "gen/Generator.h"
#include "gen/LuckyNumber.h"
#include "gen/SheetCommands.h"
#include "session/ProgramState.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/history/HistoryPage.h"
#include "ui/options/OptionsPage.h"
#include "ui/sheet/NumberSelectionDialog.h"
#include "ui/sheet/SheetPage.h"
#include "ui/sheet/TipSheetView.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QSpinBox>

#include <optional>

namespace numora::ui {

GenerationController::GenerationController(ProgramState& state, WindowHooks& hooks, RunGate& gate,
                                           LottotippPage* sheet, BerechnungPage* options, DatenbankPage* history,
                                           QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_gate(gate), m_sheet(sheet), m_options(options),
      m_history(history), m_window(window), m_action(new QAction(QStringLiteral("&Berechnen"), window))
{
    m_action->setObjectName(QStringLiteral("Berechnen1"));
    for (const auto& [n, box] : m_options->checkBoxes)
        bindOption(box, QStringLiteral("CheckBox%1").arg(n));
    for (const auto& [n, spin] : m_options->upDowns)
        bindOption(spin, QStringLiteral("UpDown%1").arg(n));
    bindOption(m_history->onlyAfterThree, QStringLiteral("CheckBox31"));
    // The paired limits keep each other consistent when the arrows are pressed.
    for (int n : {3, 9, 15, 16})
        m_options->upDowns.at(n)->installEventFilter(this);

    m_calculateIdle = m_sheet->calculate->text();
    connect(m_sheet->calculate, &QPushButton::clicked, this, &GenerationController::calculate);
    connect(m_action, &QAction::triggered, this, &GenerationController::calculate);
    m_gate.addStarter(Run::Generation, m_sheet->calculate);
    m_gate.addStarter(Run::Generation, m_action);
    connect(m_sheet->luckyNumber, &QPushButton::clicked, this, [this] { LuckyNumber::ask(m_state); });
    connect(m_sheet->sheetView, &TipSheetView::editRowRequested, this, &GenerationController::editRow);
    showOptions();
}

void GenerationController::bindOption(QWidget* widget, const QString& name)
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

void GenerationController::showOptions()
{
    m_syncing = true;
    m_options->showGame(m_state.game);
    for (const auto& [n, box] : m_options->checkBoxes)
        box->setChecked(m_state.params.checkBox(n));
    m_history->onlyAfterThree->setChecked(m_state.params.recalculateOnlyAfterThree());
    for (const auto& [n, spin] : m_options->upDowns) {
        const auto& u = m_state.params.upDownRange(n);
        spin->setRange(u.minimum, std::max(u.minimum, u.maximum));
        spin->setValue(u.position);
    }
    m_syncing = false;
}

bool GenerationController::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (press || event->type() == QEvent::MouseButtonRelease) {
        for (int n : {3, 9, 15, 16})
            if (watched == m_options->upDowns.at(n)) {
                if (press)
                    m_state.params.upDownPressed(n);
                else
                    m_state.params.upDownReleased(n);
                showOptions();
            }
    }
    return QObject::eventFilter(watched, event);
}

bool GenerationController::running() const { return m_state.generation.running(); }

void GenerationController::showCaption()
{
    m_sheet->calculate->setText(running() ? m_state.meldungen[16] : m_calculateIdle);
}

void GenerationController::retranslate() { m_calculateIdle = m_sheet->calculate->text(); }

void GenerationController::calculate()
{
    // An analysis' generations are its own; a stop from here would cut one of its passes short.
    // Nor does a generation start while another run reads or writes what it reads.
    if (m_gate.blocked(Run::Generation))
        return;
    // A click while a run goes on reaches the generator as its stop request, and returns to
    // the run still going on further up.
    std::optional<RunGate::Pass> pass;
    if (!running()) {
        Q_EMIT runStarting();
        pass.emplace(m_gate, Run::Generation);
    }
    const auto result = Generator::generate(m_state);
    showCaption();
    if (running())
        return;
    Q_EMIT runEnded();
    showOptions();
    Q_EMIT drawChanged();
    Q_EMIT sheetChanged();
    Q_EMIT chartChanged();
    if (!result)
        m_hooks.showError(result.error().message);
}

void GenerationController::editRow(int row)
{
    // The row as its label on the sheet names it ("2. Tipp", "Line 2").
    // Kept between uses of one game; another game's numbers start afresh.
    if (m_rowSelection.numbers() != m_state.game.numbers)
        m_rowSelection = NumberSelection(m_state.game.numbers);
    m_rowSelection.caption = tx(QStringLiteral("%1. Tipp")).arg(row + 1);
    SheetCommands::prepareRowEdit(m_state, m_rowSelection, row);
    TForm6 dialog(m_rowSelection, *m_state.random, m_window, m_state.game.gridColumns);
    dialog.today = m_state.today;
    if (dialog.exec() == TForm6::ResultOk)
        SheetCommands::applyRowEdit(m_state, m_rowSelection, row);
    SheetCommands::finishRowEdit(m_state, m_rowSelection);
    Q_EMIT sheetChanged();
}

PoolChoice GenerationController::editPool(NumberSelection& selection)
{
    TForm6 dialog(selection, *m_state.random, m_window, m_state.game.gridColumns);
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
