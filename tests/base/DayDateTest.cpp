#include "base/DayDate.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace numora {
namespace {

TEST(DayDate, DayCountsMapToCalendarDays)
{
    EXPECT_EQ(DayDate::fromYmd(1899, 12, 30), 0.0);
    EXPECT_EQ(DayDate::fromYmd(1996, 11, 16), 35385.0);
    EXPECT_EQ(DayDate::toDate(35385.0), QDate(1996, 11, 16));
    // Before day 0 as well: damaged files hold such dates.
    EXPECT_EQ(DayDate::toDate(-1.0), QDate(1899, 12, 29));
}

TEST(DayDate, WeekdaysCountFromSunday)
{
    struct Case {
        QDate date;
        int weekday;
    };
    const Case cases[] = {
        {QDate(1899, 12, 30), DayDate::Saturday},
        {QDate(1996, 11, 16), DayDate::Saturday},
        {QDate(1996, 11, 17), DayDate::Sunday},
        {QDate(1996, 11, 18), DayDate::Monday},
        {QDate(1996, 11, 20), DayDate::Wednesday},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayDate::dayOfWeek(DayDate::fromDate(c.date)), c.weekday) << c.date.toString();
    EXPECT_EQ(DayDate::Saturday, 7);
    EXPECT_EQ(DayDate::Sunday, 1);
    EXPECT_EQ(DayDate::Wednesday, 4);
}

TEST(DayDate, NonDatesGiveZeroWeekdayAndEmptyTexts)
{
    const double nonDates[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), 1e300};
    for (double day : nonDates) {
        EXPECT_FALSE(DayDate::toDate(day).has_value()) << day;
        EXPECT_EQ(DayDate::dayOfWeek(day), 0) << day;
        EXPECT_TRUE(DayDate::formatShortDate(day).isEmpty()) << day;
        EXPECT_TRUE(DayDate::formatCompact(day).isEmpty()) << day;
        EXPECT_TRUE(DayDate::formatDrawLineDate(day).isEmpty()) << day;
    }
}

TEST(DayDate, ShortDateFormatAndParse)
{
    EXPECT_EQ(DayDate::formatShortDate(35385.0), QStringLiteral("16.11.1996"));
    EXPECT_EQ(DayDate::formatShortDate(DayDate::fromYmd(2001, 2, 3)), QStringLiteral("03.02.2001"));
    EXPECT_EQ(DayDate::formatCompact(35385.0), QStringLiteral("19961116"));

    EXPECT_EQ(DayDate::parseShortDate(QStringLiteral("7.12.1991")), DayDate::fromYmd(1991, 12, 7));
    EXPECT_EQ(DayDate::parseShortDate(QStringLiteral("16.11.1996")), 35385.0);
    EXPECT_FALSE(DayDate::parseShortDate(QStringLiteral("31.02.2020")));
    EXPECT_FALSE(DayDate::parseShortDate(QStringLiteral("abc")));
    EXPECT_FALSE(DayDate::parseShortDate(QStringLiteral("16.11.96")));
}

TEST(DayDate, DrawLineDateUsesLocaleWeekdayAndTwoDigitYear)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DayDate::formatDrawLineDate(35385.0), QStringLiteral("Sa 16.11.96"));
    EXPECT_EQ(DayDate::formatDrawLineDate(DayDate::fromYmd(1996, 11, 20)), QStringLiteral("Mi 20.11.96"));
    QLocale::setDefault(saved);
}

} // namespace
} // namespace numora
