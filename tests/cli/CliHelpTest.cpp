// --help and the usage line are made from the command table; they must print the text users
// and scripts already know, byte for byte. The golden copies were taken from numora-cli before
// the table existed.
#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

QByteArray golden(const char* name)
{
    QFile file(QStringLiteral(NUMORA_SOURCE_DIR "/tests/cli/golden/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct Outcome {
    int status;
    QByteArray out;
    QByteArray err;
};

Outcome run(const QStringList& args)
{
    QByteArray out;
    QByteArray err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    outStream.setEncoding(QStringConverter::Utf8);
    errStream.setEncoding(QStringConverter::Utf8);
    const int status = Cli::run(args, QStringLiteral("/nonexistent"), outStream, errStream);
    return {status, out, err};
}

TEST(CliHelpTest, HelpPrintsTheGoldenText)
{
    for (const char* option : {"--help", "-h"}) {
        const Outcome r = run({QLatin1String(option)});
        EXPECT_EQ(r.status, Cli::Ok) << option;
        EXPECT_EQ(r.out, golden("help.txt")) << option;
        EXPECT_TRUE(r.err.isEmpty()) << option;
    }
}

TEST(CliHelpTest, UsagePrintsTheGoldenLine)
{
    const QByteArray usage = golden("usage.txt");
    EXPECT_EQ(("numora-cli: " + Cli::usage() + '\n').toUtf8(), usage);

    // No command, and a command nobody knows: the usage line on stderr, status 2.
    const Outcome none = run({});
    EXPECT_EQ(none.status, Cli::Failure);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_EQ(none.err, usage);

    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Outcome unknown = run({QStringLiteral("--dir"), dir.path(), QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.status, Cli::Failure);
    QByteArray expected = usage;
    expected.insert(int(qstrlen("numora-cli: ")), "unknown command \"frobnicate\"; ");
    EXPECT_EQ(unknown.err, expected);
}

} // namespace
} // namespace numora
