#pragma once

#include "base/Expected.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace numora {

// Rounds to the nearest integer, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4).
// NaN gives 0; values beyond the 64-bit range saturate.
std::int64_t roundHalfEven(double value);

// Reads an integer the way the program's number fields are read: optional blanks, an optional
// sign and decimal digits, nothing else; a value outside 32 bits is no integer.
std::optional<std::int32_t> parseInteger(const QString& text);
// The error of a field that does not read as an integer, in the current language.
Error notAnInteger(const QString& text);

// Number formatting fixed for the whole program, whatever the machine's locale:
// decimal separator ",", thousands separator ".".
QString formatDecimal(double value, int decimals);
std::optional<double> parseDecimal(const QString& text);

// Numbers inside the texts of the interface language (tx), written as that language writes them:
// the language's locale, set by the front end with its language; German, as formatDecimal, until
// one is set.
void setTextLocale(const QLocale& locale);
const QLocale& textLocale();
QString formatTextDecimal(double value, int decimals);

} // namespace numora
