// The submission service's answer: only a web address becomes the base of the broker address,
// and the link page built from it keeps the address inside its script string and attribute.
#include "FuzzCheck.h"

#include "model/TTippSchein.h"
#include "output/OnlineSubmission.h"

#include <QStringList>
#include <QUrl>

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto base = OnlineSubmission::addressBase(fuzz::bytes(data, size));
    if (!base)
        return 0;
    const QString scheme = QUrl(*base).scheme().toLower();
    FUZZ_CHECK(scheme == QLatin1String("http") || scheme == QLatin1String("https"));

    TTippSchein sheet;
    sheet.setField(0, 0, QStringLiteral("3"));
    SubmitOptions options;
    options.ticketNumber = QStringLiteral("7654321");
    const QString address = OnlineSubmission::brokerAddress(*base, sheet, 2, options);
    FUZZ_CHECK(address.startsWith(*base));

    const QByteArray page = OnlineSubmission::redirectPage(address, QStringLiteral("broker.example"));
    const QStringList lines = QString::fromUtf8(page).split(QStringLiteral("\r\n"));
    FUZZ_CHECK(lines.size() == 13 && lines.last().isEmpty());
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    const QString& script = lines[5];
    FUZZ_CHECK(script.startsWith(QStringLiteral("window.location.href=\"")) && script.endsWith(QStringLiteral("\";}")));
    FUZZ_CHECK(script.count(QLatin1Char('"')) == 2 && !script.contains(QLatin1Char('<')));
    const QString& link = lines[9];
    FUZZ_CHECK(link.count(QLatin1Char('"')) == 2 && link.count(QLatin1Char('<')) == 2);
    return 0;
}
