#pragma once

#include "base/Expected.h"
#include "wheel/Wheel.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace numora {

// The best wheel known for v numbers and a guarantee, on the points 0..v-1.
struct CatalogueWheel {
    int v = 0;
    Guarantee guarantee;
    std::vector<std::uint64_t> rows;

    bool operator==(const CatalogueWheel&) const = default;
};

// The smallest published size of a wheel, with where it is published; none where no figure is known.
struct WheelRecord {
    int v = 0;
    Guarantee guarantee;
    std::optional<int> rows;
    QString source;
};

// The wheels that ship with the program (data/wheels/catalogue.txt, made by
// tools/make_wheel_catalogue) and the published sizes beside them (data/wheels/records.tsv).
namespace WheelCatalogue {

// The catalogue file: "#" lines are comments; every other line is "V T:P ROWS DATA", DATA the rows
// one after another, six characters each, a point 0..61 written as one of 0-9, A-Z, a-z. A bad
// line is an error naming it.
Expected<std::vector<CatalogueWheel>> parse(const QByteArray& text);
QByteArray format(const std::vector<CatalogueWheel>& wheels);

// "V<TAB>T<TAB>P<TAB>ROWS<TAB>SOURCE" lines under a header line; ROWS empty where none is known.
Expected<std::vector<WheelRecord>> parseRecords(const QByteArray& text);

// The shipped catalogue and records, read once.
const std::vector<CatalogueWheel>& shipped();
const std::vector<WheelRecord>& records();

const CatalogueWheel* find(const std::vector<CatalogueWheel>& wheels, int v, Guarantee guarantee);
std::optional<int> record(int v, Guarantee guarantee);

// The rows put onto the player's numbers: point i becomes the i-th smallest of them.
std::vector<NumberSet> onNumbers(const std::vector<std::uint64_t>& rows, NumberSet numbers);

} // namespace WheelCatalogue

} // namespace numora
