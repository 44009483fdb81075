// The draw update against a stand-in started by each test: what is requested, what is stored,
// what the status bar says, and how every kind of bad answer is survived.

#include "history/DrawUpdate.h"
#include "session/DrawBrowser.h"

#include "cli/Cli.h"

#include "support/ServicesFixture.h"

#include <QTextStream>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

namespace numora {
namespace {

using test::bytesOf;
using test::makeDraw;
using test::readBytes;
using test::writeRecords;

// 06.01.2024 holds two draws.
const QByteArray SmallCsv = "date,n1,n2,n3,n4,n5,n6\n"
                            "2024-01-03,5,11,23,30,41,49\n"
                            "2024-01-06,3,8,19,27,33,45\n"
                            "2024-01-06,1,2,4,9,16,25\n";

const TZiehung Jan3 = makeDraw(2024, 1, 3, {5, 11, 23, 30, 41, 49});
const TZiehung Jan6a = makeDraw(2024, 1, 6, {3, 8, 19, 27, 33, 45});
const TZiehung Jan6b = makeDraw(2024, 1, 6, {1, 2, 4, 9, 16, 25});

// A port that is bound but never listens: every connection to it is refused.
class RefusingPort {
public:
    RefusingPort() : m_socket(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_socket >= 0 && ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size) == 0
            && ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~RefusingPort()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    int port() const { return m_port; }

private:
    int m_socket;
    int m_port = 0;
};

class DrawUpdateTest : public test::ServicesFixture {
protected:
    Expected<DrawUpdate::Outcome> update(const std::function<bool()>& stop = {})
    {
        test::AskedStop control(stop);
        return DrawUpdate::run(state, client, control);
    }
};

TEST_F(DrawUpdateTest, FromAnEmptyFileTheWholeHistoryArrivesAsTheCsvImportStoresIt)
{
    const QString csv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
    startServerOn(csv);
    ASSERT_TRUE(test::writeBytes(drawPath(), QByteArray()));
    setToday(2019, 11, 2);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;

    QTemporaryDir importDir;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(Cli::run({QStringLiteral("import-csv"), csv}, importDir.path(), outStream, errStream), Cli::Ok) << err;
    const QByteArray imported = readBytes(importDir.filePath(QStringLiteral("ZahlenTr.dat")));
    ASSERT_EQ(imported.size(), 1267 * 32);
    EXPECT_TRUE(readBytes(drawPath()) == imported);

    const int days = int(DayDate::fromYmd(2019, 11, 2) - DayDate::fromYmd(1996, 11, 15)) + 1;
    EXPECT_EQ(outcome->days, days);
    EXPECT_EQ(outcome->draws, 1267);
    EXPECT_FALSE(outcome->stopped);
    EXPECT_FALSE(outcome->unreadableLine);
    EXPECT_TRUE(hooks.messages.isEmpty()) << hooks.messages.join(QLatin1Char('|'));
    const QStringList requested = requestedDays();
    ASSERT_EQ(requested.size(), days);
    EXPECT_EQ(requested.front(), QStringLiteral("19961115"));
    EXPECT_EQ(requested.back(), QStringLiteral("20191102"));
    // The browser ends on the newest draw.
    EXPECT_EQ(state.currentDraw.date, DayDate::fromYmd(2019, 11, 2));
    EXPECT_EQ(state.chosenDate.value, DayDate::fromYmd(2019, 11, 2));
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDrawCopy), DrawBrowser::drawLine(state.shownDraw));
}

TEST_F(DrawUpdateTest, AMissingOrEmptyFileIsAskedForFrom15November1996)
{
    const QByteArray csv = "date,n1,n2,n3,n4,n5,n6\n1996-11-16,5,15,20,32,34,47\n";
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing file" : "empty file");
        startServer(csv);
        QFile::remove(drawPath());
        if (!missing) {
            ASSERT_TRUE(test::writeBytes(drawPath(), QByteArray()));
        }
        setToday(1996, 11, 16);

        const auto outcome = update();
        ASSERT_TRUE(outcome.ok()) << outcome.error().message;
        EXPECT_EQ(requestedDays(), (QStringList{QStringLiteral("19961115"), QStringLiteral("19961116")}));
        EXPECT_EQ(bytesOf(stored()), bytesOf({makeDraw(1996, 11, 16, {5, 15, 20, 32, 34, 47})}));
    }
}

