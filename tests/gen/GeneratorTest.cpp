#include "gen/Generator.h"

#include "session/DrawBrowser.h"

#include "GenFixture.h"

#include <QRegularExpression>

#include <set>

namespace numora {
namespace {

using test::allOff;
using test::day;
using test::ints;
using test::makeDraw;
using test::row;
using End = GenerationResult::End;


int common(const Row& a, const std::uint8_t* b, int count)
{
    int c = 0;
    for (std::uint8_t x : a)
        for (int j = 0; j < count; ++j)
            c += x == b[j] ? 1 : 0;
    return c;
}

// The rules of a fresh installation's options, checked from the draw file itself: every
// message names a row and what it breaks.
QStringList defaultRuleViolations(const ProgramState& state, int rows)
{
    QStringList problems;
    const auto draws = state.drawFile().readAll();
    if (!draws.ok() || draws->empty())
        return {QStringLiteral("no draws")};
    const double chosen = state.chosenDate.value;
    // The draw shown for the chosen date, and the two before it.
    std::size_t last = draws->size() - 1;
    for (std::size_t i = 0; i < draws->size(); ++i)
        if ((*draws)[i].Datum >= chosen) {
            last = i;
            break;
        }
    const TZiehung* recent[3] = {&(*draws)[last], &(*draws)[last > 0 ? last - 1 : 0], &(*draws)[last > 1 ? last - 2 : 0]};

    std::vector<Row> placed;
    for (int r = 0; r < rows; ++r) {
        Row x{};
        for (int p = 0; p < 6; ++p)
            x[std::size_t(p)] = std::uint8_t(state.sheet.field(r, p).toInt());
        const QString name = QStringLiteral("row %1 (%2): ").arg(r + 1).arg(
            QStringList{state.sheet.row(r).fields.begin(), state.sheet.row(r).fields.end()}.join(QLatin1Char(' ')));
        const auto fail = [&](const QString& why) { problems << name + why; };
        int sum = 0;
        for (int p = 0; p < 6; ++p) {
            sum += x[std::size_t(p)];
            if (x[std::size_t(p)] < 1 || x[std::size_t(p)] > 49 || (p > 0 && x[std::size_t(p)] <= x[std::size_t(p - 1)]))
                fail(QStringLiteral("not six ascending numbers 1..49"));
            if (p >= 2 && x[std::size_t(p)] == x[std::size_t(p - 2)] + 2 && x[std::size_t(p - 1)] == x[std::size_t(p - 2)] + 1)
                fail(QStringLiteral("three in a row"));
        }
        if (sum < 50 || sum > 250)
            fail(QStringLiteral("digit sum %1").arg(sum));
        for (const Row& earlier : placed)
            if (common(x, earlier.data(), 6) > 2)
                fail(QStringLiteral("more than 2 common with an earlier row"));
        std::uint8_t lastValues[7];
        std::copy(recent[0]->Zahlen, recent[0]->Zahlen + 6, lastValues);
        lastValues[6] = recent[0]->Zusatzzahl;
        if (common(x, lastValues, 7) > 0)
            fail(QStringLiteral("holds a number of the last draw"));
        if (common(x, recent[1]->Zahlen, 6) > 1)
            fail(QStringLiteral("more than 1 of the second-to-last draw"));
        if (common(x, recent[2]->Zahlen, 6) > 2)
            fail(QStringLiteral("more than 2 of the third-to-last draw"));
        for (const TZiehung& d : *draws) {
            if (d.Datum > chosen || d.Datum <= state.startDate.value)
                continue;
            const int hits = common(x, d.Zahlen, 6);
            const double back = chosen - d.Datum;
            if (back < 35 && hits >= 3)
                fail(QStringLiteral("3 hits in the last 10 draws"));
            if (back < 350 && hits >= 4)
                fail(QStringLiteral("4 hits in the last 100 draws"));
            if (hits >= 5)
                fail(QStringLiteral("5 hits in the history"));
        }
        placed.push_back(x);
    }
    return problems;
}

class GeneratorTest : public test::GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        writeDraws(test::overdueFixture());
        state.chosenDate.value = test::overdueFixtureLastDate();
    }

