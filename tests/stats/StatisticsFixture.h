#pragma once

// Shared set-up of the statistics tests: a draw file in a temporary program directory, the
// history window set by calendar dates, and the chart read back as plain vectors.

#include "session/ProgramState.h"
#include "stats/Statistics.h"

#include "support/StateFolderFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace numora::test {

inline double day(const QDate& date) { return DayDate::fromDate(date); }

inline TZiehung drawOn(const QDate& date, std::array<int, 6> numbers, int zusatzzahl = 0, int superzahl = 0)
{
    TZiehung record = makeDraw(date.year(), date.month(), date.day(), numbers, zusatzzahl);
    record.Superzahl = static_cast<std::uint8_t>(superzahl);
    return record;
}

// `count` values starting at X = `firstX`, all `fill` except the listed X values.
inline std::vector<int> valuesOf(int firstX, std::size_t count, int fill,
                                 std::initializer_list<std::pair<int, std::vector<int>>> overrides = {})
{
    std::vector<int> values(count, fill);
    for (const auto& [value, xs] : overrides)
        for (int x : xs)
            values.at(std::size_t(x - firstX)) = value;
    return values;
}

using StatisticFunction = std::function<Expected<StatisticRun>(ProgramState&)>;

struct NamedStatistic {
    const char* name;
    StatisticFunction run;
    std::size_t points; // on a history with draws in the window
};

// Every statistic that reads the draw history.
inline const std::vector<NamedStatistic>& historyStatistics()
{
    using namespace Statistics;
    static const std::vector<NamedStatistic> all = {
        {"distribution", numberDistribution, 49},
        {"overdue", overdueNumbers, 49},
        {"superzahl-overdue", overdueSuperzahl, 10},
        {"superzahl-frequency", superzahlFrequency, 10},
        {"pairs", [](ProgramState& s) { return groupings(s, 2); }, 48},
        {"triples", [](ProgramState& s) { return groupings(s, 3); }, 47},
        {"quads", [](ProgramState& s) { return groupings(s, 4); }, 49},
        {"digitsum", digitSums, 0}, // depends on the sums seen
        {"primes", [](ProgramState& s) { return perDraw(s, Statistics::DrawProperty::Primes); }, 7},
        {"odd", [](ProgramState& s) { return perDraw(s, Statistics::DrawProperty::Odd); }, 7},
        {"even", [](ProgramState& s) { return perDraw(s, Statistics::DrawProperty::Even); }, 7},
    };
    return all;
}

class StatisticsTest : public StateFolderTest<> {
protected:
    // Turkish groups thousands with "."; no title may pick up the machine's number format.
    StatisticsTest() : StateFolderTest(QLocale(QLocale::Turkish, QLocale::Turkey)) {}

    // The picker values are set directly: the statistics must cope with any value they hold.
    void setWindow(const QDate& start, const QDate& end)
    {
        state.startDate.value = day(start);
        state.chosenDate.value = day(end);
    }

    void setWeekdayBoxes(bool saturday, bool wednesday)
    {
        state.saturdayDraws = saturday;
        state.wednesdayDraws = wednesday;
    }

    // Runs a statistic that must succeed; a failure is reported and gives a default run.
    StatisticRun runOk(const Expected<StatisticRun>& result)
    {
        EXPECT_TRUE(result.ok()) << result.error().message;
        return result.ok() ? *result : StatisticRun{};
    }

    std::vector<int> xs() const
    {
        std::vector<int> values;
        for (const ChartPoint& p : state.chart.points)
            values.push_back(p.x);
        return values;
    }

    std::vector<int> ys() const
    {
        std::vector<int> values;
        for (const ChartPoint& p : state.chart.points)
            values.push_back(p.y);
        return values;
    }

    void expectXs(int first, std::size_t count) const
    {
        std::vector<int> expected(count);
        for (std::size_t i = 0; i < count; ++i)
            expected[i] = first + int(i);
        EXPECT_EQ(xs(), expected);
    }

    void expectFixedRange(int minimum, int maximum) const
    {
        EXPECT_FALSE(state.chart.range.automatic);
        EXPECT_EQ(state.chart.range.minimum, minimum);
        EXPECT_EQ(state.chart.range.maximum, maximum);
    }

    void expectColours(PointColour colour) const
    {
        for (const ChartPoint& p : state.chart.points)
            EXPECT_EQ(p.colour, colour) << "X " << p.x;
    }

    // Red for the primes 2 .. 47, green for every other number.
    void expectPrimeColours() const
    {
        const std::vector<int> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
        for (const ChartPoint& p : state.chart.points) {
            const bool prime = std::find(primes.begin(), primes.end(), p.x) != primes.end();
            EXPECT_EQ(p.colour, prime ? PointColour::Red : PointColour::Green) << "X " << p.x;
        }
    }
};

} // namespace numora::test
