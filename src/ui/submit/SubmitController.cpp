// The hand-over to Clickrunner and to the submission service: the tip-transfer file, the click
// script and the start.
#include "ui/submit/SubmitController.h"

#include "app/Einstellungen.h"
#include "base/TextCatalog.h"
#include "base/WebClient.h"
#include "output/ClickScript.h"
#include "output/OnlineSubmission.h"
#include "output/TipTransfer.h"
#include "session/ProgramState.h"
#include "ui/common/WindowHooks.h"
#include "ui/internet/InternetPage.h"
#include "ui/print/PrintSettingsDialog.h"
#include "ui/sheet/SheetPage.h"
#include "ui/submit/ScriptChoiceDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QUrl>

namespace numora::ui {

namespace {

void openAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

} // namespace

SubmitController::SubmitController(ProgramState& state, WindowHooks& hooks, Einstellungen& settings, WebClient& web,
                                   LottotippPage* sheet, InternetPage* internet, TForm5* printSettings,
                                   std::function<bool()> chooseSuperzahl, QWidget* window)
    : QObject(window), m_state(state), m_hooks(hooks), m_settings(settings), m_web(web), m_sheet(sheet),
      m_internet(internet), m_printSettings(printSettings), m_chooseSuperzahl(std::move(chooseSuperzahl)),
      m_scriptChoice(new TCRSForm(window))
{
    connect(m_sheet->submit, &QToolButton::clicked, this, &SubmitController::toClickrunner);
    m_sheet->tipp24->setEnabled(true);
    connect(m_sheet->tipp24, &QToolButton::clicked, this, [this] {
        if (!refused())
            Q_EMIT onlineRequested();
    });
    showGame();
}

namespace {
QString noSubmission() { return tx(QStringLiteral("Für dieses Spiel gibt es keine Online-Abgabe.")); }
} // namespace

void SubmitController::showGame()
{
    const bool offered = m_state.game.onlineSubmission;
    for (QToolButton* button : {m_sheet->submit, m_sheet->tipp24}) {
        // The button's own hint comes back with a game that has the submission.
        const QVariant ownHint = button->property("ownHint");
        if (offered && !ownHint.isValid())
            continue;
        if (!ownHint.isValid())
            button->setProperty("ownHint", button->toolTip());
        button->setEnabled(offered);
        button->setStatusTip(offered ? QString() : noSubmission());
        button->setToolTip(offered ? ownHint.toString() : noSubmission());
        if (offered)
            button->setProperty("ownHint", QVariant());
    }
}

bool SubmitController::refused()
{
    if (m_state.game.onlineSubmission)
        return false;
    m_hooks.showMessage(noSubmission());
    return true;
}

void SubmitController::online(const SubmitOptions& options)
{
    if (refused())
        return;
    if (options.portal != 1) {
        toClickrunner();
        return;
    }
    m_internet->copyTo(m_state);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto answer = OnlineSubmission::askService(m_web, m_state.hosts, m_state.proxyHost, m_state.proxyPort,
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
        Q_EMIT hint(OnlineSubmission::notOpenedHint());
        break;
    }
}

void SubmitController::toClickrunner()
{
    if (refused())
        return;
    // The Superzahl travels as the last digit of the ticket number "000000" + digit; the stored
    // Losnummer stays the dialog's own.
    if (m_chooseSuperzahl())
        m_printSettings->generateTicketNumber();
    if (const Status stored = m_settings.storeTicketChoices(m_state); !stored)
        m_state.hooks->setStatusText(stored.error().message);
    const QString number = QStringLiteral("000000") + m_printSettings->ticketNumber().right(1);
    m_state.sheet.setTicketNumber(number);
    m_sheet->ticketNumber->setText(m_state.meldungen[12] + QStringLiteral(": ") + number);
    m_state.hooks->showSheetTab();
    const auto transfer = TipTransfer::write(m_state.programDir, m_state.chosenDate.value, m_state.todayDay(), m_state.sheet);
    const QString transferPath = transfer ? *transfer
                                          : TipTransfer::path(m_state.programDir, m_state.chosenDate.value, m_state.todayDay());
    const Status exported = transfer ? writeClickScript(transferPath) : Status(transfer.error());
    if (!exported)
        m_hooks.showError(transferPath + QLatin1Char(' ') + m_state.meldungen[55] + QStringLiteral("\n\n")
                          + exported.error().message);
}

Status SubmitController::writeClickScript(const QString& transferPath)
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
                                           m_state.sheet, m_printSettings->options(), transferPath);
    if (!script)
        return script.error();
    // Whether Clickrunner really started is its own business.
    ClickScript::start(executable, ClickScript::arguments(*script, settings));
    return Done {};
}

} // namespace numora::ui