    Expected<GenerationResult> generate()
    {
        auto result = Generator::generate(state);
        EXPECT_FALSE(state.generation.running());
        EXPECT_TRUE(state.sheet.sheetReady());
        return result;
    }

    void unsatisfiable()
    {
        state.params.setUpDown(1, 21);
        state.params.setUpDown(2, 21);
        state.params.setCheckBox(18, true);
    }

    std::vector<std::vector<int>> sheet() const
    {
        std::vector<std::vector<int>> rows;
        for (int r = 0; r < 12; ++r)
            rows.push_back(ints(sheetRow(r)));
        return rows;
    }
};

TEST_F(GeneratorTest, GoldenSheetOnTheFixture)
{
    random.setState(4711);
    const auto result = generate();
    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result->end, End::Finished);
    // Checked against every rule by hand: no 1 21 41..44 (last draw), at most one of 2 22
    // and two of 3 23 (the draws before), at most two common numbers per pair of rows, no run
    // of three, digit sums 50..250, fewer than 3 hits in each of the last five draws.
    const std::vector<std::vector<int>> expected = {
        {8, 35, 37, 39, 45, 48}, {5, 12, 14, 19, 20, 32}, {12, 16, 24, 38, 45, 46}, {3, 5, 13, 24, 45, 47},
        {3, 4, 18, 32, 35, 45},  {10, 13, 14, 19, 26, 46}, {5, 8, 17, 31, 39, 49},  {9, 11, 16, 34, 38, 40},
        {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
    };
    EXPECT_EQ(sheet(), expected);
    EXPECT_EQ(result->candidates, 11);
    EXPECT_EQ(state.runCounter, result->candidates);
    EXPECT_EQ(defaultRuleViolations(state, 8), QStringList());
    EXPECT_EQ(hooks.statusTexts.last(), QStringLiteral("Tipps wurden neu berechnet"));
}

TEST_F(GeneratorTest, SameLuckyNumberSameSheet)
{
    random.setState(99);
    ASSERT_TRUE(generate().ok());
    const auto first = sheet();
    const std::uint32_t after = random.state();
    // Changed unlocked rows do not matter: they are cleared first.
    setRow(2, {1, 2, 3, 4, 5, 6});
    random.setState(99);
    ASSERT_TRUE(generate().ok());
    EXPECT_EQ(sheet(), first);
    EXPECT_EQ(random.state(), after);
    random.setState(100);
    ASSERT_TRUE(generate().ok());
    EXPECT_NE(sheet(), first);
}

struct RealHistoryCase {
    std::uint32_t seed;
    int year, month, dayOfMonth;
};

void PrintTo(const RealHistoryCase& c, std::ostream* os)
{
    *os << "seed " << c.seed << " on " << c.year << '-' << c.month << '-' << c.dayOfMonth;
}

class RealHistoryTest : public GeneratorTest, public ::testing::WithParamInterface<RealHistoryCase> {};

TEST_P(RealHistoryTest, EveryRowSatisfiesEveryRuleOfTheDefaults)
{
    useRealHistory();
    const RealHistoryCase& c = GetParam();
    state.chosenDate.value = day(c.year, c.month, c.dayOfMonth);
    random.setState(c.seed);
    const auto result = generate();
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, End::Finished);
    // Below the first relaxation step, so the options held for every row.
    ASSERT_LT(result->candidates, 30000);
    for (int r = 0; r < 8; ++r)
        EXPECT_NE(sheetRow(r)[0], 0) << "row " << r + 1;
    for (int r = 8; r < 12; ++r)
        EXPECT_TRUE(rowEmpty(r)) << "row " << r + 1;
    EXPECT_EQ(defaultRuleViolations(state, 8), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Generator, RealHistoryTest,
    ::testing::Values(RealHistoryCase{1, 2019, 11, 2}, RealHistoryCase{4711, 2019, 11, 2},
                      RealHistoryCase{123456, 2019, 11, 2}, RealHistoryCase{7, 2005, 6, 15},
                      RealHistoryCase{8, 1998, 3, 1}));

