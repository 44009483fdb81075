#pragma once

#include "base/Expected.h"

#include <QString>
#include <QStringList>

namespace numora {

class Meldungen;
class TTippSchein;
struct ProgramState;

// "Tipp": the filled rows of the sheet as a small text report, "Tipp.txt" in the program
// directory, headed with the date of the next draw.
namespace TipReport {

QString fileName(); // "Tipp.txt"

// The next draw after the current one: with both weekday boxes ticked the next Saturday or
// Wednesday (+3 from a Wednesday, +4 otherwise); with one box only a week later.
double reportDate(double drawDate, bool saturdayDraws, bool wednesdayDraws);

// Title, 46 tildes, an empty line, then " 3. Tipp:  5   12   23   34   41   49" for each row
// whose first field is filled. A filled row with an empty field is a conversion error.
Expected<QStringList> lines(const TTippSchein& sheet, double reportDate, const Meldungen& meldungen);

// Writes the report of the state's sheet and current draw (CR LF) and returns its path;
// on an error nothing is written.
Expected<QString> write(const ProgramState& state);

} // namespace TipReport
} // namespace numora
