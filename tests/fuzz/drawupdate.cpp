// The update service's answer for one day: only six distinct numbers 1..49 per line reach the
// history, and the first line that does not read ends the answer with its rest to show.
#include "FuzzCheck.h"

#include "history/DrawUpdate.h"

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body = fuzz::bytes(data, size);
    const DrawUpdate::DayAnswer answer = DrawUpdate::readDayAnswer(body);
    for (const auto& numbers : answer.draws) {
        std::uint64_t seen = 0;
        for (std::uint8_t n : numbers) {
            FUZZ_CHECK(n >= 1 && n <= 49 && !(seen >> n & 1));
            seen |= std::uint64_t(1) << n;
        }
    }
    // Every draw line holds at least ",1,2,3,4,5,6;" (the leading field is skipped and may be
    // empty), so the draws cannot outnumber the bytes.
    FUZZ_CHECK(answer.draws.size() * 13 <= std::size_t(body.size()));
    if (answer.unreadableLine)
        FUZZ_CHECK(answer.unreadableLine->size() <= body.size());
    return 0;
}
