// numora-services as its callers see it: started as a process, asked over HTTP on 127.0.0.1.

#include "base/WebClient.h"
#include "base/WebHosts.h"

#include "support/ServicesProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <thread>

#include <signal.h>

namespace numora {
namespace {

using Failure = WebResponse::Failure;

// Two draws on 06.01.2024 (the German history has no such day), one with every optional field.
const QByteArray DrawsCsv = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                            "2024-01-03,5,11,23,30,41,49,,,,\n"
                            "2024-01-06,3,8,19,27,33,45,12,5,1234567,123456\n"
                            "2024-01-06,1,2,4,9,16,25,36,0,,\n"
                            "2024-01-10,7,14,21,28,35,42,,,,\n";

class StandIn : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(test::writeBytes(path, bytes)) << path;
        return path;
    }

    // A stand-in serving DrawsCsv plus `arguments`.
    test::ServicesProcess& start(const QStringList& arguments = {})
    {
        m_server = std::make_unique<test::ServicesProcess>(
            QStringList { QStringLiteral("--draws"), write(QStringLiteral("draws.csv"), DrawsCsv) } + arguments);
        EXPECT_TRUE(m_server->isRunning()) << m_server->errorOutput();
        return *m_server;
    }

    WebResponse get(const QString& pathAndQuery)
    {
        return m_client.get(WebHosts::join(m_server->baseUrl(), pathAndQuery));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ServicesProcess> m_server;
    WebClient m_client;
};

QString text(const WebResponse& response)
{
    return QString::fromUtf8(response.body);
}

TEST_F(StandIn, DayQueryAnswersTheDrawsOfThatDay)
{
    start({ QStringLiteral("--day-line"), QStringLiteral("20240110:Bitte laden Sie die neue Version."),
        QStringLiteral("--day-line"), QStringLiteral("20240107:Wartungsarbeiten bis Montag"),
        QStringLiteral("--day-line"), QStringLiteral("20240108:"),
        // Bytes by escape: a notice in Windows-1252.
        QStringLiteral("--day-line"), QStringLiteral("20240109:Ziehung f\\xe4llt aus \\\\ 1") });
    struct Case {
        const char* query;
        int status;
        QByteArray body; // checked for 200 only
    };
    const Case cases[] = {
        { "Programm=Orbix&Datum=20240103", 200, "1,5,11,23,30,41,49;0000000;000000;\r\n" },
        { "Programm=Orbix&Datum=20240106", 200,
            "2,3,8,19,27,33,45;1234567;123456;\r\n3,1,2,4,9,16,25;0000000;000000;\r\n" },
        { "Programm=Orbix&Datum=20240104", 500, {} },
        { "Programm=Orbix&Datum=20240110", 200,
            "4,7,14,21,28,35,42;0000000;000000;\r\nBitte laden Sie die neue Version.\r\n" },
        { "Programm=Orbix&Datum=20240107", 200, "Wartungsarbeiten bis Montag\r\n" },
        { "Programm=Orbix&Datum=20240108", 200, "" },
        { "Programm=Orbix&Datum=20240109", 200, "Ziehung f\xe4llt aus \\ 1\r\n" },
        { "Programm=Orbix&Datum=20240230", 400, {} },
        { "Programm=Orbix&Datum=2024010", 400, {} },
        { "Programm=Orbix", 400, {} },
        { "Programm=Andere&Datum=20240103", 400, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const WebResponse response = get(QStringLiteral("/zahlen/lotto_neu.asp?") + QLatin1String(c.query));
        ASSERT_TRUE(response.answered()) << response.error;
        EXPECT_EQ(response.status, c.status);
        if (c.status == 200) {
            EXPECT_EQ(response.body, c.body);
        }
    }
}

TEST_F(StandIn, UploadsAreRecordedAsReceived)
{
    start();
    const QString first
        = QStringLiteral("Programm=Orbix&Datum=19961116&Zahl1=5&Zahl2=15&Zahl3=20&Zahl4=32&Zahl5=34&Zahl6=47&");
    const QString second
        = QStringLiteral("Programm=Orbix&Datum=19961123&Zahl1=43&Zahl2=3&Zahl3=14&Zahl4=16&Zahl5=23&Zahl6=27&");
    EXPECT_EQ(get(QStringLiteral("/zahlen/Orbix_eintragen.asp?") + first).status, 200);
    EXPECT_EQ(get(QStringLiteral("/zahlen/Orbix_eintragen.asp?") + second).status, 200);

    EXPECT_EQ(
        text(get(QStringLiteral("/numora-services/uploads"))), first + QLatin1Char('\n') + second + QLatin1Char('\n'));
}

TEST_F(StandIn, OrderAddressLeadsToABrokerPageThatEchoesTheTip)
{
    start();
    const WebResponse order = get(QStringLiteral("/lotto/lotto.asp?Spiel=Lotto&Wo=Tipp24&Tipps=2"));
    ASSERT_EQ(order.status, 200);
    const QString address = text(order);
    ASSERT_TRUE(address.startsWith(m_server->baseUrl() + QLatin1Char('/'))) << address;
    ASSERT_TRUE(address.endsWith(QLatin1Char('?'))) << address;

    const WebResponse page = m_client.get(
        address + QStringLiteral("Tippreihe1_Zahl1=3&Tippreihe1_Zahl2=%3Cscript%3E&Tippreihe2_Zahl6=&command=abgeben"));
    ASSERT_EQ(page.status, 200);
    const QString html = text(page);
    const qsizetype first = html.indexOf(QStringLiteral("<tr><td>Tippreihe1_Zahl1</td><td>3</td></tr>"));
    const qsizetype second = html.indexOf(QStringLiteral("<tr><td>Tippreihe1_Zahl2</td><td>&lt;script&gt;</td></tr>"));
    const qsizetype empty = html.indexOf(QStringLiteral("<tr><td>Tippreihe2_Zahl6</td><td></td></tr>"));
    const qsizetype last = html.indexOf(QStringLiteral("<tr><td>command</td><td>abgeben</td></tr>"));
    EXPECT_TRUE(first >= 0 && first < second && second < empty && empty < last) << html;
    EXPECT_FALSE(html.contains(QStringLiteral("<script>")));

    const WebResponse extra = get(QStringLiteral("/app/extralotto/html/index.html?el1_1=3&ticketnumber=1234567"));
    EXPECT_EQ(extra.status, 200);
    EXPECT_TRUE(text(extra).contains(QStringLiteral("<tr><td>ticketnumber</td><td>1234567</td></tr>")));

    for (const char* query : { "Spiel=Lotto&Wo=Tipp24&Tipps=0", "Spiel=Lotto&Wo=Tipp24&Tipps=13",
             "Spiel=Lotto&Wo=Tipp24&Tipps=x", "Spiel=Lotto&Wo=Anderswo&Tipps=1" }) {
        SCOPED_TRACE(query);
        EXPECT_EQ(get(QStringLiteral("/lotto/lotto.asp?") + QLatin1String(query)).status, 400);
    }
}

TEST_F(StandIn, OrderAddressInErrorModeAnswersANoticePage)
{
    start({ QStringLiteral("--broker-error") });
    const WebResponse response = get(QStringLiteral("/lotto/lotto.asp?Spiel=Lotto&Wo=Tipp24&Tipps=1"));
    ASSERT_TRUE(response.answered());
    EXPECT_EQ(response.status, 503);
    EXPECT_EQ(response.statusText, QStringLiteral("Service Unavailable"));
    EXPECT_TRUE(text(response).contains(QStringLiteral("Mitteilung")));
}

QString rowOf(const QString& html, int row)
{
    const qsizetype start = html.indexOf(QStringLiteral("<tr id=\"tipp%1\">").arg(row));
    return start < 0 ? QString() : html.mid(start, html.indexOf(QStringLiteral("</tr>"), start) - start);
}

TEST_F(StandIn, EvaluationPageHoldsTheRowsAgainstTheNewestDraw)
{
    start();
    // Newest draw: 10.01.2024, 7 14 21 28 35 42. Rows 4 and 6..12 empty, as the e-mail link sends them.
    const std::array<QStringList, 12> rows = {
        QStringList { "7", "14", "21", "1", "2", "3" }, // 3 hits
        QStringList { "42", "35", "28", "21", "14", "7" }, // 6 hits, any order
        QStringList { "7", "7", "1", "2", "3", "4" }, // a number twice
        QStringList { "", "", "", "", "", "" },
        QStringList { "%3Cscript%3E", "2", "3", "4", "5", "6" }, // markup must come back harmless
        QStringList { "", "", "", "", "", "" },
    };
    QString query = QStringLiteral("Programm=Orbix");
    for (int r = 1; r <= 12; ++r)
        for (int f = 1; f <= 6; ++f)
            query
                += QStringLiteral("&Z%1_%2=%3").arg(r).arg(f).arg(r <= 6 ? rows[std::size_t(r - 1)][f - 1] : QString());
    const WebResponse response = get(QStringLiteral("/auswerten.asp?") + query);
    ASSERT_EQ(response.status, 200);
    const QString html = text(response);

    EXPECT_TRUE(html.contains(QStringLiteral("Ziehung vom 10.01.2024: 7 14 21 28 35 42"))) << html;
    EXPECT_TRUE(rowOf(html, 1).contains(QStringLiteral("<td class=\"richtige\">3</td>"))) << rowOf(html, 1);
    EXPECT_TRUE(rowOf(html, 2).contains(QStringLiteral("<td class=\"richtige\">6</td>"))) << rowOf(html, 2);
    EXPECT_TRUE(rowOf(html, 3).contains(QStringLiteral("ungültig")));
    EXPECT_TRUE(rowOf(html, 5).contains(QStringLiteral("&lt;script&gt;"))) << rowOf(html, 5);
    EXPECT_TRUE(rowOf(html, 5).contains(QStringLiteral("ungültig")));
    EXPECT_FALSE(html.contains(QStringLiteral("<script>")));
    EXPECT_TRUE(rowOf(html, 4).isEmpty());
    EXPECT_TRUE(rowOf(html, 12).isEmpty());

    EXPECT_EQ(get(QStringLiteral("/auswerten.asp?Z1_1=7")).status, 400);
}

TEST_F(StandIn, BuiltInScriptTemplatesCarryTheirDate)
{
    start();
    const WebResponse response = get(QStringLiteral("/scripts/Tipp24.crs.txt"));
    ASSERT_EQ(response.status, 200);
    EXPECT_EQ(response.lastModified(), QDateTime(QDate(2024, 6, 3), QTime(10, 0), Qt::UTC));
    EXPECT_TRUE(text(response).contains(QStringLiteral("[Z1_1]")));
    EXPECT_EQ(get(QStringLiteral("/scripts/Unbekannt.crs.txt")).status, 404);
}

TEST_F(StandIn, ScriptTemplatesComeFromTheFolderAndNeverFromOutsideIt)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("scripts")));
    write(QStringLiteral("geheim.txt"), "not for the web\n");
    const QByteArray body = "; Vorlage\r\nTIPP [Z1_1]\r\n";
    const QString path = write(QStringLiteral("scripts/Mein Skript.crs.txt"), body);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime(QDate(2023, 2, 1), QTime(8, 30), Qt::UTC), QFileDevice::FileModificationTime));
    file.close();
    start({ QStringLiteral("--scripts"), m_dir.filePath(QStringLiteral("scripts")) });

    const WebResponse response = get(QStringLiteral("/scripts/Mein%20Skript.crs.txt"));
    ASSERT_EQ(response.status, 200);
    EXPECT_EQ(response.body, body);
    EXPECT_EQ(response.header("Last-Modified"), QByteArray("Wed, 01 Feb 2023 08:30:00 GMT"));

    for (const char* name :
        { "..%2Fgeheim.txt", "%2E%2E%2Fgeheim.txt", "..%5Cgeheim.txt", "Tipp24.crs.txt", "scripts" }) {
        SCOPED_TRACE(name);
        const WebResponse refused = get(QStringLiteral("/scripts/") + QLatin1String(name));
        EXPECT_EQ(refused.status, 404);
        EXPECT_FALSE(refused.body.contains("not for the web"));
    }
}

