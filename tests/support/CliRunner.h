#pragma once

// Runs numora-cli's commands in the test's own process and keeps what they printed.
#include "cli/Cli.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

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

// A program directory of the test's own holding the shipped history, imported as a user would.
class RealHistoryCliTest : public ::testing::Test, protected CliRunner {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(run({QStringLiteral("import-csv"), QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")}), Cli::Ok)
            << err.toStdString();
    }

    int run(const QStringList& args) { return runIn(dir.path(), args); }

    QTemporaryDir dir;
};

} // namespace numora::test
