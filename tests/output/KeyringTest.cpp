// The mail password in a real secret service: gnome-keyring-daemon on a D-Bus session of each
// test's own, as neither a developer's machine nor CI may lend theirs. libsecret keeps the first
// bus a process met, so ctest runs each test in a process of its own.
#include "output/MailPassword.h"
#include "support/SecretServiceSession.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace numora;
using test::SecretServiceSession;

namespace {

// One session per process: a second one would not be seen by libsecret.
class KeyringTest : public ::testing::Test {
protected:
    void enter(SecretServiceSession::Keyring keyring)
    {
        static bool entered = false;
        ASSERT_FALSE(entered) << "one keyring test per process (ctest runs them so)";
        entered = true;
        session = std::make_unique<SecretServiceSession>(keyring);
        ASSERT_TRUE(session->isRunning());
        session->enterThisProcess();
    }

    QString path() const { return dir.filePath(QStringLiteral("numora.ini")); }

    std::unique_ptr<SecretServiceSession> session;
    QTemporaryDir dir;
    KeychainStore store;
};

const QString Key = QStringLiteral("anna@mail.example.org:587");

TEST_F(KeyringTest, StoresReadsChangesAndClears)
{
    enter(SecretServiceSession::Keyring::Unlocked);
    auto read = store.read(Key);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_FALSE(read->has_value());

    ASSERT_TRUE(store.write(Key, QStringLiteral(" Gehe1m;=ü ")).ok());
    EXPECT_EQ(session->lookup(Key), QByteArray(" Gehe1m;=ü "));
    EXPECT_TRUE(session->search().contains("attribute.user = " + Key.toUtf8()));
    read = store.read(Key);
    ASSERT_TRUE(read.ok() && read->has_value());
    EXPECT_EQ(**read, QStringLiteral(" Gehe1m;=ü "));
    // Another user on the same server is another entry.
    EXPECT_FALSE(store.read(QStringLiteral("bert@mail.example.org:587"))->has_value());

    ASSERT_TRUE(store.write(Key, QStringLiteral("neu")).ok());
    EXPECT_EQ(**store.read(Key), QStringLiteral("neu"));

    ASSERT_TRUE(store.remove(Key).ok());
    EXPECT_FALSE(store.read(Key)->has_value());
    EXPECT_EQ(session->search(), QByteArray());
    EXPECT_TRUE(store.remove(Key).ok()) << "removing what is gone is no error";
}

TEST_F(KeyringTest, AnOldFilesPasswordMovesOnceAndTheRestOfTheFileStays)
{
    enter(SecretServiceSession::Keyring::Unlocked);
    const QByteArray old = "\xEF\xBB\xBF; mine\r\n[SMTP]\r\nHost=mail.example.org:587\r\nUser=anna\r\n"
                           "Pass= alt;geheim \r\nPort=x\r\n\r\n[MAIL]\r\nFrom=a@example.org\r\nPass=not the password\r\nTo=b@example.org";
    ASSERT_TRUE(test::writeBytes(path(), old));

    MailLogin login = MailPassword::open(path(), store);
    EXPECT_EQ(login.place, PasswordPlace::Keyring);
    EXPECT_EQ(login.settings.pass, QStringLiteral(" alt;geheim "));
    EXPECT_EQ(login.notice, QString());
    EXPECT_EQ(session->lookup(Key), QByteArray(" alt;geheim "));
    const QByteArray migrated = test::readBytes(path());
    EXPECT_EQ(migrated, QByteArray(old).replace("Pass= alt;geheim \r\n", ""));
    EXPECT_EQ(QFileInfo(path()).permissions() & 0077, QFileDevice::Permissions());

    // The next start finds nothing to move and reads the keyring when the window needs it.
    login = MailPassword::open(path(), store);
    EXPECT_EQ(login.place, PasswordPlace::Unread);
    EXPECT_EQ(test::readBytes(path()), migrated);
    MailPassword::fetch(login, store);
    EXPECT_EQ(login.place, PasswordPlace::Keyring);
    EXPECT_EQ(login.settings.pass, QStringLiteral(" alt;geheim "));
}

TEST_F(KeyringTest, WhatTheWindowKeepsGoesToTheKeyringOfItsServerAndUser)
{
    enter(SecretServiceSession::Keyring::Unlocked);
    MailLogin login = MailPassword::open(path(), store);
    MailPassword::fetch(login, store);
    ASSERT_EQ(login.place, PasswordPlace::Keyring);

    MailSettings now { QStringLiteral("mail.example.org:587"), QStringLiteral("anna"), QStringLiteral("erstes"),
                       QStringLiteral("a@example.org"), QStringLiteral("b@example.org"), QString() };
    ASSERT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    now.pass = QStringLiteral("zweites");
    ASSERT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    EXPECT_EQ(session->lookup(Key), QByteArray("zweites"));
    now.user = QStringLiteral("bert");
    ASSERT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    EXPECT_EQ(session->lookup(QStringLiteral("bert@mail.example.org:587")), QByteArray("zweites"));
    EXPECT_EQ(session->lookup(Key), QByteArray("zweites")) << "anna's entry is hers";
    now.pass.clear();
    ASSERT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    EXPECT_EQ(session->lookup(QStringLiteral("bert@mail.example.org:587")), QByteArray());

    const MailSettings file = MailSettings::load(path());
    EXPECT_EQ(file.user, QStringLiteral("bert"));
    EXPECT_EQ(file.to, QStringLiteral("b@example.org"));
    EXPECT_EQ(test::filesHolding(dir.path(), "zweites"), QStringList());
    EXPECT_EQ(test::filesHolding(session->home(), "zweites"), QStringList()) << "the keyring's own file is encrypted";
}

// A keyring that stays locked, and a session without any secret service.
class UnusableKeyringTest : public KeyringTest, public ::testing::WithParamInterface<SecretServiceSession::Keyring> {};

TEST_P(UnusableKeyringTest, AnOldFilesPasswordStaysReadableWhereItWas)
{
    enter(GetParam());
    const QByteArray old = "[SMTP]\nHost=mail.example.org:587\nUser=anna\nPass=geheim\n[MAIL]\nTo=b@example.org\n";
    ASSERT_TRUE(test::writeBytes(path(), old));
    MailLogin login = MailPassword::open(path(), store);
    EXPECT_EQ(login.place, PasswordPlace::OldFile);
    EXPECT_EQ(login.settings.pass, QStringLiteral("geheim"));
    EXPECT_TRUE(login.notice.contains(QStringLiteral("numora.ini"))) << login.notice;
    EXPECT_FALSE(login.notice.contains(QStringLiteral("geheim")));
    EXPECT_EQ(test::readBytes(path()), old);

    // Closing the window keeps it there until the keyring takes it.
    MailSettings now = login.settings;
    now.cc = QStringLiteral("c@example.org");
    EXPECT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    EXPECT_EQ(MailSettings::load(path()).pass, QStringLiteral("geheim"));
    EXPECT_EQ(MailPassword::open(path(), store).place, PasswordPlace::OldFile);
}

TEST_P(UnusableKeyringTest, APasswordIsForTheSessionUnlessThePlayerWantsItInTheFile)
{
    enter(GetParam());
    const bool locked = GetParam() == SecretServiceSession::Keyring::Locked;
    MailLogin login = MailPassword::open(path(), store);
    MailPassword::fetch(login, store);
    // A locked keyring reads like an empty one; it refuses only when the password is kept.
    EXPECT_EQ(login.place, locked ? PasswordPlace::Keyring : PasswordPlace::Session);

    MailSettings now { QStringLiteral("mail.example.org"), QStringLiteral("anna"), QStringLiteral("geheim"),
                       QString(), QString(), QString() };
    const Status kept = MailPassword::keep(path(), store, login, now);
    EXPECT_EQ(kept.ok(), !locked);
    EXPECT_EQ(login.place, PasswordPlace::Session);
    EXPECT_TRUE(login.notice.contains(QStringLiteral("nur für diese Sitzung"))) << login.notice;
    EXPECT_FALSE(login.notice.contains(QStringLiteral("geheim")));
    EXPECT_FALSE(test::readBytes(path()).contains("geheim"));
    EXPECT_EQ(MailSettings::load(path()).host, QStringLiteral("mail.example.org"));

    now.passInFile = true;
    ASSERT_TRUE(MailPassword::keep(path(), store, login, now).ok());
    login = MailPassword::open(path(), store);
    EXPECT_EQ(login.place, PasswordPlace::File);
    EXPECT_EQ(login.settings.pass, QStringLiteral("geheim"));
    EXPECT_EQ(login.notice, QString());
}

INSTANTIATE_TEST_SUITE_P(LockedOrAbsent, UnusableKeyringTest,
                         ::testing::Values(SecretServiceSession::Keyring::Locked, SecretServiceSession::Keyring::Absent),
                         [](const auto& info) {
                             return std::string(info.param == SecretServiceSession::Keyring::Locked ? "Locked" : "Absent");
                         });

TEST(MailPasswordFileTest, OnlyThePasswordLinesOfSmtpLeaveTheFile)
{
    const struct {
        const char* name;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        { "CR LF", "[SMTP]\r\nHost=h\r\nPass=x\r\nUser=u\r\n", "[SMTP]\r\nHost=h\r\nUser=u\r\n" },
        { "last line without break", "[SMTP]\nHost=h\nPass=x", "[SMTP]\nHost=h\n" },
        { "any case, blanks, the file choice", "[ smtp ]\n  pAsS = x\nPassInFile=1\nHost=h\n", "[ smtp ]\nHost=h\n" },
        { "other sections keep theirs", "[MAIL]\nPass=x\n[SMTP]\nPass=y\n[Other]\nPass=z\n", "[MAIL]\nPass=x\n[SMTP]\n[Other]\nPass=z\n" },
        { "byte-order mark before the section", "\xEF\xBB\xBF[SMTP]\nPass=x\n", "\xEF\xBB\xBF[SMTP]\n" },
        { "nothing to remove", "; Pass=x\n[SMTP]\nPassword=y\n", "; Pass=x\n[SMTP]\nPassword=y\n" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(MailPassword::withoutPassword(c.before), c.after) << c.name;
}

} // namespace

int main(int argc, char** argv)
{
    // QtKeychain answers through the event loop.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
