// CSV import: any text either reads or names its first bad line; what reads, written as CSV and
// read again, gives the same draws.
#include "FuzzCheck.h"

#include "draws/DrawCsv.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto records = DrawCsv::parse(fuzz::bytes(data, size));
    if (!records) {
        FUZZ_CHECK(!records.error().message.isEmpty());
        return 0;
    }
    for (const TZiehung& r : *records) {
        for (int i = 0; i < 6; ++i)
            FUZZ_CHECK(r.Zahlen[i] >= 1 && r.Zahlen[i] <= 49 && (i == 0 || r.Zahlen[i - 1] < r.Zahlen[i]));
        FUZZ_CHECK(r.Zusatzzahl <= 49 && r.Superzahl <= 9);
    }
    const auto again = DrawCsv::parse(DrawCsv::format(*records));
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(sameRecords(*records, *again));
    return 0;
}
