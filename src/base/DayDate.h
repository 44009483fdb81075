#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace numora {

// Dates are day counts held in a double: day 0 is 30.12.1899, whole days, no time part.
namespace DayDate {

inline constexpr int Sunday = 1;
inline constexpr int Monday = 2;
inline constexpr int Tuesday = 3;
inline constexpr int Wednesday = 4;
inline constexpr int Thursday = 5;
inline constexpr int Friday = 6;
inline constexpr int Saturday = 7;

QDate epoch();
// The day count of a calendar date.
double fromDate(const QDate& date);
double fromYmd(int year, int month, int day);
// The calendar day of a day count; nothing for NaN, infinities and counts far outside any calendar.
std::optional<QDate> toDate(double day);
// Weekday of the calendar day, 1 = Sunday .. 7 = Saturday; 0 for a day count that is no date.
int dayOfWeek(double day);

// "dd.mm.yyyy", the program's short date format; empty for a day count that is no date.
QString formatShortDate(double day);
// "yyyymmdd"; empty for a day count that is no date.
QString formatCompact(double day);
// Accepts "d.m.yyyy" with one- or two-digit day and month, as the short date format is read.
std::optional<double> parseShortDate(const QString& text);
// "DDD dd.mm.yy": the locale's abbreviated weekday name, day, month and two-digit year.
QString formatDrawLineDate(double day);

} // namespace DayDate
} // namespace numora
