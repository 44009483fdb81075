// The main window's side of the history: the draw update, entry and deletion by hand, and the
// hidden rebuild, text import and upload.
#include "ui/mainwindow/MainWindow.h"

#include "base/WebClient.h"
#include "history/DrawEntry.h"
#include "history/DrawMerge.h"
#include "history/DrawRebuild.h"
#include "history/DrawUpdate.h"
#include "ui/history/HistoryPage.h"
#include "ui/internet/InternetPage.h"
#include "ui/history/DrawEntryDialog.h"
#include "ui/sheet/SheetPage.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <QToolButton>

namespace numora::ui {

void TForm1::connectDatabase()
{
    m_web = std::make_unique<WebClient>();
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(m_datenbank->update),
                               static_cast<QAbstractButton*>(m_lottotipp->update)}) {
        connect(b, &QAbstractButton::clicked, this, &TForm1::updateDraws);
    }
    connect(m_updateAction, &QAction::triggered, this, &TForm1::updateDraws);
    m_gate.addStarter(Run::Update, m_datenbank->update);
    m_gate.addStarter(Run::Update, m_lottotipp->update);
    m_gate.addStarter(Run::Update, m_updateAction);
    m_gate.addStarter(Run::Rebuild, m_datenbank->rebuild);
    connect(m_datenbank->stopUpdate, &QPushButton::clicked, this, [this] {
        m_update.requestStop();
        m_datenbank->stopUpdate->hide();
    });

    connect(m_datenbank->enter, &QPushButton::clicked, this, &TForm1::enterDraw);
    connect(m_datenbank->remove, &QPushButton::clicked, this, [this] {
        setBusy(true);
        const Status deleted = DrawEntry::deleteShown(m_state);
        setBusy(false);
        showDraw();
        showSheet();
        if (!deleted)
            m_hooks.showError(deleted.error().message);
    });

    connect(m_datenbank->rebuild, &QPushButton::clicked, this, [this] {
        if (m_rebuild.running())
            return;
        const RunGate::Pass pass(m_gate, Run::Rebuild);
        if (!pass)
            return;
        const QList<QWidget*> maintenance{m_datenbank->update, m_datenbank->textImport, m_datenbank->rebuild};
        for (QWidget* w : maintenance)
            w->setEnabled(false);
        syncInternetFields();
        const auto rebuilt = DrawRebuild::rebuild(m_state, *m_web, &m_rebuild);
        for (QWidget* w : maintenance)
            w->setEnabled(true);
        showDraw();
        showSheet();
        if (!rebuilt)
            m_hooks.showError(rebuilt.error().message);
    });
    connect(m_datenbank->textImport, &QPushButton::clicked, this, [this] {
        const Status imported = DrawRebuild::textImport(m_state);
        showDraw();
        showSheet();
        if (!imported)
            m_hooks.showError(imported.error().message);
    });
    connect(m_datenbank->exportText, &QPushButton::clicked, this, [this] {
        syncInternetFields();
        if (const Status sent = DrawUpdate::uploadAll(m_state, *m_web); !sent)
            m_hooks.showError(sent.error().message);
    });

    m_internet->serviceAddress->setText(m_state.hosts.services);
    for (QLineEdit* field :
         {m_internet->proxyHost, m_internet->proxyPort, m_internet->serviceAddress, m_internet->csvAddress})
        connect(field, &QLineEdit::textChanged, this, [this] { syncInternetFields(); });
}

void TForm1::syncInternetFields()
{
    m_state.proxyHost = m_internet->proxyHost->text();
    m_state.proxyPort = m_internet->proxyPort->text();
    if (!m_internet->serviceAddress->text().trimmed().isEmpty())
        m_state.hosts.services = m_internet->serviceAddress->text().trimmed();
    m_state.csvAddress = m_internet->csvAddress->text().trimmed();
}

void TForm1::updateDraws()
{
    if (m_update.running())
        return;
    const RunGate::Pass pass(m_gate, Run::Update);
    if (!pass)
        return;
    std::optional<RunControl::Scope> running(std::in_place, m_update);
    m_datenbank->update->setEnabled(false);
    m_lottotipp->update->setEnabled(false);
    m_datenbank->stopUpdate->show();
    syncInternetFields();
    Status done = Done{};
    if (m_state.csvAddress.isEmpty()) {
        const auto outcome = DrawUpdate::run(m_state, *m_web, m_update);
        if (!outcome)
            done = outcome.error();
    } else {
        done = mergeCsvAddress();
    }
    m_datenbank->update->setEnabled(true);
    m_lottotipp->update->setEnabled(true);
    m_datenbank->stopUpdate->hide();
    running.reset();
    flushStatus();
    showDraw();
    showSheet();
    if (!done)
        m_hooks.showError(done.error().message);
}

Status TForm1::mergeCsvAddress()
{
    // A client of its own: the window stays usable while the file arrives, and a command run from
    // there may use the main client.
    WebClient client;
    if (auto s = client.setProxy(m_state.proxyHost, m_state.proxyPort); !s)
        return s;
    client.setMaxBodyBytes(DrawCsv::MaxFileBytes);
    const auto outcome
        = DrawMerge::mergeAddress(m_state, client, m_state.csvAddress, DrawMerge::Gaps::Ask, &m_update);
    if (!outcome)
        return outcome.error();
    if (outcome->stopped)
        return Done{};
    if (!outcome->plan.conflicts.empty())
        return Error{DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n"))};
    // Panel 0 is narrow: the whole summary goes to panel 1 as well.
    setStatusPanel0(DrawMerge::summary(*outcome));
    setStatusText((QStringList{DrawMerge::summary(*outcome)} + outcome->notes).join(QStringLiteral("; ")));
    return Done{};
}

void TForm1::enterDraw()
{
    const auto reference = DrawEntry::referenceRecord(m_state);
    if (!reference) {
        m_hooks.showError(reference.error().message);
        return;
    }
    TForm3 dialog(this);
    dialog.fill(*reference);
    Status stored = Done{};
    if (dialog.exec() == QDialog::Accepted) {
        const auto record = dialog.record();
        stored = record ? DrawEntry::store(m_state, *record) : Status(record.error());
    }
    const Status shown = DrawEntry::finish(m_state, reference->Datum);
    showDraw();
    showSheet();
    if (!stored)
        m_hooks.showError(stored.error().message);
    else if (!shown)
        m_hooks.showError(shown.error().message);
}

void TForm1::setStatusPanel0(const QString& text)
{
    // An analysis reports every draw; the panel shows them at display rate.
    if (analysisRunning())
        m_pendingPanel0 = text;
    else
        m_panel0->setText(text);
}

void TForm1::drawChanged() { showDraw(); }

} // namespace numora::ui
