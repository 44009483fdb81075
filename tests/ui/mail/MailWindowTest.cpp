// The e-mail button and the mail window, sending to a real SMTP server; the password lives in a
// real secret service on a D-Bus session of this test's own.
#include "output/MailSettings.h"
#include "support/SecretServiceSession.h"
#include "support/SmtpServerProcess.h"
#include "support/TestSupport.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mail/MailWindow.h"
#include "MailWindowDriver.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace numora;
using numora::ui::TMailerForm;

class MailWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    QStringList m_boxes; // texts of the message boxes answered so far
    QTimer m_boxAnswerer;
    std::unique_ptr<test::SecretServiceSession> m_keyring;

    QString settingsPath() const { return configHome() + QStringLiteral("/Veldor/numora.ini"); }

    bool withMailWindow(const std::function<void(TMailerForm&)>& inWindow)
    {
        return test::withMailWindow(find<QToolButton>(QStringLiteral("SpeedButton36")), inWindow);
    }
    QStringList filesHolding(const QByteArray& secret) const { return test::filesHolding(m_dir.path(), secret); }

    static void fill(TMailerForm& form, const QString& host)
    {
        form.ledHost->setText(host);
        form.ledFrom->setText(QStringLiteral("anna@example.org"));
        form.FromName->setText(QStringLiteral("Anna"));
        form.ledTo->setText(QStringLiteral("bob@example.org"));
        form.ToName->setText(QStringLiteral("Bob"));
        form.ledCC->setText(QStringLiteral("carl@example.org"));
        form.BCCEmail->setText(QStringLiteral("dora@example.org"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_keyring = std::make_unique<test::SecretServiceSession>();
        QVERIFY(m_keyring->isRunning());
        m_keyring->enterThisProcess();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // Every message box is answered with its default button and its text kept.
        m_boxAnswerer.setInterval(20);
        connect(&m_boxAnswerer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_boxes << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        m_boxAnswerer.start();
    }

    void init()
    {
        m_boxes.clear();
        const TZiehung draws[] = { test::makeDraw(2024, 2, 28, { 5, 11, 23, 30, 41, 49 }),
            test::makeDraw(2024, 3, 2, { 3, 8, 19, 27, 33, 45 }) };
        QVERIFY(test::writeRecords(drawPath(), draws));
        startWindow(QDate(2024, 3, 5));
        m_window->state().hosts.services = QStringLiteral("http://auswertung.example:8080");
    }

    void cleanup() { m_window.reset(); }

    void sentMailCarriesTheSheetAndTheWindowCloses()
    {
        test::SmtpServerProcess server;
        QVERIFY(server.isRunning());
        auto& sheet = m_window->state().sheet;
        const int row2[] = { 4, 9, 16, 25, 36, 49 };
        for (int p = 0; p < 6; ++p)
            sheet.setField(1, p, QString::number(row2[p]));
        const QString attachment = m_dir.filePath(QStringLiteral("anhang.ntp"));
        QVERIFY(test::writeBytes(attachment, "4,9,16,25,36,49\r\n"));
        ui::FileDialogs::answerNext(attachment);

        const bool open = withMailWindow([&](TMailerForm& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Veldors Numora Email-Client"));
            QCOMPARE(form.ledSubject->text(), QStringLiteral("Veldor Numora Tipp vom 05.03.2024"));
            const QStringList lines = form.Body->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 5);
            QCOMPARE(lines[0], QStringLiteral("4,9,16,25,36,49"));
            QCOMPARE(lines[3], QStringLiteral("Web-Link für Online Auswertung:"));
            QVERIFY(lines[4].startsWith(QStringLiteral("http://auswertung.example:8080/auswerten.asp?Programm=Orbix&Z1_1=&")));
            fill(form, server.hostText());
            form.Bestaetigung->setChecked(true);
            form.attachmentButton->click();
            QCOMPARE(form.ledAttachment->text(), attachment);
            form.sendButton->click();
            QCOMPARE(form.statusLines().first(), QStringLiteral("Status: Disconnected."));
        });
        QVERIFY(!open);
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('|'))));

        const QJsonObject mail = server.mail();
        QVERIFY(!mail.isEmpty());
        const QString body = mail[QStringLiteral("body")].toString();
        QVERIFY2(body.startsWith(QStringLiteral("4,9,16,25,36,49\r\n \r\n \r\nWeb-Link für Online Auswertung:\r\n")),
                 qPrintable(body));
        QVERIFY(body.contains(QStringLiteral("&Z2_1=4&Z2_2=9&Z2_3=16&Z2_4=25&Z2_5=36&Z2_6=49&Z3_1=&")));
        const QJsonObject headers = mail[QStringLiteral("headers")].toObject();
        QCOMPARE(headers[QStringLiteral("Cc")].toString(), QStringLiteral("carl@example.org"));
        QVERIFY(headers.contains(QStringLiteral("Disposition-Notification-To")));
        QCOMPARE(mail[QStringLiteral("rcpt_tos")].toArray().size(), 3);
        const QJsonArray attachments = mail[QStringLiteral("attachments")].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(QByteArray::fromBase64(attachments[0].toObject()[QStringLiteral("data")].toString().toLatin1()),
                 QByteArray("4,9,16,25,36,49\r\n"));

        // The server and the addresses were kept, for the owner only.
        const MailSettings kept = MailSettings::load(settingsPath());
        QCOMPARE(kept.host, server.hostText());
        QCOMPARE(kept.to, QStringLiteral("bob@example.org"));
        QCOMPARE(QFileInfo(settingsPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    void noConnectionShowsTheErrorAndKeepsTheWindowOpen()
    {
        const QString deadHost = QStringLiteral("127.0.0.1:%1").arg(test::SmtpServerProcess::freePort());
        for (const QString& host : { QString(), deadHost }) {
            m_boxes.clear();
            QStringList status;
            const bool open = withMailWindow([&](TMailerForm& form) {
                fill(form, host);
                form.sendButton->click();
                status = form.statusLines();
            });
            QVERIFY2(open, qPrintable(host));
            QVERIFY(!status.isEmpty());
            QVERIFY2(status.first().startsWith(QStringLiteral("ERROR: ")), qPrintable(status.first()));
            QCOMPARE(m_boxes.size(), 1);
            QCOMPARE(QStringLiteral("ERROR: ") + m_boxes[0], status.first());
        }
    }

    void refusedRecipientIsReportedAndTheWindowCloses()
    {
        test::SmtpServerProcess server({ QStringLiteral("carl@example.org") });
        QVERIFY(server.isRunning());
        QStringList status;
        const bool open = withMailWindow([&](TMailerForm& form) {
            fill(form, server.hostText());
            form.sendButton->click();
            status = form.statusLines();
        });
        QVERIFY(!open);
        QCOMPARE(m_boxes.size(), 2);
        QVERIFY2(m_boxes[0].startsWith(QStringLiteral("ERROR:550")), qPrintable(m_boxes[0]));
        QVERIFY(status.contains(QStringLiteral("ERROR: ") + m_boxes[1]));
        QCOMPARE(server.mailCount(), 0);
    }

    void aPasswordTypedInTheWindowLivesInTheKeyringAndLogsIn()
    {
        const QByteArray password = "S3cr3t Wort;=";
        test::SmtpServerProcess server({}, QStringLiteral("anna:") + QString::fromUtf8(password));
        QVERIFY(server.isRunning());
        // The server takes a mail only after AUTH with this user and password.
        const bool open = withMailWindow([&](TMailerForm& form) {
            fill(form, server.hostText());
            form.LedUser->setText(QStringLiteral("anna"));
            QVERIFY(form.LEdPass->text().isEmpty());
            QVERIFY(!form.keyringNotice->isVisible());
            QVERIFY(!form.PassInFile->isVisible());
            form.LEdPass->setText(QString::fromUtf8(password));
            form.sendButton->click();
        });
        QVERIFY(!open);
        QVERIFY2(m_boxes.isEmpty(), qPrintable(m_boxes.join(QLatin1Char('|'))));
        QCOMPARE(server.mail()[QStringLiteral("auth_login")].toString(), QStringLiteral("anna"));

        const QString key = QStringLiteral("anna@") + server.hostText();
        QCOMPARE(m_keyring->lookup(key), password);
        QVERIFY(m_keyring->search().contains("attribute.user = " + key.toUtf8()));
        QCOMPARE(filesHolding(password), QStringList());
        QCOMPARE(MailSettings::load(settingsPath()).user, QStringLiteral("anna"));

        // The next run logs in with it from the keyring.
        startWindow(QDate(2024, 3, 5), true);
        withMailWindow([&](TMailerForm& form) {
            QCOMPARE(form.LEdPass->text(), QString::fromUtf8(password));
            form.sendButton->click();
        });
        QCOMPARE(server.mailCount(), 2);
        QCOMPARE(server.mail(2)[QStringLiteral("auth_login")].toString(), QStringLiteral("anna"));

    }

    void storedSettingsFillTheFieldsOfTheNextRun()
    {
        MailSettings stored { QStringLiteral("relay.example:587"), QStringLiteral("anna"), QStringLiteral("geheim"),
            QStringLiteral("anna@example.org"), QStringLiteral("bob@example.org"), QStringLiteral("c@example.org") };
        QVERIFY(stored.save(settingsPath()).ok());
        startWindow(QDate(2024, 3, 5), true);
        withMailWindow([&](TMailerForm& form) {
            QCOMPARE(form.ledHost->text(), stored.host);
            QCOMPARE(form.LedUser->text(), stored.user);
            QCOMPARE(form.LEdPass->text(), stored.pass);
            QCOMPARE(form.LEdPass->echoMode(), QLineEdit::Password);
            QCOMPARE(form.ledFrom->text(), stored.from);
            QCOMPARE(form.ledTo->text(), stored.to);
            QCOMPARE(form.ledCC->text(), stored.cc);
            QCOMPARE(form.StatusMemo->toPlainText(), QStringLiteral("Status..."));
        });
        // The password an older version left in the file moved into the keyring at the start.
        QCOMPARE(m_keyring->lookup(QStringLiteral("anna@relay.example:587")), QByteArray("geheim"));
        QCOMPARE(filesHolding("geheim"), QStringList());
        QCOMPARE(MailSettings::load(settingsPath()).cc, stored.cc);
    }
};

QTEST_MAIN(MailWindowTest)
#include "MailWindowTest.moc"
