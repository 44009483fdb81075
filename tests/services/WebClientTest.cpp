// The program's HTTP client against numora-services on 127.0.0.1.

#include "base/WebClient.h"
#include "base/WebHosts.h"

#include "support/ServicesProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace numora {
namespace {

using Failure = WebResponse::Failure;

class WebClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString draws = m_dir.filePath(QStringLiteral("draws.csv"));
        ASSERT_TRUE(test::writeBytes(draws, "date,n1,n2,n3,n4,n5,n6\n2024-01-03,5,11,23,30,41,49\n"));
        m_server = std::make_unique<test::ServicesProcess>(
            QStringList { QStringLiteral("--draws"), draws, QStringLiteral("--garbage"), QStringLiteral("/gross") });
        ASSERT_TRUE(m_server->isRunning()) << m_server->errorOutput();
    }

    QString url(const QString& pathAndQuery) const { return WebHosts::join(m_server->baseUrl(), pathAndQuery); }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ServicesProcess> m_server;
};

const QString DayWithDraw = QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240103");
const QByteArray DrawLine = "1,5,11,23,30,41,49;0000000;000000;\r\n";

QStringList linesOf(const WebResponse& response)
{
    return QString::fromUtf8(response.body).split(QLatin1Char('\n'));
}

TEST_F(WebClientTest, SendsTheProgramsAcceptAndUserAgent)
{
    WebClient client;
    const QStringList headers = linesOf(client.get(url(QStringLiteral("/numora-services/headers"))));
    EXPECT_TRUE(headers.contains(QStringLiteral("Accept: text/html, */*"))) << headers.join(QLatin1Char('|'));
    EXPECT_TRUE(headers.contains(QStringLiteral("User-Agent: Mozilla/3.0 (compatible; Indy Library)")));
}

