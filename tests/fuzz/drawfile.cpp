// The draw file: any bytes decode to records, and every consumer's view of a record (its date,
// its weekday, its number mask) holds for any record, since a foreign file can hold anything.
#include "FuzzCheck.h"

#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "draws/HistoryCache.h"
#include "model/Game.h"

#include <cstring>

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytes(data, size);
    const std::vector<TZiehung> records = DrawFile::decode(bytes);
    FUZZ_CHECK(records.size() == size / TZiehung::Size);

    // Writing what was read gives the file's whole records back, with the unused fill zeroed.
    const QByteArray written = DrawFile::encode(records);
    FUZZ_CHECK(std::size_t(written.size()) == records.size() * TZiehung::Size);
    for (std::size_t i = 0; i < records.size(); ++i) {
        QByteArray expected = bytes.mid(qsizetype(i * TZiehung::Size), qsizetype(TZiehung::Size));
        expected[29] = expected[30] = expected[31] = 0;
        FUZZ_CHECK(written.mid(qsizetype(i * TZiehung::Size), qsizetype(TZiehung::Size)) == expected);
    }
    const std::vector<TZiehung> again = DrawFile::decode(written);
    FUZZ_CHECK(DrawFile::encode(again) == written);

    for (const TZiehung& r : records) {
        const NumberMask mask = HistoryCache::maskOf(r.Zahlen, 6);
        // bits 1..90 only, whatever the record holds
        FUZZ_CHECK((mask.low & 1) == 0 && (mask.high >> (Game::MaxNumbers - 63)) == 0);
        const int weekday = DayDate::dayOfWeek(r.Datum);
        FUZZ_CHECK(weekday >= 0 && weekday <= 7);
        (void)DayDate::toDate(r.Datum);
        (void)DayDate::formatShortDate(r.Datum);
        (void)DayDate::formatCompact(r.Datum);
        (void)DayDate::formatDrawLineDate(r.Datum);
    }
    return 0;
}
