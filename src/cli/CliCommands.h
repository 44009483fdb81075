#pragma once

// The commands of numora-cli, one handler each, grouped by the file that holds them. The table in
// Cli.cpp names each with its usage and help; a new command is a row there and a handler here.
#include "base/ProgramFolders.h"

#include <QStringList>
#include <QTextStream>

namespace numora::cli {

// `args` are the command's own, after its name. Returns the exit status.
using Handler = int (*)(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliHistory.cpp: the draw file and its CSV form, the update over HTTP.
int importCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int exportCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int mergeCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int update(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliStats.cpp
int stats(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliGenerate.cpp: the weighted pool and the generated sheet.
int pool(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int generate(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliTips.cpp: a tip file searched in the history, and its report.
int search(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int report(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliAnalysis.cpp: the two historical analyses of the "Datenbank" tab.
int backtest(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);
int recurrence(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliSettings.cpp: the stored values as NAME<TAB>TYPE<TAB>VALUE lines.
int settings(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliGames.cpp: games [add ID --numbers N --name NAME ...]; `root` is the folder of every game.
int games(const ProgramFolders& root, QStringList args, QTextStream& out, QTextStream& err);

// CliMailPassword.cpp: mail-password --set | --clear: the mail window's SMTP password in the
// desktop's keyring, for the server and user of the mail settings. --set reads it from standard
// input (without echo at a terminal), never from the command line.
int mailPassword(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliTicket.cpp: `ticket check NUMBER` and `ticket generate --seed N [--level L] [--last-digit D]`.
int ticket(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliPrint.cpp: `print TIPFILE [--marks] [--pdf FILE] [--set NAME=VALUE]...`, the ticket print
// without a window.
int print(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

// CliWheel.cpp: wheel build --numbers LIST --guarantee T:P [--seed N] [--seconds S] [--rows MAX] |
// wheel check FILE --numbers LIST --guarantee T:P. Exit 0: a wheel found, or the guarantee
// holds; 1: none within the limits, or it fails; 2: bad input.
int wheel(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err);

} // namespace numora::cli
