#pragma once

#include "base/Expected.h"
#include "base/FileSystem.h"

#include <QByteArray>
#include <QString>

namespace numora {

class TTippSchein;

// Tip files (".ntp"): the twelve rows of the sheet, one line each with the six field texts joined
// by ",", then the ticket number; CR LF line ends.
namespace TipFile {

QString filter();    // "Tippdatei (*.ntp)"
QString extension(); // "ntp"

// The date of the next draw after the chosen date: Sunday and Wednesday + 3 days, Saturday
// + 4 days, any other weekday today.
double nextDrawDate(double chosenDate, double today);
// The next draw's date as "yyyymmdd.ntp".
QString defaultName(double chosenDate, double today);

QByteArray format(const TTippSchein& sheet);
// Writes through a temporary file beside `path`, so a failed save keeps the old file.
Status save(const QString& path, const TTippSchein& sheet, FileSystem& fileSystem = FileSystem::real());

// The reader: empties the unlocked rows, then every line fills its row (locked or not) and a
// thirteenth line the ticket number. A missing comma leaves a field empty, a ":" ends the sixth
// field, lines after the thirteenth are ignored, and each field passes the field rule.
void read(const QByteArray& bytes, TTippSchein& sheet);

} // namespace TipFile

// Thirteen short lines; a file past this is no tip file and is refused unread.
inline constexpr qint64 MaxTipFileBytes = 1024 * 1024;

// Loads a tip file onto the sheet (see TipFile::read). A file that cannot be read leaves the
// sheet untouched.
Status Textladen(const QString& path, TTippSchein& sheet);

} // namespace numora
