#include "ui/mail/MailWindow.h"

#include "base/TextCatalog.h"
#include "output/MailSettings.h"
#include "output/SmtpMailer.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/FileDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

QString TMailerForm::caption() { return QStringLiteral("Veldors Numora Email-Client"); }

TMailerForm::TMailerForm(QString settingsPath, QWidget* parent)
    : QDialog(parent), m_settingsPath(std::move(settingsPath)), m_secrets(std::make_unique<KeychainStore>())
{
    setObjectName(QStringLiteral("MailerForm"));
    setWindowTitle(caption());
    setModal(true);

    ledHost = lineEdit(this, "ledHost");
    ledHost->setToolTip(QStringLiteral("Name des SMTP-Servers, auch mit Port: server:587"));
    LedUser = lineEdit(this, "LedUser");
    LEdPass = lineEdit(this, "LEdPass");
    LEdPass->setEchoMode(QLineEdit::Password);
    LEdPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    ledFrom = lineEdit(this, "ledFrom");
    ledTo = lineEdit(this, "ledTo");
    ledCC = lineEdit(this, "ledCC");
    FromName = lineEdit(this, "FromName", QStringLiteral("Veldor Software"));
    ToName = lineEdit(this, "ToName", QStringLiteral("service@veldor.example"));
    BCCEmail = lineEdit(this, "BCCEmail");
    ledSubject = lineEdit(this, "ledSubject", QStringLiteral("Bitte vergeben Sie einen Betreff für Ihre Nachricht"));
    Bestaetigung = new QCheckBox(QStringLiteral("Empfangsbestätigung"), this);
    Bestaetigung->setObjectName(QStringLiteral("Bestaetigung"));
    Body = new QPlainTextEdit(this);
    Body->setObjectName(QStringLiteral("Body"));
    AccessibleNames::composedName(Body, [] { return tx(QStringLiteral("Nachricht")); });
    ledAttachment = lineEdit(this, "ledAttachment");
    attachmentButton = new QToolButton(this);
    attachmentButton->setObjectName(QStringLiteral("AttachmentButton"));
    attachmentButton->setText(QStringLiteral("..."));
    StatusMemo = new QPlainTextEdit(QStringLiteral("Status..."), this);
    StatusMemo->setObjectName(QStringLiteral("StatusMemo"));
    StatusMemo->setReadOnly(true);
    AccessibleNames::composedName(StatusMemo, [] { return tx(QStringLiteral("Status")); });
    StatusMemo->setMaximumHeight(90);
    sendButton = new QPushButton(QStringLiteral("Send Mail"), this);
    sendButton->setObjectName(QStringLiteral("SendButton"));
    PassInFile = new QCheckBox(QStringLiteral("Passwort in Datei speichern (unsicher)"), this);
    PassInFile->setObjectName(QStringLiteral("PassInFile"));
    PassInFile->setVisible(false);
    keyringNotice = new QLabel(this);
    keyringNotice->setObjectName(QStringLiteral("KeyringNotice"));
    keyringNotice->setWordWrap(true);
    keyringNotice->setTextFormat(Qt::PlainText);
    keyringNotice->setVisible(false);

    auto* server = new QFormLayout;
    server->addRow(QStringLiteral("Host (SMTP server)"), ledHost);
    server->addRow(QStringLiteral("Username"), LedUser);
    server->addRow(QStringLiteral("Password"), LEdPass);
    server->addRow(QString(), PassInFile);
    auto* addresses = new QFormLayout;
    addresses->addRow(QStringLiteral("From-Name"), FromName);
    addresses->addRow(QStringLiteral("From-Email"), ledFrom);
    addresses->addRow(QStringLiteral("To-Name"), ToName);
    addresses->addRow(QStringLiteral("To-Email"), ledTo);
    addresses->addRow(QStringLiteral("CC  ...  Kopie Empfänger"), ledCC);
    addresses->addRow(QStringLiteral("BCC  ...  Blind Kopie"), BCCEmail);
    auto* top = new QHBoxLayout;
    top->addLayout(server, 1);
    top->addSpacing(12);
    top->addLayout(addresses, 1);

    auto* subjectRow = new QHBoxLayout;
    auto* subjectLabel = new QLabel(QStringLiteral("Betreff"), this);
    subjectLabel->setBuddy(ledSubject);
    subjectRow->addWidget(subjectLabel);
    subjectRow->addWidget(ledSubject, 1);
    subjectRow->addWidget(Bestaetigung);

    auto* attachmentRow = new QHBoxLayout;
    attachmentRow->addWidget(ledAttachment, 1);
    attachmentRow->addWidget(attachmentButton);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(keyringNotice);
    root->addLayout(subjectRow);
    root->addWidget(Body, 1);
    auto* attachmentLabel = new QLabel(QStringLiteral("Datei welche als Anhang gesendet wird ..."), this);
    attachmentLabel->setBuddy(ledAttachment);
    AccessibleNames::labelledBy(attachmentButton, {attachmentLabel});
    root->addWidget(attachmentLabel);
    root->addLayout(attachmentRow);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(StatusMemo, 1);
    bottom->addWidget(sendButton, 0, Qt::AlignBottom);
    root->addLayout(bottom);
    resize(640, 520);

    connect(sendButton, &QPushButton::clicked, this, &TMailerForm::sendMail);
    connect(attachmentButton, &QToolButton::clicked, this, &TMailerForm::chooseAttachment);
    loadSettings();
}

