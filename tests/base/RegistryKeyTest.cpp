#include "base/RegistryKey.h"

#include "support/KillTrials.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace numora {
namespace {

const QString Key = QStringLiteral("\\SOFTWARE\\Veldor\\Orbix");

RegistryKey parsed(const QByteArray& text)
{
    RegistryKey key(Key, QString());
    key.parse(text);
    return key;
}

TEST(RegistryKey, ReadsAHandWrittenExportWithCrLfEscapesAndContinuedHex)
{
    const QByteArray text = "Windows Registry Editor Version 5.00\r\n"
                            "\r\n"
                            "; written by hand\r\n"
                            "[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n"
                            "\"Chekcbox1\"=dword:00000001\r\n"
                            "\"UpDown7\" = dword:FFFFFFFF\r\n"
                            "\"URLEdit\"=\"C:\\\\Programme\\\\Numora \\\"neu\\\"\"\r\n"
                            "\"odd\"=\"a\\qb\"\r\n"
                            "\"Umlaut\"=\"Glücksspirale\"\r\n"
                            "\"DateTimePicker2\"=hex:00,00,00,00,\\\r\n"
                            "  00,c8,e1,40\r\n"
                            "\"Multi\"=hex(7):41,00,00,00\r\n"
                            "@=\"default\"\r\n"
                            "\"gone\"=dword:1\r\n"
                            "\"gone\"=-\r\n";
    const RegistryKey key = parsed(text);
    EXPECT_TRUE(key.problems().isEmpty()) << key.problems().join(QLatin1Char('\n'));

    std::int32_t n = 0;
    EXPECT_EQ(key.readInt(QStringLiteral("CHEKCBOX1"), n), RegistryKey::Read::Ok); // names ignore case
    EXPECT_EQ(n, 1);
    EXPECT_EQ(key.readInt(QStringLiteral("UpDown7"), n), RegistryKey::Read::Ok);
    EXPECT_EQ(n, -1);
    QString s;
    EXPECT_EQ(key.readString(QStringLiteral("URLEdit"), s), RegistryKey::Read::Ok);
    EXPECT_EQ(s, QStringLiteral("C:\\Programme\\Numora \"neu\""));
    key.readString(QStringLiteral("odd"), s);
    EXPECT_EQ(s, QStringLiteral("aqb"));
    key.readString(QStringLiteral("Umlaut"), s);
    EXPECT_EQ(s, QStringLiteral("Glücksspirale"));
    double date = 0;
    EXPECT_EQ(key.readDouble(QStringLiteral("DateTimePicker2"), date), RegistryKey::Read::Ok);
    EXPECT_EQ(date, 36416.0);
    EXPECT_EQ(key.find(QStringLiteral("Multi"))->hexType, 7);
    EXPECT_EQ(key.readString(QString(), s), RegistryKey::Read::Ok);
    EXPECT_EQ(s, QStringLiteral("default"));
    EXPECT_FALSE(key.contains(QStringLiteral("gone")));
    // A type mismatch is told apart from an absent value.
    EXPECT_EQ(key.readString(QStringLiteral("Chekcbox1"), s), RegistryKey::Read::WrongType);
    bool flag = false;
    EXPECT_EQ(key.readBool(QStringLiteral("nothing"), flag), RegistryKey::Read::Absent);
}

TEST(RegistryKey, ReadsUtf16WithByteOrderMarkAsRegistryEditorsWriteIt)
{
    // Half a surrogate pair (a damaged file) reads as U+FFFD and stays that after a save.
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n"
                                        "\"Losnummer\"=\"1234567\"\r\n\"Land\"=dword:00000003\r\n"
                                        "\"Halb\"=\"a")
        + QChar(0xD83D) + QStringLiteral("b\"\r\n");
    QByteArray bytes("\xff\xfe", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    const RegistryKey key = parsed(bytes);
    QString s;
    std::int32_t n = 0;
    EXPECT_EQ(key.readString(QStringLiteral("Losnummer"), s), RegistryKey::Read::Ok);
    EXPECT_EQ(s, QStringLiteral("1234567"));
    EXPECT_EQ(key.readInt(QStringLiteral("Land"), n), RegistryKey::Read::Ok);
    EXPECT_EQ(n, 3);
    const QString replaced = QStringLiteral("a") + QChar(QChar::ReplacementCharacter) + QStringLiteral("b");
    EXPECT_EQ(key.readString(QStringLiteral("Halb"), s), RegistryKey::Read::Ok);
    EXPECT_EQ(s, replaced);
    EXPECT_EQ(parsed(key.serialize()).readString(QStringLiteral("Halb"), s), RegistryKey::Read::Ok);
    EXPECT_EQ(s, replaced);
}

TEST(RegistryKey, DamagedLinesAreSkippedAndReportedTheRestLoads)
{
    const QByteArray text = "Windows Registry Editor Version 5.00\n"
                            "\"before\"=dword:00000001\n"
                            "[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\n"
                            "\"Land\"=dword:00000002\n"
                            "\"broken\"=dword:xyz\n"
                            "\"toolong\"=dword:123456789\n"
                            "\"unterminated\"=\"abc\n"
                            "\"badhex\"=hex:1,2,zz\n"
                            "\"noequals\" dword:1\n"
                            "garbage\n"
                            "\"TippTop\"=dword:00000028\n"
                            "[HKEY_CURRENT_USER\\SOFTWARE\\Other]\n"
                            "\"Land\"=dword:00000009\n"
                            "[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\n"
                            "\"TippLeft\"=dword:0000002a\n"
                            "\"trunc"; // a file cut off in the middle of a line
    const RegistryKey key = parsed(text);
    EXPECT_EQ(key.problems().size(), 9) << key.problems().join(QLatin1Char('\n'));
    EXPECT_TRUE(key.problems().first().startsWith(QStringLiteral("line 2:")));
    std::int32_t n = 0;
    key.readInt(QStringLiteral("Land"), n);
    EXPECT_EQ(n, 2);
    key.readInt(QStringLiteral("TippTop"), n);
    EXPECT_EQ(n, 40);
    key.readInt(QStringLiteral("TippLeft"), n);
    EXPECT_EQ(n, 42);
    EXPECT_EQ(key.values().size(), 3u);
}

TEST(RegistryKey, AForeignFileOfManyLinesKeepsEveryValueAndListsAHundredProblems)
{
    QByteArray text = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\n";
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("\"Wert%1\"=dword:%2\ngarbage %1\n").arg(i).arg(i, 8, 16, QLatin1Char('0')).toUtf8();
    RegistryKey key = parsed(text);
    ASSERT_EQ(key.values().size(), 5000u);
    ASSERT_EQ(key.problems().size(), 101) << "a hundred lines and one that says more were cut";
    EXPECT_TRUE(key.problems().first().startsWith(QStringLiteral("line 4:")));
    EXPECT_FALSE(key.problems().last().startsWith(QStringLiteral("line")));

    std::int32_t n = 0;
    EXPECT_EQ(key.readInt(QStringLiteral("WERT4999"), n), RegistryKey::Read::Ok);
    EXPECT_EQ(n, 4999);
    // Removing a value keeps the others found by name, in their order.
    key.remove(QStringLiteral("wert10"));
    EXPECT_FALSE(key.contains(QStringLiteral("Wert10")));
    EXPECT_EQ(key.readInt(QStringLiteral("Wert11"), n), RegistryKey::Read::Ok);
    EXPECT_EQ(n, 11);
    EXPECT_EQ(key.values()[10].name, QStringLiteral("Wert11"));
    key.setDword(QStringLiteral("WERT11"), 7);
    EXPECT_EQ(key.values()[10].name, QStringLiteral("Wert11"));
    EXPECT_EQ(key.values().size(), 4999u);
}

TEST(RegistryKey, WhatIsSavedReadsBackTheSameWithNamesAsGiven)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store/Veldor/Orbix.reg"));
    RegistryKey key(Key, path);
    key.setBool(QStringLiteral("Chekcbox3"), true);
    key.setInt(QStringLiteral("DruckFontColor"), std::int32_t(0x80000008u));
    key.setString(QStringLiteral("URLEdit"), QStringLiteral("say \"hi\" \\ to Ümit"));
    key.setString(QStringLiteral("height"), QString());
    key.setDouble(QStringLiteral("DateTimePicker2"), 35385.0);
    key.setBinary(QStringLiteral("DruckSchrift"), QByteArray(1, '\x05'));
    key.setBinary(QStringLiteral("Empty"), QByteArray());
    ASSERT_TRUE(key.save().ok());

