#pragma once

#include "output/MailPassword.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace numora::ui {

// "Veldors Numora Email-Client": the program's own small mail window. It lives as long as the
// main window; host, user and the three addresses are kept in the mail settings file, read when
// the window is made and written whenever it closes. The password lives in the desktop's keyring
// (output/MailPassword), read when the window is first shown.
class TMailerForm final : public QDialog {
    Q_OBJECT
public:
    static QString caption(); // "Veldors Numora Email-Client"

    TMailerForm(QString settingsPath, QWidget* parent);

    // The e-mail button's message; the other fields keep what they hold.
    void prepare(const QString& subject, const QString& body);
    // "Send Mail".
    void sendMail();
    QStringList statusLines() const { return m_status; }

    QLineEdit* ledHost = nullptr;
    QLineEdit* LedUser = nullptr;
    QLineEdit* LEdPass = nullptr;
    QLineEdit* ledFrom = nullptr;
    QLineEdit* ledTo = nullptr;
    QLineEdit* ledCC = nullptr;
    QLineEdit* FromName = nullptr;
    QLineEdit* ToName = nullptr;
    QLineEdit* BCCEmail = nullptr;
    QLineEdit* ledSubject = nullptr;
    QCheckBox* Bestaetigung = nullptr;
    QPlainTextEdit* Body = nullptr;
    QLineEdit* ledAttachment = nullptr;
    QToolButton* attachmentButton = nullptr;
    QPlainTextEdit* StatusMemo = nullptr;
    QPushButton* sendButton = nullptr;
    // "Passwort in Datei speichern (unsicher)": offered where no keyring keeps the password.
    QCheckBox* PassInFile = nullptr;
    // Says where the password is not kept, and why.
    QLabel* keyringNotice = nullptr;

public Q_SLOTS:
    void done(int result) override;

private:
    void chooseAttachment();
    void addStatus(const QString& line);
    void loadSettings();
    void saveSettings();
    // The password from the keyring, the first time it is needed.
    void fetchPassword();
    void showPasswordPlace();

    QString m_settingsPath;
    std::unique_ptr<SecretStore> m_secrets;
    MailLogin m_login;
    QStringList m_status;
};

} // namespace numora::ui
