// The parameter back-test on five hand-made draws. Three locked rows make the sheet known, so the
// report can be worked out by hand:
//   row 1: 1 2 3 4 5 6      row 2: 10 11 12 13 14 15      row 3: 20 21 22 23 24 25
//   Sa 04.01.2020  1  2  3 10 11 40   start
//   Mi 08.01.2020  1  2  3  4 30 31   rows 4 0 0
//   Sa 11.01.2020 10 11 12 20 21 40   rows 0 3 2
//   Mi 15.01.2020  5  6  7  8  9 45   rows 2 0 0
//   Sa 18.01.2020  1  2  3  4  5  6   rows 6 0 0
#include "eval/Backtest.h"

#include "eval/ChanceComparison.h"
#include "gen/Generator.h"

#include "gen/GenFixture.h"

#include <QDir>

namespace numora::test {
namespace {

// Records the random state whenever a generation starts: the run turns the busy cursor on first.
class BacktestHooks : public GenHooks {
public:
    Random* random = nullptr;
    std::vector<std::uint32_t> statesAtStart;
    int poolDialogShownWithBoxOn = 0;
    const Berechnungsparameter* params = nullptr;

    void setBusy(bool busy) override
    {
        if (busy && random)
            statesAtStart.push_back(random->state());
        if (busy && params && params->checkBox(20))
            ++poolDialogShownWithBoxOn;
    }
};

class BacktestTest : public GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        state.hooks = &backtestHooks;
        backtestHooks.random = &random;
        backtestHooks.params = &state.params;
        writeDraws({makeDraw(2020, 1, 4, {1, 2, 3, 10, 11, 40}), makeDraw(2020, 1, 8, {1, 2, 3, 4, 30, 31}),
                    makeDraw(2020, 1, 11, {10, 11, 12, 20, 21, 40}), makeDraw(2020, 1, 15, {5, 6, 7, 8, 9, 45}),
                    makeDraw(2020, 1, 18, {1, 2, 3, 4, 5, 6})});
        setRow(0, {1, 2, 3, 4, 5, 6});
        setRow(1, {10, 11, 12, 13, 14, 15});
        setRow(2, {20, 21, 22, 23, 24, 25});
        for (int r = 0; r < 3; ++r)
            state.sheet.toggleLock(r);
        state.sheet.setTipCount(1); // the unlocked rows stay empty
        state.chosenDate.setDate(day(2020, 1, 4));
        backtestHooks.askAnswer = QStringLiteral("4711");
        options.reportPath = dir.filePath(QStringLiteral("Test.txt"));
    }

    int generations() const { return int(backtestHooks.statesAtStart.size()) - 1; }

    BacktestHooks backtestHooks;
    Backtest::Options options;
};

TEST_F(BacktestTest, ReportOfTheReplayWithCrLf)
{
    state.params.setCheckBox(20, true);
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, Backtest::End::Completed);
    const QByteArray expected = "Aktuelle Einstellung brachten f\xc3\xbcr Sa. bzw. Mi.\r\n"
                                "0x\t=>\t3\t=>\t4\r\n"
                                "0x + Bonus\t=>\t0\t=>\t0\r\n"
                                "1x\t=>\t0\t=>\t0\r\n"
                                "1x + Bonus\t=>\t0\t=>\t0\r\n"
                                "2x\t=>\t1\t=>\t1\r\n"
                                "2x + Bonus\t=>\t0\t=>\t0\r\n"
                                "3x\t=>\t1\t=>\t0\r\n"
                                "3x + Bonus\t=>\t0\t=>\t0\r\n"
                                "4x\t=>\t0\t=>\t1\r\n"
                                "4x + Bonus\t=>\t0\t=>\t0\r\n"
                                "5x\t=>\t0\t=>\t0\r\n"
                                "5x + Bonus\t=>\t0\t=>\t0\r\n"
                                "6x\t=>\t1\t=>\t0\r\n"
                                "\r\n"
                                "4 Ziehungen\r\n";
    EXPECT_EQ(readBytes(options.reportPath), expected);

    // The seed dialog, then the seed before every generation; the pool dialog never asked.
    EXPECT_EQ(backtestHooks.askCaption, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
    EXPECT_EQ(backtestHooks.askPrompt, QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
    const int proposed = backtestHooks.askProposed.toInt();
    EXPECT_TRUE(proposed >= 0 && proposed <= 99998) << proposed;
    EXPECT_TRUE(backtestHooks.statusTexts.contains(
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein! 4711")));
    EXPECT_EQ(generations(), 5);
    for (std::uint32_t s : backtestHooks.statesAtStart)
        EXPECT_EQ(s, 4711u);
    EXPECT_EQ(backtestHooks.poolDialogShownWithBoxOn, 0);
    EXPECT_TRUE(state.params.checkBox(20));

    // Left on the newest draw with the last sheet evaluated against it.
    EXPECT_EQ(state.currentDraw.date, day(2020, 1, 18));
    EXPECT_EQ(state.chosenDate.value, day(2020, 1, 18));
    EXPECT_EQ(state.sheet.row(0).hitText, QStringLiteral("6"));
}

struct ReplayCase {
    const char* name;
    double start;
    bool wednesdayDraws;
    bool emptyFile;
    std::int32_t passes;
    std::int32_t saturdayNoHit; // class 0, Saturday
    std::int32_t wednesdayNoHit;
};

class ReplayTest : public BacktestTest, public ::testing::WithParamInterface<ReplayCase> {};

TEST_P(ReplayTest, PassesAndTables)
{
    const ReplayCase& c = GetParam();
    state.chosenDate.setDate(c.start);
    state.wednesdayDraws = c.wednesdayDraws;
    if (c.emptyFile)
        writeDraws({});
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, Backtest::End::Completed);
    EXPECT_EQ(result->passes, c.passes);
    EXPECT_EQ(result->table[0][Backtest::Saturday], c.saturdayNoHit);
    EXPECT_EQ(result->table[0][Backtest::Wednesday], c.wednesdayNoHit);
    EXPECT_EQ(result->report.last(), QStringLiteral("%1 Ziehungen").arg(c.passes));
    EXPECT_TRUE(QFile::exists(options.reportPath));
}

INSTANTIATE_TEST_SUITE_P(
    Backtest, ReplayTest,
    ::testing::Values(
        // Six days a step from a Saturday reach the next Saturday and skip the Wednesday between.
        ReplayCase{"SaturdaysOnly", day(2020, 1, 4), false, false, 2, 3, 0},
        // The newest draw has no further draw: the first pass is not counted.
        ReplayCase{"FromTheNewestDraw", day(2020, 1, 18), true, false, 0, 0, 0},
        ReplayCase{"FromToday", day(2026, 12, 10), true, false, 0, 0, 0},
        // Read literally the replay would never end on an empty history.
        ReplayCase{"EmptyHistory", day(2020, 1, 4), true, true, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BacktestTest, OnlyAfterAThreeKeepsTheSheet)
{
    // Passes 08.01 (a 4) and 11.01 (a 3) are followed by a new sheet, 15.01 (best a 2) is not.
    state.params.setCheckBox(31, true);
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->passes, 4);
    EXPECT_EQ(generations(), 4);
}

TEST_F(BacktestTest, FailuresShowMessage34AndRestoreThePoolBox)
{
    state.params.setCheckBox(20, true);
    // An answer that is no integer.
    backtestHooks.askAnswer = QStringLiteral("Glück");
    auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Backtest::End::Failed);
    EXPECT_EQ(backtestHooks.messages, QStringList{QStringLiteral("Fehler bei Eingabe der Zufallszahl")});
    EXPECT_TRUE(state.params.checkBox(20));

    // A failing generation: a locked row with an empty field is no row.
    backtestHooks.askAnswer = QStringLiteral("4711");
    state.sheet.toggleLock(5);
    result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Backtest::End::Failed);
    EXPECT_EQ(backtestHooks.messages.size(), 2);
    EXPECT_TRUE(state.params.checkBox(20));
    state.sheet.toggleLock(5);

    // The report cannot be written.
    options.reportPath = dir.filePath(QStringLiteral("no/such/folder/Test.txt"));
    result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Backtest::End::Failed);
    EXPECT_EQ(backtestHooks.messages.size(), 3);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Test.txt"))));
}

