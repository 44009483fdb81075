#pragma once

#include "base/Expected.h"
#include "wheel/NumberSet.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace numora {

// "t wenn p": whenever p of the six drawn numbers are among the player's numbers, at least one
// row has t or more hits.
struct Guarantee {
    int hits = 3; // t
    int of = 3;   // p

    bool operator==(const Guarantee&) const = default;
    // 3 <= t <= p <= 6 and p no more than the numbers played.
    bool validFor(int numberCount) const { return 3 <= hits && hits <= of && of <= 6 && of <= numberCount; }
    // "T:P", the form of the command line.
    static Expected<Guarantee> parse(const QString& text);

    // The nine the window offers, weakest first.
    static const std::array<Guarantee, 9>& offered();
};

// A wheel: six-number rows over the player's numbers (7..90 of them) and the guarantee they are
// meant to give. Key numbers stand in every row; the guarantee then speaks of the draws that hold
// every key: whenever p of the drawn numbers are among the player's, the keys with them, some row
// has t or more hits, the keys counted.
struct Wheel {
    NumberSet numbers = 0;
    Guarantee guarantee;
    std::vector<NumberSet> rows;
    NumberSet keys = 0;

    static constexpr int MinNumbers = 7;

    // Every row holds six of the numbers and every key.
    bool rowsWithinNumbers() const;

    // One line a row: the six numbers ascending, joined by ",".
    QByteArray format() const;

    // The rows of a wheel file: one row a line, numbers separated by ",", blanks or ";"; "#"
    // starts a comment; empty lines are skipped, and so is the count line "rows<TAB>N" that ends
    // the output of `wheel build` when N is the number of rows above it. A row with a number outside `numbers`, a
    // number twice, or other than six numbers is an error naming its line.
    static Expected<std::vector<NumberSet>> parseRows(const QByteArray& text, NumberSet numbers);
    static Expected<std::vector<NumberSet>> readRows(const QString& path, NumberSet numbers);

    // The wheel file the window saves: the comment lines "# numbers: LIST",
    // "# guarantee: T:P" and, with key numbers, "# keys: LIST", then the rows; `wheel check`
    // reads it as it stands.
    QByteArray fileText() const;
    // Through a temporary file beside `path`: a failed save keeps the old file.
    Status save(const QString& path) const;
    // A wheel file. What its comment lines do not say comes from `numbers` (when they are seven
    // or more, else the numbers the rows hold) and `guarantee`.
    static Expected<Wheel> load(const QString& path, NumberSet numbers, Guarantee guarantee);
};

} // namespace numora
