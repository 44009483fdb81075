#pragma once

#include "base/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace numora::CliPrint {

// `ticket check NUMBER` and `ticket generate --seed N [--level L] [--last-digit D]`.
int ticket(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err);
// `print TIPFILE [--marks] [--pdf FILE] [--set NAME=VALUE]...`: the ticket print without a window.
int print(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err);
// Whether the command line paints a page, which needs a GUI application (offscreen).
bool needsGui(const QStringList& arguments);

} // namespace numora::CliPrint
