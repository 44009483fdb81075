// `ticket` and `print`: the ticket number and the ticket print without a window.
#include "cli/Cli.h"

#include "base/Random.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

class CliPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        TZiehung draw = test::makeDraw(2019, 1, 5, {1, 2, 3, 4, 5, 6});
        const std::uint8_t super6[6] = {1, 2, 3, 4, 5, 6};
        std::copy(std::begin(super6), std::end(super6), draw.Super6);
        const std::uint8_t spiel77[7] = {7, 7, 7, 7, 7, 7, 7};
        std::copy(std::begin(spiel77), std::end(spiel77), draw.Spiel77);
        const std::vector<TZiehung> draws{draw};
        ASSERT_TRUE(test::writeRecords(dir.filePath(QStringLiteral("ZahlenTr.dat")), draws));
    }

    QString writeTip(const QByteArray& text)
    {
        const QString path = dir.filePath(QStringLiteral("tipp.ntp"));
        EXPECT_TRUE(test::writeBytes(path, text));
        return path;
    }

    int run(const QStringList& args, const QString& programDir = {})
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return Cli::run(args, programDir.isEmpty() ? dir.path() : programDir, outStream, errStream);
    }

    QTemporaryDir dir;
    QString out;
    QString err;
};

TEST_F(CliPrintTest, TicketCheckAnswersAsTheDialog)
{
    // The last six digits match the Super 6 whatever the first digit; the Super 6 wording wins.
    ASSERT_EQ(run({"ticket", "check", "9123456"}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("LosNr. wurde am 05.01.2019 bei der Super 6 gezogen\n"));
    ASSERT_EQ(run({"ticket", "check", "7777777"}), Cli::Ok);
    EXPECT_EQ(out, QStringLiteral("LosNr. wurde am 05.01.2019 im Spiel 77 gezogen\n"));
    ASSERT_EQ(run({"ticket", "check", "7777778"}), Cli::Ok);
    EXPECT_EQ(out, QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen\n"));
    EXPECT_EQ(run({"ticket", "check", "123456"}), Cli::Failure);
}

TEST_F(CliPrintTest, TicketGenerate)
{
    // Level 0 only draws digits 1..6 and keeps the last one; the draw file is not even read.
    QTemporaryDir empty;
    ASSERT_EQ(run({"ticket", "generate", "--seed", "42", "--level", "0", "--last-digit", "7"}, empty.path()), Cli::Ok)
        << err;
    Random random(42);
    QString expected;
    for (int i = 0; i < 6; ++i)
        expected += QString::number(random.next(10));
    EXPECT_EQ(out, expected + QStringLiteral("7\n"));

    // Level 3: the last five digits never end a stored Super 6 number (2 3 4 5 6).
    for (int seed = 0; seed < 20; ++seed) {
        ASSERT_EQ(run({"ticket", "generate", "--seed", QString::number(seed), "--last-digit", "6"}), Cli::Ok) << err;
        ASSERT_EQ(out.size(), 8) << out;
        EXPECT_NE(out.mid(2, 5), QStringLiteral("23456"));
        EXPECT_EQ(out.at(6), QLatin1Char('6'));
    }

    EXPECT_EQ(run({"ticket", "generate", "--seed", "42"}, empty.path()), Cli::Failure); // no draw file
    EXPECT_EQ(run({"ticket", "generate", "--level", "3"}), Cli::Failure);
    EXPECT_EQ(run({"ticket", "generate", "--seed", "1", "--last-digit", "10"}), Cli::Failure);
}

TEST_F(CliPrintTest, PrintMarks)
{
    const QString tip = writeTip("10,2,3,4,5,6\r\n1,2,3,4,5,49\r\n");
    ASSERT_EQ(run({"print", tip, "--marks", "--set", "NeuerSchein=0", "--set", "TippTop=50", "--set", "TippLeft=52",
                   "--set", "Spiel77=2", "--set", "Super6=1", "--set", "DruckPapier=2"}),
              Cli::Ok)
        << err;
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 12 + 3) << out;
    EXPECT_EQ(lines[0], QStringLiteral("page\t210\t148\tlandscape"));
    EXPECT_EQ(lines[1], QStringLiteral("1.1\t80\t64"));
    EXPECT_EQ(lines[12], QStringLiteral("2.6\t133\t234"));
    EXPECT_EQ(lines.mid(13), (QStringList{"Samstag\t505\t279", "Super6\t341\t308", "GlueckNein\t506\t308"}))
        << out;
}

TEST_F(CliPrintTest, PrintRefusesBadInput)
{
    const QString tip = writeTip("1,2,3,4,5,6\r\n");
    EXPECT_EQ(run({"print", tip, "--marks", "--set", "NeuerSchein=14"}), Cli::Failure);
    EXPECT_EQ(run({"print", tip, "--marks", "--set", "Glueck=3"}), Cli::Failure);
    EXPECT_EQ(run({"print", tip, "--marks", "--set", "Edit24F8=1"}), Cli::Failure);
    EXPECT_EQ(run({"print", tip}), Cli::Failure);
    EXPECT_EQ(run({"print", dir.filePath("missing.ntp"), "--marks"}), Cli::Failure);
    // A custom field that is no integer is named, and nothing is printed.
    EXPECT_EQ(run({"print", tip, "--marks", "--set", "NeuerSchein=13", "--set", "Edit2F8=vierzehn"}), Cli::Failure);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.contains(QStringLiteral("Feldweite:"))) << err;
}

} // namespace
} // namespace numora
