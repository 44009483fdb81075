#include "base/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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

Status FileSystem::replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes)
{
    {
        QFile temp(tempPath);
        if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate) || temp.write(bytes) != bytes.size()
            || !syncToDisk(temp))
            return fileError(tempPath, temp.errorString());
    }
    if (!rename(tempPath, path)) {
        const int err = errno;
        return fileError(path, QString::fromLocal8Bit(std::strerror(err)));
    }
    syncDirectory(path);
    return Done{};
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
