#include "base/Version.h"

namespace numora {

QString programVersion() { return QStringLiteral(NUMORA_VERSION); }

} // namespace numora
