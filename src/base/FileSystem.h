#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>
#include <sys/types.h>

class QFile;

namespace numora {

// The file-system calls whose failure a rewrite must survive; tests replace them.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Replaces `to` by `from` in one step; false with errno set on failure.
    virtual bool rename(const QString& from, const QString& to);

    // Writes `bytes` to `tempPath` (in the folder of `path`), flushes it to disk and renames it
    // over `path`: a failure or a crash at any point leaves the old file whole.
    // `permissions` restrict the new file (files that hold secrets: owner only).
    Status replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes,
                       std::optional<QFileDevice::Permissions> permissions = std::nullopt);

    // Creates `dir` and its missing parents; the folders it creates get `mode`.
    static Status makeFolder(const QString& dir, mode_t mode = 0700);

    // The whole file, refused when it is larger than `maxBytes`: a reader of outside files must not
    // take all memory for a file that cannot be what it expects.
    static Expected<QByteArray> readWhole(const QString& path, qint64 maxBytes);

    // Flushes Qt's buffer and the system's cache of an open file to disk.
    static bool syncToDisk(QFile& file);
    // "path: reason", the text of the error box.
    static Error fileError(const QString& path, const QString& reason);

    static FileSystem& real();
};

} // namespace numora