TEST_F(DrawUpdateTest, NewestDrawDatedTodayAsksForNothingAndIsShownAgain)
{
    startServer(SmallCsv);
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3, Jan6b}));
    setToday(2024, 1, 6);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(outcome->days, 0);
    EXPECT_TRUE(requestedDays().isEmpty());
    EXPECT_TRUE(hooks.panel0.isEmpty());
    EXPECT_EQ(stored().size(), 2u);
    EXPECT_EQ(state.currentDraw.date, Jan6b.Datum);
    EXPECT_EQ(state.currentDraw.numbers[0], 1);
    EXPECT_EQ(state.chosenDate.value, Jan6b.Datum);
}

TEST_F(DrawUpdateTest, StatusBarTellsEachDaysAnswerAndFailuresDoNotEndTheUpdate)
{
    startServer(SmallCsv, {QStringLiteral("--status"), QStringLiteral("404:*Datum=20240104*")});
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3}));
    setToday(2024, 1, 6);
    // The byte counts are those of the answers themselves.
    WebClient probe;
    auto bytes = [&](const char* day) {
        return probe.get(WebHosts::join(state.hosts.services, QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=")
                                                                + QLatin1String(day)))
            .body.size();
    };
    const QStringList expectedPanel0 = {
        QStringLiteral("Loading"),
        QStringLiteral("Received %1 bytes").arg(bytes("20240104")),
        QStringLiteral("Failed : 404 Not Found"),
        QStringLiteral("Loading"),
        QStringLiteral("Received %1 bytes").arg(bytes("20240105")),
        QStringLiteral("05.01.2024 noch nicht da!"),
        QStringLiteral("Loading"),
        QStringLiteral("Received %1 bytes").arg(bytes("20240106")),
    };
    const QString disclaimer = QStringLiteral("Not guarantee the accuracy of the numbers!");
    const QStringList expectedPanel1 = {disclaimer, QStringLiteral("05.01.2024"), disclaimer,
                                        QStringLiteral("06.01.2024"), disclaimer, QStringLiteral("07.01.2024")};

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(hooks.panel0, expectedPanel0);
    EXPECT_EQ(hooks.panel1, expectedPanel1);
    EXPECT_TRUE(hooks.messages.isEmpty());
    EXPECT_EQ(outcome->days, 3);
    EXPECT_EQ(outcome->draws, 2);
    EXPECT_EQ(hooks.drawsShown, 2);
    // Both draws of the day, in the order sent.
    EXPECT_EQ(bytesOf(stored()), bytesOf({Jan3, Jan6a, Jan6b}));
    EXPECT_EQ(state.currentDraw.date, Jan6b.Datum);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDrawCopy), DrawBrowser::drawLine(state.shownDraw));
}

struct LineCase {
    const char* line;
    std::optional<std::array<int, 6>> numbers; // stored for a readable line
    const char* shown;                         // the message for an unreadable one
};

