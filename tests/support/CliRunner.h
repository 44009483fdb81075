#pragma once

// Runs numora-cli's commands in the test's own process and keeps what they printed.
#include "cli/Cli.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace numora::test {

class CliRunner {
protected:
    // `args` as on the command line after the program name, with `dir` as the executable's
    // directory (the default program directory).
    int runIn(const QString& dir, const QStringList& args)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return Cli::run(args, dir, outStream, errStream);
    }

    QString out;
    QString err;
};

} // namespace numora::test
