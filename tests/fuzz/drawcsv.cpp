// CSV import and merge: any text either reads or names its first bad line; what reads, written as
// CSV and read again, gives the same draws. The merge's reader takes everything the import takes,
// with the same draws, and its other forms (site headers in any language and order, ";", dates
// DD.MM.YYYY or DD/MM/YYYY, by position, any order) keep the same checks; a file read by
// position says so.
#include "FuzzCheck.h"

#include "draws/DrawCsv.h"

#include <algorithm>

using namespace numora;

namespace {

bool sameRecords(const std::vector<TZiehung>& a, const std::vector<TZiehung>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].toBytes() != b[i].toBytes())
            return false;
    return true;
}

void checkRecord(const TZiehung& r)
{
    for (int i = 0; i < 6; ++i)
        FUZZ_CHECK(r.Zahlen[i] >= 1 && r.Zahlen[i] <= 49 && (i == 0 || r.Zahlen[i - 1] < r.Zahlen[i]));
    FUZZ_CHECK(r.Zusatzzahl <= 49 && r.Superzahl <= 9);
}

void checkMergeReader(const QByteArray& text, const Expected<std::vector<TZiehung>>& strict)
{
    const auto table = DrawCsv::parseTable(text);
    if (!table) {
        FUZZ_CHECK(!strict.ok());
        FUZZ_CHECK(table.error().message.startsWith(QStringLiteral("line ")));
        return;
    }
    FUZZ_CHECK(!table->byPosition || !table->notes.isEmpty());
    std::vector<TZiehung> draws;
    int previousLine = 0;
    for (const DrawCsv::Line& line : table->lines) {
        checkRecord(line.draw);
        FUZZ_CHECK(line.number > previousLine);
        FUZZ_CHECK(line.number > 1 || table->byPosition);
        FUZZ_CHECK(line.draw.Zusatzzahl == 0 || line.hasZusatzzahl);
        previousLine = line.number;
        draws.push_back(line.draw);
    }
    if (strict)
        FUZZ_CHECK(sameRecords(draws, *strict));
    // In date order they are what our own export writes and the import reads back.
    std::stable_sort(draws.begin(), draws.end(), [](const TZiehung& a, const TZiehung& b) { return a.Datum < b.Datum; });
    const auto again = DrawCsv::parse(DrawCsv::format(draws));
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(sameRecords(draws, *again));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = fuzz::bytes(data, size);
    const auto records = DrawCsv::parse(text);
    checkMergeReader(text, records);
    if (!records) {
        FUZZ_CHECK(!records.error().message.isEmpty());
        return 0;
    }
    for (const TZiehung& r : *records)
        checkRecord(r);
    const auto again = DrawCsv::parse(DrawCsv::format(*records));
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(sameRecords(*records, *again));
    return 0;
}
