// Rebuilding the history from the results site and from "Orbix.dat": what a page or a file
// turns into, and that nothing short of a complete new history replaces the old one.

#include "history/DrawRebuild.h"

#include "support/ServicesFixture.h"

namespace numora {
namespace {

using test::bytesOf;
using test::makeDraw;
using test::readBytes;
using test::writeBytes;
using test::writeRecords;

QString balls(std::initializer_list<int> numbers)
{
    QString html = QStringLiteral("<div class=\"zahlen\">\n");
    for (int n : numbers)
        html += QStringLiteral("<img src=\"/bilder/kugeln/%1.gif\" alt=\"%1\">\n").arg(n);
    return html + QStringLiteral("</div>\n");
}

QString page(const QString& body)
{
    return QStringLiteral("<html><body><h1>Gewinnzahlen 6 aus 49</h1>\n<p>Ausspielung vom <b> 16.11.1996 </b></p>\n")
        + body + QStringLiteral("</body></html>\n");
}

TZiehung draw(std::array<int, 6> numbers, int zusatzzahl, int superzahl)
{
    TZiehung d = makeDraw(1996, 11, 16, numbers, zusatzzahl);
    d.Superzahl = static_cast<std::uint8_t>(superzahl);
    return d;
}

TEST(DrawRebuildPage, ReadsTheDrawsOfAPage)
{
    const QString six = balls({3, 8, 19, 27, 33, 45});
    const QString b = QStringLiteral("<p>Lottozahlen B:</p>\n") + balls({1, 2, 4, 9, 16, 25});
    const QString bWithBonus = b + QStringLiteral("<p>Zusatzzahl:</p>\n") + balls({36});
    const struct {
        const char* name;
        QString html;
        std::vector<TZiehung> draws;
    } cases[] = {
        {"one draw", page("<p>Lottozahlen:</p>\n" + six + "<p>Zusatzzahl:</p>\n" + balls({12})
                          + "<p>Superzahl: <b> 5 </b></p>\n"),
         {draw({3, 8, 19, 27, 33, 45}, 12, 5)}},
        {"no seventh ball", page("<p>Lottozahlen:</p>\n" + six + "<p>Superzahl: <b>5</b></p>\n"),
         {draw({3, 8, 19, 27, 33, 45}, 0, 5)}},
        {"no Superzahl", page("<p>Lottozahlen:</p>\n" + six + "<p>Zusatzzahl:</p>\n" + balls({12})),
         {draw({3, 8, 19, 27, 33, 45}, 12, 0)}},
        {"numbers in page order", page("<p>Lottozahlen:</p>\n" + balls({45, 33, 27, 19, 8, 3})),
         {draw({45, 33, 27, 19, 8, 3}, 0, 0)}},
        // A without a bonus ball: B's first ball is not A's Zusatzzahl.
        {"A and B", page("<p>Lottozahlen A:</p>\n" + six + bWithBonus
                         + "<p>Superzahl A und B: <b>7&nbsp;&nbsp;8</b></p>\n"),
         {draw({3, 8, 19, 27, 33, 45}, 0, 7), draw({1, 2, 4, 9, 16, 25}, 36, 8)}},
        {"A and B, only B's Superzahl", page("<p>Lottozahlen A:</p>\n" + six + "<p>Zusatzzahl:</p>\n" + balls({12}) + b
                                             + "<p>Superzahl A und B: <b>&nbsp;&nbsp;8</b></p>\n"),
         {draw({3, 8, 19, 27, 33, 45}, 12, 0), draw({1, 2, 4, 9, 16, 25}, 0, 8)}},
        {"A and B, no Superzahl", page("<p>Lottozahlen A:</p>\n" + six + b),
         {draw({3, 8, 19, 27, 33, 45}, 0, 0), draw({1, 2, 4, 9, 16, 25}, 0, 0)}},
        {"no Ausspielung", QStringLiteral("<p>Zu dieser Nummer gibt es keine Ziehung.</p><b>1.1.2000</b>") + six, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draws = DrawRebuild::parsePage(c.html);
        ASSERT_TRUE(draws.ok()) << draws.error().message;
        EXPECT_EQ(bytesOf(*draws), bytesOf(c.draws));
    }
}

TEST(DrawRebuildPage, TextThatDoesNotConvertIsAnError)
{
    const QString six = balls({3, 8, 19, 27, 33, 45});
    const struct {
        const char* name;
        QString html;
    } cases[] = {
        {"ball", page("<p>Lottozahlen:</p>\n" + balls({3, 8}) + "<img src=\"/bilder/kugeln/x.gif\">"
                      + balls({27, 33, 45}))},
        {"five balls", page("<p>Lottozahlen:</p>\n" + balls({3, 8, 19, 27, 33}))},
        {"Superzahl", page("<p>Lottozahlen:</p>\n" + six + "<p>Superzahl: <b>S</b></p>\n")},
        {"date", QStringLiteral("<p>Ausspielung vom <b>31.02.1996</b></p><p>Lottozahlen:</p>\n") + six},
        // Numbers no ball carries would reach the history cut to a byte (300 as 44).
        {"ball 300", page("<p>Lottozahlen:</p>\n" + balls({3, 8, 300, 27, 33, 45}))},
        {"ball 0", page("<p>Lottozahlen:</p>\n" + balls({0, 8, 19, 27, 33, 45}))},
        {"Zusatzzahl 50", page("<p>Lottozahlen:</p>\n" + balls({3, 8, 19, 27, 33, 45, 50}))},
        {"Superzahl 10", page("<p>Lottozahlen:</p>\n" + six + "<p>Superzahl: <b>10</b></p>\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draws = DrawRebuild::parsePage(c.html);
        EXPECT_FALSE(draws.ok());
    }
}

// The balls run to the game's N: 90 reads in a 6-of-90 game, 91 does not; the default game's
// message is the one it always gave.
TEST(DrawRebuildPage, BallsRunToTheGamesNumbers)
{
    const struct {
        int numbers;
        std::initializer_list<int> balls;
        const char* error; // nullptr: read
    } cases[] = {
        {49, {3, 8, 19, 27, 33, 49}, nullptr},
        {49, {3, 8, 19, 27, 33, 50}, "'50' ist keine Zahl von 1 bis 49"},
        {90, {64, 70, 75, 80, 85, 90, 66}, nullptr},
        {90, {64, 70, 75, 80, 85, 91}, "'91' ist keine Zahl von 1 bis 90"},
        {90, {64, 70, 75, 80, 85, 90, 91}, "'91' ist keine Zahl von 1 bis 90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numbers);
        const auto draws = DrawRebuild::parsePage(page("<p>Lottozahlen:</p>\n" + balls(c.balls)), c.numbers);
        if (c.error) {
            ASSERT_FALSE(draws.ok());
            EXPECT_EQ(draws.error().message, QString::fromUtf8(c.error));
            continue;
        }
        ASSERT_TRUE(draws.ok()) << draws.error().message;
        ASSERT_EQ(draws->size(), 1u);
        EXPECT_EQ(int(draws->front().Zahlen[5]), *(c.balls.begin() + 5));
        EXPECT_EQ(int(draws->front().Zusatzzahl), c.balls.size() > 6 ? *(c.balls.begin() + 6) : 0);
    }
}

// The results site: single draws (the first two from the German history), draws A and B of one
// date, and digits that the rebuild does not take.
const QByteArray ResultsCsv = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                              "1991-12-07,6,16,17,41,42,49,,7,,\n"
                              "1991-12-14,1,37,39,43,44,47,,4,,\n"
                              "2024-01-06,3,8,19,27,33,45,,3,,\n"
                              "2024-01-06,1,2,4,9,16,25,36,,,\n"
                              "2024-01-10,7,14,21,28,35,42,12,,1234567,123456\n";

std::vector<TZiehung> resultsHistory()
{
    auto d = [](int y, int m, int day, std::array<int, 6> n, int z, int s) {
        TZiehung r = makeDraw(y, m, day, n, z);
        r.Superzahl = static_cast<std::uint8_t>(s);
        return r;
    };
    return {d(1991, 12, 7, {6, 16, 17, 41, 42, 49}, 0, 7), d(1991, 12, 14, {1, 37, 39, 43, 44, 47}, 0, 4),
            d(2024, 1, 6, {3, 8, 19, 27, 33, 45}, 0, 3), d(2024, 1, 6, {1, 2, 4, 9, 16, 25}, 36, 0),
            d(2024, 1, 10, {7, 14, 21, 28, 35, 42}, 12, 0)};
}

const std::vector<TZiehung> OldHistory = {makeDraw(2019, 10, 30, {7, 16, 21, 31, 36, 46}),
                                          makeDraw(2019, 11, 2, {6, 29, 31, 32, 44, 45})};

class DrawRebuildTest : public test::ServicesFixture {
protected:
    void SetUp() override
    {
        ServicesFixture::SetUp();
        ASSERT_TRUE(writeRecords(drawPath(), OldHistory));
        oldBytes = readBytes(drawPath());
        hooks.answer = true;
    }

    void startResults(const QStringList& arguments = {})
    {
        const QString results = path(QStringLiteral("results.csv"));
        ASSERT_TRUE(writeBytes(results, ResultsCsv));
        startServer("date,n1,n2,n3,n4,n5,n6\n", QStringList{QStringLiteral("--results"), results} + arguments);
    }

    // The page numbers the rebuild asked for.
    QStringList requestedPages()
    {
        QStringList pages;
        const QString prefix = QStringLiteral("/layer.php?content=statistik/gwz_lotto.php&nr=");
        for (const QString& target : serverLog("requests"))
            if (target.startsWith(prefix))
                pages << target.mid(prefix.size());
        return pages;
    }

    QByteArray oldBytes;
};

TEST_F(DrawRebuildTest, ReadsEveryPageUntilOneWithoutADrawAndReplacesTheHistory)
{
    startResults();
    const auto rebuilt = DrawRebuild::rebuild(state, client);
    ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
    EXPECT_TRUE(*rebuilt);
    ASSERT_EQ(hooks.questions.size(), 1u);
    EXPECT_EQ(hooks.questions[0].caption, QStringLiteral("Ziehungsdaten löschen?"));
    EXPECT_EQ(hooks.questions[0].text, QStringLiteral("Wollen Sie wirklich alle Ziehungsdaten löschen und dies "
                                                      "komplett aus dem Internet neu aufbauen??"));
    EXPECT_EQ(bytesOf(stored()), bytesOf(resultsHistory()));
    EXPECT_EQ(requestedPages(), (QStringList{"1", "2", "3", "4", "5"}));
    // The display followed the draws as they were read.
    EXPECT_EQ(state.currentDraw.date, DayDate::fromYmd(2024, 1, 10));
}

TEST_F(DrawRebuildTest, FirstPageWithoutADrawLeavesAnEmptyHistory)
{
    startServer("date,n1,n2,n3,n4,n5,n6\n"); // no results at all
    const auto rebuilt = DrawRebuild::rebuild(state, client);
    ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
    EXPECT_TRUE(*rebuilt);
    EXPECT_TRUE(QFileInfo::exists(drawPath()));
    EXPECT_EQ(QFileInfo(drawPath()).size(), 0);
}

TEST_F(DrawRebuildTest, AnsweredNoAsksTheSiteNothingAndKeepsTheHistory)
{
    startResults();
    hooks.answer = false;
    const auto rebuilt = DrawRebuild::rebuild(state, client);
    ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
    EXPECT_FALSE(*rebuilt);
    EXPECT_TRUE(requestedPages().isEmpty());
    EXPECT_TRUE(readBytes(drawPath()) == oldBytes);
}

TEST_F(DrawRebuildTest, AFailingPageEndsWithAnErrorAndKeepsTheHistory)
{
    const QStringList faults[] = {
        {QStringLiteral("--status"), QStringLiteral("500:*nr=3")},
        {QStringLiteral("--status"), QStringLiteral("404:*nr=3")},
        {QStringLiteral("--close"), QStringLiteral("*nr=3")},
        // Junk is no page without a draw: it must not end the rebuild as if all were read.
        {QStringLiteral("--garbage"), QStringLiteral("*nr=3")},
    };
    for (const QStringList& fault : faults) {
        SCOPED_TRACE(fault.join(QLatin1Char(' ')).toStdString());
        startResults(fault);
        state.chosenDate.setDate(OldHistory.back().Datum);
        const auto rebuilt = DrawRebuild::rebuild(state, client);
        ASSERT_FALSE(rebuilt.ok());
        EXPECT_FALSE(rebuilt.error().message.isEmpty());
        EXPECT_TRUE(readBytes(drawPath()) == oldBytes);
        // The display is back on a stored draw, not on the last one read from the site.
        EXPECT_EQ(state.currentDraw.date, OldHistory.back().Datum);
        EXPECT_EQ(state.currentDraw.numbers[0], 6);
        // The client may try a closed connection once more; no page after it is asked for.
        QStringList pages = requestedPages();
        pages.removeDuplicates();
        EXPECT_EQ(pages, (QStringList{"1", "2", "3"}));
    }
}

// Nine lines per draw: date, six numbers, two lines the import does not read.
const QByteArray OrbixDat = "16.11.1996\n45\n3\n19\n8\n33\n27\nx\n\n"
                            "23.11.1996\n1\n2\n4\n9\n16\n25\n12\n7\n";

TEST_F(DrawRebuildTest, TextImportReadsNineLinesPerDraw)
{
    QByteArray crlf = OrbixDat;
    crlf.replace("\n", "\r\n");
    for (const QByteArray& text : {OrbixDat, crlf}) {
        ASSERT_TRUE(writeBytes(path(QStringLiteral("Orbix.dat")), text));
        ASSERT_TRUE(DrawRebuild::textImport(state).ok());
        EXPECT_EQ(bytesOf(stored()), bytesOf({makeDraw(1996, 11, 16, {45, 3, 19, 8, 33, 27}),
                                              makeDraw(1996, 11, 23, {1, 2, 4, 9, 16, 25})}));
    }
}

TEST_F(DrawRebuildTest, TextImportTakesTheGamesNumbers)
{
    Game game;
    game.id = QStringLiteral("mine90");
    game.numbers = 90;
    state.useGame(game, OldHistory.front().Datum);
    ASSERT_TRUE(writeBytes(path(QStringLiteral("Orbix.dat")), QByteArray(OrbixDat).replace("\n16\n", "\n90\n")));
    ASSERT_TRUE(DrawRebuild::textImport(state).ok());
    EXPECT_EQ(bytesOf(stored()), bytesOf({makeDraw(1996, 11, 16, {45, 3, 19, 8, 33, 27}),
                                          makeDraw(1996, 11, 23, {1, 2, 4, 9, 90, 25})}));

    ASSERT_TRUE(writeBytes(path(QStringLiteral("Orbix.dat")), QByteArray(OrbixDat).replace("\n16\n", "\n91\n")));
    const Status refused = DrawRebuild::textImport(state);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, QStringLiteral("Orbix.dat, Zeile 15: '91' ist keine Zahl von 1 bis 90"));
}

TEST_F(DrawRebuildTest, TextImportThatFailsNamesTheLineAndKeepsTheHistory)
{
    const struct {
        const char* name;
        QByteArray text; // empty: no Orbix.dat at all
        const char* named;
    } cases[] = {
        {"missing file", QByteArray(), "Orbix.dat"},
        {"number", QByteArray(OrbixDat).replace("\n8\n", "\nacht\n"), "Zeile 5"},
        {"out of range", QByteArray(OrbixDat).replace("\n16\n", "\n50\n"), "Zeile 15"},
        {"date", QByteArray(OrbixDat).replace("23.11.1996", "23.11."), "Zeile 10"},
        {"ends inside a record", OrbixDat.left(OrbixDat.indexOf("\n4\n") + 1), "Zeile 13"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("Orbix.dat")));
        if (!c.text.isEmpty()) {
            ASSERT_TRUE(writeBytes(path(QStringLiteral("Orbix.dat")), c.text));
        }
        state.chosenDate.setDate(OldHistory.front().Datum);
        state.currentDraw.take(makeDraw(2001, 1, 1, {1, 2, 3, 4, 5, 6}));
        const Status imported = DrawRebuild::textImport(state);
        ASSERT_FALSE(imported.ok());
        EXPECT_TRUE(imported.error().message.contains(QLatin1String(c.named))) << imported.error().message;
        EXPECT_TRUE(readBytes(drawPath()) == oldBytes);
        EXPECT_EQ(state.currentDraw.date, OldHistory.front().Datum);
    }
}

} // namespace
} // namespace numora
