#include "base/Formatting.h"

#include "base/TextCatalog.h"

#include <cmath>
#include <limits>

namespace numora {

std::int64_t roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    auto result = static_cast<std::int64_t>(floorValue);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

std::optional<std::int32_t> parseInteger(const QString& text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

Error notAnInteger(const QString& text)
{
    return Error{tx(QStringLiteral("'%1' ist kein gültiger Integerwert")).arg(text)};
}

QString formatDecimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    QString integral = dot < 0 ? text : text.left(dot);
    const QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    for (qsizetype pos = integral.size() - 3; pos > 0; pos -= 3)
        integral.insert(pos, QLatin1Char('.'));
    QString result = negative ? QStringLiteral("-") + integral : integral;
    if (!fraction.isEmpty())
        result += QLatin1Char(',') + fraction;
    return result;
}

std::optional<double> parseDecimal(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char('.'));
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
QLocale& currentTextLocale()
{
    static QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}
} // namespace

void setTextLocale(const QLocale& locale) { currentTextLocale() = locale; }

const QLocale& textLocale() { return currentTextLocale(); }

QString formatTextDecimal(double value, int decimals)
{
    const QLocale& locale = currentTextLocale();
    if (locale.language() == QLocale::German)
        return formatDecimal(value, decimals);
    return locale.toString(value, 'f', decimals);
}

} // namespace numora
