#pragma once

#include "base/Expected.h"
#include "wheel/Wheel.h"

#include <QStringList>

namespace numora {

class TTippSchein;

// A wheel's rows on the tip sheet and in tip files, twelve at a time.
namespace WheelTips {

// Puts the wheel's rows from `from` on into the unlocked rows of the sheet, in order; unlocked
// rows left over when the wheel ends are emptied. Returns where the next call goes on: 0 after
// the last row, so that the clicks go round.
std::size_t putOnSheet(const Wheel& wheel, std::size_t from, TTippSchein& sheet);

// The wheel file at `path`, and every twelve rows as a tip file beside it: "name_1.ntp",
// "name_2.ntp", … for "name.EXT". Returns the tip files written.
Expected<QStringList> save(const QString& path, const Wheel& wheel);

} // namespace WheelTips

} // namespace numora
