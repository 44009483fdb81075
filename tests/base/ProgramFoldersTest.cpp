#include "base/ProgramFolders.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace numora;

namespace {

const QString History = QStringLiteral("ZahlenTr.dat");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QProcessEnvironment environment(const QString& home, const QString& xdgDataHome = {})
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), home);
    if (!xdgDataHome.isNull())
        env.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    return env;
}

} // namespace

// Which folders an executable gets: portable beside a writable history or without an installed
// data folder; installed otherwise, with the user's folder from XDG_DATA_HOME or HOME.
TEST(ProgramFolders, PortableOrInstalledByWhatLiesBesideTheExecutable)
{
    QTemporaryDir root;
    const QString prefix = root.filePath(QStringLiteral("usr"));
    const QString bin = prefix + QStringLiteral("/bin");
    const QString home = root.filePath(QStringLiteral("home"));
    QDir().mkpath(bin);
    QDir().mkpath(prefix + QStringLiteral("/share/numora"));
    const QString installedData = home + QStringLiteral("/.local/share/numora/");

    // No history beside the executable, the installed data folder present.
    ProgramFolders installed = ProgramFolders::forExecutable(bin, History, environment(home));
    EXPECT_FALSE(installed.portable);
    EXPECT_EQ(installed.data, installedData);
    EXPECT_EQ(installed.shared, prefix + QStringLiteral("/share/numora/"));
    EXPECT_EQ(installed.doc, prefix + QStringLiteral("/share/doc/numora/"));

    const struct {
        const char* xdg;
        QString data;
    } xdgCases[] = {
        {nullptr, installedData},
        {"", installedData},
        {"relative/data", installedData}, // not absolute: ignored, as the base-directory rules say
        {"/srv/users/ayse/data/", QStringLiteral("/srv/users/ayse/data/numora/")},
    };
    for (const auto& c : xdgCases) {
        const QString xdg = c.xdg ? QString::fromUtf8(c.xdg) : QString();
        EXPECT_EQ(ProgramFolders::forExecutable(bin, History, environment(home, xdg)).data, c.data) << c.xdg;
    }

    // A history beside the executable: portable, everything there.
    writeFile(bin + QLatin1Char('/') + History, "x");
    EXPECT_EQ(ProgramFolders::forExecutable(bin, History, environment(home)), ProgramFolders::portableAt(bin));
    EXPECT_EQ(ProgramFolders::portableAt(bin).data, bin + QLatin1Char('/'));

    // A build tree or unpacked folder without ../share/numora stays portable even before it
    // has a history.
    const QString loose = root.filePath(QStringLiteral("loose/bin"));
    QDir().mkpath(loose);
    EXPECT_TRUE(ProgramFolders::forExecutable(loose, History, environment(home)).portable);
}

// The user's own file wins over the shipped one of the same name; portable there is one folder.
TEST(ProgramFolders, TheUsersOwnFileWinsOverTheShippedOne)
{
    QTemporaryDir root;
    const ProgramFolders folders{root.filePath(QStringLiteral("user/")), root.filePath(QStringLiteral("shared/")),
                                 root.filePath(QStringLiteral("doc/")), false};
    writeFile(folders.shared + QStringLiteral("land/texte.txt.tr"), "shipped");
    writeFile(folders.shared + QStringLiteral("land/texte.txt.en"), "shipped");
    writeFile(folders.data + QStringLiteral("land/texte.txt.tr"), "own");

    EXPECT_EQ(folders.find(QStringLiteral("land/texte.txt.tr")), folders.data + QStringLiteral("land/texte.txt.tr"));
    EXPECT_EQ(folders.find(QStringLiteral("land/texte.txt.en")), folders.shared + QStringLiteral("land/texte.txt.en"));
    // Neither has it: the shipped path, which a reader reports as missing.
    EXPECT_EQ(folders.find(QStringLiteral("land/texte.txt.pl")), folders.shared + QStringLiteral("land/texte.txt.pl"));
    const ProgramFolders portable = ProgramFolders::portableAt(folders.data);
    EXPECT_EQ(portable.find(QStringLiteral("land/texte.txt.en")), folders.data + QStringLiteral("land/texte.txt.en"));
}

// The first start copies the shipped history; a later one never replaces the user's.
TEST(ProgramFolders, TheFirstStartCopiesTheShippedHistoryOnce)
{
    QTemporaryDir root;
    const ProgramFolders folders{root.filePath(QStringLiteral("home/.local/share/numora/")),
                                 root.filePath(QStringLiteral("usr/share/numora/")), QString(), false};
    writeFile(folders.shared + History, "shipped history");

    ASSERT_TRUE(folders.prepare(History).ok());
    EXPECT_EQ(readFile(folders.data + History), "shipped history");
    EXPECT_EQ(QFileInfo(folders.data).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);

    writeFile(folders.data + History, "the user's own history");
    writeFile(folders.shared + History, "a newer shipped history");
    ASSERT_TRUE(folders.prepare(History).ok());
    EXPECT_EQ(readFile(folders.data + History), "the user's own history");
    EXPECT_FALSE(QFileInfo::exists(folders.data + History + QLatin1Char('~')));

    // Portable: nothing to prepare, nothing written.
    const ProgramFolders portable = ProgramFolders::portableAt(root.filePath(QStringLiteral("stick")));
    ASSERT_TRUE(portable.prepare(History).ok());
    EXPECT_FALSE(QFileInfo::exists(portable.data));
}

// A user's folder that cannot be made is reported with its path and the reason.
TEST(ProgramFolders, AFolderThatCannotBeMadeIsNamed)
{
    QTemporaryDir root;
    const QString blocker = root.filePath(QStringLiteral("data"));
    writeFile(blocker, "a file where the folder should be");
    const ProgramFolders folders{blocker + QStringLiteral("/numora/"), root.filePath(QStringLiteral("shared/")),
                                 QString(), false};
    const Status prepared = folders.prepare(History);
    ASSERT_FALSE(prepared.ok());
    EXPECT_TRUE(prepared.error().message.contains(blocker)) << prepared.error().message.toStdString();
}
