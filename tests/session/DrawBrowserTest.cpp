#include "session/DrawBrowser.h"

#include "base/Formatting.h"
#include "session/ProgramState.h"
#include "draws/DrawCsv.h"

#include "support/StateFolderFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <cmath>

namespace numora {
namespace {

using test::makeDraw;

class DrawBrowserTest : public test::StateFolderTest<> {
protected:
    DrawBrowserTest() : StateFolderTest(QLocale(QLocale::German, QLocale::Germany)) {}

    void expectShown(const TZiehung& record, std::int32_t position)
    {
        EXPECT_EQ(state.currentDraw.date, record.Datum) << DayDate::formatShortDate(state.currentDraw.date).toStdString();
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(state.currentDraw.numbers[std::size_t(i)], record.Zahlen[i]) << "number " << i;
        EXPECT_EQ(state.currentDraw.position, position);
        EXPECT_EQ(state.chosenDate.value, record.Datum);
        EXPECT_EQ(DrawBrowser::drawLine(state.shownDrawCopy), DrawBrowser::drawLine(state.shownDraw));
    }
};

// Three Saturdays and a Wednesday.
const std::vector<TZiehung> fixtureDraws = {
    makeDraw(1996, 11, 16, {3, 8, 19, 27, 33, 45}, 7),
    makeDraw(1996, 11, 20, {1, 2, 3, 4, 5, 6}),
    makeDraw(1996, 11, 23, {10, 20, 30, 40, 41, 42}),
    makeDraw(1996, 11, 30, {7, 14, 21, 28, 35, 49}),
};

struct ChosenDateCase {
    const char* name;
    double chosen;
    std::size_t shownIndex;
    const char* line;
};

void PrintTo(const ChosenDateCase& c, std::ostream* os) { *os << c.name; }

class ShowChosenDateTest : public DrawBrowserTest, public ::testing::WithParamInterface<ChosenDateCase> {};

TEST_P(ShowChosenDateTest, ShowsTheFirstDrawOnOrAfterTheDate)
{
    writeDraws(fixtureDraws);
    const ChosenDateCase& c = GetParam();
    state.chosenDate.value = c.chosen;

    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());

