#include "wheel/WheelCatalogue.h"

#include <QFile>
#include <QList>

#include <bit>

namespace numora::WheelCatalogue {

namespace {

constexpr char Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int RowChars = Numbers::RowSize;

int pointOf(char c)
{
    for (int i = 0; i < 62; ++i)
        if (Digits[i] == c)
            return i;
    return -1;
}

QByteArray readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

Expected<std::vector<CatalogueWheel>> parse(const QByteArray& text)
{
    std::vector<CatalogueWheel> wheels;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const auto bad = [i](const char* why) {
            return Error{QStringLiteral("wheel catalogue, line %1: %2").arg(i + 1).arg(QLatin1String(why))};
        };
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 4)
            return bad("not V T:P ROWS DATA");
        CatalogueWheel wheel;
        bool okV = false, okRows = false;
        wheel.v = fields[0].toInt(&okV);
        const auto g = Guarantee::parse(QString::fromLatin1(fields[1]));
        const int rows = fields[2].toInt(&okRows);
        if (!okV || wheel.v < Wheel::MinNumbers || wheel.v > 62 || !g || !g->validFor(wheel.v))
            return bad("no wheel of V numbers and T:P");
        wheel.guarantee = *g;
        if (!okRows || rows < 1 || fields[3].size() != qsizetype(rows) * RowChars)
            return bad("the rows are not ROWS times six points");
        for (int r = 0; r < rows; ++r) {
            std::uint64_t row = 0;
            for (int c = 0; c < RowChars; ++c) {
                const int point = pointOf(fields[3][qsizetype(r) * RowChars + c]);
                if (point < 0 || point >= wheel.v || (row >> point & 1))
                    return bad("a row with a point outside 0..V-1 or twice");
                row |= std::uint64_t(1) << point;
            }
            wheel.rows.push_back(row);
        }
        wheels.push_back(std::move(wheel));
    }
    return wheels;
}

QByteArray format(const std::vector<CatalogueWheel>& wheels)
{
    QByteArray text = "# The best wheels found: V T:P ROWS, then each row as six points 0..V-1 written as 0-9A-Za-z.\n"
                      "# Made by tools/make_wheel_catalogue; every wheel is proved again when it is used.\n";
    for (const CatalogueWheel& wheel : wheels) {
        text += QByteArray::number(wheel.v) + ' ' + QByteArray::number(wheel.guarantee.hits) + ':'
            + QByteArray::number(wheel.guarantee.of) + ' ' + QByteArray::number(qsizetype(wheel.rows.size())) + ' ';
        for (std::uint64_t row : wheel.rows)
            for (; row; row &= row - 1)
                text += Digits[std::countr_zero(row)];
        text += '\n';
    }
    return text;
}

Expected<std::vector<WheelRecord>> parseRecords(const QByteArray& text)
{
    std::vector<WheelRecord> records;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QList<QByteArray> f = lines[i].split('\t');
        bool okV = false, okT = false, okP = false, okRows = true;
        WheelRecord record;
        if (f.size() == 5) {
            record.v = f[0].toInt(&okV);
            record.guarantee = {f[1].toInt(&okT), f[2].toInt(&okP)};
            if (!f[3].isEmpty())
                record.rows = f[3].toInt(&okRows);
            record.source = QString::fromUtf8(f[4]).trimmed();
        }
        if (!okV || !okT || !okP || !okRows || !record.guarantee.validFor(record.v))
            return Error{QStringLiteral("wheel records, line %1: not V T P ROWS SOURCE").arg(i + 1)};
        records.push_back(record);
    }
    return records;
}

const std::vector<CatalogueWheel>& shipped()
{
    static const std::vector<CatalogueWheel> wheels = [] {
        auto parsed = parse(readResource(QStringLiteral(":/wheels/catalogue.txt")));
        return parsed ? *parsed : std::vector<CatalogueWheel>{};
    }();
    return wheels;
}

const std::vector<WheelRecord>& records()
{
    static const std::vector<WheelRecord> list = [] {
        auto parsed = parseRecords(readResource(QStringLiteral(":/wheels/records.tsv")));
        return parsed ? *parsed : std::vector<WheelRecord>{};
    }();
    return list;
}

const CatalogueWheel* find(const std::vector<CatalogueWheel>& wheels, int v, Guarantee guarantee)
{
    for (const CatalogueWheel& wheel : wheels)
        if (wheel.v == v && wheel.guarantee == guarantee)
            return &wheel;
    return nullptr;
}

std::optional<int> record(int v, Guarantee guarantee)
{
    for (const WheelRecord& r : records())
        if (r.v == v && r.guarantee == guarantee)
            return r.rows;
    return std::nullopt;
}

std::vector<NumberSet> onNumbers(const std::vector<std::uint64_t>& rows, NumberSet numbers)
{
    const std::vector<int> list = Numbers::list(numbers);
    std::vector<NumberSet> mapped;
    mapped.reserve(rows.size());
    for (std::uint64_t row : rows) {
        NumberSet set = 0;
        for (; row; row &= row - 1)
            set |= Numbers::of(list[std::size_t(std::countr_zero(row))]);
        mapped.push_back(set);
    }
    return mapped;
}

} // namespace numora::WheelCatalogue