    const QByteArray bytes = test::readBytes(path);
    EXPECT_TRUE(bytes.startsWith("Windows Registry Editor Version 5.00\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n"
                                 "\"Chekcbox3\"=dword:00000001\r\n"
                                 "\"DruckFontColor\"=dword:80000008\r\n"
                                 "\"URLEdit\"=\"say \\\"hi\\\" \\\\ to \xc3\x9cmit\"\r\n"));
    EXPECT_TRUE(bytes.contains("\"DateTimePicker2\"=hex:00,00,00,00,20,47,e1,40\r\n"));

    RegistryKey back(Key, path);
    ASSERT_TRUE(back.load().ok());
    EXPECT_TRUE(back.problems().isEmpty());
    ASSERT_EQ(back.values().size(), key.values().size());
    for (std::size_t i = 0; i < key.values().size(); ++i) {
        const auto& a = key.values()[i];
        const auto& b = back.values()[i];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.type, b.type) << a.name;
        EXPECT_EQ(a.dword, b.dword) << a.name;
        EXPECT_EQ(a.text, b.text) << a.name;
        EXPECT_EQ(a.bytes, b.bytes) << a.name;
    }

    // The file holds what other users must not read; its folder too.
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files).size(), 1);
}

TEST(RegistryKey, StoreFolderFollowsXdgConfigHome)
{
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/cfg-numora");
    EXPECT_EQ(RegistryKey::userKey(Key).filePath(), QStringLiteral("/tmp/cfg-numora/Veldor/Orbix.reg"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryKey::storeFolder(), QDir::homePath() + QStringLiteral("/.config/Veldor"));
    if (!old.isNull())
        qputenv("XDG_CONFIG_HOME", old);
}

TEST(RegistryKey, AFailingSaveIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orbix.reg"));
    RegistryKey key(Key, path);
    key.setInt(QStringLiteral("Land"), 1);
    ASSERT_TRUE(key.save().ok());
    const QByteArray before = test::readBytes(path);

    // A full disk, even for root: no file may grow past 64 bytes.
    key.setString(QStringLiteral("URLEdit"), QString(200, QLatin1Char('x')));
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit tiny = old;
    tiny.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    const Status s = key.save();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().message.contains(path)) << s.error().message;
    EXPECT_EQ(test::readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Orbix.reg")}); // no half-written temporary file
}

// A process killed at any instant of a save leaves the old file or the new one, never a mix.
TEST(RegistryKey, KillDuringSaveLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orbix.reg"));
    auto filled = [&](int generation) {
        RegistryKey key(Key, path);
        for (int i = 0; i < 400; ++i)
            key.setString(QStringLiteral("Edit%1").arg(i), QStringLiteral("%1-%2").arg(generation).arg(i));
        return key;
    };
    const RegistryKey first = filled(1);
    const RegistryKey second = filled(2);
    const auto counts = test::killDuringWrites(
        path, [&] { return first.save().ok(); }, [&] { return second.save().ok(); }, 60, 60);
    EXPECT_EQ(counts.sawOld + counts.sawNew, 60);
}

} // namespace
} // namespace numora
