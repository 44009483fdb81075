#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace numora {

// Replaces the file at `path` by `bytes` so that a crash at any instant leaves either the old file
// or the new one: the bytes go to a fresh temporary file in the same folder, are flushed to disk
// and then renamed over the old file; the old file is never deleted first. `mode` sets the new
// file's permission bits (0600 for files that hold secrets); without it a new file gets the
// umask's default and an existing file keeps its own. On failure the temporary file is removed
// and the old file stays as it was.
Status writeFileAtomically(const QString& path, const QByteArray& bytes, std::optional<mode_t> mode = {});

// Creates `dir` and its missing parents; folders this call creates get `mode`.
Status makeFolder(const QString& dir, mode_t mode = 0700);

} // namespace numora