TEST_F(DrawUpdateTest, EachLineIsStoredAsSentOrShownAndEndsTheUpdate)
{
    const LineCase cases[] = {
        {"x,3,8,19,27,33,45;", std::array{3, 8, 19, 27, 33, 45}, nullptr},
        {"x,3,8,19,27,33,45;1234567;123456;", std::array{3, 8, 19, 27, 33, 45}, nullptr},
        {"17,45,33,27,19,8,3;0000000;000000;trailing text", std::array{45, 33, 27, 19, 8, 3}, nullptr},
        {"Bitte laden Sie die neue Version.", std::nullopt, "Bitte laden Sie die neue Version."},
        {"x,3,8,19,27,33,45", std::nullopt, "45"},
        {"x,3,8,1a,27,33,45;", std::nullopt, "1a,27,33,45;"},
        // Numbers that are no draw: out of range (300 would fit a byte as 44) or repeated.
        {"x,3,8,19,27,33,50;", std::nullopt, "50;"},
        {"x,0,8,19,27,33,45;", std::nullopt, "0,8,19,27,33,45;"},
        {"x,300,8,19,27,33,45;", std::nullopt, "300,8,19,27,33,45;"},
        {"x,3,8,19,27,3,45;", std::nullopt, "3,45;"},
    };
    // Every case has a day of its own on one stand-in, three days apart.
    const double first = DayDate::fromYmd(2001, 1, 10);
    QStringList arguments;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        arguments << QStringLiteral("--day-line")
                  << DayDate::formatCompact(first + 3.0 * double(i)) + QLatin1Char(':') + QLatin1String(cases[i].line);
    startServer(SmallCsv, arguments);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const LineCase& c = cases[i];
        SCOPED_TRACE(c.line);
        const double day = first + 3.0 * double(i);
        TZiehung before = makeDraw(2001, 1, 1, {1, 2, 3, 4, 5, 6});
        before.Datum = day - 1;
        ASSERT_TRUE(writeRecords(drawPath(), {&before, 1}));
        const QByteArray beforeBytes = readBytes(drawPath());
        state.today = [day] { return *DayDate::toDate(day + 1); };
        hooks.messages.clear();

        const auto outcome = update();
        ASSERT_TRUE(outcome.ok()) << outcome.error().message;
        if (c.numbers) {
            TZiehung expected = makeDraw(2001, 1, 1, *c.numbers);
            expected.Datum = day;
            EXPECT_EQ(bytesOf(stored()), bytesOf({before, expected}));
            EXPECT_TRUE(hooks.messages.isEmpty()) << hooks.messages.join(QLatin1Char('|'));
            EXPECT_EQ(outcome->days, 2);
        } else {
            EXPECT_EQ(hooks.messages, QStringList{QLatin1String(c.shown)});
            EXPECT_EQ(outcome->unreadableLine, std::optional<QString>(QLatin1String(c.shown)));
            EXPECT_TRUE(readBytes(drawPath()) == beforeBytes);
            EXPECT_EQ(outcome->days, 1); // the next day is not asked for
            EXPECT_EQ(state.currentDraw.date, before.Datum);
        }
    }
}

TEST_F(DrawUpdateTest, NoticeLineEndsTheUpdateAndKeepsTheDaysBeforeIt)
{
    const QString notice = QStringLiteral("Bitte laden Sie die neue Version von unserer Seite");
    startServer(SmallCsv, {QStringLiteral("--day-line"), QStringLiteral("20240108:") + notice});
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{makeDraw(2024, 1, 2, {7, 8, 9, 10, 11, 12})}));
    setToday(2024, 1, 12);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(hooks.messages, QStringList{notice});
    EXPECT_EQ(requestedDays().last(), QStringLiteral("20240108"));
    EXPECT_EQ(bytesOf(stored()), bytesOf({makeDraw(2024, 1, 2, {7, 8, 9, 10, 11, 12}), Jan3, Jan6a, Jan6b}));
    EXPECT_EQ(outcome->draws, 3);
    EXPECT_FALSE(outcome->stopped);
    // The window ends as after a complete update: on the newest draw.
    EXPECT_EQ(state.currentDraw.date, Jan6b.Datum);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDrawCopy), DrawBrowser::drawLine(state.shownDraw));
}

TEST_F(DrawUpdateTest, StalledOrClosedAnswersSkipTheDaySilently)
{
    startServer(SmallCsv, {QStringLiteral("--stall"), QStringLiteral("*Datum=20240104*"), QStringLiteral("--close"),
                           QStringLiteral("*Datum=20240105*")});
    client.setTimeouts(std::chrono::seconds(5), std::chrono::seconds(1));
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3}));
    setToday(2024, 1, 6);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_TRUE(hooks.messages.isEmpty()) << hooks.messages.join(QLatin1Char('|'));
    EXPECT_EQ(outcome->days, 3);
    EXPECT_EQ(bytesOf(stored()), bytesOf({Jan3, Jan6a, Jan6b}));
    // No answer: nothing received, no failure text.
    ASSERT_GE(hooks.panel0.size(), 4);
    EXPECT_EQ(hooks.panel0.mid(0, 4), (QStringList{QStringLiteral("Loading"), QStringLiteral("Received 0 bytes"),
                                                   QStringLiteral("Loading"), QStringLiteral("Received 0 bytes")}));
}

