// Runs of consecutive numbers, digit sums, primes/odd/even per draw and the sheet distribution.
#include "stats/StatisticsFixture.h"

#include <map>

namespace numora {
namespace {

using test::drawOn;
using test::valuesOf;

const std::map<int, QString> groupWord = {
    {2, QStringLiteral("Paare")}, {3, QStringLiteral("Dreier")}, {4, QStringLiteral("Vierer")}};

std::size_t groupingPoints(int size) { return size == 4 ? 49 : std::size_t(50 - size); }

QString groupingTitle(int size, int draws, int found)
{
    return QStringLiteral("Ziehungen: %1     %2 gefunden : %3").arg(draws).arg(groupWord.at(size)).arg(found);
}

struct GroupingCase {
    const char* name;
    int size;
    std::array<int, 6> numbers;
    int zusatzzahl;
    std::vector<int> runStarts;
};

void PrintTo(const GroupingCase& c, std::ostream* os) { *os << c.name; }

class GroupingsTest : public test::StatisticsTest, public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(GroupingsTest, CountsEveryRunInsideTheSixNumbers)
{
    const GroupingCase& c = GetParam();
    writeDraws({
        drawOn({2000, 1, 1}, {10, 11, 12, 13, 14, 15}), // on the start: not counted
        drawOn({2000, 1, 8}, c.numbers, c.zusatzzahl),
        drawOn({2000, 1, 15}, {20, 21, 22, 23, 24, 25}), // after the end
    });
    setWindow({2000, 1, 1}, {2000, 1, 8});

    const StatisticRun run = runOk(Statistics::groupings(state, c.size));

