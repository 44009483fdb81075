#include "gen/NumberPool.h"

#include "gen/Generator.h"

#include "GenFixture.h"

#include <map>

namespace numora {
namespace {

using test::allOff;
using test::ints;
using test::makeDraw;

std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int n = from; n <= to; ++n)
        v.push_back(n);
    return v;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<int> times(int count, std::initializer_list<int> numbers)
{
    std::vector<int> v;
    for (int n : numbers)
        v.insert(v.end(), std::size_t(count), n);
    return v;
}

std::map<int, int> multiset(const std::vector<int>& v)
{
    std::map<int, int> m;
    for (int n : v)
        ++m[n];
    return m;
}

// Step 11 alone: 1..49 and the 1 once more.
const std::vector<int> allNumbers = range(1, 49) + std::vector<int>{1};

// Only CheckBox10 with share 30 on the overdue fixture (overdue value = number for 1..20 and
// number - 20 for 21..40, 1 for 41..44, 21 for 45..49): values 15..21 get two entries, 18..21 a
// third, then step 11.
const std::vector<int> workedExample =
    times(2, {15, 16, 17, 18, 19, 20, 35, 36, 37, 38, 39, 40, 45, 46, 47, 48, 49})
    + std::vector<int>{18, 19, 20, 38, 39, 40, 45, 46, 47, 48, 49} + allNumbers;

class NumberPoolTest : public test::GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        writeDraws(test::overdueFixture());
        state.chosenDate.value = test::overdueFixtureLastDate();
        allOff(state.params);
    }

    std::vector<int> build()
    {
        auto pool = Generator::buildPool(state);
        EXPECT_TRUE(pool.ok()) << (pool.ok() ? "" : pool.error().message.toStdString());
        if (!pool.ok() || !pool->has_value())
            return {};
        return ints(**pool);
    }
};

struct PoolCase {
    const char* name;
    void (*setup)(Berechnungsparameter&);
    std::vector<int> expected;
};

void PrintTo(const PoolCase& c, std::ostream* os) { *os << c.name; }

class PoolStepsTest : public NumberPoolTest, public ::testing::WithParamInterface<PoolCase> {};

TEST_P(PoolStepsTest, BuildsTheEntriesInListOrder)
{
    GetParam().setup(state.params);
    EXPECT_EQ(build(), GetParam().expected);
}

