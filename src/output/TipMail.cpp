#include "output/TipMail.h"

#include "base/WebHosts.h"
#include "model/TTippSchein.h"

#include <QStringList>

namespace numora::TipMail {

QString subject(const QDate& today)
{
    return QStringLiteral("Veldor Numora Tipp vom ") + today.toString(QStringLiteral("dd.MM.yyyy"));
}

QString evaluationLink(const TTippSchein& sheet, const QString& servicesBase)
{
    QStringList groups;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        QStringList keys;
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
            keys << QStringLiteral("Z%1_%2=").arg(r + 1).arg(p + 1) + sheet.field(r, p);
        groups << keys.join(QLatin1Char('&'));
    }
    return WebHosts::join(servicesBase, QStringLiteral("/auswerten.asp?Programm=Orbix&") + groups.join(QLatin1Char('&')));
}

QString body(const TTippSchein& sheet, const QString& servicesBase)
{
    QStringList lines;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        if (sheet.field(r, 0).isEmpty())
            continue;
        lines << sheet.rowText(r);
    }
    lines << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral("Web-Link für Online Auswertung:")
          << evaluationLink(sheet, servicesBase);
    return lines.join(QLatin1Char('\n'));
}

} // namespace numora::TipMail
