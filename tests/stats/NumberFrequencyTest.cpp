// Number distribution, overdue numbers and the two Superzahl statistics.
#include "stats/StatisticsFixture.h"

namespace numora {
namespace {

using test::drawOn;
using test::valuesOf;

class NumberDistributionStatisticTest : public test::StatisticsTest {};

TEST_F(NumberDistributionStatisticTest, CountsBothBoundsAndTheBonusOnEveryWeekday)
{
    writeDraws({
        drawOn({2000, 1, 5}, {1, 2, 3, 4, 5, 6}, 7),       // before the start
        drawOn({2000, 1, 8}, {1, 2, 3, 4, 5, 6}, 7),       // on the start, QS 21
        drawOn({2000, 1, 9}, {2, 3, 4, 5, 6, 8}, 0),       // Sunday, QS 28
        drawOn({2000, 1, 12}, {40, 41, 42, 43, 44, 45}, 49), // QS 255
        drawOn({2000, 1, 22}, {1, 2, 3, 4, 5, 11}, 0),     // on the end, QS 26
        drawOn({2000, 1, 23}, {1, 2, 3, 4, 5, 6}, 7),      // after the end
    });
    setWindow({2000, 1, 8}, {2000, 1, 22});
    setWeekdayBoxes(false, false); // ignored by this statistic

    const StatisticRun run = runOk(Statistics::numberDistribution(state));

    expectXs(1, 49);
    EXPECT_EQ(ys(), valuesOf(1, 49, 0,
                             {{3, {2, 3, 4, 5}},
                              {2, {1, 6}},
                              {1, {7, 8, 11, 40, 41, 42, 43, 44, 45, 49}}}));
    expectPrimeColours();
    expectFixedRange(0, 3);
    // Mean QS 330 / 4 = 82.5 rounds to the even 82.
    EXPECT_EQ(state.chart.title, QStringLiteral("Zahlenverteilung     Ziehungen: 4    Quersumme: 82"));
    EXPECT_EQ(state.startDateField, test::day({2000, 1, 8}));
    EXPECT_EQ(state.endDateField, test::day({2000, 1, 22}));
    EXPECT_FALSE(run.showChartTab);
    EXPECT_TRUE(state.chart.series2Active);
}

TEST_F(NumberDistributionStatisticTest, EmptyWindowGivesZerosAndKeepsTheTitle)
{
    writeDraws({
        drawOn({2000, 1, 8}, {1, 2, 3, 4, 5, 6}, 7),
        drawOn({2000, 1, 22}, {1, 2, 3, 4, 5, 11}),
    });
    const std::pair<QDate, QDate> windows[] = {
        {{2000, 1, 9}, {2000, 1, 21}}, // between two draws
        {{2000, 1, 22}, {2000, 1, 8}}, // start after end
    };
    for (const auto& [start, end] : windows) {
        setWindow(start, end);
        state.chart.points = {{1, 5, PointColour::Red}};
        state.chart.range = {true, 7, 9};
        state.chart.title = QStringLiteral("previous");

        runOk(Statistics::numberDistribution(state));

        expectXs(1, 49);
        EXPECT_EQ(ys(), std::vector<int>(49, 0));
        expectFixedRange(0, 0);
        EXPECT_EQ(state.chart.title, QStringLiteral("previous"));
    }
}

struct OverdueCase {
    const char* name;
    bool saturday;
    bool wednesday;
    std::vector<int> expected;
};

void PrintTo(const OverdueCase& c, std::ostream* os) { *os << c.name; }

class OverdueNumbersTest : public test::StatisticsTest, public ::testing::WithParamInterface<OverdueCase> {};

TEST_P(OverdueNumbersTest, CountsDrawsSinceLastSeenAfterTheStart)
{
    writeDraws({
        drawOn({2000, 1, 1}, {44, 45, 46, 47, 48, 49}),     // on the start: not counted
        drawOn({2000, 1, 5}, {2, 3, 4, 5, 6, 7}, 1),        // Wednesday
        drawOn({2000, 1, 8}, {10, 11, 12, 13, 14, 15}, 7),  // Saturday; bonus 7 resets 7
        drawOn({2000, 1, 9}, {20, 21, 22, 23, 24, 25}),     // Sunday
        drawOn({2000, 1, 11}, {26, 27, 28, 29, 38, 39}),    // Tuesday
        drawOn({2000, 1, 12}, {30, 31, 32, 33, 34, 35}, 36), // Wednesday, on the end
        drawOn({2000, 1, 15}, {1, 2, 3, 4, 5, 6}),          // after the end
    });
    setWindow({2000, 1, 1}, {2000, 1, 12});
    const OverdueCase& c = GetParam();
    setWeekdayBoxes(c.saturday, c.wednesday);

    const StatisticRun run = runOk(Statistics::overdueNumbers(state));

    expectXs(1, 49);
    EXPECT_EQ(ys(), c.expected);
    expectPrimeColours();
    expectFixedRange(*std::min_element(c.expected.begin(), c.expected.end()),
                     *std::max_element(c.expected.begin(), c.expected.end()));
    EXPECT_EQ(state.chart.title,
              QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"));
    EXPECT_TRUE(run.showChartTab);
    EXPECT_EQ(state.startDateField, test::day({2000, 1, 1}));
    EXPECT_EQ(state.endDateField, test::day({2000, 1, 12}));
}

INSTANTIATE_TEST_SUITE_P(Statistics, OverdueNumbersTest,
    ::testing::Values(
        // Five counted draws: the last shows 1, each earlier one a step more, the rest 6.
        OverdueCase{"BothBoxes", true, true,
                    valuesOf(1, 49, 6,
                             {{1, {30, 31, 32, 33, 34, 35, 36}},
                              {2, {26, 27, 28, 29, 38, 39}},
                              {3, {20, 21, 22, 23, 24, 25}},
                              {4, {7, 10, 11, 12, 13, 14, 15}},
                              {5, {1, 2, 3, 4, 5, 6}}})},
        // Saturday and Sunday draws only.
        OverdueCase{"SaturdayBox", true, false,
                    valuesOf(1, 49, 3, {{1, {20, 21, 22, 23, 24, 25}}, {2, {7, 10, 11, 12, 13, 14, 15}}})},
        OverdueCase{"WednesdayBox", false, true,
                    valuesOf(1, 49, 3, {{1, {30, 31, 32, 33, 34, 35, 36}}, {2, {1, 2, 3, 4, 5, 6, 7}}})},
        OverdueCase{"NoCountedDraw", false, false, std::vector<int>(49, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

struct SuperzahlCase {
    const char* name;
    QDate start;
    bool saturday;
    bool wednesday;
    std::vector<int> expected; // digits 0..9
    QDate storedStart;         // overdue only
};

void PrintTo(const SuperzahlCase& c, std::ostream* os) { *os << c.name; }

class OverdueSuperzahlTest : public test::StatisticsTest, public ::testing::WithParamInterface<SuperzahlCase> {};

TEST_P(OverdueSuperzahlTest, CountsFromAugust1995AtTheEarliest)
{
    writeDraws({
        drawOn({1995, 7, 31}, {1, 2, 3, 4, 5, 6}, 0, 9),
        drawOn({1995, 8, 1}, {1, 2, 3, 4, 5, 6}, 0, 8), // on the earliest start: not counted
        drawOn({1995, 8, 2}, {1, 2, 3, 4, 5, 6}, 0, 3), // Wednesday
        drawOn({1995, 8, 5}, {1, 2, 3, 4, 5, 6}, 0, 4), // Saturday
        drawOn({1995, 8, 6}, {1, 2, 3, 4, 5, 6}, 0, 3), // Sunday
        drawOn({1995, 8, 9}, {1, 2, 3, 4, 5, 6}, 0, 0), // Wednesday, on the end
        drawOn({1995, 8, 12}, {1, 2, 3, 4, 5, 6}, 0, 7), // after the end
    });
    const SuperzahlCase& c = GetParam();
    setWindow(c.start, {1995, 8, 9});
    setWeekdayBoxes(c.saturday, c.wednesday);
    state.endDateField = -1.0;

    const StatisticRun run = runOk(Statistics::overdueSuperzahl(state));

    expectXs(0, 10);
    EXPECT_EQ(ys(), c.expected);
    expectColours(PointColour::SeriesDefault);
    expectFixedRange(*std::min_element(c.expected.begin(), c.expected.end()),
                     *std::max_element(c.expected.begin(), c.expected.end()));
    EXPECT_EQ(state.chart.title, QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"));
    EXPECT_TRUE(run.showChartTab);
    EXPECT_EQ(state.startDateField, test::day(c.storedStart));
    EXPECT_EQ(state.endDateField, -1.0);
}

INSTANTIATE_TEST_SUITE_P(Statistics, OverdueSuperzahlTest,
    ::testing::Values(
        // Counters start at 0: a digit never drawn shows the number of counted draws.
        SuperzahlCase{"EarlyStartMovesTo1August1995", {1990, 1, 1}, true, true,
                      valuesOf(0, 10, 4, {{1, {0}}, {2, {3}}, {3, {4}}}), {1995, 8, 1}},
        SuperzahlCase{"SaturdayBoxTakesTheSunday", {1990, 1, 1}, true, false,
                      valuesOf(0, 10, 2, {{1, {3}}, {2, {4}}}), {1995, 8, 1}},
        SuperzahlCase{"WednesdayBox", {1990, 1, 1}, false, true,
                      valuesOf(0, 10, 2, {{1, {0}}, {2, {3}}}), {1995, 8, 1}},
        SuperzahlCase{"LaterStartIsKeptAndExcluded", {1995, 8, 5}, true, true,
                      valuesOf(0, 10, 2, {{1, {0}}, {2, {3}}}), {1995, 8, 5}},
        SuperzahlCase{"NoCountedDraw", {1995, 8, 9}, true, true, std::vector<int>(10, 0), {1995, 8, 9}}),
    [](const auto& info) { return std::string(info.param.name); });

class SuperzahlFrequencyTest : public test::StatisticsTest, public ::testing::WithParamInterface<SuperzahlCase> {};

TEST_P(SuperzahlFrequencyTest, CountsSaturdaysFrom1991AndWednesdaysFrom1995)
{
    writeDraws({
        drawOn({1991, 11, 30}, {1, 2, 3, 4, 5, 6}, 0, 1), // Saturday before 7.12.1991
        drawOn({1991, 12, 7}, {1, 2, 3, 4, 5, 6}, 0, 2),  // first Saturday counted
        drawOn({1995, 11, 29}, {1, 2, 3, 4, 5, 6}, 0, 3), // Wednesday before 1.12.1995
        drawOn({1995, 12, 2}, {1, 2, 3, 4, 5, 6}, 0, 4),  // Saturday
        drawOn({1995, 12, 3}, {1, 2, 3, 4, 5, 6}, 0, 5),  // Sunday: never counted
        drawOn({1995, 12, 5}, {1, 2, 3, 4, 5, 6}, 0, 5),  // Tuesday: never counted
        drawOn({1995, 12, 6}, {1, 2, 3, 4, 5, 6}, 0, 6),  // first Wednesday counted
        drawOn({1995, 12, 9}, {1, 2, 3, 4, 5, 6}, 0, 4),  // Saturday, on the end
        drawOn({1995, 12, 13}, {1, 2, 3, 4, 5, 6}, 0, 8), // after the end
    });
    const SuperzahlCase& c = GetParam();
    setWindow(c.start, {1995, 12, 9});
    setWeekdayBoxes(c.saturday, c.wednesday);
    state.startDateField = state.endDateField = -1.0;

    const StatisticRun run = runOk(Statistics::superzahlFrequency(state));

    expectXs(0, 10);
    EXPECT_EQ(ys(), c.expected);
    expectColours(PointColour::SeriesDefault);
    expectFixedRange(*std::min_element(c.expected.begin(), c.expected.end()),
                     *std::max_element(c.expected.begin(), c.expected.end()));
    EXPECT_EQ(state.chart.title, QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"));
    EXPECT_FALSE(run.showChartTab);
    EXPECT_EQ(state.startDateField, -1.0);
    EXPECT_EQ(state.endDateField, -1.0);
}

INSTANTIATE_TEST_SUITE_P(Statistics, SuperzahlFrequencyTest,
    ::testing::Values(
        SuperzahlCase{"BothBoxes", {1990, 1, 1}, true, true, valuesOf(0, 10, 0, {{1, {2, 6}}, {2, {4}}}), {}},
        SuperzahlCase{"SaturdayBox", {1990, 1, 1}, true, false, valuesOf(0, 10, 0, {{1, {2}}, {2, {4}}}), {}},
        SuperzahlCase{"WednesdayBox", {1990, 1, 1}, false, true, valuesOf(0, 10, 0, {{1, {6}}}), {}},
        SuperzahlCase{"NeitherBox", {1990, 1, 1}, false, false, std::vector<int>(10, 0), {}},
        // A later start counts from that day on, the start itself included.
        SuperzahlCase{"LaterStartIsIncluded", {1995, 12, 6}, true, true, valuesOf(0, 10, 0, {{1, {4, 6}}}), {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace numora
