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

#include <cmath>

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
    test::AskedStop stop([&asked] { return ++asked >= 3; });
    options.control = &stop;
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
    // The sheets as they were scored: the three locked rows, sorted, in every pass.
    ASSERT_EQ(result->evaluated.size(), 4u);
    for (const Backtest::Pass& pass : result->evaluated)
        EXPECT_EQ(pass.sheet, (std::vector<std::array<std::uint8_t, 6>>{
                                  {1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15}, {20, 21, 22, 23, 24, 25}}));
    EXPECT_EQ(c.distinctRows, 3);
    // 3 wins in 12 rows: the same sheets reach that against random draws about once in 700.
    EXPECT_EQ(c.simulations, ChanceComparison::DefaultSimulations);
    EXPECT_NEAR(c.pValue, double(c.simulatedAtLeast + 1) / (c.simulations + 1), 1e-15);
    EXPECT_TRUE(c.betterThanChance);
    EXPECT_LT(c.pValue, 0.01);
    EXPECT_GT(c.pValue, 0.0);
    EXPECT_TRUE(c.sentence().startsWith(QStringLiteral("Die Reihen der Optionen hatten öfter 3 oder mehr Richtige")));
    EXPECT_TRUE(c.sentence().contains(QStringLiteral("Monte-Carlo-Test")));
    // The seed repeats the test.
    EXPECT_EQ(ChanceComparison::compute(*result).simulatedAtLeast, c.simulatedAtLeast);
}

// The same replay in a 6-of-90 game, every number n written as 91 - n: the hits stay, and the
// sheets' rows lie above 63, past one machine word. The comparison must score them and expect
// what random rows of 6 of 90 give.
TEST_F(BacktestTest, ComparisonInASixOfNinetyGame)
{
    auto mirrored = [](std::array<int, 6> n) {
        for (int& v : n)
            v = 91 - v;
        std::sort(n.begin(), n.end());
        return n;
    };
    state.useGame(shippedGame(QStringLiteral("cilgin")), day(2020, 1, 4));
    writeDraws({makeDraw(2020, 1, 4, mirrored({1, 2, 3, 10, 11, 40})), makeDraw(2020, 1, 8, mirrored({1, 2, 3, 4, 30, 31})),
                makeDraw(2020, 1, 11, mirrored({10, 11, 12, 20, 21, 40})), makeDraw(2020, 1, 15, mirrored({5, 6, 7, 8, 9, 45})),
                makeDraw(2020, 1, 18, mirrored({1, 2, 3, 4, 5, 6}))});
    for (int r = 0; r < 3; ++r)
        state.sheet.toggleLock(r);
    const std::array<int, 6> rows[] = {mirrored({1, 2, 3, 4, 5, 6}), mirrored({10, 11, 12, 13, 14, 15}),
                                       mirrored({20, 21, 22, 23, 24, 25})};
    for (int r = 0; r < 3; ++r)
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::number(rows[r][std::size_t(p)]));
    for (int r = 0; r < 3; ++r)
        state.sheet.toggleLock(r);
    state.chosenDate.setDate(day(2020, 1, 4));

    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, Backtest::End::Completed);
    EXPECT_EQ(result->numbers, 90);
    ASSERT_EQ(result->evaluated.size(), 4u);
    EXPECT_EQ(result->evaluated.front().sheet, (std::vector<std::array<std::uint8_t, 6>>{
                                                   {85, 86, 87, 88, 89, 90}, {76, 77, 78, 79, 80, 81}, {66, 67, 68, 69, 70, 71}}));
    const ChanceComparison c = ChanceComparison::compute(*result);
    EXPECT_EQ(c.rows, 12);
    EXPECT_EQ(c.replay, (std::array<std::int64_t, 7>{7, 0, 2, 1, 1, 0, 1}));
    EXPECT_EQ(c.replayWins, 3);
    std::int64_t control = 0;
    for (std::int64_t n : c.control)
        control += n;
    EXPECT_EQ(control, 12);
    EXPECT_NEAR(c.meanExpected, 36.0 / 90.0, 1e-12);
    EXPECT_NEAR(c.expectedWins, 12 * 1958475.0 / 622614630.0, 1e-12);
    // Three wins in twelve rows are rarer still in 6 of 90 than in 6 of 49.
    EXPECT_TRUE(c.betterThanChance);
    EXPECT_LT(c.pValue, 0.001);
}

