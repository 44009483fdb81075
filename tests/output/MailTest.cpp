#include "output/MailSettings.h"
#include "output/SmtpMailer.h"
#include "output/TipMail.h"

#include "model/TTippSchein.h"

#include "support/SmtpServerProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

namespace numora {
namespace {

void fillRow(TTippSchein& sheet, int r, std::array<int, 6> numbers)
{
    for (int p = 0; p < 6; ++p)
        sheet.setField(r, p, QString::number(numbers[std::size_t(p)]));
}

TEST(TipMailTest, OnlyFilledRowsInTheBodyButEveryRowInTheLink)
{
    TTippSchein sheet;
    fillRow(sheet, 4, { 3, 11, 17, 23, 40, 49 });
    sheet.setField(7, 1, QStringLiteral("12")); // no first field: not a tip line, but in the link

    EXPECT_EQ(TipMail::subject(QDate(2024, 3, 5)), QStringLiteral("Veldor Numora Tipp vom 05.03.2024"));
    const QString link = TipMail::evaluationLink(sheet, QStringLiteral("http://host:81/"));
    QString expected = QStringLiteral("http://host:81/auswerten.asp?Programm=Orbix");
    for (int r = 1; r <= 12; ++r) {
        for (int k = 1; k <= 6; ++k) {
            expected += QStringLiteral("&Z%1_%2=").arg(r).arg(k);
            if (r == 5)
                expected += QString::number(std::array { 3, 11, 17, 23, 40, 49 }[std::size_t(k - 1)]);
            if (r == 8 && k == 2)
                expected += QStringLiteral("12");
        }
    }
    EXPECT_EQ(link, expected);
    EXPECT_TRUE(link.endsWith(QStringLiteral("&Z12_6=")));

    EXPECT_EQ(TipMail::body(sheet, QStringLiteral("http://host:81")),
        QStringLiteral("3,11,17,23,40,49\n \n \nWeb-Link für Online Auswertung:\n") + expected);
}

TEST(MailSettingsTest, SavedOwnerOnlyAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Veldor/numora.ini"));
    EXPECT_EQ(MailSettings::load(path), MailSettings {}); // none yet: every field empty

    MailSettings settings { QStringLiteral("mail.example.org:587"), QStringLiteral("anna"), QStringLiteral(" p=w ;x "),
        QStringLiteral("anna@example.org"), QStringLiteral("bob@example.org"), QStringLiteral("c@x.org; d@y.org") };
    ASSERT_TRUE(settings.save(path).ok());
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFileInfo(path).permissions() & others, QFileDevice::Permissions());
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ReadOwner);
    EXPECT_EQ(MailSettings::load(path), settings);
    const QByteArray text = test::readBytes(path);
    EXPECT_TRUE(text.startsWith("[SMTP]\r\nHost=mail.example.org:587\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[MAIL]\r\nFrom=anna@example.org\r\n")) << text.toStdString();

    // A line break typed into a field must not become a key of its own.
    settings.to = QStringLiteral("bob@example.org\n[SMTP]\nHost=evil");
    ASSERT_TRUE(settings.save(path).ok());
    const MailSettings back = MailSettings::load(path);
    EXPECT_EQ(back.host, settings.host);
    EXPECT_EQ(back.to, QStringLiteral("bob@example.org [SMTP] Host=evil"));
}

TEST(MailSettingsTest, MissingKeysStayEmptyAndForeignLinesAreSkipped)
{
    const MailSettings s = MailSettings::parse("\xEF\xBB\xBF[smtp]\r\n host=relay\r\n[Other]\nUser=x\nnonsense\n[MAIL]\nTo=t@x\n");
    EXPECT_EQ(s.host, QStringLiteral("relay"));
    EXPECT_TRUE(s.user.isEmpty());
    EXPECT_TRUE(s.pass.isEmpty());
    EXPECT_EQ(s.to, QStringLiteral("t@x"));
    EXPECT_TRUE(s.from.isEmpty());
}

TEST(SmtpMailerTest, HostAndPort)
{
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        int port;
    };
    for (const Case& c : { Case { "mail.example.org", true, "mail.example.org", 25 },
             Case { " 127.0.0.1:2525 ", true, "127.0.0.1", 2525 }, Case { "[::1]:587", true, "[::1]", 587 },
             Case { "", false, "", 25 }, Case { "host:0", false, "", 0 }, Case { "host:70000", false, "", 0 },
             Case { "host:abc", false, "", 0 }, Case { ":25", false, "", 0 } }) {
        QString host;
        int port = 0;
        EXPECT_EQ(SmtpMailer::splitHost(QString::fromLatin1(c.text), host, port), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(host, QString::fromLatin1(c.host)) << c.text;
            EXPECT_EQ(port, c.port) << c.text;
        }
    }
    EXPECT_EQ(SmtpMailer::addressList(QStringLiteral(" a@x; b@y ,,c@z ")),
        (QStringList { QStringLiteral("a@x"), QStringLiteral("b@y"), QStringLiteral("c@z") }));
}

class SmtpSendTest : public ::testing::Test {
protected:
    MailMessage message()
    {
        MailMessage m;
        m.fromName = QStringLiteral("Veldor Software");
        m.fromAddress = QStringLiteral("sender@example.org");
        m.toAddress = QStringLiteral("player@example.org");
        m.toName = QStringLiteral("Spieler Jörg");
        m.cc = QStringLiteral("cc1@example.org; cc2@example.org");
        m.bcc = QStringLiteral("hidden@example.org");
        m.subject = QStringLiteral("Veldor Numora Tipp vom 05.03.2024");
        m.body = QStringLiteral("3,11,17,23,40,49\n \n \nWeb-Link für Online Auswertung:\nhttp://h/auswerten.asp?Programm=Orbix&Z1_1=3");
        m.readReceipt = true;
        return m;
    }

