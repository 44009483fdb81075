#pragma once

#include <QString>

namespace numora {

// Base addresses ("http://host[:port]") of the three hosts the program talks to. A request
// address is a base joined with a path and query, e.g.
//   WebHosts::join(hosts.services, "/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240106").
//
// The defaults point at numora-services on its usual port (README, "Services stand-in"), so a
// fresh installation contacts nothing outside this machine until the user enters an address.
struct WebHosts {
    // The maker's services: draw update and upload (/zahlen/...), order address (/lotto/lotto.asp),
    // evaluation page (/auswerten.asp) and click-script templates (/scripts/...). The window shows
    // it in the field "Dienst-Adresse:" of "Internet-Optionen".
    QString services = QStringLiteral("http://127.0.0.1:8080");
    // The results site the rebuild reads page by page (/layer.php?content=statistik/gwz_lotto.php&nr=N).
    QString results = QStringLiteral("http://127.0.0.1:8080");
    // The broker: its Extra-Lotto page (/app/extralotto/html/index.html) and its name in tipp.htm.
    QString broker = QStringLiteral("http://127.0.0.1:8080");

    // base + pathAndQuery with exactly one "/" between them, whatever either side brings.
    static QString join(const QString& base, const QString& pathAndQuery)
    {
        QString left = base;
        while (left.endsWith(QLatin1Char('/')))
            left.chop(1);
        if (pathAndQuery.isEmpty())
            return left;
        return pathAndQuery.startsWith(QLatin1Char('/')) ? left + pathAndQuery : left + QLatin1Char('/') + pathAndQuery;
    }
};

} // namespace numora