void TMailerForm::prepare(const QString& subject, const QString& body)
{
    ledSubject->setText(subject);
    Body->setPlainText(body);
    fetchPassword();
}

void TMailerForm::fetchPassword()
{
    if (m_login.place == PasswordPlace::Unread) {
        MailPassword::fetch(m_login, *m_secrets);
        // What the player typed meanwhile wins.
        if (LEdPass->text().isEmpty())
            LEdPass->setText(m_login.settings.pass);
    }
    showPasswordPlace();
}

void TMailerForm::showPasswordPlace()
{
    keyringNotice->setText(m_login.notice);
    keyringNotice->setVisible(!m_login.notice.isEmpty());
    PassInFile->setVisible(m_login.place == PasswordPlace::File || m_login.place == PasswordPlace::OldFile
                           || m_login.place == PasswordPlace::Session);
}

void TMailerForm::addStatus(const QString& line)
{
    m_status.prepend(line);
    StatusMemo->setPlainText(m_status.join(QLatin1Char('\n')));
    StatusMemo->repaint();
}

void TMailerForm::sendMail()
{
    m_status.clear();
    StatusMemo->clear();

    fetchPassword();
    // Nothing keeps it: asked now, kept in the window until the program ends.
    if (LEdPass->text().isEmpty() && !LedUser->text().trimmed().isEmpty() && m_login.place == PasswordPlace::Session
        && !PassInFile->isChecked()) {
        bool given = false;
        const QString password = QInputDialog::getText(this, caption(),
            tx(QStringLiteral("Passwort für %1 (nur für diese Sitzung):")).arg(MailPassword::key(ledHost->text(), LedUser->text())),
            QLineEdit::Password, QString(), &given);
        if (!given)
            return;
        LEdPass->setText(password);
    }

    SmtpAccount account { ledHost->text(), LedUser->text(), LEdPass->text() };
    MailMessage message;
    message.fromName = FromName->text();
    message.fromAddress = ledFrom->text();
    message.toAddress = ledTo->text();
    message.toName = ToName->text();
    message.cc = ledCC->text();
    message.bcc = BCCEmail->text();
    message.subject = ledSubject->text();
    message.body = Body->toPlainText();
    message.readReceipt = Bestaetigung->isChecked();
    message.attachmentPath = ledAttachment->text();

    SmtpMailer mailer;
    mailer.onStatus = [this](const QString& text) { addStatus(tx(QStringLiteral("Status: ")) + text); };
    // Shown once the dialogue with the server is over, not in the middle of it.
    QStringList refused;
    mailer.onRecipientRefused = [&refused](const QString& text) { refused << text; };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const MailSendResult result = mailer.send(account, message);
    QApplication::restoreOverrideCursor();
    for (const QString& text : refused)
        QMessageBox::critical(this, caption(), tx(QStringLiteral("ERROR:")) + text);
    if (!result.sent) {
        addStatus(tx(QStringLiteral("ERROR: ")) + result.error);
        QMessageBox::critical(this, caption(), result.error);
    }
    // The connection is closed after every send; the window goes with it.
    if (result.connected)
        accept();
}

void TMailerForm::chooseAttachment()
{
    const QString path = FileDialogs::open(this, tx(QStringLiteral("Datei welche als Anhang gesendet wird ...")),
                                           QFileInfo(ledAttachment->text()).absolutePath(),
                                           tx(QStringLiteral("Alle Dateien (*)")));
    if (!path.isEmpty())
        ledAttachment->setText(path);
}

void TMailerForm::loadSettings()
{
    // At start: a password an older version left in the file moves into the keyring now.
    m_login = MailPassword::open(m_settingsPath, *m_secrets);
    const MailSettings& settings = m_login.settings;
    ledHost->setText(settings.host);
    LedUser->setText(settings.user);
    LEdPass->setText(settings.pass);
    ledFrom->setText(settings.from);
    ledTo->setText(settings.to);
    ledCC->setText(settings.cc);
    PassInFile->setChecked(m_login.place == PasswordPlace::File);
    showPasswordPlace();
}

void TMailerForm::saveSettings()
{
    const MailSettings settings { ledHost->text(), LedUser->text(), LEdPass->text(),
        ledFrom->text(), ledTo->text(), ledCC->text(), PassInFile->isChecked() };
    const Status saved = MailPassword::keep(m_settingsPath, *m_secrets, m_login, settings);
    showPasswordPlace();
    if (!saved)
        QMessageBox::critical(this, caption(), saved.error().message);
}

void TMailerForm::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

} // namespace numora::ui
