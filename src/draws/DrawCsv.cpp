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

// One table for every column name: a game's extra number goes here.
constexpr ColumnNames ColumnTable[] = {
    {ColumnNames::Date, Extra::Count, {"date", "datum", "tarih", "ziehungsdatum", "drawdate", "cekilistarihi"}},
    {ColumnNames::Numbers, Extra::Count, {"n", "z", "zahl", "sayi", "number", "ball", "lottozahl", "gewinnzahl"}},
    {ColumnNames::ExtraField, Extra::Zusatzzahl, {"zusatzzahl", "zz", "bonus", "bonuszahl", "bonusball"}},
    {ColumnNames::ExtraField, Extra::Superzahl, {"superzahl", "sz", "joker"}},
    {ColumnNames::ExtraField, Extra::Spiel77, {"spiel77"}},
    {ColumnNames::ExtraField, Extra::Super6, {"super6"}},
};

std::span<const ColumnNames> columnNames() { return ColumnTable; }

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
    if (form == Form::Lenient && text.contains(QLatin1Char('/'))) {
        const QDate date = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// Where each field of a draw sits in the lines; -1 when the file has no such column.
struct Columns {
    int date = 0;
    std::array<int, 6> numbers{1, 2, 3, 4, 5, 6};
    std::array<int, int(Extra::Count)> extras{-1, -1, -1, -1};
    std::array<QString, int(Extra::Count)> extraNames; // as the header spells them
    int count = 7; // fields a line has
};

// A header name folded for comparison: "Sayı 1", "SAYI_1" and "sayi1" are one name.
QString folded(const QString& name)
{
    QString out;
    for (QChar c : name.trimmed().toLower()) {
        if (c == QChar(0x0131))
            c = QLatin1Char('i'); // dotless ı
        else if (c == QChar(0x015F))
            c = QLatin1Char('s');
        else if (c == QChar(0x00E7))
            c = QLatin1Char('c');
        else if (c == QChar(0x011F))
            c = QLatin1Char('g');
        else if (c == QChar(0x00FC))
            c = QLatin1Char('u');
        else if (c == QChar(0x00F6))
            c = QLatin1Char('o');
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

QString unquoted(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
        field = field.mid(1, field.size() - 2).trimmed();
    return field;
}

// What a header name stands for: the date, number 1..6, or an extra field.
struct Meaning {
    enum Kind { Unknown, Date, Number, ExtraField } kind = Unknown;
    int index = 0; // number 0..5, or the Extra
};

Meaning meaningOf(const QString& name)
{
    const QString f = folded(name);
    if (f.isEmpty())
        return {};
    for (const ColumnNames& column : columnNames()) {
        for (const char* alias : column.aliases) {
            if (!alias)
                break;
            const QLatin1StringView a(alias);
            if (column.kind == ColumnNames::Numbers) {
                if (f.size() == a.size() + 1 && f.startsWith(a) && f.back() >= QLatin1Char('1')
                    && f.back() <= QLatin1Char('6'))
                    return {Meaning::Number, f.back().unicode() - '1'};
            } else if (f == a) {
                return column.kind == ColumnNames::Date ? Meaning{Meaning::Date, 0}
                                                        : Meaning{Meaning::ExtraField, int(column.extra)};
            }
        }
    }
    return {};
}

// Reads the first line as a header. nullopt when it names nothing known: the columns are then
// taken by position.
Expected<std::optional<Columns>> readHeader(const QStringList& names, QStringList& ignored)
{
    Columns columns;
    columns.date = -1;
    columns.numbers.fill(-1);
    bool known = false;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = unquoted(names[i]);
        const Meaning m = meaningOf(name);
        int* slot = nullptr;
        if (m.kind == Meaning::Date)
            slot = &columns.date;
        else if (m.kind == Meaning::Number)
            slot = &columns.numbers[std::size_t(m.index)];
        else if (m.kind == Meaning::ExtraField)
            slot = &columns.extras[std::size_t(m.index)];
        if (m.kind != Meaning::Unknown)
            known = true;
        if (slot && *slot < 0) {
            *slot = i;
            if (m.kind == Meaning::ExtraField)
                columns.extraNames[std::size_t(m.index)] = name;
        } else if (!name.isEmpty()) {
            ignored << name; // unknown, or a second column of one field
        }
    }
    if (!known)
        return std::optional<Columns>();
    QStringList missing;
    if (columns.date < 0)
        missing << QStringLiteral("date");
    for (int n = 0; n < 6; ++n)
        if (columns.numbers[std::size_t(n)] < 0)
            missing << QStringLiteral("n%1").arg(n + 1);
    if (!missing.isEmpty())
        return lineError(1, tx(QStringLiteral("the header names no column for %1")).arg(missing.join(QStringLiteral(", "))));
    columns.count = int(names.size());
    return std::optional<Columns>(columns);
}

struct ExtraRange {
    int low;
    int high;
    int digitCount; // a field of that many digits, 0 for a number
};

constexpr ExtraRange extraRange(Extra extra, int maxNumber)
{
    switch (extra) {
    case Extra::Zusatzzahl: return {1, maxNumber, 0};
    case Extra::Superzahl: return {0, 9, 0};
    case Extra::Spiel77: return {0, 9, 7};
    case Extra::Super6: return {0, 9, 6};
    default: return {0, 0, 0};
    }
}

// An extra field read into the record where it fits; false when it does not.
bool readExtra(Extra extra, const QString& text, Line& line, int maxNumber)
{
    TZiehung& record = line.draw;
    switch (extra) {
    case Extra::Zusatzzahl: {
        // Our own export writes 0 for "none given".
        const auto value = smallInt(text, 0, maxNumber);
        if (!value)
            return false;
        record.Zusatzzahl = static_cast<std::uint8_t>(*value);
        line.hasZusatzzahl = *value > 0;
        return true;
    }
    case Extra::Superzahl: {
        const auto value = smallInt(text, 0, 9);
        if (!value)
            return false;
        record.Superzahl = static_cast<std::uint8_t>(*value);
        line.hasSuperzahl = true;
        return true;
    }
    case Extra::Spiel77:
    case Extra::Super6: {
        // Into a copy: a bad digit must not leave half a number in the record.
        const bool spiel77 = extra == Extra::Spiel77;
        std::uint8_t read[7]{};
        if (!digits(text, spiel77 ? 7 : 6, read))
            return false;
        if (spiel77)
            std::copy(read, read + 7, record.Spiel77);
        else
            std::copy(read, read + 6, record.Super6);
        (spiel77 ? line.hasSpiel77 : line.hasSuper6) = true;
        return true;
    }
    default:
        return false;
    }
}

QString rangeText(Extra extra, int maxNumber)
{
    const ExtraRange r = extraRange(extra, maxNumber);
    if (r.digitCount > 0)
        return tx(QStringLiteral("%1 digits")).arg(r.digitCount);
    return QStringLiteral("%1..%2").arg(r.low).arg(r.high);
}

// The six numbers and the date of fields `f` as `columns` places them; an error names what is wrong.
std::optional<QString> readDraw(const QStringList& f, const Columns& columns, Form form, Line& parsed, int maxNumber)
{
    const QString dateText = unquoted(f[columns.date]);
    const auto date = readDate(dateText, form);
    if (!date)
        return tx(QStringLiteral("bad date \"%1\"")).arg(f[columns.date]);
    parsed.draw.Datum = DayDate::fromDate(*date);
    std::array<int, 6> numbers{};
    for (int n = 0; n < 6; ++n) {
        const QString& field = f[columns.numbers[std::size_t(n)]];
        const auto value = smallInt(unquoted(field), 1, maxNumber);
        if (!value)
            return tx(QStringLiteral("n%1 \"%2\" is not a number 1..%3")).arg(n + 1).arg(field).arg(maxNumber);
        numbers[std::size_t(n)] = *value;
    }
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
        return tx(QStringLiteral("the six numbers are not distinct"));
    for (int n = 0; n < 6; ++n)
        parsed.draw.Zahlen[n] = static_cast<std::uint8_t>(numbers[std::size_t(n)]);
    return std::nullopt;
}

Expected<Table> parseStrict(const QStringList& lines, int maxNumber)
{
    const QString header = QString(lines.first()).remove(QLatin1Char('\r')).trimmed();
    int columns = 0;
    if (header == shortHeader())
        columns = 7;
    else if (header == fullHeader())
        columns = 11;
    else
        return lineError(1, tx(QStringLiteral("header must be \"%1\" or \"%2\"")).arg(shortHeader(), fullHeader()));

    Table table;
    table.lines.reserve(std::size_t(lines.size()));
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() != columns)
            return lineError(lineNo, tx(QStringLiteral("%1 fields, expected %2")).arg(f.size()).arg(columns));
        Line parsed;
        parsed.number = lineNo;
        if (const auto bad = readDraw(f, Columns{}, Form::Strict, parsed, maxNumber))
            return lineError(lineNo, *bad);
        TZiehung& record = parsed.draw;
        if (!table.lines.empty() && record.Datum < table.lines.back().draw.Datum)
            return lineError(lineNo, tx(QStringLiteral("date %1 is earlier than the line before")).arg(f[0]));

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
        table.lines.push_back(parsed);
    }
    return table;
}