TEST_F(GeneratorTest, LockedRowsAreTakenOverAndRespected)
{
    state.sheet.setTipCount(4);
    state.params.setUpDown(3, 0); // no common number with any placed row
    setRow(0, {45, 3, 19, 8, 33, 27});
    state.sheet.toggleLock(0);
    random.setState(5);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::Finished);
    EXPECT_EQ(ints(sheetRow(0)), (std::vector<int>{3, 8, 19, 27, 33, 45}));
    EXPECT_TRUE(state.sheet.row(0).locked);
    std::set<int> seen;
    for (int r = 0; r < 4; ++r)
        for (std::uint8_t v : sheetRow(r))
            EXPECT_TRUE(seen.insert(v).second) << int(v) << " twice, row " << r + 1;
    EXPECT_EQ(seen.size(), 24u);
}

TEST_F(GeneratorTest, AllTwelveRowsLockedDrawNothing)
{
    for (int r = 0; r < 12; ++r) {
        setRow(r, {r + 6, r + 5, r + 4, r + 3, r + 2, r + 1});
        state.sheet.toggleLock(r);
    }
    state.sheet.row(3).fields[0] = QStringLiteral("07"); // as a field could hold it before its rule ran
    random.setState(31);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::Finished);
    EXPECT_EQ(result->candidates, 0);
    EXPECT_EQ(hooks.pumps, 0);
    EXPECT_EQ(random.state(), 31u);
    EXPECT_EQ(hooks.statusTexts.last(), QStringLiteral("Tipps wurden neu berechnet"));
    // Re-written canonically, then sorted by the evaluation at the end.
    EXPECT_EQ(ints(sheetRow(3)), (std::vector<int>{4, 5, 6, 7, 7, 8}));
    EXPECT_EQ(state.sheet.field(3, 3), QStringLiteral("7"));
    EXPECT_EQ(ints(sheetRow(11)), (std::vector<int>{12, 13, 14, 15, 16, 17}));
}

TEST_F(GeneratorTest, TipCountThreeLeavesTheOtherRowsEmpty)
{
    state.sheet.setTipCount(3);
    setRow(6, {1, 2, 3, 4, 5, 6});
    std::vector<QString> sumsDuringRun;
    hooks.onSheetChanged = [&] {
        if (state.sheet.sheetReady())
            return;
        sumsDuringRun.clear();
        for (int r = 0; r < 12; ++r)
            sumsDuringRun.push_back(state.sheet.row(r).sumText);
    };
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::Finished);
    for (int r = 0; r < 3; ++r) {
        EXPECT_NE(sheetRow(r)[0], 0);
        EXPECT_EQ(sumsDuringRun.at(std::size_t(r)), QString::number(test::sumOf(sheetRow(r))));
    }
    for (int r = 3; r < 12; ++r) {
        EXPECT_TRUE(rowEmpty(r)) << "row " << r + 1;
        // The run writes "0"; the evaluation at the end blanks the displays of an incomplete row.
        EXPECT_EQ(sumsDuringRun.at(std::size_t(r)), QStringLiteral("0")) << "row " << r + 1;
        EXPECT_TRUE(state.sheet.row(r).sumText.isEmpty()) << "row " << r + 1;
    }
}