// Drawn on Monday, Wednesday and Saturday: every draw after the start is a pass, the Mondays
// included, where steps of three days from a Saturday would reach Wednesday first.
TEST_F(BacktestTest, AGameWithMondayDrawsReplaysEveryDraw)
{
    state.useGame(shippedGame(QStringLiteral("cilgin")), day(2020, 1, 4));
    writeDraws({makeDraw(2020, 1, 4, {1, 2, 3, 10, 11, 40}), makeDraw(2020, 1, 6, {1, 2, 3, 4, 30, 31}),
                makeDraw(2020, 1, 8, {10, 11, 12, 20, 21, 40}), makeDraw(2020, 1, 11, {5, 6, 7, 8, 9, 45}),
                makeDraw(2020, 1, 13, {1, 2, 3, 4, 5, 6}), makeDraw(2020, 1, 15, {60, 70, 80, 85, 89, 90})});
    const auto result = Backtest::run(state, options);
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, Backtest::End::Completed);
    EXPECT_EQ(result->passes, 5);
    // Sheets of three locked rows against 06.01, 08.01, 11.01, 13.01, 15.01.
    EXPECT_EQ(result->table[4][Backtest::Wednesday] + result->table[4][Backtest::Saturday], 1);
    EXPECT_EQ(result->table[6][Backtest::Wednesday], 1); // Monday counts as a Wednesday draw
    EXPECT_EQ(state.currentDraw.date, day(2020, 1, 15));
}

// C(6,k)·C(N−6,6−k)/C(N,6) against counts done by hand.
TEST(ChanceComparisonTest, HitProbabilities)
{
    struct Case {
        int numbers;
        double all; // C(N,6)
        double three, six;
    };
    for (const Case& c : {Case{49, 13983816.0, 246820.0, 1.0}, Case{90, 622614630.0, 20.0 * 95284.0, 1.0}}) {
        double total = 0.0;
        for (int k = 0; k <= 6; ++k)
            total += ChanceComparison::hitProbability(k, c.numbers);
        EXPECT_NEAR(total, 1.0, 1e-12) << c.numbers;
        EXPECT_NEAR(ChanceComparison::hitProbability(6, c.numbers), c.six / c.all, 1e-22) << c.numbers;
        EXPECT_NEAR(ChanceComparison::hitProbability(3, c.numbers), c.three / c.all, 1e-15) << c.numbers;
    }
    EXPECT_EQ(ChanceComparison::hitProbability(3), ChanceComparison::hitProbability(3, 49));
}

Backtest::Pass passWith(std::vector<std::array<std::uint8_t, 6>> sheet)
{
    Backtest::Pass pass;
    pass.numbers = {1, 2, 3, 4, 5, 6};
    pass.rows = std::int32_t(sheet.size());
    pass.sheet = std::move(sheet);
    return pass;
}

// The simulation against exact figures. One row wins with P = 260,624 / 13,983,816 = 1.8638 %.
// Five copies of that row in one sheet win together or not at all: still 1.86 % for "at least
// one win", where rows taken as independent would give 8.98 %. That dependence is what the
// test must keep. A row that repeats a number counts each position, as the check does.
TEST(ChanceComparisonTest, SimulationKeepsTheSheetsAsTheyWere)
{
    const double win = 260624.0 / 13983816.0;
    const std::int32_t n = 200000;
    const double tolerance = 5 * std::sqrt(win * (1 - win) / n);
    const std::array<std::uint8_t, 6> row{1, 9, 17, 25, 33, 49};
    const std::vector<Backtest::Pass> one{passWith({row})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(one, 1, 7, n) / double(n), win, tolerance);
    const std::vector<Backtest::Pass> copies{passWith({row, row, row, row, row})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(copies, 1, 7, n) / double(n), win, tolerance);
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(copies, 5, 7, n) / double(n), win, tolerance);
    EXPECT_EQ(ChanceComparison::simulatedTotalsAtLeast(copies, 6, 7, n), 0);
    // Zero wins is reached by every history.
    EXPECT_EQ(ChanceComparison::simulatedTotalsAtLeast(copies, 0, 7, 1000), 1000);
    // 7 7 7 7 7 7 has six hits whenever 7 is drawn: P = 6/49.
    const std::vector<Backtest::Pass> repeated{passWith({{7, 7, 7, 7, 7, 7}})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(repeated, 1, 7, n) / double(n), 6.0 / 49.0,
                5 * std::sqrt(6.0 / 49 * 43 / 49 / n));
    // Two passes: at least one win in either, 1 - (1 - win)^2.
    const std::vector<Backtest::Pass> two{passWith({row}), passWith({row})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(two, 1, 7, n) / double(n), 1 - (1 - win) * (1 - win),
                2 * tolerance);
}