Expected<Table> parseLenient(const QStringList& lines, int maxNumber)
{
    const QString header = QString(lines.first()).remove(QLatin1Char('\r')).trimmed();
    if (header.isEmpty())
        return lineError(1, tx(QStringLiteral("missing header")));
    QChar separator = QLatin1Char(',');
    if (!header.contains(QLatin1Char(','))) {
        if (header.contains(QLatin1Char(';')))
            separator = QLatin1Char(';');
        else if (header.contains(QLatin1Char('\t')))
            separator = QLatin1Char('\t');
    }

    Table table;
    QStringList ignored;
    const QStringList names = header.split(separator);
    auto mapped = readHeader(names, ignored);
    if (!mapped)
        return mapped.error();
    Columns columns;
    int first = 1; // the first data line
    if (*mapped) {
        columns = **mapped;
    } else {
        table.byPosition = true;
        Line probe;
        if (names.size() >= columns.count && !readDraw(names, columns, Form::Lenient, probe, maxNumber))
            first = 0; // no header at all: the first line is a draw
        ignored.clear();
    }
    if (!ignored.isEmpty())
        table.notes << tx(QStringLiteral("columns ignored: %1")).arg(ignored.join(QStringLiteral(", ")));
    if (table.byPosition)
        table.notes << tx(QStringLiteral("no column name known: read by position (date, then six numbers)"));

    std::array<int, int(Extra::Count)> unread{};
    std::array<QString, int(Extra::Count)> firstUnread;
    table.lines.reserve(std::size_t(lines.size()));
    for (int i = first; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(separator);
        if (f.size() < columns.count)
            return lineError(lineNo, tx(QStringLiteral("%1 fields, expected %2")).arg(f.size()).arg(columns.count));
        Line parsed;
        parsed.number = lineNo;
        if (const auto bad = readDraw(f, columns, Form::Lenient, parsed, maxNumber))
            return lineError(lineNo, *bad);
        for (int e = 0; e < int(Extra::Count); ++e) {
            const int at = columns.extras[std::size_t(e)];
            if (at < 0)
                continue;
            const QString value = unquoted(f[at]);
            if (!value.isEmpty() && !readExtra(Extra(e), value, parsed, maxNumber) && unread[std::size_t(e)]++ == 0)
                firstUnread[std::size_t(e)] = value;
        }
        table.lines.push_back(parsed);
    }
    for (int e = 0; e < int(Extra::Count); ++e)
        if (unread[std::size_t(e)] > 0)
            table.notes << tx(QStringLiteral("%1: %2 values outside %3 not read (first \"%4\")"))
                               .arg(columns.extraNames[std::size_t(e)])
                               .arg(unread[std::size_t(e)])
                               .arg(rangeText(Extra(e), maxNumber), firstUnread[std::size_t(e)]);
    return table;
}