TEST_F(StandIn, CsvFilesComeFromTheirFolderOrAreTheDrawsCsv)
{
    // Without --csv: the draws CSV under one name.
    start();
    WebResponse response = get(QStringLiteral("/csv/ziehungen.csv"));
    ASSERT_EQ(response.status, 200);
    EXPECT_EQ(response.body, DrawsCsv);
    EXPECT_EQ(get(QStringLiteral("/csv/neu.csv")).status, 404);

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("csv")));
    write(QStringLiteral("geheim.csv"), "not for the web\n");
    const QByteArray body = "date;n1;n2;n3;n4;n5;n6\r\n06.11.2019;2;9;17;24;38;41\r\n";
    write(QStringLiteral("csv/neu.csv"), body);
    start({ QStringLiteral("--csv"), m_dir.filePath(QStringLiteral("csv")) });
    response = get(QStringLiteral("/numora-services/redirect?to=/csv/neu.csv"));
    ASSERT_EQ(response.status, 200);
    EXPECT_EQ(response.body, body);
    for (const char* name : { "ziehungen.csv", "..%2Fgeheim.csv", "%2E%2E%2Fgeheim.csv", "fehlt.csv" }) {
        SCOPED_TRACE(name);
        const WebResponse refused = get(QStringLiteral("/csv/") + QLatin1String(name));
        EXPECT_EQ(refused.status, 404);
        EXPECT_FALSE(refused.body.contains("not for the web"));
    }
}