// In 6 of 90 the simulated draws reach 90, and numbers past 63 hit: one row wins with
// P = 1,958,475 / 622,614,630 = 0.3146 %, a row of one number six times with 6/90.
TEST(ChanceComparisonTest, SimulationDrawsSixOfNinety)
{
    const double win = 1958475.0 / 622614630.0;
    const std::int32_t n = 400000;
    const std::vector<Backtest::Pass> high{passWith({{64, 70, 75, 80, 85, 90}})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(high, 1, 7, n, 90) / double(n), win,
                5 * std::sqrt(win * (1 - win) / n));
    const std::vector<Backtest::Pass> repeated{passWith({{90, 90, 90, 90, 90, 90}})};
    EXPECT_NEAR(ChanceComparison::simulatedTotalsAtLeast(repeated, 1, 7, n, 90) / double(n), 6.0 / 90.0,
                5 * std::sqrt(6.0 / 90 * 84 / 90 / n));
    // The default game's draws never reach 90.
    EXPECT_EQ(ChanceComparison::simulatedTotalsAtLeast(repeated, 1, 7, 10000), 0);
}

// Under the null, every draw uniform and independent of the sheets, P(p <= a) <= a: tried over
// 400 histories with sheets that share rows and are kept over several draws.
TEST(ChanceComparisonTest, PValuesOfUniformHistoriesAreUniform)
{
    Random random(20261211);
    auto quickRow = [&random] {
        std::array<std::uint8_t, 6> row{};
        std::uint64_t used = 0;
        for (auto& n : row) {
            do
                n = std::uint8_t(random.next(49) + 1);
            while (used & (std::uint64_t(1) << n));
            used |= std::uint64_t(1) << n;
        }
        return row;
    };
    auto drawnMask = [&quickRow] {
        std::uint64_t mask = 0;
        for (std::uint8_t n : quickRow())
            mask |= std::uint64_t(1) << n;
        return mask;
    };
    int atMost5 = 0, atMost20 = 0, atMost50 = 0;
    const int histories = 400;
    for (int h = 0; h < histories; ++h) {
        std::vector<Backtest::Pass> passes;
        std::int64_t wins = 0;
        std::vector<std::array<std::uint8_t, 6>> sheet;
        for (int d = 0; d < 60; ++d) {
            if (d % 4 == 0) { // a sheet of 8 rows, one of them twice, kept for four draws
                sheet.clear();
                for (int r = 0; r < 7; ++r)
                    sheet.push_back(quickRow());
                sheet.push_back(sheet.front());
            }
            passes.push_back(passWith(sheet));
            const std::uint64_t drawn = drawnMask();
            for (const auto& row : sheet) {
                int hits = 0;
                for (std::uint8_t n : row)
                    hits += (drawn >> n) & 1;
                wins += hits >= 3;
            }
        }
        const std::int32_t sims = 999;
        const double p = (ChanceComparison::simulatedTotalsAtLeast(passes, wins, h, sims) + 1) / double(sims + 1);
        atMost5 += p <= 0.05;
        atMost20 += p <= 0.20;
        atMost50 += p <= 0.50;
    }
    // The count is discrete, so P(p <= a) may fall short of a, never exceed it beyond chance.
    EXPECT_LE(atMost5, 0.05 * histories + 3 * std::sqrt(0.05 * 0.95 * histories));
    EXPECT_LE(atMost20, 0.20 * histories + 3 * std::sqrt(0.20 * 0.80 * histories));
    EXPECT_LE(atMost50, 0.50 * histories + 3 * std::sqrt(0.25 * histories));
    // and not by much: the test is not timid either.
    EXPECT_GE(atMost50, 0.30 * histories);
}

} // namespace
} // namespace numora::test
