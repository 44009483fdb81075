// The sheet's e-mail button: the sheet goes into the mail window with its evaluation link.
#include "ui/mail/MailController.h"

#include "output/MailSettings.h"
#include "output/TipMail.h"
#include "session/ProgramState.h"
#include "ui/mail/MailWindow.h"
#include "ui/sheet/SheetPage.h"

#include <QToolButton>

namespace numora::ui {

MailController::MailController(ProgramState& state, LottotippPage* sheet, QWidget* window)
    : QObject(window), m_state(state), m_mailer(new TMailerForm(MailSettings::defaultPath(), window))
{
    connect(sheet->mail, &QToolButton::clicked, this, &MailController::mailTip);
}

void MailController::mailTip()
{
    m_mailer->prepare(TipMail::subject(m_state.today()), TipMail::body(m_state.sheet, m_state.hosts.services));
    m_mailer->exec();
}

} // namespace numora::ui
