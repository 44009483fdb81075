#include "base/DayDate.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace numora::DayDate {

namespace {
// Far beyond any draw date, yet small enough to stay exact in every conversion below.
constexpr double MaxDayMagnitude = 3'000'000.0;
} // namespace

QDate epoch() { return QDate(1899, 12, 30); }

double fromDate(const QDate& date) { return static_cast<double>(epoch().daysTo(date)); }

double fromYmd(int year, int month, int day) { return fromDate(QDate(year, month, day)); }

std::optional<QDate> toDate(double day)
{
    if (!std::isfinite(day) || std::fabs(day) > MaxDayMagnitude)
        return std::nullopt;
    return epoch().addDays(static_cast<qint64>(std::floor(day)));
}

int dayOfWeek(double day)
{
    auto date = toDate(day);
    if (!date)
        return 0;
    // QDate counts Monday = 1 .. Sunday = 7.
    return date->dayOfWeek() % 7 + 1;
}

QString formatShortDate(double day)
{
    auto date = toDate(day);
    return date ? date->toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString formatCompact(double day)
{
    auto date = toDate(day);
    return date ? date->toString(QStringLiteral("yyyyMMdd")) : QString();
}

std::optional<double> parseShortDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,2})\.(\d{1,2})\.(\d{4})\s*$)"));
    auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return fromDate(date);
}

QString formatDrawLineDate(double day)
{
    auto date = toDate(day);
    if (!date)
        return QString();
    const QString weekday = QLocale().standaloneDayName(date->dayOfWeek(), QLocale::ShortFormat);
    return weekday + QLatin1Char(' ') + date->toString(QStringLiteral("dd.MM.yy"));
}

} // namespace numora::DayDate
