// The link page in a real browser: headless Chromium opens tipp.htm, whose script goes on to the
// broker address on the stand-in, which records what arrived.
#include "output/OnlineSubmission.h"

#include "base/WebClient.h"
#include "model/TTippSchein.h"

#include "support/ServicesProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

namespace numora {
namespace {

class SubmissionBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        csv = dir.filePath(QStringLiteral("draws.csv"));
        ASSERT_TRUE(test::writeBytes(csv, "date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n"));
        const int numbers[2][6] = { { 3, 11, 17, 23, 40, 49 }, { 1, 2, 5, 8, 13, 47 } };
        for (int r = 0; r < 2; ++r)
            for (int p = 0; p < 6; ++p)
                sheet.setField(r, p, QString::number(numbers[r][p]));
        request.sheet = &sheet;
        request.tipCount = 2;
        request.linkPage = true;
        request.programDir = dir.path() + QLatin1Char('/');
        request.options.saturday = true;
        request.options.spiel77 = true;
        request.options.ticketNumber = QStringLiteral("1234567");
    }

    // Opens `page` in headless Chromium until its navigation settles; the final page's DOM.
    QByteArray browse(const QString& page)
    {
        QProcess chromium;
        chromium.start(QStringLiteral("chromium"),
            { QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
                QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                QStringLiteral("--disable-sync"), QStringLiteral("--user-data-dir=") + profile.path(),
                QStringLiteral("--virtual-time-budget=10000"), QStringLiteral("--dump-dom"),
                QUrl::fromLocalFile(page).toString() });
        EXPECT_TRUE(chromium.waitForFinished(120'000));
        return chromium.readAllStandardOutput();
    }

    // The query of the broker request the stand-in recorded under `path`, key by key.
    static QList<QPair<QString, QString>> brokerQuery(const test::ServicesProcess& server, const QString& path)
    {
        WebClient client;
        const QString requests = QString::fromUtf8(client.get(server.baseUrl() + QStringLiteral("/numora-services/requests")).body);
        for (const QString& line : requests.split(QLatin1Char('\n'))) {
            if (line.startsWith(path + QLatin1Char('?')))
                return QUrlQuery(line.mid(path.size() + 1)).queryItems(QUrl::FullyDecoded);
        }
        ADD_FAILURE() << "no request for " << path << " in " << requests;
        return {};
    }

    static QList<QPair<QString, QString>> rowItems(const char* pattern)
    {
        QList<QPair<QString, QString>> items;
        const char* values[2][6] = { { "3", "11", "17", "23", "40", "49" }, { "1", "2", "5", "8", "13", "47" } };
        for (int r = 1; r <= 2; ++r)
            for (int k = 1; k <= 6; ++k)
                items.append({ QString::fromLatin1(pattern).arg(r).arg(k), QString::fromLatin1(values[r - 1][k - 1]) });
        return items;
    }

    QTemporaryDir dir;
    QTemporaryDir profile; // a fresh browser profile per test
    QString csv;
    TTippSchein sheet;
    OnlineSubmission::Request request;
};

TEST_F(SubmissionBrowserTest, LinkPageTakesTheBrowserToTheOrderAddress)
{
    test::ServicesProcess server({ QStringLiteral("--draws"), csv });
    ASSERT_TRUE(server.isRunning());
    request.hosts.services = request.hosts.broker = server.baseUrl();
    WebClient client;
    const auto answer = OnlineSubmission::askService(client, request.hosts, QString(), QString(), request.tipCount);
    ASSERT_TRUE(answer.ok());
    const auto plan = OnlineSubmission::plan(request, *answer);
    ASSERT_TRUE(plan.ok());
    ASSERT_EQ(plan->action, OnlineSubmission::Plan::Action::OpenLinkPage);

    const QByteArray dom = browse(plan->target);
    EXPECT_TRUE(dom.contains("Tippabgabe (Testseite)")) << dom.left(2000).toStdString();
    auto expected = rowItems("Tippreihe%1_Zahl%2");
    expected << qMakePair(QStringLiteral("Spiel77"), QStringLiteral("tipp24on"))
             << qMakePair(QStringLiteral("Super6"), QStringLiteral("tipp24off"))
             << qMakePair(QStringLiteral("gluecksspirale"), QStringLiteral("tipp24off"))
             << qMakePair(QStringLiteral("Losnummer"), QStringLiteral("1234567"))
             << qMakePair(QStringLiteral("Abo"), QStringLiteral("tipp24off"))
             << qMakePair(QStringLiteral("Teilnahme"), QStringLiteral("samstag"))
             << qMakePair(QStringLiteral("laufzeitBezeichnung"), QStringLiteral("Laufzeit"))
             << qMakePair(QStringLiteral("Laufzeit"), QStringLiteral("1"))
             << qMakePair(QStringLiteral("command"), QStringLiteral("abgeben"))
             << qMakePair(QStringLiteral("ref"), OnlineSubmission::partnerReference());
    EXPECT_EQ(brokerQuery(server, QStringLiteral("/broker/abgabe.asp")), expected);
}

TEST_F(SubmissionBrowserTest, ExtraGoesToTheExtraLottoPage)
{
    test::ServicesProcess server({ QStringLiteral("--draws"), csv });
    ASSERT_TRUE(server.isRunning());
    request.hosts.services = request.hosts.broker = server.baseUrl();
    request.options.extra = true;
    const auto plan = OnlineSubmission::plan(request, { OnlineSubmission::ServiceAnswer::Kind::Address, "unused", {} });
    ASSERT_TRUE(plan.ok());
    browse(plan->target);
    auto expected = rowItems("el%1_%2");
    expected << qMakePair(QStringLiteral("ticketnumber"), QStringLiteral("1234567"))
             << qMakePair(QStringLiteral("drawingid"), QStringLiteral("EXTRALOTTO-VP-1"))
             << qMakePair(QStringLiteral("command"), QStringLiteral("abgeben"))
             << qMakePair(QStringLiteral("ref"), OnlineSubmission::partnerReference());
    EXPECT_EQ(brokerQuery(server, QStringLiteral("/app/extralotto/html/index.html")), expected);
}

TEST_F(SubmissionBrowserTest, NoticeOfTheServiceIsShownAsItCame)
{
    test::ServicesProcess server({ QStringLiteral("--draws"), csv, QStringLiteral("--broker-error") });
    ASSERT_TRUE(server.isRunning());
    request.hosts.services = server.baseUrl();
    WebClient client;
    const auto answer = OnlineSubmission::askService(client, request.hosts, QString(), QString(), request.tipCount);
    ASSERT_TRUE(answer.ok());
    const auto plan = OnlineSubmission::plan(request, *answer);
    ASSERT_TRUE(plan.ok());
    ASSERT_EQ(plan->action, OnlineSubmission::Plan::Action::OpenNotice);
    const QByteArray dom = browse(plan->target);
    EXPECT_TRUE(dom.contains("<h1>Mitteilung</h1>")) << dom.left(2000).toStdString();
    EXPECT_TRUE(dom.contains("Die Tippabgabe ist zurzeit nicht m\xC3\xB6glich")) << dom.left(2000).toStdString();
    EXPECT_FALSE(QFile::exists(request.programDir + QStringLiteral("tipp.htm")));
}

} // namespace
} // namespace numora