    const std::size_t points = groupingPoints(c.size);
    expectXs(1, points);
    EXPECT_EQ(ys(), valuesOf(1, points, 0, {{1, c.runStarts}}));
    expectColours(PointColour::SeriesDefault);
    EXPECT_EQ(state.chart.title, groupingTitle(c.size, 1, int(c.runStarts.size())));
    if (c.size == 4)
        EXPECT_TRUE(state.chart.range.automatic);
    else
        expectFixedRange(0, c.runStarts.empty() ? 0 : 1);
    EXPECT_TRUE(run.showChartTab);
}

INSTANTIATE_TEST_SUITE_P(Statistics, GroupingsTest,
    ::testing::Values(
        GroupingCase{"PairsIn5To8", 2, {5, 6, 7, 8, 20, 30}, 0, {5, 6, 7}},
        GroupingCase{"TriplesIn5To8", 3, {5, 6, 7, 8, 20, 30}, 0, {5, 6}},
        GroupingCase{"QuadsIn5To8", 4, {5, 6, 7, 8, 20, 30}, 0, {5}},
        // 49 and 1 are no neighbours.
        GroupingCase{"PairsAtBothEnds", 2, {1, 2, 3, 10, 48, 49}, 0, {1, 2, 48}},
        GroupingCase{"TriplesAtBothEnds", 3, {1, 2, 3, 10, 48, 49}, 0, {1}},
        GroupingCase{"NoQuadAtBothEnds", 4, {1, 2, 3, 10, 48, 49}, 0, {}},
        GroupingCase{"HighestTriples", 3, {1, 2, 46, 47, 48, 49}, 0, {46, 47}},
        GroupingCase{"HighestQuad", 4, {1, 2, 46, 47, 48, 49}, 0, {46}},
        // The bonus 6 would complete 4 5 6.
        GroupingCase{"BonusDoesNotCompleteAPair", 2, {4, 5, 20, 30, 40, 42}, 6, {4}},
        GroupingCase{"BonusDoesNotCompleteATriple", 3, {4, 5, 20, 30, 40, 42}, 6, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class GroupingsStatisticTest : public test::StatisticsTest {
protected:
    void SetUp() override
    {
        test::StatisticsTest::SetUp();
        state.currentDraw.date = 12345.0;
        state.currentDraw.numbers = {1, 1, 1, 1, 1, 1, 1, 1};
        state.currentDraw.position = 7;
        state.startDateField = state.endDateField = -1.0;
    }
};

TEST_F(GroupingsStatisticTest, CountsFilteredDrawsAndLoadsTheLastIntoTheCurrentDraw)
{
    writeDraws({
        drawOn({2000, 1, 5}, {1, 2, 3, 4, 5, 6}),                 // Wednesday
        drawOn({2000, 1, 8}, {5, 6, 7, 8, 20, 30}, 9, 3),         // Saturday
        drawOn({2000, 1, 9}, {6, 7, 8, 9, 40, 41}, 12, 5),        // Sunday: the last one counted
        drawOn({2000, 1, 12}, {1, 2, 3, 4, 5, 6}, 7, 1),          // Wednesday, on the end
    });
    setWindow({2000, 1, 1}, {2000, 1, 12});
    setWeekdayBoxes(true, false);

    struct SizeCase {
        int size;
        std::vector<int> counts;
        int found;
    };
    const SizeCase cases[] = {
        {2, valuesOf(1, 48, 0, {{1, {5, 8, 40}}, {2, {6, 7}}}), 7},
        {3, valuesOf(1, 47, 0, {{1, {5, 7}}, {2, {6}}}), 4},
        {4, valuesOf(1, 49, 0, {{1, {5, 6}}}), 2},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.size);
        runOk(Statistics::groupings(state, c.size));
        EXPECT_EQ(ys(), c.counts);
        EXPECT_EQ(state.chart.title, groupingTitle(c.size, 2, c.found));
        if (c.size == 2)
            expectFixedRange(0, 2);
        // All eight bytes of the last counted draw, but not its date or position.
        EXPECT_EQ(state.currentDraw.numbers, (std::array<std::int32_t, 8>{6, 7, 8, 9, 40, 41, 12, 5}));
        EXPECT_EQ(state.currentDraw.date, 12345.0);
        EXPECT_EQ(state.currentDraw.position, 7);
        EXPECT_EQ(state.startDateField, test::day({2000, 1, 1}));
        // Pairs leave the end-date field alone; triples and quads store it.
        EXPECT_EQ(state.endDateField, c.size == 2 ? -1.0 : test::day({2000, 1, 12}));
    }
}

TEST_F(GroupingsStatisticTest, NoCountedDrawShowsZeros)
{
    writeDraws({drawOn({2000, 1, 1}, {1, 2, 3, 4, 5, 6})});
    setWindow({2000, 1, 1}, {2000, 1, 12});
    for (int size : {2, 3, 4}) {
        SCOPED_TRACE(size);
        runOk(Statistics::groupings(state, size));
        EXPECT_EQ(ys(), std::vector<int>(groupingPoints(size), 0));
        EXPECT_EQ(state.chart.title, groupingTitle(size, 0, 0));
        if (size == 4)
            EXPECT_TRUE(state.chart.range.automatic);
        else
            expectFixedRange(0, 0);
        EXPECT_EQ(state.currentDraw.numbers, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    }
    for (int size : {1, 5})
        EXPECT_FALSE(Statistics::groupings(state, size).ok()) << size;
}

class DigitSumStatisticTest : public test::StatisticsTest {};

TEST_F(DigitSumStatisticTest, ChartsEverySumFromTheSmallestToTheLargest)
{
    writeDraws({
        drawOn({2000, 1, 1}, {1, 2, 3, 4, 5, 7}),       // on the start: not counted (QS 22)
        drawOn({2000, 1, 5}, {1, 2, 3, 4, 5, 6}),       // Wednesday, QS 21
        drawOn({2000, 1, 8}, {1, 2, 3, 4, 5, 8}),       // Saturday, filtered out (QS 23)
        drawOn({2000, 1, 12}, {44, 45, 46, 47, 48, 49}), // Wednesday, on the end, QS 279
        drawOn({2000, 1, 19}, {1, 2, 3, 4, 5, 9}),      // after the end
    });
    setWindow({2000, 1, 1}, {2000, 1, 12});
    setWeekdayBoxes(false, true);

    const StatisticRun run = runOk(Statistics::digitSums(state));

    expectXs(21, 259);
    EXPECT_EQ(ys(), valuesOf(21, 259, 0, {{1, {21, 279}}}));
    expectColours(PointColour::SeriesDefault);
    EXPECT_TRUE(state.chart.range.automatic);
    EXPECT_EQ(state.chart.title, QStringLiteral("Quersummenverteilung     Ziehungen: 2    Quersumme: 150"));
    EXPECT_EQ(state.startDateField, test::day({2000, 1, 1}));
    EXPECT_EQ(state.endDateField, test::day({2000, 1, 12}));
    EXPECT_FALSE(run.showChartTab);
}

TEST_F(DigitSumStatisticTest, NoCountedDrawAddsNoPointAndKeepsTheTitle)
{
    writeDraws({drawOn({2000, 1, 1}, {1, 2, 3, 4, 5, 6})});
    setWindow({2000, 1, 1}, {2000, 1, 12});
    state.chart.points = {{5, 5, PointColour::Red}};
    state.chart.range = {false, 3, 4};
    state.chart.title = QStringLiteral("previous");

    runOk(Statistics::digitSums(state));

    EXPECT_TRUE(state.chart.points.empty());
    EXPECT_TRUE(state.chart.range.automatic);
    EXPECT_EQ(state.chart.title, QStringLiteral("previous"));
}

struct PerDrawCase {
    const char* name;
    Statistics::DrawProperty property;
    std::vector<int> expected; // draws holding 0..6 such numbers
    const char* title;
};

void PrintTo(const PerDrawCase& c, std::ostream* os) { *os << c.name; }

class PerDrawTest : public test::StatisticsTest, public ::testing::WithParamInterface<PerDrawCase> {
protected:
    void SetUp() override
    {
        test::StatisticsTest::SetUp();
        writeDraws({
            drawOn({2000, 1, 1}, {1, 2, 3, 4, 5, 6}),              // on the start: not counted
            drawOn({2000, 1, 8}, {2, 3, 5, 7, 11, 13}, 1, 2),      // Saturday
            drawOn({2000, 1, 9}, {4, 6, 8, 10, 12, 14}, 15, 9),    // Sunday
            drawOn({2000, 1, 12}, {1, 2, 3, 4, 5, 6}),             // Wednesday, filtered out
        });
        setWindow({2000, 1, 1}, {2000, 1, 12});
        setWeekdayBoxes(true, false);
        state.currentDraw.date = 12345.0;
    }
};

TEST_P(PerDrawTest, CountsDrawsByHowManyNumbersHaveTheProperty)
{
    const PerDrawCase& c = GetParam();
    const StatisticRun run = runOk(Statistics::perDraw(state, c.property));

    expectXs(0, 7);
    EXPECT_EQ(ys(), c.expected);
    expectColours(PointColour::SeriesDefault);
    expectFixedRange(0, 1);
    EXPECT_EQ(state.chart.title, QString::fromUtf8(c.title));
    EXPECT_TRUE(run.showChartTab);
    EXPECT_EQ(state.currentDraw.numbers, (std::array<std::int32_t, 8>{4, 6, 8, 10, 12, 14, 15, 9}));
    EXPECT_EQ(state.currentDraw.date, 12345.0);
    EXPECT_EQ(state.startDateField, test::day({2000, 1, 1}));
}

TEST_P(PerDrawTest, NoCountedDrawShowsSevenZerosAndKeepsTheTitle)
{
    setWindow({2000, 1, 12}, {2000, 1, 12});
    state.chart.title = QStringLiteral("previous");
    const std::array<std::int32_t, 8> before = state.currentDraw.numbers;

    runOk(Statistics::perDraw(state, GetParam().property));

    EXPECT_EQ(ys(), std::vector<int>(7, 0));
    expectFixedRange(0, 0);
    EXPECT_EQ(state.chart.title, QStringLiteral("previous"));
    EXPECT_EQ(state.currentDraw.numbers, before);
}

INSTANTIATE_TEST_SUITE_P(Statistics, PerDrawTest,
    ::testing::Values(
        PerDrawCase{"Primes", Statistics::DrawProperty::Primes, {1, 0, 0, 0, 0, 0, 1},
                    "Anzahl der Primzahlen pro Tipp bei 2 Ziehungen. 50% waren Primzahlen."},
        // 5 of 12 numbers: 41.7 %.
        PerDrawCase{"Odd", Statistics::DrawProperty::Odd, {1, 0, 0, 0, 0, 1, 0},
                    "Anzahl der ungeraden Zahlen pro Tipp bei 2 Ziehungen.  42% waren Ungerade."},
        // 7 of 12 numbers: 58.3 %.
        PerDrawCase{"Even", Statistics::DrawProperty::Even, {0, 1, 0, 0, 0, 0, 1},
                    "Anzahl der geraden Zahlen pro Tipp bei 2 Ziehungen.  58% waren Gerade."}),
    [](const auto& info) { return std::string(info.param.name); });

class SheetDistributionStatisticTest : public test::StatisticsTest {};

TEST_F(SheetDistributionStatisticTest, StopsAtTheFirstEmptyField)
{
    struct Case {
        const char* name;
        std::function<QString(int row, int field)> text;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Row 2 field 3 empty: row 1 and the first two fields of row 2 count, row 3 does not.
        {"EmptyFieldInRow2",
         [](int r, int p) { return r == 1 && p == 2 ? QString() : QString::number(r == 1 ? 10 + p : p + 1); },
         valuesOf(1, 49, 0, {{1, {1, 2, 3, 4, 5, 6, 10, 11}}})},
        {"EmptyFirstField", [](int r, int p) { return r == 0 && p == 0 ? QString() : QStringLiteral("7"); },
         std::vector<int>(49, 0)},
        // All 72 fields: 1..49, then 1..23 once more; the last field holds 23.
        {"FullSheet", [](int r, int p) { return QString::number((r * 6 + p) % 49 + 1); },
         valuesOf(1, 49, 1, {{2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}}})},
    };
    // No draw file: the sheet distribution does not need the history.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 0; r < TTippSchein::RowCount; ++r)
            for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
                state.sheet.setField(r, p, c.text(r, p));

        const StatisticRun run = runOk(Statistics::sheetDistribution(state));

        expectXs(1, 49);
        EXPECT_EQ(ys(), c.expected);
        expectPrimeColours();
        expectFixedRange(*std::min_element(c.expected.begin(), c.expected.end()),
                         *std::max_element(c.expected.begin(), c.expected.end()));
        EXPECT_EQ(state.chart.title, QStringLiteral("Zahlenverteilung des Tippes"));
        EXPECT_TRUE(run.showChartTab);
    }
}

} // namespace
} // namespace numora
