#pragma once

#include "base/Expected.h"
#include "base/WebHosts.h"
#include "output/SubmitOptions.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace numora {

class TTippSchein;
class WebClient;

// Handing the sheet to the Tipp24 broker: the submission service names the broker's order
// address, the rows and options are appended as a query, and the browser opens it (directly or
// through the link page "tipp.htm").
namespace OnlineSubmission {

inline constexpr qsizetype MaxAddressLength = 2048;

// The partner reference that ends every order address.
QString partnerReference();
// The broker's Extra-Lotto page: `brokerBase` + "/app/extralotto/html/index.html?".
QString extraBase(const QString& brokerBase);

// `base` + rows 1..tipCount + options + "&command=abgeben&ref=" + partner reference.
QString brokerAddress(const QString& base, const TTippSchein& sheet, int tipCount, const SubmitOptions& options);

// The link page: a script that goes to `address` when loaded, and a link to it for a browser
// without scripts.
QByteArray redirectPage(const QString& address, const QString& brokerName);
QString redirectPageName(); // "tipp.htm"
QString noticePageName();   // "Meldung.htm"

// "Abgabe-Service steht momentan nicht zur Verfügung. ... auf " + makerAddress + " neue Updates gibt."
QString unavailableMessage(const QString& makerAddress);
// "Tipp24 nicht geöffnet? => Linkseite aktivieren!"
QString notOpenedHint();

// What asking the submission service brought.
struct ServiceAnswer {
    enum class Kind {
        Address,     // `text` is the base of the broker address
        Notice,      // the service sent a notice page; `text` is its content
        Unavailable, // no answer or an error without a notice
    };
    Kind kind = Kind::Unavailable;
    QByteArray text;
    QString error; // why unavailable, for the curious; the user sees unavailableMessage()
};

// GET services + "/lotto/lotto.asp?Spiel=Lotto&Wo=Tipp24&Tipps=" + tipCount through the proxy
// (an empty host is none). A proxy port that is no number is an error, and nothing is sent.
Expected<ServiceAnswer> askService(WebClient& client, const WebHosts& hosts, const QString& proxyHost,
                                   const QString& proxyPort, int tipCount);

// The base of the broker address the service answered, or nothing when the answer names no web
// address (http or https): the browser opens what the service names, never a file or a script.
std::optional<QString> addressBase(const QByteArray& answerText);

// Where the submission goes after the service answered.
struct Plan {
    enum class Action {
        OpenAddress,  // open `target` (the broker address) in the browser
        OpenLinkPage, // `target` is the written tipp.htm
        OpenNotice,   // `target` is the written Meldung.htm
        ShowMessage,  // show `message`; nothing is opened
    };
    Action action = Action::ShowMessage;
    QString target;
    QString message;
};

struct Request {
    const TTippSchein* sheet = nullptr;
    int tipCount = 1;
    SubmitOptions options;
    WebHosts hosts;
    bool linkPage = false;   // "Linkseite aktivieren"
    QString programDir;      // with a trailing "/": tipp.htm and Meldung.htm go there
    QString makerAddress;    // named in the unavailable message
};

// The Tipp24 route from the service's answer on: builds the address, writes tipp.htm or
// Meldung.htm when needed and says what the window opens or shows. An address past
// MaxAddressLength is refused with a message. File errors are errors.
Expected<Plan> plan(const Request& request, const ServiceAnswer& answer);

} // namespace OnlineSubmission
} // namespace numora
