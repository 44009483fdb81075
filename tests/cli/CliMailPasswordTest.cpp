// numora-cli mail-password as a player runs it: a process of its own, the password on standard
// input, the desktop's keyring on a D-Bus session the test starts.
#include "output/MailSettings.h"
#include "support/SecretServiceSession.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace numora;
using test::SecretServiceSession;

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class CliMailPasswordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        MailSettings settings;
        settings.host = QStringLiteral("mail.example.org:587");
        settings.user = QStringLiteral("anna");
        settings.to = QStringLiteral("b@example.org");
        ASSERT_TRUE(settings.save(iniPath()).ok());
    }

    QString iniPath() const { return home.filePath(QStringLiteral(".config/Veldor/numora.ini")); }

    CliRun cli(const SecretServiceSession& session, const QStringList& args, const QByteArray& input = {})
    {
        QProcess process;
        QProcessEnvironment env = session.environment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(NUMORA_CLI_EXE), QStringList { QStringLiteral("--dir"), home.filePath(QStringLiteral("prog")) } + args);
        EXPECT_TRUE(process.waitForStarted(30'000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(120'000));
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                 process.readAllStandardError() };
    }

    QTemporaryDir home;
};

const QString Key = QStringLiteral("anna@mail.example.org:587");

TEST_F(CliMailPasswordTest, SetReadsStandardInputAndClearRemoves)
{
    SecretServiceSession session;
    ASSERT_TRUE(session.isRunning());
    // An older version left a password in the file: --set replaces it and takes it out.
    ASSERT_TRUE(test::writeBytes(iniPath(), test::readBytes(iniPath()).replace("Pass=", "Pass=alt")));

    CliRun run = cli(session, { QStringLiteral("mail-password"), QStringLiteral("--set") }, "erstes Wort\n");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(session.lookup(Key), QByteArray("erstes Wort"));
    EXPECT_FALSE((run.out + run.err).contains("erstes"));
    EXPECT_TRUE(run.out.contains(Key.toUtf8()));
    EXPECT_FALSE(test::readBytes(iniPath()).contains("alt"));
    EXPECT_EQ(MailSettings::load(iniPath()).host, QStringLiteral("mail.example.org:587"));

    run = cli(session, { QStringLiteral("mail-password"), QStringLiteral("--set") }, "zweites\r\n");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(session.lookup(Key), QByteArray("zweites"));

    run = cli(session, { QStringLiteral("mail-password"), QStringLiteral("--clear") });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(session.search(), QByteArray());
}

TEST_F(CliMailPasswordTest, RefusalsNameTheReasonButNeverThePassword)
{
    SecretServiceSession unlocked;
    ASSERT_TRUE(unlocked.isRunning());
    const struct {
        const char* name;
        QStringList args;
        QByteArray input;
        QByteArray reason;
    } cases[] = {
        { "no password given", { QStringLiteral("--set") }, "", "no password on standard input" },
        { "a password on the command line", { QStringLiteral("--set"), QStringLiteral("geheim") }, "", "--set" },
        { "neither --set nor --clear", {}, "", "--clear" },
    };
    for (const auto& c : cases) {
        const CliRun run = cli(unlocked, QStringList { QStringLiteral("mail-password") } + c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_TRUE(run.err.contains(c.reason)) << c.name << ": " << run.err.toStdString();
        EXPECT_FALSE((run.out + run.err).contains("geheim")) << c.name;
    }
    EXPECT_EQ(unlocked.search(), QByteArray());

    for (const auto keyring : { SecretServiceSession::Keyring::Locked, SecretServiceSession::Keyring::Absent }) {
        SecretServiceSession session(keyring);
        ASSERT_TRUE(session.isRunning());
        const QByteArray before = test::readBytes(iniPath());
        const CliRun run = cli(session, { QStringLiteral("mail-password"), QStringLiteral("--set") }, "geheim\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.contains("numora-cli: ")) << run.err.toStdString();
        EXPECT_FALSE((run.out + run.err).contains("geheim"));
        EXPECT_EQ(test::readBytes(iniPath()), before) << "nothing falls back into the file";
    }

    ASSERT_TRUE(test::writeBytes(iniPath(), "[MAIL]\nTo=b@example.org\n"));
    const CliRun run = cli(unlocked, { QStringLiteral("mail-password"), QStringLiteral("--set") }, "geheim\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("no SMTP server")) << run.err.toStdString();
}

} // namespace
