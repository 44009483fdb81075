#pragma once

#include "base/ProgramFolders.h"

#include <QStringList>
#include <QTextStream>

namespace numora::cli {

// numora-cli mail-password --set | --clear: the mail window's SMTP password in the desktop's
// keyring, for the server and user of the mail settings. --set reads it from standard input
// (without echo at a terminal), never from the command line.
int mailPassword(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

} // namespace numora::cli
