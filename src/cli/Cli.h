#pragma once

#include "base/ProgramFolders.h"
#include "cli/ExitStatus.h"

#include <QString>
#include <QStringList>

#include <QTextStream>

namespace numora {

// numora-cli [--dir DIR] COMMAND [ARGS]. Exit status 0 on success; bad arguments or I/O
// errors print one line on `err` and give 2.
class Cli {
public:
    static constexpr int Ok = cli::Ok;
    static constexpr int Failure = cli::Failure;

    // `arguments` without the program name; `executableDir` is the default program directory.
    static int run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err);

    static QString usage();
    // What --help prints.
    static QString help();
    // The folders the command works in when no --dir is given: those of the window.
    static ProgramFolders folders(const QString& executableDir);
    // Whether the command line paints a page, which needs a GUI application (offscreen).
    static bool needsGui(const QStringList& arguments);
};

} // namespace numora
