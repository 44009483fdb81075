#include "wheel/NumberSet.h"

#include <QStringList>

namespace numora::Numbers {

std::vector<int> list(NumberSet set)
{
    std::vector<int> numbers;
    for (; set; set &= set - 1)
        numbers.push_back(lowest(set));
    return numbers;
}

QString format(NumberSet set)
{
    QStringList parts;
    for (int n : list(set))
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

namespace {

std::optional<int> number(const QString& text, int highest)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > highest)
        return std::nullopt;
    return n;
}

} // namespace

Expected<NumberSet> parseList(const QString& text, int highest)
{
    NumberSet set = 0;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString& part : parts) {
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        const auto first = number(dash < 0 ? part : part.left(dash), highest);
        const auto last = dash < 0 ? first : number(part.mid(dash + 1), highest);
        if (!first || !last || *last < *first)
            return Error{QStringLiteral("\"%1\" is no number or range of 1..%2").arg(part.trimmed()).arg(highest)};
        if (const NumberSet twice = set & range(*first, *last))
            return Error{QStringLiteral("%1 is listed twice").arg(lowest(twice))};
        set |= range(*first, *last);
    }
    return set;
}

} // namespace numora::Numbers