// Reads a results page the way the rebuild does: fixed words searched forward from fixed places.
struct PageDraw {
    QString date;
    std::array<int, 6> numbers {};
    int zusatzzahl = 0;
    int superzahl = 0;
};

std::vector<PageDraw> readResultsPage(const QString& page)
{
    const qsizetype spielung = page.indexOf(QStringLiteral("Ausspielung"));
    if (spielung < 0)
        return {};
    const qsizetype bold = page.indexOf(QStringLiteral("<b>"), spielung);
    const QString date = page.mid(bold + 3, page.indexOf(QStringLiteral("</b>"), bold) - bold - 3).trimmed();
    const bool twoDraws = page.indexOf(QStringLiteral("Lottozahlen A"), bold) >= 0;

    auto number = [&](qsizetype ball) {
        bool ok = false;
        const int value = page.mid(ball + 7, page.indexOf(QLatin1Char('.'), ball + 7) - ball - 7).trimmed().toInt(&ok);
        EXPECT_TRUE(ok) << "ball at " << ball;
        return value;
    };
    auto readDraw = [&](qsizetype from, bool drawB) {
        PageDraw draw;
        draw.date = date;
        qsizetype ball = page.indexOf(QStringLiteral("kugeln/"), page.indexOf(QStringLiteral("Lottozahlen"), from));
        for (int i = 0; i < 6; ++i) {
            EXPECT_GE(ball, 0) << "ball " << i + 1;
            draw.numbers[std::size_t(i)] = number(ball);
            if (i < 5)
                ball = page.indexOf(QStringLiteral("kugeln/"), ball + 10);
        }
        qsizetype searchFrom = ball + 10;
        const qsizetype seventh = page.indexOf(QStringLiteral("kugeln/"), searchFrom);
        if (seventh >= 0) {
            draw.zusatzzahl = number(seventh);
            searchFrom = seventh + 10;
        }
        const qsizetype label = page.indexOf(QStringLiteral("Superzahl"), searchFrom);
        if (label < 0)
            return draw;
        const qsizetype open = page.indexOf(QStringLiteral("<b>"), label);
        QString value = page.mid(open + 3, page.indexOf(QStringLiteral("</b>"), open) - open - 3);
        if (twoDraws && !drawB && page.indexOf(QStringLiteral("nbsp;"), open) >= 0)
            value = page.mid(open + 3, page.indexOf(QStringLiteral("nbsp;"), open) - 1 - open - 3);
        const qsizetype second = page.indexOf(QStringLiteral(";&nbsp;"), open);
        if (twoDraws && drawB && second >= 0)
            value = page.mid(second + 7, page.indexOf(QStringLiteral("</b>"), second) - second - 7);
        draw.superzahl = value.trimmed().isEmpty() ? 0 : value.trimmed().toInt();
        return draw;
    };

    std::vector<PageDraw> draws { readDraw(bold, false) };
    if (twoDraws)
        draws.push_back(readDraw(page.indexOf(QStringLiteral("Lottozahlen B:")), true));
    return draws;
}

