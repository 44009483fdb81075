// The text import "Orbix.dat": nine lines a draw; any text gives draws with a date and numbers
// 1..49, or an error naming the line.
#include "FuzzCheck.h"

#include "base/DayDate.h"
#include "history/DrawRebuild.h"

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto draws = DrawRebuild::parseTextImport(fuzz::bytes(data, size));
    if (!draws) {
        FUZZ_CHECK(!draws.error().message.isEmpty());
        return 0;
    }
    for (const TZiehung& d : *draws) {
        FUZZ_CHECK(DayDate::toDate(d.Datum).has_value());
        for (std::uint8_t n : d.Zahlen)
            FUZZ_CHECK(n >= 1 && n <= 49);
    }
    return 0;
}