    MailSendResult send(const SmtpAccount& account, const MailMessage& m)
    {
        SmtpMailer mailer;
        mailer.onStatus = [this](const QString& s) { statuses << s; };
        mailer.onRecipientRefused = [this](const QString& s) { refused << s; };
        return mailer.send(account, m);
    }

    QTemporaryDir dir;
    QStringList statuses;
    QStringList refused;
};

TEST_F(SmtpSendTest, AMailWithCopiesReceiptAndAttachmentArrivesWhole)
{
    test::SmtpServerProcess server;
    ASSERT_TRUE(server.isRunning());
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes.append(char(i % 256));
    const QString attachment = dir.filePath(QStringLiteral("Tipp 1.ntp"));
    test::writeBytes(attachment, bytes);
    MailMessage m = message();
    m.attachmentPath = attachment;

    const MailSendResult result = send({ server.hostText(), {}, {} }, m);
    ASSERT_TRUE(result.sent) << result.error;
    EXPECT_TRUE(result.connected);
    EXPECT_TRUE(statuses.contains(QStringLiteral("Connected.")));
    EXPECT_EQ(statuses.last(), QStringLiteral("Disconnected."));

    const QJsonObject mail = server.mail();
    ASSERT_FALSE(mail.isEmpty());
    EXPECT_EQ(mail[QStringLiteral("mail_from")].toString(), QStringLiteral("sender@example.org"));
    QStringList rcpt;
    for (const auto& v : mail[QStringLiteral("rcpt_tos")].toArray())
        rcpt << v.toString();
    EXPECT_EQ(rcpt, (QStringList { QStringLiteral("player@example.org"), QStringLiteral("cc1@example.org"),
                         QStringLiteral("cc2@example.org"), QStringLiteral("hidden@example.org") }));
    const QJsonObject headers = mail[QStringLiteral("headers")].toObject();
    EXPECT_EQ(headers[QStringLiteral("Subject")].toString(), m.subject);
    EXPECT_EQ(headers[QStringLiteral("Cc")].toString(), QStringLiteral("cc1@example.org, cc2@example.org"));
    EXPECT_FALSE(headers.contains(QStringLiteral("Bcc")));
    EXPECT_EQ(headers[QStringLiteral("X-Mailer")].toString(), QStringLiteral("Veldor Software"));
    EXPECT_EQ(headers[QStringLiteral("Disposition-Notification-To")].toString(),
        QStringLiteral("\"Veldor Software\" <sender@example.org>"));
    EXPECT_EQ(mail[QStringLiteral("from_name")].toString(), QStringLiteral("Veldor Software"));
    EXPECT_EQ(mail[QStringLiteral("to_name")].toString(), QStringLiteral("Spieler Jörg"));
    EXPECT_EQ(mail[QStringLiteral("to_address")].toString(), QStringLiteral("player@example.org"));
    EXPECT_TRUE(mail[QStringLiteral("multipart")].toBool());
    EXPECT_EQ(mail[QStringLiteral("body")].toString(), QString(m.body).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));

    const QJsonArray attachments = mail[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(attachments.size(), 1);
    const QJsonObject a = attachments[0].toObject();
    EXPECT_EQ(a[QStringLiteral("filename")].toString(), QStringLiteral("Tipp 1.ntp"));
    EXPECT_EQ(a[QStringLiteral("content_type")].toString(), QStringLiteral("application/octet-stream"));
    EXPECT_EQ(a[QStringLiteral("disposition")].toString(), QStringLiteral("attachment"));
    EXPECT_EQ(QByteArray::fromBase64(a[QStringLiteral("data")].toString().toLatin1()), bytes);
}

TEST_F(SmtpSendTest, WithoutReceiptOrExistingAttachmentNeitherIsSent)
{
    test::SmtpServerProcess server;
    ASSERT_TRUE(server.isRunning());
    MailMessage m = message();
    m.readReceipt = false;
    m.attachmentPath = dir.filePath(QStringLiteral("gibt-es-nicht.ntp"));
    ASSERT_TRUE(send({ server.hostText(), {}, {} }, m).sent);
    const QJsonObject mail = server.mail();
    EXPECT_FALSE(mail[QStringLiteral("headers")].toObject().contains(QStringLiteral("Disposition-Notification-To")));
    EXPECT_TRUE(mail[QStringLiteral("attachments")].toArray().isEmpty());
}

TEST_F(SmtpSendTest, ARefusedRecipientEndsTheSendWithTheServersText)
{
    test::SmtpServerProcess server({ QStringLiteral("cc2@example.org") });
    ASSERT_TRUE(server.isRunning());
    const MailSendResult result = send({ server.hostText(), {}, {} }, message());
    EXPECT_FALSE(result.sent);
    EXPECT_TRUE(result.connected);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].startsWith(QStringLiteral("550"))) << refused[0];
    EXPECT_TRUE(refused[0].contains(QStringLiteral("cc2@example.org")));
    EXPECT_EQ(result.error, refused[0]);
    EXPECT_EQ(server.mailCount(), 0);
}

TEST_F(SmtpSendTest, NoServerOrNoHostFailsWithoutConnection)
{
    for (const QString& host : { QStringLiteral("127.0.0.1:%1").arg(test::SmtpServerProcess::freePort()), QString() }) {
        statuses.clear();
        const MailSendResult result = send({ host, {}, {} }, message());
        EXPECT_FALSE(result.sent) << host;
        EXPECT_FALSE(result.connected) << host;
        EXPECT_FALSE(result.error.isEmpty()) << host;
        EXPECT_FALSE(statuses.contains(QStringLiteral("Disconnected."))) << host;
    }
}

} // namespace
} // namespace numora
