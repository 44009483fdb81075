// The main window's hand-over to Clickrunner: the tip-transfer file, the click script and the start.
#include "ui/mainwindow/MainWindow.h"

#include "app/Einstellungen.h"
#include "base/TextCatalog.h"
#include "base/WebClient.h"
#include "output/ClickScript.h"
#include "output/OnlineSubmission.h"
#include "output/TipTransfer.h"
#include "ui/internet/InternetPage.h"
#include "ui/sheet/SheetPage.h"
#include "ui/submit/ScriptChoiceDialog.h"
#include "ui/print/PrintSettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QUrl>

namespace numora::ui {

void TForm1::connectSubmit()
{
    m_scriptChoice = new TCRSForm(this);
    connect(m_lottotipp->submit, &QToolButton::clicked, this, &TForm1::submitToClickrunner);
    m_lottotipp->tipp24->setEnabled(true);
    connect(m_lottotipp->tipp24, &QToolButton::clicked, this, &TForm1::submitOnline);
}

void TForm1::submitToTipp24(const SubmitOptions& options)
{
    if (options.portal != 1) {
        submitToClickrunner();
        return;
    }
    syncInternetFields();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto answer = OnlineSubmission::askService(*m_web, m_state.hosts, m_state.proxyHost, m_state.proxyPort,
                                                     m_state.sheet.tipCount());
    QApplication::restoreOverrideCursor();
    if (!answer) {
        m_hooks.showError(answer.error().message);
        return;
    }
    OnlineSubmission::Request request;
    request.sheet = &m_state.sheet;
    request.tipCount = m_state.sheet.tipCount();
    request.options = options;
    request.hosts = m_state.hosts;
    request.linkPage = m_internet->linkPage->isChecked();
    request.programDir = m_state.programDir;
    request.makerAddress = m_state.urlEdit;
    const auto plan = OnlineSubmission::plan(request, *answer);
    if (!plan) {
        m_hooks.showError(plan.error().message);
        return;
    }
    using Action = OnlineSubmission::Plan::Action;
    switch (plan->action) {
    case Action::ShowMessage:
        m_hooks.showMessage(plan->message);
        break;
    case Action::OpenNotice:
    case Action::OpenLinkPage:
        openAddress(QUrl::fromLocalFile(plan->target).toString());
        break;
    case Action::OpenAddress:
        openAddress(plan->target);
        m_panel1->setText(OnlineSubmission::notOpenedHint());
        break;
    }
}

void TForm1::submitToClickrunner()
{
    // The Superzahl travels as the last digit of the ticket number "000000" + digit; the stored
    // Losnummer stays the dialog's own.
    if (!m_busy && !generationRunning() && chooseSuperzahl())
        m_form5->generateTicketNumber();
    if (const Status stored = m_settings.storeTicketChoices(m_state); !stored)
        setStatusText(stored.error().message);
    const QString number = QStringLiteral("000000") + m_form5->ticketNumber().right(1);
    m_state.sheet.setTicketNumber(number);
    m_ticketLabel->setText(m_state.meldungen[12] + QStringLiteral(": ") + number);
    showSheetTab();
    const auto transfer = TipTransfer::write(m_state.programDir, m_state.chosenDate.value, m_state.todayDay(), m_state.sheet);
    const QString transferPath = transfer ? *transfer
                                          : TipTransfer::path(m_state.programDir, m_state.chosenDate.value, m_state.todayDay());
    const Status exported = transfer ? AutoWebScript(transferPath) : Status(transfer.error());
    if (!exported)
        m_hooks.showError(transferPath + QLatin1Char(' ') + m_state.meldungen[55] + QStringLiteral("\n\n")
                          + exported.error().message);
}

Status TForm1::AutoWebScript(const QString& transferPath)
{
    const QString store = ClickScript::storeFile();
    ClickScript::Settings settings = ClickScript::Settings::load(store);
    m_scriptChoice->zahl1->setText(settings.zahl1);
    m_scriptChoice->zahl2->setText(settings.zahl2);
    m_scriptChoice->text1->setText(settings.text1);
    m_scriptChoice->text2->setText(settings.text2);

    const QString executable = ClickScript::executable(settings.path);
    if (executable.isEmpty()) {
        if (m_hooks.askYesNo(tx(QStringLiteral("Clickrunner jetzt installieren?")), tx(QStringLiteral("Veldors Clickrunner installieren?"))))
            openAddress(ClickScript::downloadAddress());
        return Done {};
    }

    m_scriptChoice->setFolders(m_state.folders());
    m_scriptChoice->setScript(settings.script);
    m_scriptChoice->setServicesBase(m_state.hosts.services);
    if (m_scriptChoice->exec() != QDialog::Accepted)
        return Done {};

    settings.script = m_scriptChoice->script();
    settings.zahl1 = m_scriptChoice->zahl1->text();
    settings.zahl2 = m_scriptChoice->zahl2->text();
    settings.text1 = m_scriptChoice->text1->text();
    settings.text2 = m_scriptChoice->text2->text();
    // Like the program's other store writes on the way to the broker, a failure here does not stop
    // the hand-over: the parameters are simply asked for again next time.
    settings.save(store);

    const auto script = ClickScript::write(settings.script, ClickScript::outputPath(m_state.programDir, m_state.today()),
                                           m_state.sheet, m_form5->options(), transferPath);
    if (!script)
        return script.error();
    // Whether Clickrunner really started is its own business.
    ClickScript::start(executable, ClickScript::arguments(*script, settings));
    return Done {};
}

} // namespace numora::ui
