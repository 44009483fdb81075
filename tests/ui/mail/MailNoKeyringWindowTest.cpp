// The mail window on a desktop session without a secret service: the password is asked for when
// sending and kept for the session only, unless the player wants it in the file.
#include "output/MailSettings.h"
#include "support/SecretServiceSession.h"
#include "support/SmtpServerProcess.h"
#include "support/TestSupport.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mail/MailWindow.h"
#include "MailWindowDriver.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace numora;
using numora::ui::TMailerForm;

class MailNoKeyringWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    QStringList m_boxes;   // texts of the message boxes answered so far
    QStringList m_asked;   // labels of the password questions answered so far
    QString m_answer;      // what a password question is answered with
    QTimer m_answerer;
    std::unique_ptr<test::SecretServiceSession> m_session;

    QString settingsPath() const { return configHome() + QStringLiteral("/Veldor/numora.ini"); }

    void withMailWindow(const std::function<void(TMailerForm&)>& inWindow)
    {
        test::withMailWindow(find<QToolButton>(QStringLiteral("SpeedButton36")), inWindow);
    }
    QStringList filesHolding(const QByteArray& secret) const { return test::filesHolding(m_dir.path(), secret); }

    static void fill(TMailerForm& form, const QString& host)
    {
        form.ledHost->setText(host);
        form.LedUser->setText(QStringLiteral("anna"));
        form.ledFrom->setText(QStringLiteral("anna@example.org"));
        form.ledTo->setText(QStringLiteral("bob@example.org"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_session = std::make_unique<test::SecretServiceSession>(test::SecretServiceSession::Keyring::Absent);
        QVERIFY(m_session->isRunning());
        m_session->enterThisProcess();
        m_answerer.setInterval(20);
        connect(&m_answerer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_boxes << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* question = qobject_cast<QInputDialog*>(modal)) {
                m_asked << question->labelText();
                QCOMPARE(question->textEchoMode(), QLineEdit::Password);
                question->setTextValue(m_answer);
                question->accept();
            }
        });
        m_answerer.start();
    }

    void init()
    {
        m_boxes.clear();
        m_asked.clear();
        const TZiehung draws[] = { test::makeDraw(2024, 3, 2, { 3, 8, 19, 27, 33, 45 }) };
        QVERIFY(test::writeRecords(drawPath(), draws));
        startWindow(QDate(2024, 3, 5));
    }

    void cleanup() { m_window.reset(); }

    void thePasswordIsAskedWhenSendingAndKeptForTheSessionOnly()
    {
        m_answer = QStringLiteral("Nur-heute 1");
        test::SmtpServerProcess server({}, QStringLiteral("anna:Nur-heute 1"));
        QVERIFY(server.isRunning());
        withMailWindow([&](TMailerForm& form) {
            QVERIFY(form.keyringNotice->isVisible());
            QVERIFY2(form.keyringNotice->text().contains(QStringLiteral("nur für diese Sitzung")), qPrintable(form.keyringNotice->text()));
            QVERIFY(form.PassInFile->isVisible());
            QVERIFY(!form.PassInFile->isChecked());
            QCOMPARE(form.PassInFile->text(), QStringLiteral("Passwort in Datei speichern (unsicher)"));
            fill(form, server.hostText());
            form.sendButton->click();
        });
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked[0].contains(QStringLiteral("anna@") + server.hostText()), qPrintable(m_asked[0]));
        QCOMPARE(server.mail()[QStringLiteral("auth_login")].toString(), QStringLiteral("anna"));
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('|'))));
        QCOMPARE(filesHolding("Nur-heute 1"), QStringList());
        QVERIFY(QFileInfo::exists(settingsPath()));

        // Within the session it is asked once.
        withMailWindow([&](TMailerForm& form) { form.sendButton->click(); });
        QCOMPARE(server.mailCount(), 2);
        QCOMPARE(m_asked.size(), 1);

        // Cancelling the question sends nothing.
        startWindow(QDate(2024, 3, 5), true);
        m_answer.clear();
        withMailWindow([&](TMailerForm& form) {
            QTimer::singleShot(0, [] {
                if (auto* question = qobject_cast<QInputDialog*>(QApplication::activeModalWidget()))
                    question->reject();
            });
            form.sendButton->click();
            QVERIFY(form.isVisible());
        });
        QCOMPARE(server.mailCount(), 2);
    }

    void aTickedBoxKeepsThePasswordInTheFile()
    {
        withMailWindow([&](TMailerForm& form) {
            fill(form, QStringLiteral("mail.example.org"));
            form.LEdPass->setText(QStringLiteral("in der Datei"));
            form.PassInFile->setChecked(true);
        });
        const MailSettings kept = MailSettings::load(settingsPath());
        QCOMPARE(kept.pass, QStringLiteral("in der Datei"));
        QVERIFY(kept.passInFile);
        QCOMPARE(QFileInfo(settingsPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

        startWindow(QDate(2024, 3, 5), true);
        withMailWindow([&](TMailerForm& form) {
            QCOMPARE(form.LEdPass->text(), QStringLiteral("in der Datei"));
            QVERIFY(form.PassInFile->isChecked());
            QVERIFY(!form.keyringNotice->isVisible());
            // Unticked, it leaves the file; with no keyring to take it the window says so.
            form.PassInFile->setChecked(false);
        });
        QCOMPARE(filesHolding("in der Datei"), QStringList());
    }

    void anOldFilesPasswordStaysReadableAndTheWindowSaysWhy()
    {
        MailSettings old { QStringLiteral("relay.example:587"), QStringLiteral("anna"), QStringLiteral("geheim"),
            QStringLiteral("anna@example.org"), QStringLiteral("bob@example.org"), QString() };
        QVERIFY(old.save(settingsPath()).ok());
        const QByteArray before = test::readBytes(settingsPath());
        startWindow(QDate(2024, 3, 5), true);
        QCOMPARE(test::readBytes(settingsPath()), before);
        withMailWindow([&](TMailerForm& form) {
            QCOMPARE(form.LEdPass->text(), QStringLiteral("geheim"));
            QVERIFY(form.keyringNotice->isVisible());
            QVERIFY2(form.keyringNotice->text().contains(QStringLiteral("numora.ini")), qPrintable(form.keyringNotice->text()));
            QVERIFY(!form.keyringNotice->text().contains(QStringLiteral("geheim")));
        });
        QCOMPARE(MailSettings::load(settingsPath()).pass, QStringLiteral("geheim"));
    }
};

QTEST_MAIN(MailNoKeyringWindowTest)
#include "MailNoKeyringWindowTest.moc"
