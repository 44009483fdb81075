#include "base/ProgramFolders.h"

#include "base/FileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace numora {

namespace {

// A history file may be large after decades of draws, but never beyond this.
constexpr qint64 MaxHistoryBytes = 64 * 1024 * 1024;

} // namespace

QString ProgramFolders::withSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

ProgramFolders ProgramFolders::portableAt(const QString& dir)
{
    const QString folder = withSlash(dir);
    return ProgramFolders{folder, folder, folder, true};
}

QString ProgramFolders::userDataFolder(const QProcessEnvironment& environment)
{
    const QString xdg = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return withSlash(QDir::cleanPath(xdg) + QStringLiteral("/numora"));
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return withSlash(QDir::cleanPath(home) + QStringLiteral("/.local/share/numora"));
}

ProgramFolders ProgramFolders::forExecutable(const QString& executableDir, const QString& historyName,
                                             const QProcessEnvironment& environment)
{
    const QDir bin(executableDir);
    const QFileInfo ownHistory(bin.filePath(historyName));
    const QString shared = QDir::cleanPath(bin.filePath(QStringLiteral("../share/numora")));
    if ((ownHistory.isFile() && ownHistory.isWritable()) || !QFileInfo(shared).isDir())
        return portableAt(executableDir);
    const QString doc = QDir::cleanPath(bin.filePath(QStringLiteral("../share/doc/numora")));
    return ProgramFolders{userDataFolder(environment), withSlash(shared), withSlash(doc), false};
}

QString ProgramFolders::find(const QString& relative) const
{
    const QString own = data + relative;
    if (data == shared || QFileInfo::exists(own))
        return own;
    return shared + relative;
}

Status ProgramFolders::prepare(const QString& historyName) const
{
    if (portable)
        return Done{};
    if (Status made = FileSystem::makeFolder(data); !made)
        return made;
    const QString history = data + historyName;
    const QString shipped = shared + historyName;
    if (QFileInfo::exists(history) || !QFileInfo::exists(shipped))
        return Done{};
    const auto bytes = FileSystem::readWhole(shipped, MaxHistoryBytes);
    if (!bytes)
        return bytes.error();
    return FileSystem::real().replaceFile(history, history + QLatin1Char('~'), *bytes);
}

} // namespace numora