TEST_F(WebClientTest, StatusAndReasonPhraseOfEveryAnswer)
{
    WebClient client;
    struct Case {
        QString path;
        int status;
        const char* text;
    };
    const Case cases[] = {
        { DayWithDraw, 200, "OK" },
        { QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240104"), 500, "Internal Server Error" },
        { QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=kaputt"), 400, "Bad Request" },
        { QStringLiteral("/gibt/es/nicht.asp"), 404, "Not Found" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const WebResponse response = client.get(url(c.path));
        EXPECT_TRUE(response.answered()) << response.error;
        EXPECT_EQ(response.status, c.status);
        EXPECT_EQ(response.statusText, QLatin1String(c.text));
    }
}

TEST_F(WebClientTest, CookiesGoBackToTheServerButNotToAnotherClient)
{
    WebClient client;
    const WebResponse first = client.get(url(QStringLiteral("/numora-services/headers")));
    EXPECT_FALSE(first.body.contains("Cookie:"));
    EXPECT_TRUE(first.header("set-cookie").startsWith("NUMORASESSION=")) << first.header("set-cookie");
    const QByteArray session = first.header("set-cookie").split(';').first();

    EXPECT_EQ(client.get(url(DayWithDraw)).status, 200);
    const QStringList again = linesOf(client.get(url(QStringLiteral("/numora-services/headers"))));
    EXPECT_TRUE(again.contains(QStringLiteral("Cookie: ") + QString::fromLatin1(session)))
        << again.join(QLatin1Char('|'));

    WebClient other;
    EXPECT_FALSE(other.get(url(QStringLiteral("/numora-services/headers"))).body.contains(session));
}

TEST_F(WebClientTest, RedirectsAreFollowedUnlessSwitchedOff)
{
    const QString redirect = url(
        QStringLiteral("/numora-services/redirect?to=%2Fzahlen%2Flotto_neu.asp%3FProgramm%3DOrbix%26Datum%3D20240103"));
    WebClient following;
    const WebResponse followed = following.get(redirect);
    EXPECT_EQ(followed.status, 200);
    EXPECT_EQ(followed.body, DrawLine);
    EXPECT_TRUE(followed.header("Location").isEmpty()); // headers of the final answer only

    WebClient staying;
    staying.setFollowRedirects(false);
    const WebResponse held = staying.get(redirect);
    EXPECT_EQ(held.status, 302);
    EXPECT_EQ(held.header("Location"), QByteArray("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240103"));
}

TEST_F(WebClientTest, ProxyCarriesRequestsForOtherHostsAndEnvironmentProxiesAreIgnored)
{
    // A proxy in the environment that nobody answers must not matter: only setProxy counts.
    qputenv("http_proxy", "http://127.0.0.1:9");
    struct Unset {
        ~Unset() { qunsetenv("http_proxy"); }
    } unset;
    WebClient client;

    ASSERT_TRUE(client.setProxy(QStringLiteral("127.0.0.1"), QString::number(m_server->port())));
    const QString elsewhere
        = QStringLiteral("http://numora.invalid/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240103");
    WebResponse viaProxy = client.get(elsewhere);
    EXPECT_EQ(viaProxy.status, 200) << viaProxy.error;
    EXPECT_EQ(viaProxy.body, DrawLine);

    // A port that does not convert is refused and leaves the proxy as it was.
    EXPECT_FALSE(client.setProxy(QStringLiteral("127.0.0.1"), QStringLiteral("80a")));
    viaProxy = client.get(elsewhere);
    EXPECT_EQ(viaProxy.status, 200) << viaProxy.error;

    // An empty host means direct, whatever the port field holds.
    ASSERT_TRUE(client.setProxy(QString(), QStringLiteral("kein Port")));
    EXPECT_EQ(client.get(url(DayWithDraw)).status, 200);

    const QStringList log = linesOf(client.get(url(QStringLiteral("/numora-services/requests"))));
    EXPECT_EQ(log.count(elsewhere), 2);
    EXPECT_EQ(log.count(DayWithDraw), 1);
}

TEST(WebClientProxy, PortTextMustBeADecimalPortNumber)
{
    struct Case {
        const char* port;
        bool accepted;
    };
    const Case cases[] = {
        { "8080", true },
        { "  3128", true },
        { "65535", true },
        { "", false },
        { "abc", false },
        { "80a", false },
        { "8080 ", false },
        { "0", false },
        { "-80", false },
        { "65536", false },
        { "99999999999", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        WebClient client;
        const Status status = client.setProxy(QStringLiteral("proxy.numora.invalid"), QLatin1String(c.port));
        EXPECT_EQ(status.ok(), c.accepted);
        if (!status.ok()) {
            EXPECT_TRUE(status.error().message.contains(QLatin1String("Proxy port"))) << status.error().message;
        }
    }
    WebClient client;
    EXPECT_TRUE(client.setProxy(QStringLiteral("proxy"), QStringLiteral("abc"))
                    .error()
                    .message.contains(QStringLiteral("\"abc\"")));
}

TEST(WebClientConnection, RefusedConnectionIsAFailureNotAnAnswer)
{
    // A bound socket that never listens: a port on which nobody answers, and nobody else takes.
    const int holder = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(holder, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &size), 0);

    WebClient client;
    const WebResponse response
        = client.get(QStringLiteral("http://127.0.0.1:%1/zahlen/lotto_neu.asp").arg(ntohs(address.sin_port)));
    ::close(holder);
    EXPECT_EQ(response.failure, Failure::NoConnection);
    EXPECT_EQ(response.status, 0);
    EXPECT_FALSE(response.error.isEmpty());
    EXPECT_TRUE(response.body.isEmpty());
}

TEST_F(WebClientTest, BodyBeyondTheLimitIsRefused)
{
    WebClient client;
    client.setMaxBodyBytes(4096); // the junk is exactly that long
    EXPECT_EQ(client.get(url(QStringLiteral("/gross"))).body.size(), 4096);

    client.setMaxBodyBytes(4095);
    const WebResponse refused = client.get(url(QStringLiteral("/gross")));
    EXPECT_EQ(refused.failure, Failure::Broken);
    EXPECT_TRUE(refused.body.isEmpty());
    EXPECT_TRUE(refused.error.contains(QStringLiteral("4095"))) << refused.error;
}

TEST(WebHosts, JoinPutsExactlyOneSlashBetweenBaseAndPath)
{
    EXPECT_EQ(
        WebHosts::join(QStringLiteral("http://h:1"), QStringLiteral("/a?b=c")), QStringLiteral("http://h:1/a?b=c"));
    EXPECT_EQ(WebHosts::join(QStringLiteral("http://h:1/"), QStringLiteral("/a")), QStringLiteral("http://h:1/a"));
    EXPECT_EQ(WebHosts::join(QStringLiteral("http://h:1//"), QStringLiteral("a")), QStringLiteral("http://h:1/a"));
}

} // namespace
} // namespace numora
