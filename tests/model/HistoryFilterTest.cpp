#include "model/HistoryFilter.h"

#include "base/DayDate.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace numora {
namespace {

TEST(HistoryFilter, WeekdayBoxes)
{
    // The week of 17.11.1996, Sunday .. Saturday.
    const double sunday = DayDate::fromYmd(1996, 11, 17);
    struct Case {
        bool saturday;
        bool wednesday;
        // Indexed by the weekday number - 1: Sunday, Monday, .., Saturday.
        bool passes[7];
    };
    const Case cases[] = {
        {true, true, {true, true, true, true, true, true, true}},
        {true, false, {true, false, false, false, false, false, true}},
        {false, true, {false, false, false, true, false, false, false}},
        {false, false, {false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        const HistoryFilter filter{0.0, 1e6, c.saturday, c.wednesday};
        for (int d = 0; d < 7; ++d) {
            const double day = sunday + d;
            ASSERT_EQ(DayDate::dayOfWeek(day), d + 1);
            EXPECT_EQ(filter.passesWeekday(day), c.passes[d])
                << "saturday box " << c.saturday << ", wednesday box " << c.wednesday << ", weekday " << d + 1;
            TZiehung record;
            record.Datum = day;
            EXPECT_EQ(filter.passes(record), c.passes[d]);
        }
    }
}

TEST(HistoryFilter, DateWindowIsInclusive)
{
    const double start = DayDate::fromYmd(1996, 11, 16);
    const double end = DayDate::fromYmd(1996, 11, 30);
    const HistoryFilter filter{start, end, true, true};
    EXPECT_FALSE(filter.inDateWindow(start - 1));
    EXPECT_TRUE(filter.inDateWindow(start));
    EXPECT_TRUE(filter.inDateWindow(end));
    EXPECT_FALSE(filter.inDateWindow(end + 1));
}

TEST(HistoryFilter, NaNDateNeverPasses)
{
    TZiehung record;
    record.Datum = std::nan("");
    const HistoryFilter all{-1e9, 1e9, true, true};
    EXPECT_FALSE(all.inDateWindow(record.Datum));
    EXPECT_FALSE(all.passes(record));
    const HistoryFilter saturdays{-1e9, 1e9, true, false};
    EXPECT_FALSE(saturdays.passesWeekday(record.Datum));
}

} // namespace
} // namespace numora
