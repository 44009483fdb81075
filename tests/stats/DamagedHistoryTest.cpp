// A foreign or damaged draw file must never crash a statistic or index out of bounds.
#include "stats/StatisticsFixture.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace numora {
namespace {

using test::drawOn;

class DamagedHistoryStatisticsTest : public test::StatisticsTest {};

TEST_F(DamagedHistoryStatisticsTest, DamagedRecordsNeverBreakAStatistic)
{
    TZiehung noDate = drawOn({2000, 1, 10}, {1, 2, 3, 4, 5, 6}, 7, 3);
    noDate.Datum = std::nan("");
    TZiehung infinite = noDate;
    infinite.Datum = std::numeric_limits<double>::infinity();
    TZiehung huge = noDate;
    huge.Datum = 1e300;
    TZiehung negative = noDate;
    negative.Datum = -12345.0;
    QByteArray bytes = test::encodeRecords(std::vector<TZiehung>{
        drawOn({2000, 1, 8}, {1, 2, 3, 4, 5, 6}, 7, 3),
        drawOn({2000, 1, 9}, {0, 200, 0, 200, 0, 200}, 200, 200), // Sunday
        drawOn({2000, 1, 12}, {200, 200, 200, 200, 200, 200}, 0, 10),
        drawOn({2000, 1, 15}, {0, 0, 0, 0, 0, 0}, 0, 255),
        noDate,
        infinite,
        huge,
        negative,
    });
    bytes.append("\x01\x02\x03\x04\x05", 5); // a torn last record
    ASSERT_TRUE(test::writeBytes(state.drawFilePath(), bytes));
    setWindow({2000, 1, 1}, {2000, 12, 31});

    const std::pair<bool, bool> boxes[] = {{true, true}, {true, false}, {false, true}};
    for (const auto& [saturday, wednesday] : boxes) {
        setWeekdayBoxes(saturday, wednesday);
        for (const test::NamedStatistic& statistic : test::historyStatistics()) {
            SCOPED_TRACE(testing::Message() << statistic.name << ", boxes " << saturday << wednesday);
            ASSERT_TRUE(statistic.run(state).ok());
            if (statistic.points != 0) {
                EXPECT_EQ(state.chart.points.size(), statistic.points);
            }
            for (const ChartPoint& p : state.chart.points)
                EXPECT_GE(p.y, 0) << "X " << p.x;
        }
    }

    setWeekdayBoxes(true, true);
    // Bytes outside 1..49 add to no displayed count: only the good draw's seven numbers show.
    ASSERT_TRUE(Statistics::numberDistribution(state).ok());
    const std::vector<int> counts = ys();
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 7);

    // Superzahl bytes above 9 are no digit.
    ASSERT_TRUE(Statistics::superzahlFrequency(state).ok());
    EXPECT_EQ(ys(), test::valuesOf(0, 10, 0, {{1, {3}}}));
}

TEST_F(DamagedHistoryStatisticsTest, MissingDrawFileEndsEveryHistoryStatisticUntouched)
{
    setWindow({2000, 1, 1}, {2000, 12, 31});
    for (const test::NamedStatistic& statistic : test::historyStatistics()) {
        SCOPED_TRACE(statistic.name);
        state.chart.points = {{1, 5, PointColour::Red}};
        state.chart.range = {false, 3, 4};
        state.chart.title = QStringLiteral("previous");
        state.startDateField = state.endDateField = -1.0;

        const auto run = statistic.run(state);

        ASSERT_FALSE(run.ok());
        EXPECT_FALSE(run.error().message.isEmpty());
        ASSERT_EQ(state.chart.points.size(), 1u);
        EXPECT_EQ(state.chart.points[0].y, 5);
        EXPECT_FALSE(state.chart.range.automatic);
        EXPECT_EQ(state.chart.title, QStringLiteral("previous"));
        EXPECT_EQ(state.startDateField, -1.0);
        EXPECT_EQ(state.endDateField, -1.0);
    }
}

} // namespace
} // namespace numora
