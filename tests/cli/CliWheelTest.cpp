// `wheel build` and `wheel check`: a wheel from the command line, read back from its file and
// checked, and the bad inputs each named.
#include "cli/Cli.h"

#include "wheel/WheelCheck.h"

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace numora {
namespace {

class CliWheelTest : public ::testing::Test, protected test::CliRunner {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    int run(const QStringList& args) { return runIn(dir.path(), args); }

    QString write(const char* name, const QByteArray& text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(test::writeBytes(path, text));
        return path;
    }

    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    QTemporaryDir dir;
};

TEST_F(CliWheelTest, BuildPrintsAProvedWheelThatCheckConfirms)
{
    ASSERT_EQ(run({QStringLiteral("wheel"), QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("3-7,20,31-33,45"),
                   QStringLiteral("--guarantee"), QStringLiteral("4:4"), QStringLiteral("--seed"), QStringLiteral("5"),
                   QStringLiteral("--rows"), QStringLiteral("20")}),
              Cli::Ok)
        << err.toStdString();
    // What build prints, check reads as it stands.
    const QString printed = write("printed.txt", out.toLatin1());
    QStringList rows = lines();
    ASSERT_EQ(rows.takeLast(), QStringLiteral("rows\t20"));
    ASSERT_EQ(rows.size(), 20);
    const QList<int> allowed{3, 4, 5, 6, 7, 20, 31, 32, 33, 45};
    for (const QString& row : rows) {
        const QStringList numbers = row.split(QLatin1Char(','));
        ASSERT_EQ(numbers.size(), 6) << row.toStdString();
        for (qsizetype i = 0; i < 6; ++i) {
            EXPECT_TRUE(allowed.contains(numbers[i].toInt())) << row.toStdString();
            if (i > 0) {
                EXPECT_LT(numbers[i - 1].toInt(), numbers[i].toInt()) << row.toStdString();
            }
        }
    }

    const QString file = write("wheel.txt", (rows.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1());
    const QStringList checkArgs{QStringLiteral("wheel"), QStringLiteral("check"), file, QStringLiteral("--numbers"),
                                QStringLiteral("3-7,20,31-33,45"), QStringLiteral("--guarantee"), QStringLiteral("4:4")};
    ASSERT_EQ(run(checkArgs), Cli::Ok) << err.toStdString();
    QStringList report = lines();
    ASSERT_EQ(report.size(), 1 + 7 + 4 + 1);
    EXPECT_EQ(report.last(), QStringLiteral("covered\t210\t210"));
    EXPECT_EQ(report[0], QStringLiteral("holds\tyes"));
    std::uint64_t draws = 0;
    for (int k = 0; k <= 6; ++k) {
        const QStringList f = report[1 + k].split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 3);
        EXPECT_EQ(f[0], QStringLiteral("best"));
        EXPECT_EQ(f[1].toInt(), k);
        draws += f[2].toULongLong();
    }
    EXPECT_EQ(draws, WheelOdds::AllDraws);
    // Each row has k hits in C(6,k) C(43,6-k) draws.
    for (int k = 3; k <= 6; ++k) {
        const QStringList f = report[8 + k - 3].split(QLatin1Char('\t'));
        EXPECT_EQ(f[0], QStringLiteral("expected"));
        EXPECT_EQ(f[1].toInt(), k);
        const double exact = 20.0 * double(WheelCheck::binomial(6, k) * WheelCheck::binomial(43, 6 - k)) / double(WheelOdds::AllDraws);
        EXPECT_NEAR(f[2].toDouble(), exact, 1e-9);
    }

    // Without its last row the guarantee fails, and the counterexample has no row with four hits.
    write("short.txt", (rows.mid(0, 19).join(QLatin1Char('\n'))).toLatin1());
    QStringList shortArgs = checkArgs;
    shortArgs[2] = dir.filePath(QStringLiteral("short.txt"));
    ASSERT_EQ(run(shortArgs), 1) << err.toStdString();
    report = lines();
    EXPECT_EQ(report[0], QStringLiteral("holds\tno"));
    ASSERT_TRUE(report[1].startsWith(QStringLiteral("counterexample\t")));
    const QStringList counter = report[1].section(QLatin1Char('\t'), 1).split(QLatin1Char(','));
    ASSERT_EQ(counter.size(), 4);
    for (const QString& row : rows.mid(0, 19)) {
        int hits = 0;
        for (const QString& n : counter)
            hits += row.split(QLatin1Char(',')).contains(n);
        EXPECT_LT(hits, 4) << row.toStdString();
    }
}

TEST_F(CliWheelTest, CheckReadsCommentsBlanksAndSemicolons)
{
    const QString file = write("s.txt", "# seven numbers, three of any three: rows without 7, 1, 6 and 2\r\n1 2 3;4,5,6  # first\n\n  2, 3, 4, 5, 6, 7\n1;2;3;4;5;7\n1\t3 4 5 6 7\n");
    ASSERT_EQ(run({QStringLiteral("wheel"), QStringLiteral("check"), file, QStringLiteral("--numbers"), QStringLiteral("1-7"),
                   QStringLiteral("--guarantee"), QStringLiteral("3:3")}),
              Cli::Ok)
        << err.toStdString();
    EXPECT_EQ(lines().value(0), QStringLiteral("holds\tyes"));
}

struct BadInput {
    const char* name;
    QByteArray file;        // the wheel file; empty: none written
    QStringList arguments;  // after "wheel"; FILE stands for the file
    const char* message;    // a part of the error line
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

class CliWheelBadInput : public CliWheelTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(CliWheelBadInput, IsNamedAndExitsWithTwo)
{
    const BadInput& c = GetParam();
    QStringList args{QStringLiteral("wheel")};
    const QString file = c.file.isEmpty() ? dir.filePath(QStringLiteral("missing.txt")) : write("w.txt", c.file);
    for (const QString& a : c.arguments)
        args << (a == QLatin1String("FILE") ? file : a);
    EXPECT_EQ(run(args), Cli::Failure) << c.name;
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
}

const QStringList checkOneToTen{QStringLiteral("check"), QStringLiteral("FILE"), QStringLiteral("--numbers"),
                                QStringLiteral("1-10"), QStringLiteral("--guarantee"), QStringLiteral("3:3")};

QStringList with(QStringList args, int at, const QString& value)
{
    args[at] = value;
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliWheelBadInput,
    ::testing::Values(
        BadInput{"number outside the list", "1,2,3,4,5,6\n1,2,3,4,5,11\n", checkOneToTen, "line 2: \"11\""},
        BadInput{"number twice", "# c\n1,2,3,4,5,6\n\n7,8,9,9,10,1\n", checkOneToTen, "line 4: 9"},
        BadInput{"five numbers", "1,2,3,4,5\n", checkOneToTen, "line 1: "},
        BadInput{"seven numbers", "1,2,3,4,5,6,7\n", checkOneToTen, "line 1: "},
        BadInput{"not a number", "1,2,3,x,5,6\n", checkOneToTen, "line 1: \"x\""},
        BadInput{"no rows", "# nothing\n\n", checkOneToTen, "keine Reihen"},
        BadInput{"a count line that disagrees", "1,2,3,4,5,6\nrows\t2\n", checkOneToTen, "line 2: \"rows\""},
        BadInput{"no file", "", checkOneToTen, "missing.txt"},
        BadInput{"no numbers", "1,2,3,4,5,6\n", {QStringLiteral("check"), QStringLiteral("FILE"), QStringLiteral("--guarantee"), QStringLiteral("3:3")}, "--numbers LIST"},
        BadInput{"number 50", "1,2,3,4,5,6\n", with(checkOneToTen, 3, QStringLiteral("1-50")), "1-50"},
        BadInput{"range backwards", "1,2,3,4,5,6\n", with(checkOneToTen, 3, QStringLiteral("1-6,9-7")), "9-7"},
        BadInput{"number listed twice", "1,2,3,4,5,6\n", with(checkOneToTen, 3, QStringLiteral("1-10,4")), "4 is listed twice"},
        BadInput{"six numbers", "1,2,3,4,5,6\n", with(checkOneToTen, 3, QStringLiteral("1-6")), "at least 7"},
        BadInput{"guarantee 2:3", "1,2,3,4,5,6\n", with(checkOneToTen, 5, QStringLiteral("2:3")), "2:3"},
        BadInput{"guarantee 4:3", "1,2,3,4,5,6\n", with(checkOneToTen, 5, QStringLiteral("4:3")), "4:3"},
        BadInput{"guarantee 3-4", "1,2,3,4,5,6\n", with(checkOneToTen, 5, QStringLiteral("3-4")), "3-4"},
        BadInput{"two files", "1,2,3,4,5,6\n", checkOneToTen + QStringList{QStringLiteral("FILE")}, "one wheel file"},
        BadInput{"build without guarantee", "x", {QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-10")}, "--guarantee"},
        BadInput{"build zero rows", "x", {QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-10"), QStringLiteral("--guarantee"), QStringLiteral("3:3"), QStringLiteral("--rows"), QStringLiteral("0")}, "--rows"},
        BadInput{"build negative seconds", "x", {QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-10"), QStringLiteral("--guarantee"), QStringLiteral("3:3"), QStringLiteral("--seconds"), QStringLiteral("-1")}, "--seconds"},
        BadInput{"build unknown option", "x", {QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-10"), QStringLiteral("--guarantee"), QStringLiteral("3:3"), QStringLiteral("--fast"), QStringLiteral("1")}, "--fast"},
        BadInput{"no subcommand", "x", {QStringLiteral("prove")}, "build or check"}));

// Fewer rows than the guarantee needs: the best rows in the budget with the share of the
// five-sets they cover, which check confirms, and exit status 1.
TEST_F(CliWheelTest, BuildWithABudgetOutOfReachPrintsTheBestRowsAndExitsWithOne)
{
    EXPECT_EQ(run({QStringLiteral("wheel"), QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-12"),
                   QStringLiteral("--guarantee"), QStringLiteral("5:5"), QStringLiteral("--rows"), QStringLiteral("100"),
                   QStringLiteral("--seconds"), QStringLiteral("0.5")}),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("no wheel with 5:5 in 100 rows"))) << err.toStdString();
    QStringList printed = lines();
    ASSERT_GE(printed.size(), 3);
    ASSERT_TRUE(printed.last().startsWith(QStringLiteral("# holds\t")));
    const QStringList covered = printed[printed.size() - 2].split(QLatin1Char('\t'));
    ASSERT_EQ(covered.size(), 3);
    EXPECT_EQ(covered[0], QStringLiteral("# covered"));
    EXPECT_EQ(covered[2], QStringLiteral("792"));
    EXPECT_LT(covered[1].toInt(), 792);
    EXPECT_GT(covered[1].toInt(), 0);
    EXPECT_EQ(printed[printed.size() - 3], QStringLiteral("rows\t100"));

    const QString file = write("budget.txt", out.toLatin1());
    EXPECT_EQ(run({QStringLiteral("wheel"), QStringLiteral("check"), file, QStringLiteral("--numbers"), QStringLiteral("1-12"),
                   QStringLiteral("--guarantee"), QStringLiteral("5:5")}),
              1);
    EXPECT_EQ(lines().last(), QStringLiteral("covered\t") + covered[1] + QStringLiteral("\t792"));
}

TEST_F(CliWheelTest, KeyNumbersStandInEveryRowAndCheckCountsTheDrawsWithThem)
{
    ASSERT_EQ(run({QStringLiteral("wheel"), QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-14"),
                   QStringLiteral("--guarantee"), QStringLiteral("4:5"), QStringLiteral("--keys"), QStringLiteral("3,11"),
                   QStringLiteral("--seconds"), QStringLiteral("2")}),
              Cli::Ok)
        << err.toStdString();
    QStringList rows = lines();
    rows.removeLast();
    for (const QString& row : rows) {
        const QStringList numbers = row.split(QLatin1Char(','));
        EXPECT_TRUE(numbers.contains(QStringLiteral("3")) && numbers.contains(QStringLiteral("11"))) << row.toStdString();
    }
    const QString file = write("keys.txt", out.toLatin1());
    const QStringList check{QStringLiteral("wheel"), QStringLiteral("check"), file, QStringLiteral("--numbers"), QStringLiteral("1-14"),
                            QStringLiteral("--guarantee"), QStringLiteral("4:5"), QStringLiteral("--keys"), QStringLiteral("3,11")};
    ASSERT_EQ(run(check), Cli::Ok) << out.toStdString();
    // The five-sets with both keys: C(12,3).
    EXPECT_EQ(lines().last(), QStringLiteral("covered\t220\t220"));
    EXPECT_EQ(run(with(check, 8, QStringLiteral("3,15"))), Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("--keys"))) << err.toStdString();
}

TEST_F(CliWheelTest, ListShowsTheCatalogueBesideThePublishedSizes)
{
    ASSERT_EQ(run({QStringLiteral("wheel"), QStringLiteral("list")}), Cli::Ok) << err.toStdString();
    const QStringList printed = lines();
    // v = 7..30 with every guarantee that fits, and 49 numbers "3 wenn 6".
    EXPECT_EQ(printed.size(), 24 * 9 + 1);
    bool sawTwelve = false;
    for (const QString& line : printed) {
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        if (f[0] == QLatin1String("12") && f[1] == QLatin1String("4:4")) {
            sawTwelve = true;
            EXPECT_EQ(f[3], QStringLiteral("41"));
            EXPECT_GE(f[2].toInt(), 40);
        }
        if (!f[2].isEmpty() && !f[3].isEmpty() && f[0].toInt() <= 12)
            EXPECT_LE(f[2].toInt(), f[3].toInt() * 5 / 4) << line.toStdString();
    }
    EXPECT_TRUE(sawTwelve);
    EXPECT_TRUE(printed.last().startsWith(QStringLiteral("49\t3:6\t"))) << printed.last().toStdString();
}

// The 49-number "3 wenn 6" wheel, proved again by a program that shares no code with this one.
TEST_F(CliWheelTest, TheFortyNineNumberWheelIsProvedByASecondChecker)
{
    ASSERT_EQ(run({QStringLiteral("wheel"), QStringLiteral("build"), QStringLiteral("--numbers"), QStringLiteral("1-49"),
                   QStringLiteral("--guarantee"), QStringLiteral("3:6")}),
              Cli::Ok)
        << err.toStdString();
    const QString file = write("49.txt", out.toLatin1());
    const QString count = lines().last().section(QLatin1Char('\t'), 1);
    QProcess checker;
    checker.start(QStringLiteral(NUMORA_INDEPENDENT_CHECK_EXE), {file, QStringLiteral("49"), QStringLiteral("3"), QStringLiteral("6")});
    ASSERT_TRUE(checker.waitForFinished(120000));
    EXPECT_EQ(checker.exitCode(), 0);
    EXPECT_EQ(QString::fromLatin1(checker.readAllStandardOutput()).trimmed(), QStringLiteral("ok ") + count);
    // And it does find a set a row short of the wheel misses.
    QStringList rows = lines();
    rows.removeLast();
    rows.removeFirst();
    const QString shorter = write("48.txt", rows.join(QLatin1Char('\n')).toLatin1());
    checker.start(QStringLiteral(NUMORA_INDEPENDENT_CHECK_EXE), {shorter, QStringLiteral("49"), QStringLiteral("3"), QStringLiteral("6")});
    ASSERT_TRUE(checker.waitForFinished(120000));
    EXPECT_EQ(checker.exitCode(), 1);
}

} // namespace
} // namespace numora