TEST_F(GeneratorTest, UnsatisfiableFilterSpendsTheBudget)
{
    unsatisfiable();
    state.params.setUpDown(7, 1);
    state.params.setCheckBox(8, true);
    for (int r = 0; r < 8; ++r)
        setRow(r, {1, 2, 3, 4, 5, 6 + r});
    setRow(9, {10, 20, 30, 40, 41, 42});
    state.sheet.toggleLock(9);
    std::vector<int> forcedPairOffAt;
    hooks.onOptionsChanged = [&] {
        if (!state.params.checkBox(8))
            forcedPairOffAt.push_back(hooks.pumps);
    };

    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::BudgetSpent);
    EXPECT_EQ(result->candidates, 1000);
    EXPECT_EQ(hooks.pumps, 1000);
    EXPECT_EQ(forcedPairOffAt, std::vector<int>{500});
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(rowEmpty(r), r != 9) << "row " << r + 1;
    EXPECT_EQ(ints(sheetRow(9)), (std::vector<int>{10, 20, 30, 40, 41, 42}));
    EXPECT_EQ(hooks.statusTexts.last(), QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
    EXPECT_TRUE(state.params.checkBox(8));
    EXPECT_EQ(state.params.upDown(4), 0);
    EXPECT_EQ(state.params.upDown(5), 1);
    EXPECT_EQ(state.params.upDown(6), 5);
}

TEST_F(GeneratorTest, ACandidateAcceptedOnTheLastRunIsDiscarded)
{
    // The filter lets everything through from candidate `from` on; the budget is 1000.
    for (int from : {999, 1000}) {
        unsatisfiable();
        state.params.setUpDown(7, 1);
        hooks.pumps = 0;
        hooks.onPump = [&] {
            if (hooks.pumps == from)
                allOff(state.params);
        };
        const auto result = generate();
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->end, End::BudgetSpent);
        EXPECT_EQ(result->candidates, 1000);
        // The last candidate was accepted, and dropped with the spent budget.
        EXPECT_EQ(rowEmpty(0), from == 1000) << from;
        EXPECT_TRUE(rowEmpty(1)) << from;
        state.params = Berechnungsparameter();
    }
}

struct Relaxed {
    int candidate;
    bool forcedPair;
    int lastDraw, secondLast, historyHits;
    bool operator==(const Relaxed&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Relaxed& r)
{
    return os << '{' << r.candidate << ", " << r.forcedPair << ", " << r.lastDraw << ", " << r.secondLast << ", "
              << r.historyHits << '}';
}

struct ScheduleCase {
    const char* name;
    int budget;
    int lockedRows; // the rows before the one that spends the budget
    std::vector<Relaxed> changes;
};

void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.name; }

class RelaxationTest : public GeneratorTest, public ::testing::WithParamInterface<ScheduleCase> {
protected:
    // The first rows locked, the next one never satisfied.
    void SetUp() override
    {
        GeneratorTest::SetUp();
        unsatisfiable();
        state.params.setCheckBox(8, true);
        setRow(0, {2, 9, 16, 30, 37, 46});
        setRow(1, {5, 11, 24, 31, 38, 47});
        for (int r = 0; r < GetParam().lockedRows; ++r)
            state.sheet.toggleLock(r);
        hooks.onOptionsChanged = [&] {
            const Berechnungsparameter& p = state.params;
            changes.push_back({hooks.pumps, p.checkBox(8), p.upDown(4), p.upDown(5), p.upDown(6)});
        };
    }

    std::vector<Relaxed> changes;
};

TEST_P(RelaxationTest, RelaxesOnScheduleAndRestores)
{
    state.params.setUpDown(7, GetParam().budget);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::BudgetSpent);
    std::vector<Relaxed> expected = GetParam().changes;
    expected.push_back({GetParam().budget * 1000, true, 0, 1, 5}); // restored at the end
    EXPECT_EQ(changes, expected);
    EXPECT_TRUE(state.params.checkBox(8));
    EXPECT_EQ(state.params.upDown(4), 0);
    EXPECT_EQ(state.params.upDown(5), 1);
    EXPECT_EQ(state.params.upDown(6), 5);
}

