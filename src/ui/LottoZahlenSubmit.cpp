// The main window's hand-over to Clickrunner: the tip-transfer file, the click script and the start.
#include "ui/LottoZahlen.h"

#include "output/ClickScript.h"
#include "output/TipTransfer.h"
#include "ui/LottotippPage.h"
#include "ui/Scriptwahl.h"

#include <QLineEdit>
#include <QToolButton>
#include <QUrl>

namespace numora::ui {

void TForm1::connectSubmit()
{
    m_scriptChoice = new TCRSForm(this);
    connect(m_lottotipp->submit, &QToolButton::clicked, this, &TForm1::submitToClickrunner);
}

void TForm1::submitToClickrunner()
{
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
        if (m_hooks.askYesNo(QStringLiteral("Clickrunner jetzt installieren?"), QStringLiteral("Veldors Clickrunner installieren?")))
            openAddress(ClickScript::downloadAddress());
        return Done {};
    }

    m_scriptChoice->setScriptFolder(m_state.programDir + QStringLiteral("Script"));
    m_scriptChoice->setScript(settings.script);
    m_scriptChoice->setServicesBase(m_state.hosts.services);
    if (m_scriptChoice->exec() != QDialog::Accepted)
        return Done {};

    settings.script = m_scriptChoice->script();
    settings.zahl1 = m_scriptChoice->zahl1->text();
    settings.zahl2 = m_scriptChoice->zahl2->text();
    settings.text1 = m_scriptChoice->text1->text();
    settings.text2 = m_scriptChoice->text2->text();
    if (auto saved = settings.save(store); !saved)
        return saved;

    const auto script = ClickScript::write(settings.script, ClickScript::outputPath(m_state.programDir, m_state.today()),
                                           m_state.sheet, m_submitOptions, transferPath);
    if (!script)
        return script.error();
    // Whether Clickrunner really started is its own business.
    ClickScript::start(executable, ClickScript::arguments(*script, settings));
    return Done {};
}

} // namespace numora::ui