TEST_F(DrawUpdateTest, ADeadServiceEndsTheUpdateAfterThreeDaysAndSaysWhere)
{
    RefusingPort nobody;
    ASSERT_GT(nobody.port(), 0);
    state.hosts.services = nobody.baseUrl();
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3}));
    const QByteArray before = readBytes(drawPath());
    setToday(2024, 1, 20);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(outcome->days, DrawUpdate::UnansweredDaysLimit);
    EXPECT_EQ(outcome->draws, 0);
    ASSERT_TRUE(outcome->unreachable.has_value());
    EXPECT_EQ(hooks.messages, QStringList{*outcome->unreachable});
    EXPECT_TRUE(outcome->unreachable->contains(nobody.baseUrl())) << *outcome->unreachable;
    EXPECT_TRUE(outcome->unreachable->contains(QStringLiteral("nicht erreichbar"))) << *outcome->unreachable;
    EXPECT_TRUE(readBytes(drawPath()) == before);
    EXPECT_EQ(state.currentDraw.date, Jan3.Datum);
}

struct SilenceCase {
    const char* name;
    QStringList closedDays;          // days hung up on, "yyyymmdd"
    bool unreachable;
    const char* lastRequested;
    std::vector<TZiehung> stored;    // after the stored Jan2
};

void PrintTo(const SilenceCase& c, std::ostream* os) { *os << c.name; }

class SilentDaysTest : public DrawUpdateTest, public ::testing::WithParamInterface<SilenceCase> {};

// Only days in a row without any HTTP answer count; a 500 or a 200 is an answer.
TEST_P(SilentDaysTest, OnlyThreeSilentDaysInARowEndTheUpdate)
{
    const SilenceCase& c = GetParam();
    QStringList arguments;
    for (const QString& day : c.closedDays)
        arguments << QStringLiteral("--close") << QStringLiteral("*Datum=") + day + QLatin1Char('*');
    startServer(SmallCsv, arguments);
    const TZiehung jan2 = makeDraw(2024, 1, 2, {7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{jan2}));
    setToday(2024, 1, 10);

    const auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(outcome->unreachable.has_value(), c.unreachable);
    EXPECT_EQ(hooks.messages.size(), c.unreachable ? 1 : 0);
    EXPECT_EQ(requestedDays().last(), QLatin1String(c.lastRequested));
    std::vector<TZiehung> expected{jan2};
    expected.insert(expected.end(), c.stored.begin(), c.stored.end());
    EXPECT_EQ(bytesOf(stored()), bytesOf(expected));
}

INSTANTIATE_TEST_SUITE_P(DrawUpdate, SilentDaysTest,
    ::testing::Values(
        // 03 brings a draw, 06 two; every other day is a 500 day unless it is silent.
        SilenceCase{"TwoSilentDaysThenAnAnswer", {"20240104", "20240105", "20240107", "20240108"}, false,
                    "20240110", {Jan3, Jan6a, Jan6b}},
        SilenceCase{"A500DayBreaksTheRun", {"20240107", "20240108", "20240110"}, false, "20240110",
                    {Jan3, Jan6a, Jan6b}},
        SilenceCase{"ThreeSilentDaysKeepWhatCameBefore", {"20240107", "20240108", "20240109"}, true, "20240109",
                    {Jan3, Jan6a, Jan6b}},
        SilenceCase{"ThreeSilentDaysIncludingADrawDay", {"20240104", "20240105", "20240106"}, true, "20240106",
                    {Jan3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawUpdateTest, ANoticeInWindows1252IsShownWithItsUmlauts)
{
    startServer(SmallCsv, {QStringLiteral("--day-line"), QStringLiteral("20240104:Die Ziehung f\\xe4llt aus \\x96 neu"),
                           QStringLiteral("--day-line"), QStringLiteral("20240105:Gr\\xc3\\xbc\\xc3\\x9fe")});
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3}));
    setToday(2024, 1, 6);

    auto outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(hooks.messages, QStringList{QStringLiteral("Die Ziehung fällt aus – neu")});

    // Valid UTF-8 stays UTF-8.
    hooks.messages.clear();
    TZiehung jan4 = Jan3;
    jan4.Datum = DayDate::fromYmd(2024, 1, 4);
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{jan4}));
    outcome = update();
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_EQ(hooks.messages, QStringList{QStringLiteral("Grüße")});
}

