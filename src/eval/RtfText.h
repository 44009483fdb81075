#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace numora {

// Plain lines as a rich-text document that word processors open: one paragraph per line,
// characters outside ASCII as RTF escapes.
namespace RtfText {

QByteArray document(const QStringList& lines);
// The document through a temporary file renamed over the old one.
Status write(const QString& path, const QStringList& lines);

} // namespace RtfText
} // namespace numora
