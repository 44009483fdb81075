#include "base/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numora {

namespace {

Error fileError(const QString& path, int err)
{
    return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(err)))};
}

void syncDirectory(const QByteArray& dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Status writeFileAtomically(const QString& path, const QByteArray& bytes, std::optional<mode_t> mode)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    QByteArray pattern = target + ".XXXXXX";
    // mkstemp creates the file with mode 0600, so a secret is never readable by others on the way.
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return fileError(path, errno);

    mode_t finalMode;
    struct stat old {};
    if (mode) {
        finalMode = *mode;
    } else if (::stat(target.constData(), &old) == 0) {
        finalMode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        finalMode = 0666 & ~mask;
    }

    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    int err = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        data += n;
        left -= n;
    }
    if (!err && ::fchmod(fd, finalMode) != 0)
        err = errno;
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(pattern.constData(), target.constData()) != 0)
        err = errno;
    if (err) {
        ::unlink(pattern.constData());
        return fileError(path, err);
    }
    syncDirectory(dir);
    return Done{};
}

Status makeFolder(const QString& dir, mode_t mode)
{
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    if (QFileInfo(clean).isDir())
        return Done{};
    const QString parent = QFileInfo(clean).absolutePath();
    if (parent != clean) {
        if (auto s = makeFolder(parent, mode); !s)
            return s;
    }
    if (::mkdir(QFile::encodeName(clean).constData(), mode) != 0 && errno != EEXIST)
        return fileError(clean, errno);
    return Done{};
}

} // namespace numora
