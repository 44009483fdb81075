#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QString>

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
    Status replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes);

    // Flushes Qt's buffer and the system's cache of an open file to disk.
    static bool syncToDisk(QFile& file);
    // "path: reason", the text of the error box.
    static Error fileError(const QString& path, const QString& reason);

    static FileSystem& real();
};

} // namespace numora
