#pragma once

#include <QString>

namespace numora {

// The program's version, "1.0.0", as the build system knows it.
QString programVersion();

} // namespace numora