TEST_F(DrawUpdateTest, StopEndsAfterTheDayInProgressAndTheNextUpdateResumes)
{
    const QByteArray csv = "date,n1,n2,n3,n4,n5,n6\n"
                           "2024-02-01,1,2,3,4,5,6\n"
                           "2024-02-02,7,8,9,10,11,12\n"
                           "2024-02-02,13,14,15,16,17,18\n"
                           "2024-02-03,19,20,21,22,23,24\n"
                           "2024-02-04,25,26,27,28,29,30\n";
    startServer(csv);
    const TZiehung jan31 = makeDraw(2024, 1, 31, {31, 32, 33, 34, 35, 36});
    ASSERT_TRUE(writeRecords(drawPath(), {&jan31, 1}));
    setToday(2024, 2, 4);

    // The stop is noticed before each day; after the second day it says yes.
    int asked = 0;
    const auto stopped = update([&] { return ++asked > 2; });
    ASSERT_TRUE(stopped.ok()) << stopped.error().message;
    EXPECT_TRUE(stopped->stopped);
    EXPECT_EQ(stopped->days, 2);
    EXPECT_EQ(requestedDays(), (QStringList{QStringLiteral("20240201"), QStringLiteral("20240202")}));
    const std::vector<TZiehung> partial = {jan31, makeDraw(2024, 2, 1, {1, 2, 3, 4, 5, 6}),
                                           makeDraw(2024, 2, 2, {7, 8, 9, 10, 11, 12}),
                                           makeDraw(2024, 2, 2, {13, 14, 15, 16, 17, 18})};
    EXPECT_EQ(bytesOf(stored()), bytesOf(partial));
    EXPECT_EQ(state.currentDraw.date, DayDate::fromYmd(2024, 2, 2));

    const auto resumed = update();
    ASSERT_TRUE(resumed.ok()) << resumed.error().message;
    EXPECT_FALSE(resumed->stopped);
    EXPECT_EQ(resumed->days, 2);
    std::vector<TZiehung> complete = partial;
    complete.push_back(makeDraw(2024, 2, 3, {19, 20, 21, 22, 23, 24}));
    complete.push_back(makeDraw(2024, 2, 4, {25, 26, 27, 28, 29, 30}));
    EXPECT_EQ(bytesOf(stored()), bytesOf(complete));
}

TEST_F(DrawUpdateTest, ProxyPortThatIsNoNumberEndsTheUpdateBeforeAnyRequest)
{
    startServer(SmallCsv);
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{Jan3}));
    const QByteArray before = readBytes(drawPath());
    setToday(2024, 1, 6);
    state.proxyHost = QStringLiteral("127.0.0.1");
    state.proxyPort = QStringLiteral("abc");

    const auto outcome = update();
    ASSERT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error().message.contains(QStringLiteral("abc"))) << outcome.error().message;
    EXPECT_TRUE(requestedDays().isEmpty());
    EXPECT_TRUE(readBytes(drawPath()) == before);
}

TEST_F(DrawUpdateTest, UploadSendsEveryStoredDrawInFileOrder)
{
    startServer(SmallCsv);
    ASSERT_TRUE(writeRecords(drawPath(), std::vector<TZiehung>{makeDraw(1996, 11, 16, {45, 3, 19, 8, 33, 27}, 12),
                                                                Jan3, Jan3}));
    ASSERT_TRUE(DrawUpdate::uploadAll(state, client).ok());
    const QString jan3 = QStringLiteral("Programm=Orbix&Datum=20240103&Zahl1=5&Zahl2=11&Zahl3=23&Zahl4=30&Zahl5=41&Zahl6=49&");
    EXPECT_EQ(serverLog("uploads"),
              (QStringList{QStringLiteral(
                               "Programm=Orbix&Datum=19961116&Zahl1=45&Zahl2=3&Zahl3=19&Zahl4=8&Zahl5=33&Zahl6=27&"),
                           jan3, jan3}));

    // Nobody listening: every error is ignored.
    RefusingPort nobody;
    state.hosts.services = nobody.baseUrl();
    EXPECT_TRUE(DrawUpdate::uploadAll(state, client).ok());
}

} // namespace
} // namespace numora
