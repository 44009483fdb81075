#include "base/FileSystem.h"

#include "base/TextCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numora {

namespace {

// Makes the rename itself durable.
void syncDirectory(const QString& path)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool FileSystem::rename(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

Status FileSystem::replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes,
                               std::optional<QFileDevice::Permissions> permissions)
{
    {
        // Errors name the file the user knows, not its temporary neighbour.
        QFile temp(tempPath);
        if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fileError(path, temp.errorString());
        // Restricted before the first byte is written, so a secret is never readable by others.
        if (permissions && !temp.setPermissions(*permissions))
            return fileError(path, temp.errorString());
        if (temp.write(bytes) != bytes.size() || !syncToDisk(temp)) {
            const Error error = fileError(path, temp.errorString());
            temp.close();
            QFile::remove(tempPath); // half written: worth nothing
            return error;
        }
    }
    if (!rename(tempPath, path)) {
        const int err = errno;
        return fileError(path, QString::fromLocal8Bit(std::strerror(err)));
    }
    syncDirectory(path);
    return Done{};
}

Status FileSystem::makeFolder(const QString& dir, mode_t mode)
{
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    if (QFileInfo(clean).isDir())
        return Done{};
    const QString parent = QFileInfo(clean).absolutePath();
    if (parent != clean) {
        if (auto s = makeFolder(parent, mode); !s)
            return s;
    }
    if (::mkdir(QFile::encodeName(clean).constData(), mode) != 0 && errno != EEXIST) {
        const int err = errno;
        return fileError(clean, QString::fromLocal8Bit(std::strerror(err)));
    }
    return Done{};
}

Expected<QByteArray> FileSystem::readWhole(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(path, file.errorString());
    const Error tooLarge = fileError(path, tx(QStringLiteral("larger than %1 bytes")).arg(maxBytes));
    if (file.size() > maxBytes)
        return tooLarge;
    // Read in pieces up to the end: a file that grows, or whose size the system does not know
    // (a pipe, /proc), stops at the limit as well.
    QByteArray bytes;
    char piece[64 * 1024];
    for (;;) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0)
            return fileError(path, file.errorString());
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes)
            return tooLarge;
        bytes.append(piece, qsizetype(got));
    }
    return bytes;
}

bool FileSystem::syncToDisk(QFile& file) { return file.flush() && ::fsync(file.handle()) == 0; }

Error FileSystem::fileError(const QString& path, const QString& reason)
{
    return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason)};
}

FileSystem& FileSystem::real()
{
    static FileSystem instance;
    return instance;
}

} // namespace numora
