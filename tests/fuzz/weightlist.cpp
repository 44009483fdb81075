// Weight lists (".nwl"): a list that is refused changes no box; one that loads, saved and loaded
// again, gives the same boxes.
#include "FuzzCheck.h"

#include "base/Formatting.h"
#include "gen/NumberSelection.h"

using namespace numora;

namespace {

bool sameBoxes(const NumberSelection& a, const NumberSelection& b)
{
    for (int n = 1; n <= 49; ++n)
        if (a.box(n).ticked != b.box(n).ticked || a.box(n).weight != b.box(n).weight)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NumberSelection selection;
    selection.box(7).weight = QStringLiteral("5");
    selection.box(9).ticked = false;
    const NumberSelection before = selection;
    if (!selection.loadWeightList(fuzz::bytes(data, size))) {
        FUZZ_CHECK(sameBoxes(selection, before));
        return 0;
    }
    for (int n = 1; n <= 49; ++n) {
        const auto weight = parseInteger(selection.box(n).weight);
        FUZZ_CHECK(weight && *weight >= 0 && *weight <= NumberSelection::MaxWeight);
    }
    NumberSelection reloaded;
    FUZZ_CHECK(reloaded.loadWeightList(selection.toWeightList()).ok());
    FUZZ_CHECK(sameBoxes(reloaded, selection));
    return 0;
}
