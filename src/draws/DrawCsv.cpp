#include "draws/DrawCsv.h"

#include "base/DayDate.h"
#include "base/FileSystem.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace numora::DrawCsv {

namespace {

Error lineError(int line, const QString& what)
{
    return Error{tx(QStringLiteral("line %1: %2")).arg(line).arg(what)};
}

std::optional<int> smallInt(const QString& text, int low, int high)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit())
            return std::nullopt;
    const auto value = parseInteger(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return *value;
}

bool digits(const QString& text, int count, std::uint8_t* out)
{
    if (text.isEmpty()) {
        std::fill(out, out + count, std::uint8_t(0));
        return true;
    }
    if (text.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        out[i] = static_cast<std::uint8_t>(c.unicode() - '0');
    }
    return true;
}

} // namespace

QString shortHeader() { return QStringLiteral("date,n1,n2,n3,n4,n5,n6"); }

QString fullHeader() { return shortHeader() + QStringLiteral(",zusatzzahl,superzahl,spiel77,super6"); }

namespace {

// Our own export is strict: "," and YYYY-MM-DD in date order. The merge reads what results sites
// offer besides.
enum class Form { Strict, Lenient };

std::optional<QDate> readDate(const QString& text, Form form)
{
    if (form == Form::Lenient && text.contains(QLatin1Char('.'))) {
        const auto day = DayDate::parseShortDate(text);
        if (!day)
            return std::nullopt;
        return DayDate::toDate(*day);
    }
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

Expected<std::vector<Line>> parseWith(const QByteArray& bytes, Form form, int maxNumber)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty())
        return lineError(1, tx(QStringLiteral("missing header")));
    QString header = QString(lines.first()).remove(QLatin1Char('\r')).trimmed();
    QChar separator = QLatin1Char(',');
    if (form == Form::Lenient && header.contains(QLatin1Char(';')) && !header.contains(QLatin1Char(','))) {
        separator = QLatin1Char(';');
        header.replace(QLatin1Char(';'), QLatin1Char(','));
    }
    int columns = 0;
    if (header == shortHeader())
        columns = 7;
    else if (header == fullHeader())
        columns = 11;
    else
        return lineError(1, tx(QStringLiteral("header must be \"%1\" or \"%2\"")).arg(shortHeader(), fullHeader()));

    std::vector<Line> records;
    records.reserve(std::size_t(lines.size()));
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(separator);
        if (f.size() != columns)
            return lineError(lineNo, tx(QStringLiteral("%1 fields, expected %2")).arg(f.size()).arg(columns));

        const auto date = readDate(f[0].trimmed(), form);
        if (!date)
            return lineError(lineNo, tx(QStringLiteral("bad date \"%1\"")).arg(f[0]));
        Line parsed;
        parsed.number = lineNo;
        TZiehung& record = parsed.draw;
        record.Datum = DayDate::fromDate(*date);
        if (form == Form::Strict && !records.empty() && record.Datum < records.back().draw.Datum)
            return lineError(lineNo, tx(QStringLiteral("date %1 is earlier than the line before")).arg(f[0]));

        std::array<int, 6> numbers{};
        for (int n = 0; n < 6; ++n) {
            const auto value = smallInt(f[1 + n].trimmed(), 1, maxNumber);
            if (!value)
                return lineError(lineNo, tx(QStringLiteral("n%1 \"%2\" is not a number 1..%3")).arg(n + 1).arg(f[1 + n]).arg(maxNumber));
            numbers[std::size_t(n)] = *value;
        }
        std::sort(numbers.begin(), numbers.end());
        if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
            return lineError(lineNo, tx(QStringLiteral("the six numbers are not distinct")));
        for (int n = 0; n < 6; ++n)
            record.Zahlen[n] = static_cast<std::uint8_t>(numbers[std::size_t(n)]);

        if (columns == 11) {
            const QString bonus = f[7].trimmed();
            const QString super = f[8].trimmed();
            if (!bonus.isEmpty()) {
                const auto value = smallInt(bonus, 0, maxNumber);
                if (!value)
                    return lineError(lineNo, tx(QStringLiteral("zusatzzahl \"%1\" is not a number 0..%2")).arg(bonus).arg(maxNumber));
                record.Zusatzzahl = static_cast<std::uint8_t>(*value);
                parsed.hasZusatzzahl = true;
            }
            if (!super.isEmpty()) {
                const auto value = smallInt(super, 0, 9);
                if (!value)
                    return lineError(lineNo, tx(QStringLiteral("superzahl \"%1\" is not a digit")).arg(super));
                record.Superzahl = static_cast<std::uint8_t>(*value);
                parsed.hasSuperzahl = true;
            }
            if (!digits(f[9].trimmed(), 7, record.Spiel77))
                return lineError(lineNo, tx(QStringLiteral("spiel77 \"%1\" is not seven digits")).arg(f[9]));
            if (!digits(f[10].trimmed(), 6, record.Super6))
                return lineError(lineNo, tx(QStringLiteral("super6 \"%1\" is not six digits")).arg(f[10]));
            parsed.hasSpiel77 = !f[9].trimmed().isEmpty();
            parsed.hasSuper6 = !f[10].trimmed().isEmpty();
        }
        records.push_back(parsed);
    }
    return records;
}

} // namespace

Expected<std::vector<TZiehung>> parse(const QByteArray& bytes, int maxNumber)
{
    auto lines = parseWith(bytes, Form::Strict, maxNumber);
    if (!lines)
        return lines.error();
    std::vector<TZiehung> records;
    records.reserve(lines->size());
    for (const Line& line : *lines)
        records.push_back(line.draw);
    return records;
}

Expected<std::vector<Line>> parseLines(const QByteArray& bytes, int maxNumber)
{
    return parseWith(bytes, Form::Lenient, maxNumber);
}

QByteArray format(std::span<const TZiehung> records)
{
    QString out = fullHeader() + QLatin1Char('\n');
    for (const TZiehung& r : records) {
        const auto date = DayDate::toDate(r.Datum);
        out += date ? date->toString(QStringLiteral("yyyy-MM-dd")) : QString();
        for (int i = 0; i < 6; ++i)
            out += QLatin1Char(',') + QString::number(r.Zahlen[i]);
        out += QLatin1Char(',') + QString::number(r.Zusatzzahl) + QLatin1Char(',') + QString::number(r.Superzahl)
            + QLatin1Char(',');
        for (std::uint8_t d : r.Spiel77)
            out += QString::number(d);
        out += QLatin1Char(',');
        for (std::uint8_t d : r.Super6)
            out += QString::number(d);
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

namespace {
// The whole file read within the size limit, then parsed; a parse error is prefixed with the path.
template <typename Result>
Expected<Result> readWhole(const QString& path, Expected<Result> (*parseBytes)(const QByteArray&, int), int maxNumber)
{
    const auto bytes = FileSystem::readWhole(path, MaxFileBytes);
    if (!bytes)
        return bytes.error();
    auto parsed = parseBytes(*bytes, maxNumber);
    if (!parsed)
        return Error{QStringLiteral("%1: %2").arg(path, parsed.error().message)};
    return parsed;
}
} // namespace

Expected<std::vector<TZiehung>> readFile(const QString& path, int maxNumber)
{
    return readWhole(path, &parse, maxNumber);
}

Expected<std::vector<Line>> readLinesFile(const QString& path, int maxNumber)
{
    return readWhole(path, &parseLines, maxNumber);
}

Status writeFile(const QString& path, std::span<const TZiehung> records)
{
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), format(records));
}

} // namespace numora::DrawCsv
