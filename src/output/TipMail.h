#pragma once

#include <QDate>
#include <QString>

namespace numora {

class TTippSchein;

// The e-mail button's message: the filled rows and a link that evaluates the whole sheet online.
namespace TipMail {

// "Veldor Numora Tipp vom dd.mm.yyyy".
QString subject(const QDate& today);
// `servicesBase` + "/auswerten.asp?Programm=Orbix&Z1_1=..&Z12_6=..": all twelve rows, empty ones
// with empty values, nothing after the last value.
QString evaluationLink(const TTippSchein& sheet, const QString& servicesBase);
// One line per row with a first field ("3,11,17,23,40,49"), two lines of one blank, the link's
// heading and the link; lines joined by "\n".
QString body(const TTippSchein& sheet, const QString& servicesBase);

} // namespace TipMail
} // namespace numora
