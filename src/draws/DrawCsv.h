#pragma once

#include "base/Expected.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>

#include <span>
#include <vector>

namespace numora {

// Draw history as CSV: header "date,n1,n2,n3,n4,n5,n6[,zusatzzahl,superzahl,spiel77,super6]",
// dates as YYYY-MM-DD, empty optional fields read as 0.
namespace DrawCsv {

QString shortHeader();
QString fullHeader();

// Every draw of the text in file order; the first malformed line is named with its number.
// Numbers (and the Zusatzzahl) lie in 1..maxNumber, the game's N.
Expected<std::vector<TZiehung>> parse(const QByteArray& text, int maxNumber = 49);

// A draw of a CSV file read for a merge, with what the file gives beyond the six numbers: an
// empty optional field says nothing about the draw, so the merge does not compare it.
struct Line {
    TZiehung draw;
    int number = 0; // line number in the file, 1 = header
    bool hasZusatzzahl = false;
    bool hasSuperzahl = false;
    bool hasSpiel77 = false;
    bool hasSuper6 = false;
};

// The forms results sites offer as well: the header and fields separated by ";" instead of ",",
// dates as DD.MM.YYYY as well as YYYY-MM-DD, lines in any order. Numbers and fields are checked
// as `parse` checks them; the first malformed line is named with its number.
Expected<std::vector<Line>> parseLines(const QByteArray& text, int maxNumber = 49);
// All eleven columns, "\n" line ends; Spiel 77 as seven digits, Super 6 as six digits.
QByteArray format(std::span<const TZiehung> records);

// A CSV history of a century is under a megabyte; a file past this is refused unread.
inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// The draws of a CSV file; the error names the file (and the line, for a malformed one).
Expected<std::vector<TZiehung>> readFile(const QString& path, int maxNumber = 49);
// The same for `parseLines`.
Expected<std::vector<Line>> readLinesFile(const QString& path, int maxNumber = 49);
// `format` written to `path` through a temporary file, so a failed write leaves the old file.
Status writeFile(const QString& path, std::span<const TZiehung> records);

} // namespace DrawCsv
} // namespace numora
