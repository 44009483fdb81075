#include "output/OnlineSubmission.h"

#include "base/FileSystem.h"
#include "base/TextCatalog.h"
#include "base/TextDecoding.h"
#include "base/WebClient.h"
#include "model/TTippSchein.h"

#include <QStringList>

#include <algorithm>
#include <QUrl>

namespace numora::OnlineSubmission {

QString partnerReference() { return QStringLiteral("200711"); }

QString extraBase(const QString& brokerBase)
{
    return WebHosts::join(brokerBase, QStringLiteral("/app/extralotto/html/index.html?"));
}

QString brokerAddress(const QString& base, const TTippSchein& sheet, int tipCount, const SubmitOptions& o)
{
    QString address = base;
    const int rows = std::clamp(tipCount, TTippSchein::MinTipCount, TTippSchein::MaxTipCount);
    bool first = true;
    for (int r = 1; r <= rows; ++r) {
        for (int k = 1; k <= TTippSchein::FieldsPerRow; ++k) {
            if (!first)
                address += QLatin1Char('&');
            first = false;
            address += (o.extra ? QStringLiteral("el%1_%2=") : QStringLiteral("Tippreihe%1_Zahl%2=")).arg(r).arg(k)
                + sheet.field(r - 1, k - 1);
        }
    }
    const auto onOff = [](bool on) { return on ? QStringLiteral("tipp24on") : QStringLiteral("tipp24off"); };
    if (o.extra) {
        address += QStringLiteral("&ticketnumber=") + o.ticketNumber + QStringLiteral("&drawingid=EXTRALOTTO-VP-1");
    } else {
        address += QStringLiteral("&Spiel77=") + onOff(o.spiel77) + QStringLiteral("&Super6=") + onOff(o.super6)
            + QStringLiteral("&gluecksspirale=tipp24off&Losnummer=") + o.ticketNumber + QStringLiteral("&Abo=tipp24off");
        if (o.saturday && o.wednesday)
            address += QStringLiteral("&Teilnahme=kombi");
        else if (o.saturday)
            address += QStringLiteral("&Teilnahme=samstag");
        else if (o.wednesday)
            address += QStringLiteral("&Teilnahme=mittwoch");
        address += QStringLiteral("&laufzeitBezeichnung=Laufzeit&Laufzeit=1");
    }
    return address + QStringLiteral("&command=abgeben&ref=") + partnerReference();
}

QByteArray redirectPage(const QString& address, const QString& brokerName)
{
    // The address goes into a script string and an attribute: nothing in it may end either.
    QString safe = address;
    safe.replace(QLatin1Char('\\'), QStringLiteral("%5C")).replace(QLatin1Char('"'), QStringLiteral("%22"))
        .replace(QLatin1Char('<'), QStringLiteral("%3C")).replace(QLatin1Char('>'), QStringLiteral("%3E"))
        .replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QString());
    const QStringList lines {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<title>Numora Online-Abgabe über ") + brokerName.toHtmlEscaped() + QStringLiteral("</Title>"),
        QStringLiteral("<script language=\"JavaScript\">"),
        QStringLiteral("function aufruf() {"),
        QStringLiteral("window.location.href=\"") + safe + QStringLiteral("\";}"),
        QStringLiteral("</script>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body onload=aufruf()>"),
        QStringLiteral("<a href=\"") + QString(safe).replace(QLatin1Char('&'), QStringLiteral("&amp;"))
            + QStringLiteral("\">Tipp an Tipp24 übergeben. Sie können den Tipp anschließend kontrollieren und sich erst "
                             "dann anmelden.</a>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString redirectPageName() { return QStringLiteral("tipp.htm"); }
QString noticePageName() { return QStringLiteral("Meldung.htm"); }

QString unavailableMessage(const QString& makerAddress)
{
    return tx(QStringLiteral("Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit dem Internet "
                             "verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf %1 neue Updates gibt."))
        .arg(makerAddress);
}

QString notOpenedHint() { return tx(QStringLiteral("Tipp24 nicht geöffnet? => Linkseite aktivieren!")); }

Expected<ServiceAnswer> askService(WebClient& client, const WebHosts& hosts, const QString& proxyHost,
                                   const QString& proxyPort, int tipCount)
{
    if (auto proxy = client.setProxy(proxyHost, proxyPort); !proxy)
        return proxy.error();
    client.setFollowRedirects(true);
    const WebResponse response = client.get(
        WebHosts::join(hosts.services, QStringLiteral("/lotto/lotto.asp?Spiel=Lotto&Wo=Tipp24&Tipps=%1").arg(tipCount)));
    ServiceAnswer answer;
    if (response.answered() && response.status < 400) {
        answer.kind = ServiceAnswer::Kind::Address;
        answer.text = response.body;
        return answer;
    }
    if (response.body.contains("Mitteilung")) {
        answer.kind = ServiceAnswer::Kind::Notice;
        answer.text = response.body;
        return answer;
    }
    answer.error = response.answered() ? QStringLiteral("HTTP %1 %2").arg(response.status).arg(response.statusText)
                                       : response.error;
    return answer;
}

namespace {

std::optional<QString> webAddress(const QString& address)
{
    const QString scheme = QUrl(address).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    return address;
}

} // namespace

std::optional<QString> addressBase(const QByteArray& answerText)
{
    // The answer is the base as it stands; only a line end after it is not part of it.
    return webAddress(decodeServiceText(answerText).trimmed());
}

Expected<Plan> plan(const Request& request, const ServiceAnswer& answer)
{
    Plan plan;
    switch (answer.kind) {
    case ServiceAnswer::Kind::Unavailable:
        plan.message = unavailableMessage(request.makerAddress);
        return plan;
    case ServiceAnswer::Kind::Notice: {
        const QString path = request.programDir + noticePageName();
        if (auto written = FileSystem::real().replaceFile(path, path + QLatin1Char('~'), answer.text); !written)
            return written.error();
        plan.action = Plan::Action::OpenNotice;
        plan.target = path;
        return plan;
    }
    case ServiceAnswer::Kind::Address:
        break;
    }
    const std::optional<QString> base = request.options.extra ? webAddress(extraBase(request.hosts.broker))
                                                              : addressBase(answer.text);
    if (!base) {
        plan.message = unavailableMessage(request.makerAddress);
        return plan;
    }
    const QString address = brokerAddress(*base, *request.sheet, request.tipCount, request.options);
    if (address.size() > MaxAddressLength) {
        plan.message = tx(QStringLiteral("Die Adresse für die Tippabgabe ist länger als %1 Zeichen; der Tipp wurde "
                                         "nicht übergeben."))
                           .arg(MaxAddressLength);
        return plan;
    }
    if (request.linkPage) {
        const QString path = request.programDir + redirectPageName();
        const QString brokerName = QUrl(request.hosts.broker).host();
        if (auto written = FileSystem::real().replaceFile(path, path + QLatin1Char('~'),
                                                          redirectPage(address, brokerName.isEmpty() ? request.hosts.broker : brokerName));
            !written)
            return written.error();
        plan.action = Plan::Action::OpenLinkPage;
        plan.target = path;
        return plan;
    }
    plan.action = Plan::Action::OpenAddress;
    plan.target = address;
    return plan;
}

} // namespace numora::OnlineSubmission