TEST_F(BacktestTest, StopEndsWithoutReport)
{
    state.params.setCheckBox(20, true);
    int asked = 0;
    options.stopRequested = [&asked] { return ++asked >= 3; };
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Backtest::End::Stopped);
    EXPECT_LT(result->passes, 4);
    EXPECT_FALSE(QFile::exists(options.reportPath));
    EXPECT_TRUE(state.params.checkBox(20));
}

// The comparison on the same passes: the control stream does not disturb the replay, and
// the counts add up to the rows evaluated.
TEST_F(BacktestTest, ComparisonWithRandomRows)
{
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok());
    const ChanceComparison c = ChanceComparison::compute(*result);
    EXPECT_EQ(c.rows, 12); // three rows in four passes
    EXPECT_EQ(c.replay, (std::array<std::int64_t, 7>{7, 0, 2, 1, 1, 0, 1}));
    std::int64_t control = 0;
    for (std::int64_t n : c.control)
        control += n;
    EXPECT_EQ(control, 12);
    EXPECT_NEAR(c.meanReplay, (2 * 2 + 3 + 4 + 6) / 12.0, 1e-12);
    EXPECT_NEAR(c.meanExpected, 36.0 / 49.0, 1e-12);
    EXPECT_EQ(c.replayWins, 3);
    // 3 wins in 12 rows against a chance of 1.86 % each is far beyond luck.
    EXPECT_TRUE(c.betterThanChance);
    EXPECT_LT(c.pValue, 0.01);
    EXPECT_TRUE(c.sentence().startsWith(QStringLiteral("Die Optionen waren auf dem 5-%-Niveau besser")));
}

TEST(ChanceComparisonTest, HypergeometricAndBinomial)
{
    double total = 0.0;
    for (int k = 0; k <= 6; ++k)
        total += ChanceComparison::hitProbability(k);
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_NEAR(ChanceComparison::hitProbability(6), 1.0 / 13983816.0, 1e-20);
    EXPECT_NEAR(ChanceComparison::hitProbability(3), 246820.0 / 13983816.0, 1e-15);
    // Binomial(10, 0.5): P(X >= 8) = 56/1024; the edges are exact.
    EXPECT_NEAR(ChanceComparison::binomialUpperTail(10, 8, 0.5), 56.0 / 1024.0, 1e-12);
    EXPECT_EQ(ChanceComparison::binomialUpperTail(10, 0, 0.3), 1.0);
    EXPECT_EQ(ChanceComparison::binomialUpperTail(10, 11, 0.3), 0.0);
    // A large sample at its mean: about one half, not 0 or 1 from an overflow.
    const double p = ChanceComparison::binomialUpperTail(20000, 373, 0.01864);
    EXPECT_GT(p, 0.4);
    EXPECT_LT(p, 0.6);
}

} // namespace
} // namespace numora::test
