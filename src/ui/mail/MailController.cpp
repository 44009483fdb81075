// The main window's e-mail button: the sheet goes into the mail window with its evaluation link.
#include "ui/mainwindow/MainWindow.h"

#include "output/MailSettings.h"
#include "output/TipMail.h"
#include "ui/sheet/SheetPage.h"
#include "ui/mail/MailWindow.h"

#include <QToolButton>

namespace numora::ui {

void TForm1::connectMail()
{
    m_mailer = new TMailerForm(MailSettings::defaultPath(), this);
    connect(m_lottotipp->mail, &QToolButton::clicked, this, &TForm1::mailTip);
}

void TForm1::mailTip()
{
    m_mailer->prepare(TipMail::subject(m_state.today()), TipMail::body(m_state.sheet, m_state.hosts.services));
    m_mailer->exec();
}

} // namespace numora::ui
