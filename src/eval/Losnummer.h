#pragma once

#include "base/Expected.h"

#include <QString>

#include <array>
#include <optional>

namespace numora {

class DrawFile;
class Random;
struct TZiehung;

// The seven-digit ticket number (Losnummer): all seven digits play Spiel 77, the last six play
// Super 6, the last one is the Superzahl. Checking tells whether it was ever drawn; generating
// draws numbers until one was never drawn at the chosen strictness.
namespace Losnummer {

using Digits = std::array<int, 7>;

// Strictness levels of "Super6 und Spiel77 Option": 0 random only, 1 the whole number never drawn,
// 2 the last six digits, 3 the last five (the preset), 4 the last four.
constexpr int PresetLevel = 3;
// Re-draws at one level before the level is lowered.
constexpr int RedrawsPerLevel = 1000;

// "1234567" -> digits; nothing for a text that is not seven decimal digits.
std::optional<Digits> parse(const QString& text);
QString format(const Digits& digits);

// Whether `ticket` matches the draw's Spiel 77 or Super 6 digits under the rule of `level`
// (levels of 4 and below 1 share the loosest rule). `super6` tells which part matched.
bool matches(const Digits& ticket, const TZiehung& draw, int level, bool* super6 = nullptr);

struct CheckResult {
    bool drawn = false;
    bool super6 = false; // the Super 6 part matched (it wins when both do)
    double date = 0.0;
};

// The first draw in file order whose winning numbers the whole ticket number matches.
Expected<CheckResult> check(const DrawFile& file, const Digits& ticket);
// The check's message box text.
QString checkMessage(const CheckResult& result);

struct Generated {
    Digits digits{};
    int level = 0;     // the level the number passed at (after lowering)
    bool passed = true; // false: even the loosest rule found no free number (see generate)
};

// Digits 1..6 from `random` (Random(10) each, in order), digit 7 = `lastDigit`; from level 1 up,
// re-drawn until no stored draw matches, lowering the level by one after RedrawsPerLevel re-draws.
// Level 0 is the last one (it checks with the loosest rule, which can be unsatisfiable when every
// ending has been drawn): after its RedrawsPerLevel re-draws the last number stands with `passed`
// false.
Expected<Generated> generate(const DrawFile& file, Random& random, int level, int lastDigit);

} // namespace Losnummer
} // namespace numora
