#pragma once

#include "model/TZiehung.h"

#include <array>
#include <cstdint>

namespace numora {

// The draw on display: its date, the six numbers (positions 0..5), the Zusatzzahl (6) and
// the Superzahl (7), and its 0-based position in the draw file.
struct CurrentDraw {
    double date = 0.0;
    std::array<std::int32_t, 8> numbers{};
    std::int32_t position = 0;

    void take(const TZiehung& record)
    {
        date = record.Datum;
        for (int i = 0; i < 6; ++i)
            numbers[i] = record.Zahlen[i];
        numbers[6] = record.Zusatzzahl;
        numbers[7] = record.Superzahl;
    }
};

// A draw as the draw labels show it: the record made current last, and whether its date is
// followed by the wide separator (the first draw found on the way to a date, or one just written).
// The window formats it; nothing is shown before the first draw was made current.
struct DrawDisplay {
    bool shown = false;
    TZiehung record;
    bool wideSeparator = false;
};

} // namespace numora
