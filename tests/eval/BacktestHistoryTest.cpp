// The back-test over the real histories keeps its results: the report file and the figures of a
// replay with a fixed lucky number, as the program gave them while it read the draw file again
// on every pass (tests/data/backtest/, written by BacktestRecord.h built against that program).
#include "eval/BacktestRecord.h"

#include <gtest/gtest.h>

namespace numora::test {
namespace {

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(NUMORA_TEST_DATA_DIR "/backtest/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Replay {
    const char* name;
    const char* csv;
    int year, month, day;
    bool wednesdays;
};

void PrintTo(const Replay& replay, std::ostream* os) { *os << replay.name; }

// One test per history, so that they run side by side.
class BacktestHistoryTest : public ::testing::TestWithParam<Replay> {};

TEST_P(BacktestHistoryTest, ReplaysAsBefore)
{
    const Replay& c = GetParam();
    const QByteArray report = fixture(QLatin1String(c.name) + QStringLiteral(".report"));
    const QByteArray figures = fixture(QLatin1String(c.name) + QStringLiteral(".figures"));
    ASSERT_FALSE(report.isEmpty());
    ASSERT_FALSE(figures.isEmpty());
    const BacktestRecord now =
        recordBacktest(QString::fromUtf8(c.csv), DayDate::fromYmd(c.year, c.month, c.day), 4711, c.wednesdays);
    EXPECT_EQ(now.report, report);
    EXPECT_EQ(now.figures.toStdString(), figures.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    RealHistories, BacktestHistoryTest,
    ::testing::Values(
        // The whole shipped history.
        Replay{"sayisal_4711", NUMORA_SOURCE_DIR "/data/sayisal_loto.csv", 1996, 11, 16, true},
        // 5,040 draws from the first one, Saturdays alone before 1986 and both days after.
        Replay{"lotto6aus49_4711", NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv", 1955, 10, 9, true},
        // Saturdays only: the weekday filter inside every history check, and the wider step.
        Replay{"lotto6aus49_saturdays_4711", NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv", 1996, 11, 16, false}),
    [](const ::testing::TestParamInfo<Replay>& info) { return std::string(info.param.name); });

} // namespace
} // namespace numora::test
