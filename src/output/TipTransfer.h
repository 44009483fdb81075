#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QString>

namespace numora {

class TTippSchein;

// The tip-transfer file of the click-runner route: the filled rows for the next draw, read by
// Clickrunner's scripts.
namespace TipTransfer {

// programDir + "Tipps/" + the next draw's date as "yyyymmdd" + ".ntp".
QString path(const QString& programDir, double chosenDate, double today);
// One line per row whose first field is filled, the six fields joined by ","; CR LF; no ticket
// number line.
QByteArray format(const TTippSchein& sheet);
// Writes the file (the "Tipps" folder made when missing) and returns its path.
Expected<QString> write(const QString& programDir, double chosenDate, double today, const TTippSchein& sheet);

} // namespace TipTransfer
} // namespace numora
