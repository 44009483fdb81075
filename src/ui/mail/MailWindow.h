#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace numora::ui {

// "Veldors Numora Email-Client": the program's own small mail window. It lives as long as the
// main window; host, login and the three addresses are kept in the mail settings file, read when
// the window is made and written whenever it closes.
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

public Q_SLOTS:
    void done(int result) override;

private:
    void chooseAttachment();
    void addStatus(const QString& line);
    void loadSettings();
    void saveSettings();

    QString m_settingsPath;
    QStringList m_status;
};

} // namespace numora::ui