Expected<Table> parseWith(const QByteArray& bytes, Form form, int maxNumber)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    return form == Form::Strict ? parseStrict(lines, maxNumber) : parseLenient(lines, maxNumber);
}

} // namespace

Expected<std::vector<TZiehung>> parse(const QByteArray& bytes, int maxNumber)
{
    auto table = parseWith(bytes, Form::Strict, maxNumber);
    if (!table)
        return table.error();
    std::vector<TZiehung> records;
    records.reserve(table->lines.size());
    for (const Line& line : table->lines)
        records.push_back(line.draw);
    return records;
}

Expected<Table> parseTable(const QByteArray& bytes, int maxNumber)
{
    return parseWith(bytes, Form::Lenient, maxNumber);
}

Expected<std::vector<Line>> parseLines(const QByteArray& bytes, int maxNumber)
{
    auto table = parseTable(bytes, maxNumber);
    if (!table)
        return table.error();
    return std::move(table->lines);
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

Expected<Table> readTableFile(const QString& path, int maxNumber)
{
    return readWhole(path, &parseTable, maxNumber);
}

QString importSummary(std::size_t replaced, std::size_t imported, const QString& backupPath)
{
    if (replaced == 0)
        return tx(QStringLiteral("%1 Ziehungen importiert")).arg(imported);
    return tx(QStringLiteral("%1 Ziehungen durch %2 ersetzt; die bisherigen sind in %3"))
        .arg(replaced)
        .arg(imported)
        .arg(backupPath);
}

Status writeFile(const QString& path, std::span<const TZiehung> records)
{
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), format(records));
}

} // namespace numora::DrawCsv