void expectDraw(const PageDraw& read, const char* date, std::array<int, 6> numbers, int zusatzzahl, int superzahl)
{
    EXPECT_EQ(read.date, QLatin1String(date));
    EXPECT_EQ(read.numbers, numbers);
    EXPECT_EQ(read.zusatzzahl, zusatzzahl);
    EXPECT_EQ(read.superzahl, superzahl);
}

TEST_F(StandIn, ResultsPagesOfTheGermanHistoryCarryTheRebuildMarkers)
{
    start({ QStringLiteral("--results"), QStringLiteral(NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv") });
    struct Case {
        int nr;
        const char* date;
        std::array<int, 6> numbers;
        int superzahl;
        bool superzahlShown;
    };
    const Case cases[] = {
        { 1, "09.10.1955", { 3, 12, 13, 16, 23, 41 }, 0, false },
        { 1886, "30.11.1991", { 6, 12, 15, 16, 28, 48 }, 0, false },
        { 1887, "07.12.1991", { 6, 16, 17, 41, 42, 49 }, 7, true },
        { 2308, "01.01.2000", { 1, 2, 12, 30, 40, 47 }, 0, true },
        { 5040, "22.08.2026", { 7, 16, 22, 28, 30, 31 }, 4, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nr);
        const WebResponse response = get(QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=%1").arg(c.nr));
        ASSERT_EQ(response.status, 200);
        const auto draws = readResultsPage(text(response));
        ASSERT_EQ(draws.size(), 1u);
        expectDraw(draws[0], c.date, c.numbers, 0, c.superzahl);
        EXPECT_EQ(response.body.contains("Superzahl"), c.superzahlShown);
    }
    for (const char* nr : { "5041", "0", "999999999" }) {
        SCOPED_TRACE(nr);
        const WebResponse end
            = get(QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=") + QLatin1String(nr));
        EXPECT_EQ(end.status, 200);
        EXPECT_FALSE(end.body.contains("Ausspielung"));
    }
    EXPECT_EQ(get(QStringLiteral("/layer.php?content=statistik/anderes.php&nr=1")).status, 404);
    EXPECT_EQ(get(QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=x")).status, 400);
}

TEST_F(StandIn, DrawsOfOneDateShareAResultsPageAsAAndB)
{
    // A needs its Zusatzzahl: the rebuild takes the ball after A's sixth as A's seventh.
    const QString results = write(QStringLiteral("results.csv"),
        "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
        "2024-01-03,5,11,23,30,41,49,17,,,\n"
        "2024-01-06,3,8,19,27,33,45,12,5,,\n"
        "2024-01-06,1,2,4,9,16,25,36,0,,\n"
        "2024-01-10,7,14,21,28,35,42,6,,,\n"
        "2024-01-10,10,20,30,40,44,48,,4,,\n"
        "2024-01-13,1,2,3,4,5,6,7,1,,\n"
        "2024-01-13,11,12,13,14,15,16,17,2,,\n"
        "2024-01-13,21,22,23,24,25,26,27,3,,\n");
    start({ QStringLiteral("--results"), results });
    auto page = [&](int nr) {
        const WebResponse response = get(QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=%1").arg(nr));
        EXPECT_EQ(response.status, 200);
        return readResultsPage(text(response));
    };

    auto draws = page(1);
    ASSERT_EQ(draws.size(), 1u);
    expectDraw(draws[0], "03.01.2024", { 5, 11, 23, 30, 41, 49 }, 17, 0);

    draws = page(2);
    ASSERT_EQ(draws.size(), 2u);
    expectDraw(draws[0], "06.01.2024", { 3, 8, 19, 27, 33, 45 }, 12, 5);
    expectDraw(draws[1], "06.01.2024", { 1, 2, 4, 9, 16, 25 }, 36, 0);

    draws = page(3); // only B has a Superzahl, only A a Zusatzzahl
    ASSERT_EQ(draws.size(), 2u);
    expectDraw(draws[0], "10.01.2024", { 7, 14, 21, 28, 35, 42 }, 6, 0);
    expectDraw(draws[1], "10.01.2024", { 10, 20, 30, 40, 44, 48 }, 0, 4);

    draws = page(4); // a third draw of the day goes on the next page
    ASSERT_EQ(draws.size(), 2u);
    expectDraw(draws[1], "13.01.2024", { 11, 12, 13, 14, 15, 16 }, 17, 2);
    draws = page(5);
    ASSERT_EQ(draws.size(), 1u);
    expectDraw(draws[0], "13.01.2024", { 21, 22, 23, 24, 25, 26 }, 27, 3);

    EXPECT_TRUE(page(6).empty());
}

TEST_F(StandIn, FaultsHitOnlyTheRequestsTheirPatternNames)
{
    start({ QStringLiteral("--delay"), QStringLiteral("300:/zahlen/lotto_neu.asp?*Datum=20240103*"),
        QStringLiteral("--stall"), QStringLiteral("*Datum=20240104*"), QStringLiteral("--stall-body"),
        QStringLiteral("*Datum=20240105*"), QStringLiteral("--close"), QStringLiteral("*Datum=20240107*"),
        QStringLiteral("--garbage"), QStringLiteral("*Datum=20240108*"), QStringLiteral("--status"),
        QStringLiteral("503:*Datum=20240109*"), QStringLiteral("--status"), QStringLiteral("404:*Datum=2024010*") });
    m_client.setTimeouts(std::chrono::seconds(2), std::chrono::seconds(1));
    struct Case {
        const char* day;
        Failure failure;
        int status;
        const char* statusText;
    };
    const Case cases[] = {
        { "20240103", Failure::None, 200, "OK" }, // slow, but whole
        { "20240104", Failure::TimedOut, 0, "" }, // no answer at all
        { "20240105", Failure::TimedOut, 0, "" }, // headers, then silence
        { "20240106", Failure::None, 404, "Not Found" }, // only the catch-all rule
        { "20240107", Failure::Broken, 0, "" }, // hung up without a byte
        { "20240108", Failure::None, 200, "OK" }, // junk
        { "20240109", Failure::None, 503, "Service Unavailable" }, // first matching rule wins
        { "20240110", Failure::None, 200, "OK" }, // no rule
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        const auto started = std::chrono::steady_clock::now();
        const WebResponse response
            = get(QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=") + QLatin1String(c.day));
        // Only a safety net: the default stall time-out would take 20 s.
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15));
        EXPECT_EQ(response.failure, c.failure) << response.error;
        EXPECT_EQ(response.status, c.status);
        EXPECT_EQ(response.statusText, QLatin1String(c.statusText));
        EXPECT_EQ(response.error.isEmpty(), c.failure == Failure::None) << response.error;
    }
    const WebResponse junk = get(QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240108"));
    EXPECT_EQ(junk.body.size(), 4096);
    EXPECT_TRUE(junk.body.contains('\0'));
}

TEST_F(StandIn, StopSignalsEndTheServerCleanlyEvenWithAStalledAnswer)
{
    for (int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal);
        test::ServicesProcess& server = start({ QStringLiteral("--stall"), QStringLiteral("/zahlen/*") });
        WebResponse stalled;
        std::thread waiting([&] {
            WebClient client;
            stalled
                = client.get(server.baseUrl() + QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=20240106"));
        });
        // Signal only once the request is being held.
        for (int i = 0;
             i < 300 && !text(get(QStringLiteral("/numora-services/requests"))).contains(QStringLiteral("/zahlen/"));
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));

        EXPECT_EQ(server.stop(signal), 0) << server.errorOutput();
        waiting.join();
        EXPECT_NE(stalled.status, 200);
    }
}

TEST_F(StandIn, StartUpProblemsEndWithStatus2AndAReason)
{
    const QString good = write(QStringLiteral("good.csv"), DrawsCsv);
    const QString bad = write(
        QStringLiteral("bad.csv"), "date,n1,n2,n3,n4,n5,n6\n2024-01-03,5,11,23,30,41,49\n2024-01-06,3,8,19,27,33,50\n");
    test::ServicesProcess& busy = start();
    struct Case {
        QStringList arguments;
        const char* reason;
    };
    const Case cases[] = {
        { {}, "--draws is missing" },
        { { "--draws", bad }, "line 3" },
        { { "--draws", m_dir.filePath(QStringLiteral("missing.csv")) }, "missing.csv" },
        { { "--draws", good, "--results", bad }, "line 3" },
        { { "--draws", good, "--colour", "blue" }, "unknown argument --colour" },
        { { "--draws", good, "--status", "abc:/x" }, "--status" },
        { { "--draws", good, "--day-line", "20240109:bad \\xg1" }, "--day-line" },
        { { "--draws", good, "--port", QString::number(busy.port()) }, "cannot listen" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        test::ServicesProcess process(c.arguments);
        EXPECT_EQ(process.waitForExit(), 2);
        EXPECT_TRUE(process.errorOutput().contains(QLatin1String(c.reason)));
    }
}

} // namespace
} // namespace numora
