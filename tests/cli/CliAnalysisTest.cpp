// `backtest` and `recurrence`: the same domain runs as the window's, on the real history and on
// five draws worked out by hand.
#include "cli/Cli.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Random.h"
#include "eval/Backtest.h"

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

class CliAnalysisTest : public test::RealHistoryCliTest {
protected:

    static int sum(const QStringList& lines, int from)
    {
        int total = 0;
        for (int i = from; i < from + 7; ++i)
            total += lines[i].section(QStringLiteral("=>"), 1).toInt();
        return total;
    }

};

// Answers the seed dialog like a user typing the seed.
class SeedHooks : public UiHooks {
public:
    QString seed;
    QString askText(const QString&, const QString&, const QString&) override { return seed; }
};

TEST_F(CliAnalysisTest, BacktestPrintsTheReportOfTheDomain)
{
    const QStringList sets{QStringLiteral("UpDown8=4"), QStringLiteral("CheckBox17=0"), QStringLiteral("CheckBox31=1")};
    ASSERT_EQ(run({QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("4711"), QStringLiteral("--date"),
                   QStringLiteral("01.03.2019"), QStringLiteral("--set"), sets[0], QStringLiteral("--set"), sets[1],
                   QStringLiteral("--set"), sets[2], QStringLiteral("--compare")}),
              Cli::Ok)
        << err.toStdString();

    // The window's state: the picker on 01.03.2019, the options set, the seed typed.
    ProgramState state;
    Random random(12345);
    SeedHooks hooks;
    hooks.seed = QStringLiteral("4711");
    state.hooks = &hooks;
    state.random = &random;
    state.programDir = dir.path() + QLatin1Char('/');
    state.sheet.setSheetReady(true);
    state.sheet.setTipCount(4);
    state.wednesdayDraws = false;
    state.params.setCheckBox(31, true);
    state.chosenDate.setDate(DayDate::fromYmd(2019, 3, 1));
    const auto result = Backtest::run(state, {});
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result->end, Backtest::End::Completed);
    ASSERT_GT(result->passes, 20);

    const QStringList lines = out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.mid(0, result->report.size()), result->report);
    // Saturdays only: every row of the Wednesday columns stays 0.
    for (int i = 1; i <= 13; ++i)
        EXPECT_TRUE(lines[i].endsWith(QStringLiteral("=>\t0"))) << lines[i];

    // The comparison: a header, seven classes that each add up to the rows evaluated, the means.
    qsizetype at = result->report.size();
    EXPECT_TRUE(lines[at].isEmpty());
    EXPECT_EQ(lines[at + 1], QStringLiteral("hits\toptions\tcontrol\texpected"));
    std::int64_t options = 0, control = 0;
    double expected = 0;
    for (int k = 0; k <= 6; ++k) {
        const QStringList cells = lines[at + 2 + k].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 4);
        EXPECT_EQ(cells[0].toInt(), k);
        options += cells[1].toLongLong();
        control += cells[2].toLongLong();
        expected += cells[3].toDouble();
    }
    EXPECT_EQ(options, 4 * result->passes);
    EXPECT_EQ(control, options);
    EXPECT_NEAR(expected, double(options), 0.05);
    EXPECT_TRUE(lines[at + 9].startsWith(QStringLiteral("mean\t")));
    EXPECT_TRUE(lines[at + 9].endsWith(QStringLiteral("\t0.7347")));
    EXPECT_TRUE(lines[at + 11].startsWith(QStringLiteral("p\t")));
    EXPECT_TRUE(lines[at + 12].startsWith(QStringLiteral("verdict\tDie Reihen der Optionen")));
    EXPECT_TRUE(lines[at + 12].contains(QStringLiteral("Monte-Carlo-Test")));
}

TEST_F(CliAnalysisTest, RecurrenceOverTheWholeHistory)
{
    ASSERT_EQ(run({QStringLiteral("recurrence"), QStringLiteral("--date"), QStringLiteral("16.11.1996")}), Cli::Ok)
        << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines[0], QStringLiteral("Treffer von Ziehungen in der Datenbank"));
    EXPECT_EQ(lines[8], QStringLiteral(" "));
    EXPECT_EQ(lines[18], QStringLiteral("Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen"));
    // 1267 draws: pass k counts the k - 1 draws before it (none in the first pass), and every
    // draw but the last one, two and three has a next, second and third draw.
    const int n = 1267;
    EXPECT_EQ(sum(lines, 1), (n - 2) * (n - 1) / 2);
    EXPECT_EQ(sum(lines, 10), n - 1);
    EXPECT_EQ(sum(lines, 19), n - 2);
    EXPECT_EQ(sum(lines, 28), n - 3);
    EXPECT_EQ(lines[7], QStringLiteral("6x    =>0"));
}

TEST_F(CliAnalysisTest, RecurrenceOnFiveDraws)
{
    const QString csv = dir.filePath(QStringLiteral("five.csv"));
    ASSERT_TRUE(test::writeBytes(csv, "date,n1,n2,n3,n4,n5,n6\n2020-01-04,1,2,3,4,5,6\n2020-01-08,1,2,3,10,11,12\n"
                                      "2020-01-11,4,5,6,10,11,13\n2020-01-15,1,2,20,21,22,23\n2020-01-18,1,2,3,4,5,6\n"));
    ASSERT_EQ(run({QStringLiteral("import-csv"), csv}), Cli::Ok);
    ASSERT_EQ(run({QStringLiteral("recurrence"), QStringLiteral("--date"), QStringLiteral("07.01.2020")}), Cli::Ok);
    const QStringList lines = out.split(QLatin1Char('\n'));
    auto table = [&lines](int from) {
        QStringList counts;
        for (int i = from; i < from + 7; ++i)
            counts << lines[i].section(QStringLiteral("=>"), 1);
        return counts.join(QLatin1Char(' '));
    };
    EXPECT_EQ(table(1), QStringLiteral("1 0 3 1 0 0 0"));
    EXPECT_EQ(table(10), QStringLiteral("1 0 2 0 0 0 0"));
    EXPECT_EQ(table(19), QStringLiteral("0 0 1 1 0 0 0"));
    EXPECT_EQ(table(28), QStringLiteral("0 0 0 1 0 0 0"));
}

TEST_F(CliAnalysisTest, BadArgumentsFailWithOneLine)
{
    const QStringList bad[] = {
        {QStringLiteral("backtest")},
        {QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("1")},
        {QStringLiteral("recurrence")},
        {QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("x")},
        {QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--set"),
         QStringLiteral("UpDown3=6")},
        {QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--date"),
         QStringLiteral("01.10.2019"), QStringLiteral("extra")},
        {QStringLiteral("recurrence"), QStringLiteral("--date"), QStringLiteral("31.02.2019")},
        {QStringLiteral("recurrence"), QStringLiteral("--seed"), QStringLiteral("1")},
        // No six distinct numbers in the pool: the generation fails, and so the back-test.
        {QStringLiteral("backtest"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--date"),
         QStringLiteral("01.10.2019"), QStringLiteral("--set"), QStringLiteral("CheckBox15=1"), QStringLiteral("--set"),
         QStringLiteral("CheckBox14=0"), QStringLiteral("--set"), QStringLiteral("CheckBox10=0")},
    };
    for (const QStringList& args : bad) {
        EXPECT_EQ(run(args), Cli::Failure) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }
    EXPECT_EQ(err, QStringLiteral("numora-cli: Fehler bei Eingabe der Zufallszahl\n"));
}

} // namespace
} // namespace numora