INSTANTIATE_TEST_SUITE_P(Generator, RelaxationTest,
    ::testing::Values(
        ScheduleCase{"Budget21", 21, 2,
                     {{1000, true, 0, 1, 6}, {10500, false, 0, 1, 6}, {11000, false, 1, 2, 6}, {16000, false, 2, 3, 6}}},
        // The counter starts at 1, so limit - 20000 = 0 is never met.
        ScheduleCase{"Budget20", 20, 2, {{10000, false, 0, 1, 5}, {10000, false, 1, 2, 5}, {15000, false, 2, 3, 5}}},
        ScheduleCase{"Budget5", 5, 2, {{2500, false, 0, 1, 5}}},
        // Rows 1 and 2 give up the forced pair only.
        ScheduleCase{"Row2", 21, 1, {{10500, false, 0, 1, 5}}},
        ScheduleCase{"Row1", 21, 0, {{10500, false, 0, 1, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneratorTest, ErrorOnALockedRowRestoresEverything)
{
    // Row 3 relaxes the options until the budget is spent, then locked row 4 cannot be read.
    unsatisfiable();
    state.params.setUpDown(7, 21);
    state.params.setCheckBox(8, true);
    setRow(0, {2, 9, 16, 30, 37, 46});
    setRow(1, {5, 11, 24, 31, 38, 47});
    setRow(3, {4, 12, 17});
    for (int r : {0, 1, 3})
        state.sheet.toggleLock(r);
    const auto result = generate();
    ASSERT_FALSE(result.ok());
    EXPECT_FALSE(result.error().message.isEmpty());
    EXPECT_TRUE(state.params.checkBox(8));
    EXPECT_EQ(state.params.upDown(4), 0);
    EXPECT_EQ(state.params.upDown(5), 1);
    EXPECT_EQ(state.params.upDown(6), 5);
}

TEST_F(GeneratorTest, ErrorEndsOnTheChosenDatesDraw)
{
    // "No 2 hits in the last 500 draws" stops its scan on an older draw for almost every
    // candidate; then locked row 4 cannot be read.
    useRealHistory();
    state.chosenDate.setDate(day(2015, 6, 1));
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    const double shown = state.currentDraw.date;
    allOff(state.params);
    state.params.setCheckBox(28, true);
    state.params.setUpDown(17, 2);
    state.params.setUpDown(18, 500);
    state.params.setUpDown(7, 1);
    setRow(3, {4, 12, 17});
    state.sheet.toggleLock(3);
    bool moved = false;
    hooks.onPump = [&] { moved = moved || state.currentDraw.date != shown; };

    const auto result = generate();
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(moved);
    EXPECT_EQ(state.currentDraw.date, shown);
    EXPECT_EQ(state.chosenDate.value, shown);
}

// Message 16 ("Stoppen") is only the button's caption: a language whose file lacks it, or says
// the button's idle caption there, still stops a run and runs one.
TEST_F(GeneratorTest, StopRequestWhateverMessage16Says)
{
    for (const QString& stoppen : {QString(), QStringLiteral("Tipps &berechnen")}) {
        QStringList lines = Meldungen::germanTexts();
        lines[16] = stoppen;
        state.meldungen.replaceAll(lines);
        std::optional<Expected<GenerationResult>> stop;
        hooks.onPump = [&] {
            if (!stop)
                stop = Generator::generate(state);
        };
        const auto result = generate();
        ASSERT_TRUE(result.ok());
        ASSERT_TRUE(stop.has_value()) << "the run did not start";
        ASSERT_TRUE(stop->ok());
        EXPECT_EQ((*stop)->end, End::StopRequest);
        EXPECT_EQ(result->end, End::StopRequest);
    }
}

TEST_F(GeneratorTest, StopRequestDuringRowFive)
{
    std::optional<Expected<GenerationResult>> stop;
    int pumpsAtStop = 0;
    hooks.onPump = [&] {
        if (!stop && !rowEmpty(3) && rowEmpty(4)) {
            pumpsAtStop = hooks.pumps;
            stop = Generator::generate(state);
            EXPECT_TRUE(state.generation.stopRequested());
        }
    };
    random.setState(2024);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(stop.has_value());
    ASSERT_TRUE(stop->ok());
    EXPECT_EQ((*stop)->end, End::StopRequest);
    EXPECT_EQ(result->end, End::StopRequest);
    // The candidate being drawn is finished; no further one starts.
    EXPECT_EQ(hooks.pumps, pumpsAtStop);
    for (int r = 0; r < 4; ++r)
        EXPECT_FALSE(rowEmpty(r)) << "row " << r + 1;
    for (int r = 5; r < 12; ++r)
        EXPECT_TRUE(rowEmpty(r)) << "row " << r + 1;
    EXPECT_EQ(hooks.statusTexts.last(), QStringLiteral("Tipps wurden neu berechnet"));
}

TEST_F(GeneratorTest, ARowLockedDuringTheRunIsTakenOver)
{
    hooks.onPump = [&] {
        if (!state.sheet.row(5).locked && !rowEmpty(0)) {
            setRow(5, {7, 14, 28, 35, 42, 49});
            state.sheet.toggleLock(5);
        }
    };
    ASSERT_TRUE(generate().ok());
    EXPECT_EQ(ints(sheetRow(5)), (std::vector<int>{7, 14, 28, 35, 42, 49}));
}

struct SmallPoolCase {
    const char* name;
    void (*setup)(Berechnungsparameter&, test::GenHooks&);
};

void PrintTo(const SmallPoolCase& c, std::ostream* os) { *os << c.name; }

class SmallPoolTest : public GeneratorTest, public ::testing::WithParamInterface<SmallPoolCase> {};

TEST_P(SmallPoolTest, EndsAtOnceAndSaysWhy)
{
    GetParam().setup(state.params, hooks);
    setRow(0, {1, 2, 3, 4, 5, 6});
    setRow(2, {3, 8, 19, 27, 33, 45});
    state.sheet.toggleLock(2);
    random.setState(8);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::PoolTooSmall);
    EXPECT_EQ(result->candidates, 0);
    EXPECT_EQ(hooks.pumps, 0);
    EXPECT_EQ(random.state(), 8u);
    EXPECT_EQ(hooks.statusTexts.last(), Generator::poolTooSmallMessage());
    EXPECT_TRUE(rowEmpty(0));
    EXPECT_EQ(ints(sheetRow(2)), (std::vector<int>{3, 8, 19, 27, 33, 45}));
}

INSTANTIATE_TEST_SUITE_P(Generator, SmallPoolTest,
    ::testing::Values(
        SmallPoolCase{"EmptyPool",
                      [](Berechnungsparameter& p, test::GenHooks&) {
                          p.setCheckBox(15, true);
                          p.setCheckBox(14, false);
                          p.setCheckBox(10, false);
                      }},
        SmallPoolCase{"FiveNumbersFromTheDialog",
                      [](Berechnungsparameter& p, test::GenHooks& h) {
                          p.setCheckBox(20, true);
                          h.onEditPool = [](NumberSelection& s) {
                              s.untickAll();
                              for (int n : {3, 9, 17, 25, 33}) {
                                  s.box(n).ticked = true;
                                  s.box(n).weight = QStringLiteral("40");
                              }
                              return PoolChoice::Rechnen;
                          };
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneratorTest, PoolDialogCancelEndsTheRunWithoutRows)
{
    state.params.setCheckBox(20, true);
    hooks.onEditPool = [](NumberSelection&) { return PoolChoice::Cancel; };
    setRow(0, {1, 2, 3, 4, 5, 6});
    setRow(1, {3, 8, 19, 27, 33, 45});
    state.sheet.toggleLock(1);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, End::PoolDialogClosed);
    EXPECT_EQ(hooks.pumps, 0);
    EXPECT_TRUE(rowEmpty(0));
    EXPECT_EQ(ints(sheetRow(1)), (std::vector<int>{3, 8, 19, 27, 33, 45}));
}

TEST_F(GeneratorTest, FewerThanThreeDraws)
{
    // The draws before the first one repeat the first: with limit 0 for the third-to-last
    // draw its numbers leave the pool too.
    const std::vector<TZiehung> first = {makeDraw(2020, 1, 4, {2, 9, 14, 30, 38, 47}, 3)};
    const std::vector<TZiehung> two = {first[0], makeDraw(2020, 1, 8, {5, 12, 19, 27, 33, 41}, 7)};
    for (const auto& draws : {first, two}) {
        writeDraws(draws);
        state.chosenDate.value = draws.back().Datum;
        state.params.setCheckBox(23, true);
        state.params.setUpDown(11, 0);
        const auto result = generate();
        ASSERT_TRUE(result.ok()) << result.error().message;
        EXPECT_EQ(result->end, End::Finished);
        std::set<int> banned;
        for (const TZiehung& d : draws) {
            banned.insert(d.Zahlen, d.Zahlen + 6);
            banned.insert(d.Zusatzzahl);
        }
        for (int r = 0; r < 8; ++r) {
            EXPECT_NE(sheetRow(r)[0], 0) << draws.size() << " draws, row " << r + 1;
            for (std::uint8_t v : sheetRow(r))
                EXPECT_FALSE(banned.count(v)) << draws.size() << " draws, row " << r + 1 << ": " << int(v);
        }
        EXPECT_EQ(state.currentDraw.date, draws.back().Datum);
    }
}

TEST_F(GeneratorTest, ProgressTexts)
{
    random.setState(77);
    const auto result = generate();
    ASSERT_TRUE(result.ok());
    const QString start = QStringLiteral("Beginn der Tippberechnung");
    EXPECT_EQ(hooks.statusTexts.mid(0, 7),
              (QStringList{QStringLiteral("Berechnung der  Zahlenverteilung"), QStringLiteral("Min: 0  Max: 4  0"),
                           QStringLiteral("Min: 0  Max: 2  90"), QStringLiteral("Berechnung der  aussehenden Zahlen"),
                           QStringLiteral("Min: 15 Max: 21  135"), QStringLiteral("Min: 18  Max: 21  169"), start}));
    // One text per candidate, then the end message.
    const QStringList candidates = hooks.statusTexts.mid(7, hooks.statusTexts.size() - 8);
    EXPECT_EQ(candidates.size(), result->candidates);
    const QRegularExpression format(QStringLiteral("^(\\d+)\\.Tipp:  \\d+ \\d+  \\d+  \\d+  \\d+  \\d+ {2,4}QS: \\d+$"));
    int lastRow = 1;
    for (const QString& text : candidates) {
        const auto match = format.match(text);
        ASSERT_TRUE(match.hasMatch()) << text;
        ASSERT_GE(match.captured(1).toInt(), lastRow) << text;
        lastRow = match.captured(1).toInt();
    }
    // The last candidate of each row is the accepted one.
    for (int r = 1; r <= 8; ++r) {
        const auto last = std::find_if(candidates.rbegin(), candidates.rend(), [&](const QString& t) {
            return t.startsWith(QString::number(r) + QLatin1Char('.'));
        });
        ASSERT_NE(last, candidates.rend()) << "row " << r;
        const Row x = sheetRow(r - 1);
        EXPECT_EQ(*last, Generator::candidateText(state, r, x.data(), test::sumOf(x)));
    }
}

TEST(GeneratorTexts, CandidateTextSpacing)
{
    const ProgramState state;
    const std::uint8_t n[6] = {3, 8, 19, 27, 33, 45};
    const struct {
        int row;
        const char* text;
    } cases[] = {
        {1, "1.Tipp:  3 8  19  27  33  45  QS: 135"},
        {2, "2.Tipp:  3 8  19  27  33  45   QS: 135"},
        {3, "3.Tipp:  3 8  19  27  33  45    QS: 135"},
        {4, "4.Tipp:  3 8  19  27  33  45   QS: 135"},
        {12, "12.Tipp:  3 8  19  27  33  45  QS: 135"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Generator::candidateText(state, c.row, n, 135), QString::fromLatin1(c.text));
}

} // namespace
} // namespace numora
