#pragma once

#include <QByteArray>
#include <QString>

namespace numora {

// Text from a web service: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252, the
// code page older servers still answer in. Never yields replacement characters for either.
QString decodeServiceText(const QByteArray& bytes);

} // namespace numora
