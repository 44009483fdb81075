// A results page of the rebuild: any page gives its draws or a conversion error, and a draw read
// from it holds numbers the history can keep.
#include "FuzzCheck.h"

#include "base/DayDate.h"
#include "base/TextDecoding.h"
#include "history/DrawRebuild.h"

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto draws = DrawRebuild::parsePage(decodeServiceText(fuzz::bytes(data, size)));
    if (!draws) {
        FUZZ_CHECK(!draws.error().message.isEmpty());
        return 0;
    }
    FUZZ_CHECK(draws->size() <= 2);
    for (const TZiehung& d : *draws) {
        FUZZ_CHECK(DayDate::toDate(d.Datum).has_value());
        for (std::uint8_t n : d.Zahlen)
            FUZZ_CHECK(n >= 1 && n <= 49);
        FUZZ_CHECK(d.Zusatzzahl <= 49 && d.Superzahl <= 9);
    }
    return 0;
}