    expectShown(fixtureDraws[c.shownIndex], std::int32_t(c.shownIndex));
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QString::fromUtf8(c.line));
    EXPECT_EQ(state.startDateField, double(roundHalfEven(c.chosen)));
    EXPECT_TRUE(hooks.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(DrawBrowser, ShowChosenDateTest,
    ::testing::Values(
        // Only the first draw, found before the walk starts, gets the wide separator.
        ChosenDateCase{"BeforeFirst", DayDate::fromYmd(1996, 11, 15), 0, "Sa 16.11.96     3  8  19  27  33  45"},
        ChosenDateCase{"OnFirst", DayDate::fromYmd(1996, 11, 16), 0, "Sa 16.11.96     3  8  19  27  33  45"},
        ChosenDateCase{"BetweenTwo", DayDate::fromYmd(1996, 11, 18), 1, "Mi 20.11.96    1  2  3  4  5  6"},
        ChosenDateCase{"OnAMiddleDraw", DayDate::fromYmd(1996, 11, 23), 2, "Sa 23.11.96    10  20  30  40  41  42"},
        // 35389.5 rounds to the even 35390 (Thursday), so the Wednesday before is not shown.
        ChosenDateCase{"HalfDayRoundsToEven", 35389.5, 2, "Sa 23.11.96    10  20  30  40  41  42"},
        ChosenDateCase{"OnNewest", DayDate::fromYmd(1996, 11, 30), 3, "Sa 30.11.96    7  14  21  28  35  49"},
        ChosenDateCase{"LaterThanNewest", DayDate::fromYmd(2026, 12, 10), 3, "Sa 30.11.96    7  14  21  28  35  49"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawBrowserTest, SumLabelOfTheShownDraw)
{
    writeDraws(fixtureDraws);
    state.chosenDate.value = DayDate::fromYmd(1996, 11, 16);
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    EXPECT_EQ(DrawBrowser::sumLabel(state.shownDraw), QStringLiteral("QS: 135"));
    EXPECT_EQ(state.currentDraw.numbers[6], 7);
}

TEST_F(DrawBrowserTest, OneDrawFileUsesTheNarrowSeparator)
{
    writeDraws({fixtureDraws[0]});
    state.chosenDate.value = DayDate::fromYmd(1996, 11, 16);
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    expectShown(fixtureDraws[0], 0);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Sa 16.11.96    3  8  19  27  33  45"));
}

TEST_F(DrawBrowserTest, PreviousAndNextStepOneDrawAndStopAtTheEnds)
{
    writeDraws(fixtureDraws);
    state.chosenDate.value = DayDate::fromYmd(1996, 11, 20);
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    expectShown(fixtureDraws[1], 1);

    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    expectShown(fixtureDraws[2], 2);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Sa 23.11.96    10  20  30  40  41  42"));
    ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
    expectShown(fixtureDraws[1], 1);
    ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
    expectShown(fixtureDraws[0], 0);
    // Stepping never uses the wide separator, not even on the first draw.
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Sa 16.11.96    3  8  19  27  33  45"));
    ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
    expectShown(fixtureDraws[0], 0);

    state.chosenDate.value = state.todayDay();
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    expectShown(fixtureDraws[3], 3);
    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    expectShown(fixtureDraws[3], 3);
    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    expectShown(fixtureDraws[3], 3);
}

TEST_F(DrawBrowserTest, StepsStoreTheStartDateWhileShowStoresTheTarget)
{
    writeDraws(fixtureDraws);
    state.startDate.value = DayDate::fromYmd(2000, 1, 1);
    state.chosenDate.value = DayDate::fromYmd(1996, 11, 22);
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    EXPECT_EQ(state.startDateField, DayDate::fromYmd(1996, 11, 22));

    ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
    EXPECT_EQ(state.startDateField, state.startDate.value);
    state.startDateField = 0.0;
    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    EXPECT_EQ(state.startDateField, state.startDate.value);
}

TEST_F(DrawBrowserTest, MissingFileIsReportedAndCreatedEmpty)
{
    state.currentDraw.take(fixtureDraws[2]);
    state.currentDraw.position = 5;
    const CurrentDraw before = state.currentDraw;

    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());

    EXPECT_EQ(hooks.messages, QStringList{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")});
    EXPECT_TRUE(QFileInfo(state.drawFilePath()).isFile());
    EXPECT_EQ(QFileInfo(state.drawFilePath()).size(), 0);
    EXPECT_EQ(state.currentDraw.date, before.date);
    EXPECT_EQ(state.currentDraw.numbers, before.numbers);
    EXPECT_EQ(state.currentDraw.position, before.position);
}

TEST_F(DrawBrowserTest, EmptyFile)
{
    writeDraws({});
    state.currentDraw.take(fixtureDraws[2]);
    const CurrentDraw before = state.currentDraw;
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    EXPECT_EQ(state.currentDraw.date, before.date);
    EXPECT_EQ(state.currentDraw.numbers, before.numbers);
    EXPECT_TRUE(hooks.messages.isEmpty());

    // Stepping shows the empty record: day 0 and all numbers 0.
    for (auto step : {&DrawBrowser::previousDraw, &DrawBrowser::nextDraw}) {
        state.currentDraw.take(fixtureDraws[2]);
        ASSERT_TRUE(step(state).ok());
        EXPECT_EQ(state.currentDraw.date, 0.0);
        EXPECT_EQ(state.currentDraw.numbers, (std::array<std::int32_t, 8>{}));
        EXPECT_EQ(state.currentDraw.position, 0);
        EXPECT_EQ(DrawBrowser::sumLabel(state.shownDraw), QStringLiteral("QS: 0"));
    }
}

TEST_F(DrawBrowserTest, ShownDrawIsEvaluatedAgainstTheSheet)
{
    writeDraws(fixtureDraws);
    state.sheet.setSheetReady(true);
    const int row[6] = {3, 8, 19, 27, 33, 45};
    for (int p = 0; p < 6; ++p)
        state.sheet.setField(0, p, QString::number(row[p]));

    state.chosenDate.value = DayDate::fromYmd(1996, 11, 16);
    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    EXPECT_EQ(state.sheet.row(0).hitText, QStringLiteral("6"));
    EXPECT_EQ(hooks.sounds, QStringList{state.soundPath()});

    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    EXPECT_EQ(state.sheet.row(0).hitText, QStringLiteral("1"));
    EXPECT_EQ(state.trefferbilanz.withoutBonus(1), 1);
    EXPECT_EQ(hooks.sounds.size(), 1);
}

TEST_F(DrawBrowserTest, DamagedRecordsDoNotBreakBrowsing)
{
    TZiehung nan = makeDraw(1996, 11, 23, {0, 200, 0, 200, 0, 200}, 200);
    nan.Datum = std::nan("");
    TZiehung huge = makeDraw(1996, 11, 23, {200, 200, 200, 200, 200, 200});
    huge.Datum = 1e300;
    TZiehung negative = makeDraw(1996, 11, 23, {1, 2, 3, 4, 5, 6});
    negative.Datum = -12345.0;
    writeDraws({fixtureDraws[0], nan, huge, negative, fixtureDraws[3]});
    state.sheet.setSheetReady(true);
    for (int p = 0; p < 6; ++p)
        state.sheet.setField(0, p, QString::number(p + 1));

    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    EXPECT_EQ(state.currentDraw.position, 4);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
        EXPECT_LE(std::stoi(state.sheet.row(0).hitText.toStdString()), 6);
    }
    expectShown(fixtureDraws[0], 0);
}

TEST_F(DrawBrowserTest, RealHistoryFromNewestBackToTheFirstDraw)
{
    QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const auto records = DrawCsv::parse(csv.readAll());
    ASSERT_TRUE(records.ok()) << records.error().message.toStdString();
    ASSERT_EQ(records->size(), 1267u);
    ASSERT_TRUE(state.drawFile().replaceAll(*records).ok());

    ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    const TZiehung newest = makeDraw(2019, 11, 2, {6, 29, 31, 32, 44, 45});
    expectShown(newest, 1266);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Sa 02.11.19    6  29  31  32  44  45"));

    for (int i = 0; i < 1266; ++i)
        ASSERT_TRUE(DrawBrowser::previousDraw(state).ok());
    expectShown(makeDraw(1996, 11, 16, {5, 15, 20, 32, 34, 47}), 0);
}

// The extra number follows the six where the game draws one and the draw has it.
TEST(DrawBrowserExtra, TheDrawLineEndsWithTheGamesExtraNumber)
{
    auto game = [](Game::Extra extra, double since = 0) {
        Game g;
        g.extra = extra;
        g.extraSince = since;
        return g;
    };
    const double superzahlSince = DayDate::fromYmd(1991, 12, 7);
    struct Case {
        Game game;
        TZiehung record;
        int superzahl;
        const char* suffix;
    };
    const Case cases[] = {
        {game(Game::Extra::None), makeDraw(2022, 1, 1, {9, 60, 72, 77, 78, 90}, 20), 0, ""},
        {game(Game::Extra::Joker), makeDraw(2022, 1, 1, {9, 60, 72, 77, 78, 90}, 20), 0, "  + 20"},
        {game(Game::Extra::Bonus), makeDraw(2022, 1, 1, {1, 2, 3, 4, 5, 6}), 0, ""}, // no bonus recorded
        {game(Game::Extra::Superzahl, superzahlSince), makeDraw(1991, 11, 30, {1, 2, 3, 4, 5, 6}), 0, ""},
        {game(Game::Extra::Superzahl, superzahlSince), makeDraw(1991, 12, 7, {1, 2, 3, 4, 5, 6}), 0, "  + 0"},
    };
    for (const Case& c : cases) {
        TZiehung record = c.record;
        record.Superzahl = std::uint8_t(c.superzahl);
        const DrawDisplay shown{true, record, false};
        EXPECT_EQ(DrawBrowser::drawLine(shown, c.game), DrawBrowser::drawLine(shown) + QString::fromLatin1(c.suffix))
            << DrawBrowser::drawLine(shown).toStdString();
    }
    EXPECT_EQ(DrawBrowser::drawLine(DrawDisplay{}, game(Game::Extra::Joker)), QString());
}

} // namespace
} // namespace numora
