// The history from the window: the draw update, entry and deletion by hand, and the hidden
// rebuild, text import and upload.
#include "ui/history/HistoryController.h"

#include "base/WebClient.h"
#include "history/DrawEntry.h"
#include "history/DrawMerge.h"
#include "history/DrawRebuild.h"
#include "history/DrawUpdate.h"
#include "history/GameUpdate.h"
#include "session/ProgramState.h"
#include "ui/common/RunGate.h"
#include "ui/common/WindowHooks.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/history/HistoryPage.h"
#include "ui/internet/InternetPage.h"
#include "ui/sheet/SheetPage.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <optional>

namespace numora::ui {

HistoryController::HistoryController(ProgramState& state, WindowHooks& hooks, RunGate& gate, WebClient& web,
                                     DatenbankPage* history, LottotippPage* sheet, InternetPage* internet,
                                     QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_gate(gate), m_web(web), m_history(history), m_sheet(sheet),
      m_internet(internet), m_window(window), m_action(new QAction(QStringLiteral("&Aktualisieren"), window))
{
    m_action->setObjectName(QStringLiteral("Aktualisieren1"));
    connect(m_history->update, &QPushButton::clicked, this, &HistoryController::update);
    connect(m_sheet->update, &QToolButton::clicked, this, &HistoryController::update);
    connect(m_action, &QAction::triggered, this, &HistoryController::update);
    m_gate.addStarter(Run::Update, m_history->update);
    m_gate.addStarter(Run::Update, m_sheet->update);
    m_gate.addStarter(Run::Update, m_action);
    m_gate.addStarter(Run::Rebuild, m_history->rebuild);
    m_gate.addStarter(Run::Entry, m_history->enter);
    m_gate.addStarter(Run::Delete, m_history->remove);
    m_gate.addStarter(Run::TextImport, m_history->textImport);
    connect(m_history->stopUpdate, &QPushButton::clicked, this, [this] {
        m_gate.control(Run::Update).requestStop();
        m_history->stopUpdate->hide();
    });

    connect(m_history->enter, &QPushButton::clicked, this, &HistoryController::enter);
    connect(m_history->remove, &QPushButton::clicked, this, &HistoryController::remove);
    connect(m_history->rebuild, &QPushButton::clicked, this, &HistoryController::rebuild);
    connect(m_history->textImport, &QPushButton::clicked, this, &HistoryController::textImport);
    connect(m_history->exportText, &QPushButton::clicked, this, &HistoryController::upload);

    m_internet->serviceAddress->setText(m_state.hosts.services);
    for (QLineEdit* field :
         {m_internet->proxyHost, m_internet->proxyPort, m_internet->serviceAddress, m_internet->csvAddress})
        connect(field, &QLineEdit::textChanged, this, [this] { m_internet->copyTo(m_state); });
}

void HistoryController::showResult(const Status& status)
{
    Q_EMIT drawChanged();
    Q_EMIT sheetChanged();
    if (!status)
        m_hooks.showError(status.error().message);
}

void HistoryController::update()
{
    RunControl& control = m_gate.control(Run::Update);
    if (control.running())
        return;
    const RunGate::Pass pass(m_gate, Run::Update);
    if (!pass)
        return;
    std::optional<RunControl::Scope> running(std::in_place, control);
    m_history->update->setEnabled(false);
    m_sheet->update->setEnabled(false);
    m_history->stopUpdate->show();
    m_internet->copyTo(m_state);
    Status done = Done{};
    // The update service serves the default game only; another game merges its results CSV,
    // and one without an address or no longer drawn is told so, not sent a request.
    QString address = m_state.csvAddress;
    if (m_state.game.id != QLatin1String(Game::DefaultId)) {
        const GameUpdate::Plan plan = GameUpdate::plan(m_state, m_state.csvAddress);
        if (plan.kind == GameUpdate::Plan::Kind::NoLongerDrawn)
            m_hooks.showMessage(plan.message);
        else if (plan.kind == GameUpdate::Plan::Kind::NoAddress)
            done = Error{plan.message};
        else
            done = mergeCsvAddress(plan.address);
    } else if (address.isEmpty()) {
        const auto outcome = DrawUpdate::run(m_state, m_web, control);
        if (!outcome)
            done = outcome.error();
    } else {
        done = mergeCsvAddress(address);
    }
    m_history->update->setEnabled(true);
    m_sheet->update->setEnabled(true);
    m_history->stopUpdate->hide();
    running.reset();
    Q_EMIT runEnded();
    showResult(done);
}

Status HistoryController::mergeCsvAddress(const QString& address)
{
    // A client of its own: the window stays usable while the file arrives, and a command run from
    // there may use the main client.
    WebClient client;
    if (auto s = client.setProxy(m_state.proxyHost, m_state.proxyPort); !s)
        return s;
    client.setMaxBodyBytes(DrawCsv::MaxFileBytes);
    const auto outcome = DrawMerge::mergeAddress(m_state, client, address, DrawMerge::Gaps::Ask,
                                                 &m_gate.control(Run::Update));
    if (!outcome)
        return outcome.error();
    if (outcome->stopped)
        return Done{};
    if (!outcome->plan.conflicts.empty())
        return Error{DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n"))};
    // Panel 0 is narrow: the whole summary goes to panel 1 as well.
    m_state.hooks->setStatusPanel0(DrawMerge::summary(*outcome));
    m_state.hooks->setStatusText((QStringList{DrawMerge::summary(*outcome)} + outcome->notes).join(QStringLiteral("; ")));
    return Done{};
}

void HistoryController::enter()
{
    const RunGate::Pass pass(m_gate, Run::Entry);
    if (!pass)
        return;
    const auto reference = DrawEntry::referenceRecord(m_state);
    if (!reference) {
        m_hooks.showError(reference.error().message);
        return;
    }
    TForm3 dialog(m_window, m_state.game);
    dialog.fill(*reference);
    Status stored = Done{};
    if (dialog.exec() == QDialog::Accepted) {
        const auto record = dialog.record();
        // Another game's numbers and extra number follow its own rules, checked before writing.
        const bool checked = m_state.game.id != QLatin1String(Game::DefaultId);
        const Status valid = record && checked ? DrawEntry::validate(m_state.game, *record) : Status(Done{});
        stored = !record ? Status(record.error()) : !valid ? valid : DrawEntry::store(m_state, *record);
    }
    const Status shown = DrawEntry::finish(m_state, reference->Datum);
    showResult(!stored ? stored : shown);
}

void HistoryController::remove()
{
    const RunGate::Pass pass(m_gate, Run::Delete);
    if (!pass)
        return;
    m_state.hooks->setBusy(true);
    const Status deleted = DrawEntry::deleteShown(m_state);
    m_state.hooks->setBusy(false);
    showResult(deleted);
}

void HistoryController::rebuild()
{
    RunControl& control = m_gate.control(Run::Rebuild);
    if (control.running())
        return;
    const RunGate::Pass pass(m_gate, Run::Rebuild);
    if (!pass)
        return;
    const QList<QWidget*> maintenance{m_history->update, m_history->textImport, m_history->rebuild};
    for (QWidget* w : maintenance)
        w->setEnabled(false);
    m_internet->copyTo(m_state);
    const auto rebuilt = DrawRebuild::rebuild(m_state, m_web, &control);
    for (QWidget* w : maintenance)
        w->setEnabled(true);
    showResult(rebuilt ? Status(Done{}) : Status(rebuilt.error()));
}

void HistoryController::textImport()
{
    const RunGate::Pass pass(m_gate, Run::TextImport);
    if (pass)
        showResult(DrawRebuild::textImport(m_state));
}

void HistoryController::upload()
{
    m_internet->copyTo(m_state);
    if (const Status sent = DrawUpdate::uploadAll(m_state, m_web); !sent)
        m_hooks.showError(sent.error().message);
}

} // namespace numora::ui
