#include "wheel/Wheel.h"

#include "base/TextCatalog.h"

#include "base/FileSystem.h"

#include <QRegularExpression>
#include <QStringList>

namespace numora {

namespace {

// A wheel of every row of 49 numbers would be far larger; this keeps a stray file from eating memory.
constexpr qint64 MaxWheelFileBytes = 16 * 1024 * 1024;

} // namespace

Expected<Guarantee> Guarantee::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okT = false, okP = false;
    Guarantee g;
    if (parts.size() == 2) {
        g.hits = parts[0].trimmed().toInt(&okT);
        g.of = parts[1].trimmed().toInt(&okP);
    }
    if (!okT || !okP || !(3 <= g.hits && g.hits <= g.of && g.of <= 6))
        return Error{QStringLiteral("guarantee \"%1\" is not T:P with 3 <= T <= P <= 6").arg(text)};
    return g;
}

const std::array<Guarantee, 9>& Guarantee::offered()
{
    static const std::array<Guarantee, 9> list{{{3, 3}, {3, 4}, {3, 5}, {3, 6}, {4, 4}, {4, 5}, {4, 6}, {5, 5}, {5, 6}}};
    return list;
}

bool Wheel::rowsWithinNumbers() const
{
    for (NumberSet row : rows)
        if (Numbers::count(row) != Numbers::RowSize || (row & ~numbers) != 0 || (row & keys) != keys)
            return false;
    return true;
}

QByteArray Wheel::format() const
{
    QByteArray text;
    for (NumberSet row : rows)
        text += Numbers::format(row).toLatin1() + '\n';
    return text;
}

Expected<std::vector<NumberSet>> Wheel::parseRows(const QByteArray& text, NumberSet numbers)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    std::vector<NumberSet> rows;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]);
        if (const qsizetype hash = line.indexOf(QLatin1Char('#')); hash >= 0)
            line.truncate(hash);
        const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        const auto bad = [&](const QString& why) {
            return Error{tx(QStringLiteral("line %1: %2")).arg(i + 1).arg(why)};
        };
        // The count line `wheel build` ends with ("rows<TAB>N"): what build prints, check reads.
        if (fields.size() == 2 && fields[0] == QLatin1String("rows") && fields[1] == QString::number(rows.size()))
            continue;
        NumberSet row = 0;
        for (const QString& field : fields) {
            bool ok = false;
            const int n = field.toInt(&ok);
            if (!ok || n < 1 || n > Numbers::Widest || !Numbers::contains(numbers, n))
                return bad(tx(QStringLiteral("\"%1\" ist keine der gewählten Zahlen")).arg(field));
            if (Numbers::contains(row, n))
                return bad(tx(QStringLiteral("%1 steht zweimal in der Reihe")).arg(n));
            row |= Numbers::of(n);
        }
        if (fields.size() != Numbers::RowSize)
            return bad(tx(QStringLiteral("eine Reihe hat sechs Zahlen, diese %1")).arg(fields.size()));
        rows.push_back(row);
    }
    if (rows.empty())
        return Error{tx(QStringLiteral("keine Reihen"))};
    return rows;
}

Expected<std::vector<NumberSet>> Wheel::readRows(const QString& path, NumberSet numbers)
{
    const auto bytes = FileSystem::readWhole(path, MaxWheelFileBytes);
    if (!bytes)
        return bytes.error();
    const auto rows = parseRows(*bytes, numbers);
    if (!rows)
        return Error{QStringLiteral("%1: %2").arg(path, rows.error().message)};
    return rows;
}

namespace {

const QString numbersTag = QStringLiteral("# numbers:");
const QString guaranteeTag = QStringLiteral("# guarantee:");
const QString keysTag = QStringLiteral("# keys:");

} // namespace

QByteArray Wheel::fileText() const
{
    return (numbersTag + QLatin1Char(' ') + Numbers::format(numbers) + QLatin1Char('\n') + guaranteeTag
            + QStringLiteral(" %1:%2\n").arg(guarantee.hits).arg(guarantee.of)
            + (keys ? keysTag + QLatin1Char(' ') + Numbers::format(keys) + QLatin1Char('\n') : QString()))
               .toLatin1()
        + format();
}

Status Wheel::save(const QString& path) const
{
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), fileText());
}

Expected<Wheel> Wheel::load(const QString& path, NumberSet numbers, Guarantee guarantee)
{
    const auto bytes = FileSystem::readWhole(path, MaxWheelFileBytes);
    if (!bytes)
        return bytes.error();
    const auto bad = [&path](const QString& why) { return Error{QStringLiteral("%1: %2").arg(path, why)}; };
    std::optional<NumberSet> stated;
    NumberSet keys = 0;
    for (const QByteArray& raw : bytes->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(numbersTag)) {
            const auto parsed = Numbers::parseList(line.mid(numbersTag.size()).trimmed(), Numbers::Widest);
            if (!parsed)
                return bad(parsed.error().message);
            stated = *parsed;
        } else if (line.startsWith(keysTag)) {
            const auto parsed = Numbers::parseList(line.mid(keysTag.size()).trimmed(), Numbers::Widest);
            if (!parsed)
                return bad(parsed.error().message);
            keys = *parsed;
        } else if (line.startsWith(guaranteeTag)) {
            const auto parsed = Guarantee::parse(line.mid(guaranteeTag.size()).trimmed());
            if (!parsed)
                return bad(parsed.error().message);
            guarantee = *parsed;
        }
    }
    Wheel wheel{stated.value_or(numbers), guarantee, {}, keys};
    if (!stated && Numbers::count(numbers) < MinNumbers) {
        const auto anyRows = parseRows(*bytes, ~NumberSet(0));
        if (!anyRows)
            return bad(anyRows.error().message);
        wheel.numbers = 0;
        for (NumberSet row : *anyRows)
            wheel.numbers |= row;
    }
    const auto rows = parseRows(*bytes, wheel.numbers);
    if (!rows)
        return bad(rows.error().message);
    wheel.rows = *rows;
    if ((keys & ~wheel.numbers) != 0)
        return bad(tx(QStringLiteral("Die Bankzahlen %1 sind nicht unter den Zahlen.")).arg(Numbers::format(keys & ~wheel.numbers)));
    if (Numbers::count(wheel.numbers) < MinNumbers || !guarantee.validFor(Numbers::count(wheel.numbers)))
        return bad(tx(QStringLiteral("Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen."))
                       .arg(guarantee.hits)
                       .arg(guarantee.of)
                       .arg(Numbers::count(wheel.numbers)));
    return wheel;
}

} // namespace numora
