#pragma once

#include "base/Expected.h"
#include "model/Game.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

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
Expected<std::vector<TZiehung>> parse(const QByteArray& text, int maxNumber = Game::DefaultNumbers);

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

// The fields beyond the six numbers a results site's file may give.
enum class Extra { Zusatzzahl, Superzahl, Spiel77, Super6, Count };

// The header names the merge's reader knows, compared in lower case without spaces, dots,
// underscores and dashes, Turkish letters folded ("Sayı 1" is "sayi1"). A number column is
// an alias followed by 1..6. An extra column's value is read into the record where it fits
// (Zusatzzahl 1..49, 0 meaning none; Superzahl 0..9; Spiel 77 seven digits, Super 6 six) and
// is counted in the notes otherwise.
struct ColumnNames {
    enum Kind { Date, Numbers, ExtraField } kind;
    Extra extra; // for ExtraField
    const char* aliases[8]; // ends at the first nullptr
};
std::span<const ColumnNames> columnNames();

// A file read by the merge's reader: its draws, and what the reader did beside them (columns
// ignored, columns taken by position, extra values that did not fit), one sentence each.
struct Table {
    std::vector<Line> lines;
    QStringList notes;
    bool byPosition = false;
};

// The forms results sites offer: columns found by their header names in any order (extra columns
// ignored and named in the notes), or by position (date, then six numbers) when the header names
// none the reader knows or the file has no header; fields separated by ",", ";" or a tab; dates as
// YYYY-MM-DD, DD.MM.YYYY or DD/MM/YYYY; lines in any order. The date and the numbers are checked
// as `parse` checks them; the first malformed line is named with its number.
Expected<Table> parseTable(const QByteArray& text, int maxNumber = Game::DefaultNumbers);
// The draws of `parseTable`.
Expected<std::vector<Line>> parseLines(const QByteArray& text, int maxNumber = Game::DefaultNumbers);
// All eleven columns, "\n" line ends; Spiel 77 as seven digits, Super 6 as six digits.
QByteArray format(std::span<const TZiehung> records);

// A CSV history of a century is under a megabyte; a file past this is refused unread.
inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// The draws of a CSV file; the error names the file (and the line, for a malformed one).
Expected<std::vector<TZiehung>> readFile(const QString& path, int maxNumber = Game::DefaultNumbers);
// The same for `parseTable`.
Expected<Table> readTableFile(const QString& path, int maxNumber = Game::DefaultNumbers);
// What an import did: "1267 draws replaced by 2", and where the replaced history was kept; with
// no draws before, how many it imported.
QString importSummary(std::size_t replaced, std::size_t imported, const QString& backupPath);

// `format` written to `path` through a temporary file, so a failed write leaves the old file.
Status writeFile(const QString& path, std::span<const TZiehung> records);

} // namespace DrawCsv
} // namespace numora