// Last draw of the fixture: 1 21 41 42 43 44, bonus 0, Superzahl 0; the one before 2 22 41..44.
INSTANTIATE_TEST_SUITE_P(NumberPool, PoolStepsTest,
    ::testing::Values(
        PoolCase{"NothingOn", [](Berechnungsparameter&) {}, allNumbers},
        PoolCase{"OnlyPreferredWithoutStatistics", [](Berechnungsparameter& p) { p.setCheckBox(15, true); }, {}},
        PoolCase{"WorkedExampleOverdue",
                 [](Berechnungsparameter& p) {
                     p.setCheckBox(10, true);
                     p.setUpDown(13, 30);
                 },
                 workedExample},
        // The last entry moves into each hole; a removed last entry is dropped first.
        PoolCase{"AvoidOneToTwelve", [](Berechnungsparameter& p) { p.setCheckBox(29, true); },
                 std::vector<int>{49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38} + range(13, 37)},
        PoolCase{"LowerOneToThirtyOne", [](Berechnungsparameter& p) { p.setCheckBox(30, true); },
                 std::vector<int>{1} + std::vector<int>{49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34,
                                                       33, 32}},
        // Every value of the last draw, the missing bonus and Superzahl (0) included.
        PoolCase{"NeighboursOfTheLastDraw",
                 [](Berechnungsparameter& p) {
                     p.setCheckBox(19, true);
                     p.setCheckBox(15, true);
                 },
                 times(4, {2, 20, 22, 40, 42, 41, 43, 42, 44, 43, 45, 1, 1})},
        // Removal limits above 0 remove nothing; 0 removes that draw's numbers.
        PoolCase{"SecondToLastDrawLimitZero",
                 [](Berechnungsparameter& p) {
                     p.setCheckBox(4, true);
                     p.setUpDown(4, 1);
                     p.setCheckBox(5, true);
                     p.setUpDown(5, 0);
                 },
                 std::vector<int>{1, 1} + range(3, 21) + std::vector<int>{49} + range(23, 40)
                     + std::vector<int>{48, 47, 46, 45}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumberPoolTest, WorkedExampleProgressTexts)
{
    state.params.setCheckBox(10, true);
    state.params.setUpDown(13, 30);
    build();
    // Message 17 carries its own trailing blank; the first overdue pass has a single blank.
    EXPECT_EQ(hooks.statusTexts, (QStringList{QStringLiteral("Berechnung der  aussehenden Zahlen"),
                                              QStringLiteral("Min: 15 Max: 21  0"),
                                              QStringLiteral("Min: 18  Max: 21  34")}));
    EXPECT_EQ(hooks.chartTabShown, 1);
}

TEST_F(NumberPoolTest, NumberBandsOfTheFreshInstallation)
{
    // Drawn counts: 1..40 once, 41..44 twenty times, 45..49 never (min 0, max 20).
    state.params = Berechnungsparameter();
    const auto pool = build();
    EXPECT_EQ(hooks.statusTexts.mid(0, 6),
              (QStringList{QStringLiteral("Berechnung der  Zahlenverteilung"), QStringLiteral("Min: 0  Max: 4  0"),
                           QStringLiteral("Min: 0  Max: 2  90"), QStringLiteral("Berechnung der  aussehenden Zahlen"),
                           QStringLiteral("Min: 15 Max: 21  135"), QStringLiteral("Min: 18  Max: 21  169")}));
    // Rare numbers three times, overdue ones three more, step 11 once; the last draw's numbers
    // (1 21 41 42 43 44, bonus 0) are gone.
    std::map<int, int> expected;
    for (int n = 1; n <= 49; ++n) {
        const bool rare = n <= 40 || n >= 45;
        const int overdue = n <= 20 ? n : n <= 40 ? n - 20 : n <= 44 ? 1 : 21;
        expected[n] = (rare ? 3 : 0) + (overdue >= 15 ? 2 : 0) + (overdue >= 18 ? 1 : 0) + (n == 1 ? 2 : 1);
    }
    for (int n : {1, 21, 41, 42, 43, 44})
        expected.erase(n);
    EXPECT_EQ(multiset(pool), expected);
}

TEST_F(NumberPoolTest, AvoidingOneToTwelveHoldsWhateverTheStatisticsAdded)
{
    state.params.setCheckBox(10, true);
    state.params.setCheckBox(19, true);
    state.params.setCheckBox(29, true);
    std::map<int, int> expected = multiset(workedExample + times(4, {2, 20, 22, 40, 42, 41, 43, 42, 44, 43, 45, 1, 1}));
    for (int n = 1; n <= 12; ++n)
        expected.erase(n);
    EXPECT_EQ(multiset(build()), expected);
}

TEST_F(NumberPoolTest, LastDrawRemovalTakesTheSixNumbersAndTheBonus)
{
    struct Case {
        int bonus;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Gaps closed from the back: the second 1, then 49, 48, ... move into the holes.
        {0, {1, 2, 3, 4, 1, 6, 7, 8, 9, 10, 11, 49, 13, 14, 15, 16, 17, 18, 48, 20, 21, 22,
             23, 24, 25, 26, 47, 28, 29, 30, 31, 32, 46, 34, 35, 36, 37, 38, 39, 40, 45, 42, 43, 44}},
        {7, {1, 2, 3, 4, 1, 6, 49, 8, 9, 10, 11, 48, 13, 14, 15, 16, 17, 18, 47, 20, 21, 22,
             23, 24, 25, 26, 46, 28, 29, 30, 31, 32, 45, 34, 35, 36, 37, 38, 39, 40, 44, 42, 43}},
    };
    for (const Case& c : cases) {
        writeDraws({makeDraw(2020, 1, 4, {2, 9, 14, 30, 38, 47}, 3), makeDraw(2020, 1, 11, {5, 12, 19, 27, 33, 41}, c.bonus)});
        state.chosenDate.value = test::day(2020, 1, 11);
        allOff(state.params);
        state.params.setCheckBox(4, true);
        state.params.setUpDown(4, 0);
        EXPECT_EQ(build(), c.expected) << "bonus " << c.bonus;
    }
}

TEST_F(NumberPoolTest, GroupBandsExcludeTheirLowerBound)
{
    // Pair counts: (1,2) 10, (10,11) 8, (20,21) 7, (45,46) 3, every other pair 0.
    std::vector<TZiehung> draws;
    for (int i = 0; i < 10; ++i) {
        const std::array<int, 6> numbers = i < 7 ? std::array<int, 6>{1, 2, 10, 11, 20, 21}
            : i == 7                              ? std::array<int, 6>{1, 2, 10, 11, 45, 46}
                                                  : std::array<int, 6>{1, 2, 30, 40, 45, 46};
        TZiehung d = makeDraw(2020, 1, 4, numbers);
        d.Datum += 7.0 * i;
        draws.push_back(d);
    }
    writeDraws(draws);
    state.chosenDate.value = draws.back().Datum;
    state.params.setCheckBox(1, true);
    state.params.setCheckBox(11, true);
    state.params.setCheckBox(15, true);
    // Top band: 7 < count <= 10; bottom band: 0 < count <= 3.
    EXPECT_EQ(build(), (std::vector<int>{1, 2, 10, 11, 45, 46}));
    EXPECT_EQ(hooks.statusTexts.size(), 4);
    EXPECT_EQ(hooks.statusTexts.value(0), QStringLiteral("Berechnung der  Paarbildung"));
    EXPECT_EQ(hooks.statusTexts.value(1), QStringLiteral("Min: 7  Max: 10  0"));
    EXPECT_EQ(hooks.statusTexts.value(2), QStringLiteral("Berechnung der  Paarbildung"));
    EXPECT_TRUE(hooks.statusTexts.value(3).endsWith(QStringLiteral("Max: 3  4"))) << hooks.statusTexts.value(3);
    // The bottom band reuses the statistic of the top band.
    EXPECT_EQ(hooks.statisticsRun, 1);
}

TEST(NumberPoolBands, RoundHalfToEven)
{
    struct Case {
        const char* name;
        NumberPool::Band band;
        std::int64_t lo, hi;
    };
    const Case cases[] = {
        {"groupTop 20..0", NumberPool::groupTop(20, 0), 14, 20},
        {"groupTop 5..0: 3.5 -> 4", NumberPool::groupTop(5, 0), 4, 5},
        {"groupTop 15..0: 10.5 -> 10", NumberPool::groupTop(15, 0), 10, 15},
        {"groupBottom 5..0: 1.5 -> 2", NumberPool::groupBottom(5, 0), 0, 2},
        {"groupBottom 25..0: 7.5 -> 8", NumberPool::groupBottom(25, 0), 0, 8},
        {"numberTop worked example", NumberPool::numberTop(21, 1, 0.3), 15, 21},
        {"numberTop narrow pass", NumberPool::numberTop(21, 1, 0.15), 18, 21},
        {"numberTop 2.5 -> 2", NumberPool::numberTop(5, 0, 0.5), 2, 5},
        {"numberBottom 4.5 -> 4", NumberPool::numberBottom(9, 0, 0.5), 0, 4},
        {"numberBottom min kept", NumberPool::numberBottom(30, 10, 0.2), 10, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.band.lo, c.lo) << c.name;
        EXPECT_EQ(c.band.hi, c.hi) << c.name;
    }
}

// Pool mode: the fixture's pool with CheckBox10 and the last draw (1 21 41..44) removed.
class PoolDialogTest : public NumberPoolTest {
protected:
    void SetUp() override
    {
        NumberPoolTest::SetUp();
        state.params.setCheckBox(10, true);
        state.params.setCheckBox(4, true);
        state.params.setUpDown(4, 0);
        state.params.setCheckBox(20, true);
    }

    std::vector<int> builtWithoutDialog()
    {
        state.params.setCheckBox(20, false);
        auto pool = build();
        state.params.setCheckBox(20, true);
        return pool;
    }
};

TEST_F(PoolDialogTest, ShowsEachNumberWithItsEntryCount)
{
    const auto pool = builtWithoutDialog();
    hooks.onEditPool = [](NumberSelection&) { return PoolChoice::Ok; };
    EXPECT_EQ(build(), pool);
    ASSERT_EQ(hooks.shownPools.size(), 1u);
    const NumberSelection& shown = hooks.shownPools[0];
    const auto counts = multiset(pool);
    for (int n = 1; n <= 49; ++n) {
        const int count = counts.count(n) ? counts.at(n) : 0;
        EXPECT_EQ(shown.box(n).ticked, count > 0) << n;
        EXPECT_EQ(shown.box(n).weight, QString::number(count)) << n;
    }
    EXPECT_EQ(shown.box(15).weight, QStringLiteral("3"));
    EXPECT_FALSE(shown.box(1).ticked);
    EXPECT_EQ(shown.box(1).weight, QStringLiteral("0"));
}

TEST_F(PoolDialogTest, OkKeepsThePoolWhateverWasChanged)
{
    const auto pool = builtWithoutDialog();
    hooks.onEditPool = [](NumberSelection& s) {
        s.untickAll();
        s.click(7, true);
        return PoolChoice::Ok;
    };
    EXPECT_EQ(build(), pool);
}

TEST_F(PoolDialogTest, RechnenRebuildsFromTicksAndWeights)
{
    hooks.onEditPool = [](NumberSelection& s) {
        s.untickAll();
        const struct {
            int n;
            bool ticked;
            const char* weight;
        } boxes[] = {{3, true, "3"}, {5, true, "-2"}, {8, true, "0"}, {9, false, "4"}, {12, true, "1"}};
        for (const auto& b : boxes) {
            s.box(b.n).ticked = b.ticked;
            s.box(b.n).weight = QString::fromLatin1(b.weight);
        }
        return PoolChoice::Rechnen;
    };
    // Negative weight: nothing; ticked weight 0: once; unticked: nothing.
    EXPECT_EQ(build(), (std::vector<int>{3, 3, 3, 8, 12}));
}

TEST_F(PoolDialogTest, RechnenUnchangedGivesTheSameMultiset)
{
    const auto pool = builtWithoutDialog();
    hooks.onEditPool = [](NumberSelection&) { return PoolChoice::Rechnen; };
    const auto rebuilt = build();
    EXPECT_EQ(multiset(rebuilt), multiset(pool));
    EXPECT_TRUE(std::is_sorted(rebuilt.begin(), rebuilt.end()));
}

TEST_F(PoolDialogTest, CancelGivesNoPool)
{
    hooks.onEditPool = [](NumberSelection&) { return PoolChoice::Cancel; };
    auto pool = Generator::buildPool(state);
    ASSERT_TRUE(pool.ok());
    EXPECT_FALSE(pool->has_value());
}

TEST_F(PoolDialogTest, ClickRulesOnTheShownPool)
{
    hooks.onEditPool = [](NumberSelection&) { return PoolChoice::Ok; };
    build();
    ASSERT_EQ(hooks.shownPools.size(), 1u);
    NumberSelection s = hooks.shownPools[0];
    // Box 15 holds three entries, box 1 none.
    s.click(1, true);
    EXPECT_TRUE(s.box(1).ticked);
    EXPECT_EQ(s.box(1).weight, QStringLiteral("1"));
    s.click(15, false);
    EXPECT_TRUE(s.box(15).ticked);
    EXPECT_EQ(s.box(15).weight, QStringLiteral("2"));
    EXPECT_EQ(s.statusLine, QStringLiteral("Die Zahl 15 geht mit der Gewichtung 2 in die Berechnung ein"));
    s.click(15, false);
    s.click(15, false);
    EXPECT_FALSE(s.box(15).ticked);
    EXPECT_EQ(s.box(15).weight, QStringLiteral("0"));
}

} // namespace
} // namespace numora
