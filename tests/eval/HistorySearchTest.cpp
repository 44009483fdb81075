#include "eval/HistorySearch.h"
#include "session/DrawBrowser.h"

#include "session/ProgramState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include <deque>

namespace numora {
namespace {

using test::makeDraw;

// Answers the threshold box with `threshold` and the questions from `answers` (then No).
class SearchHooks : public test::RecordingHooks {
public:
    std::optional<QString> threshold;
    std::deque<bool> answers;
    QStringList inputCaptions;
    int shownDraws = 0;

    QString askText(const QString& caption, const QString& prompt, const QString& proposed) override
    {
        inputCaptions << caption << prompt << proposed;
        return threshold.value_or(proposed);
    }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        questions.push_back({caption, text});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void drawChanged() override { ++shownDraws; }
};

class HistorySearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(dir.isValid());
        state.programDir = dir.path() + QLatin1Char('/');
        state.hooks = &hooks;
        state.startDate.value = ProgramState::designedStartDate();
        state.chosenDate.value = DayDate::fromYmd(2019, 1, 19);
        ASSERT_TRUE(test::writeRecords(state.drawFilePath(), draws));
        // Unsorted on purpose: the search neither sorts nor sums.
        typeRow(0, {"6", "5", "4", "3", "2", "1"});
        typeRow(1, {"7", "8", "9", "10", "11", "12"});
        typeRow(2, {"1", "2", "3", "10", "11", "12"});
        typeRow(3, {"1", "2", "", "4", "5", "6"});
        typeRow(4, {"", "2", "3", "4", "5", "6"});
    }

    void TearDown() override { QLocale::setDefault(savedLocale); }

    void typeRow(int r, std::array<const char*, 6> texts)
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::fromLatin1(texts[std::size_t(p)]));
    }

    QStringList hitTexts() const
    {
        QStringList texts;
        for (int r = 0; r < 5; ++r)
            texts << state.sheet.row(r).hitText;
        return texts;
    }

    static double day(int d) { return DayDate::fromYmd(2019, 1, d); }

    // Saturday, Wednesday, Sunday, Tuesday, Saturday.
    const std::vector<TZiehung> draws{
        makeDraw(2019, 1, 5, {1, 2, 3, 4, 5, 6}),
        makeDraw(2019, 1, 9, {7, 8, 9, 10, 11, 12}),
        makeDraw(2019, 1, 13, {1, 2, 3, 10, 11, 12}),
        makeDraw(2019, 1, 15, {1, 2, 3, 4, 5, 6}),
        makeDraw(2019, 1, 19, {1, 2, 3, 13, 14, 15}),
    };
    const QLocale savedLocale;
    QTemporaryDir dir;
    SearchHooks hooks;
    ProgramState state;
};

TEST_F(HistorySearchTest, ThresholdSevenRunsThroughTheWindowWithoutAQuestion)
{
    state.chart.points.push_back({1, 5});
    state.trefferbilanz.counts[2][0] = 4;

    const auto outcome = HistorySearch::search(state, 7);
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_TRUE(hooks.questions.empty());
    EXPECT_FALSE(outcome->endedByUser);
    EXPECT_EQ(outcome->lastVisited, day(19));

    // Left on the window's last draw with the rows' hits against it; a row stops counting at
    // its first empty field.
    EXPECT_EQ(state.currentDraw.date, day(19));
    EXPECT_EQ(state.currentDraw.position, 4);
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Sa 19.01.19    1  2  3  13  14  15"));
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDrawCopy), DrawBrowser::drawLine(state.shownDraw));
    EXPECT_EQ(DrawBrowser::sumLabel(state.shownDraw), QStringLiteral("QS: 48"));
    EXPECT_EQ(hitTexts(), (QStringList{"3", "0", "3", "1", "0"}));
    EXPECT_TRUE(state.sheet.row(0).hitRed);
    EXPECT_FALSE(state.sheet.row(3).hitRed);
    EXPECT_GE(hooks.shownDraws, 1);

    // What belongs to Komplettcheck stays untouched; the chart is left empty.
    EXPECT_EQ(state.sheet.field(0, 0), QStringLiteral("6"));
    EXPECT_TRUE(state.sheet.row(0).sumText.isEmpty());
    EXPECT_EQ(state.sheet.row(0).fieldHit, (std::array<bool, 6>{}));
    EXPECT_TRUE(hooks.sounds.isEmpty());
    EXPECT_EQ(state.trefferbilanz.withoutBonus(2), 4);
    EXPECT_TRUE(state.chart.points.empty());
    // The picker keeps the end of the window.
    EXPECT_EQ(state.chosenDate.value, day(19));
}

TEST_F(HistorySearchTest, ThresholdZeroAsksAtTheFirstRowOfTheFirstDraw)
{
    state.sheet.row(1).hitText = QStringLiteral("x");
    const auto outcome = HistorySearch::search(state, 0);
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(hooks.questions.size(), 1u);
    EXPECT_EQ(hooks.questions[0].caption, QStringLiteral("Ziehung gefunden"));
    EXPECT_EQ(hooks.questions[0].text, QStringLiteral("Ein Treffer gefunden am :05.01.2019   Weiter?"));
    EXPECT_TRUE(outcome->endedByUser);
    EXPECT_EQ(state.currentDraw.date, day(5));
    EXPECT_EQ(hitTexts(), (QStringList{"6", "x", "", "", ""}));
}

TEST_F(HistorySearchTest, NoAtALaterDrawLeavesItShownAndTheLaterRowsAsBefore)
{
    hooks.answers = {true, false};
    std::vector<HistorySearch::Hit> hits;
    const auto outcome = HistorySearch::search(state, 6, [&hits](const HistorySearch::Hit& h) { hits.push_back(h); });
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].date, day(5));
    EXPECT_EQ(hits[0].row, 1);
    EXPECT_EQ(hits[1].date, day(9));
    EXPECT_EQ(hits[1].row, 2);
    EXPECT_EQ(hits[1].hitCount, 6);
    EXPECT_EQ(hooks.questions.size(), 2u);
    EXPECT_TRUE(outcome->endedByUser);
    EXPECT_EQ(state.currentDraw.date, day(9));
    EXPECT_EQ(DrawBrowser::drawLine(state.shownDraw), QStringLiteral("Mi 09.01.19    7  8  9  10  11  12"));
    // Row 3 still shows its hits against 05.01.
    EXPECT_EQ(hitTexts(), (QStringList{"0", "6", "3", "1", "0"}));
}

struct WindowCase {
    const char* name;
    bool saturday;
    bool wednesday;
    int startDay;
    int endDay;
    std::vector<int> visited;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class SearchWindowTest : public HistorySearchTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SearchWindowTest, VisitsTheDrawsOfItsOwnWeekdayRule)
{
    const WindowCase& c = GetParam();
    state.saturdayDraws = c.saturday;
    state.wednesdayDraws = c.wednesday;
    if (c.startDay)
        state.startDate.value = day(c.startDay);
    state.chosenDate.value = day(c.endDay);
    hooks.answers.assign(100, true);
    std::vector<int> visited;
    const auto outcome = HistorySearch::search(state, 0, [&](const HistorySearch::Hit& h) {
        const int d = DayDate::toDate(h.date)->day();
        if (visited.empty() || visited.back() != d)
            visited.push_back(d);
    });
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(visited, c.visited);
    if (c.visited.empty())
        EXPECT_FALSE(outcome->lastVisited.has_value());
    else
        EXPECT_EQ(outcome->lastVisited, day(c.visited.back()));
}

const WindowCase windowCases[] = {
    // Both boxes still skip the Tuesday, unlike the statistics' filter.
    {"BothBoxes", true, true, 0, 19, {5, 9, 13, 19}},
    {"SaturdayBoxTakesSundays", true, false, 0, 19, {5, 13, 19}},
    {"WednesdayBoxOnly", false, true, 0, 19, {9}},
    {"NoBox", false, false, 0, 19, {}},
    {"BoundsIncluded", true, true, 9, 13, {9, 13}},
};

INSTANTIATE_TEST_SUITE_P(HistorySearch, SearchWindowTest, ::testing::ValuesIn(windowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistorySearchTest, RunAsksForTheThresholdAndRefusesANonNumber)
{
    const auto outcome = HistorySearch::run(state);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(hooks.inputCaptions,
              (QStringList{QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"), QStringLiteral("Tipp-Test"),
                           QStringLiteral("6")}));
    // The preset 6 stops at the two full hits; No ends at the first.
    EXPECT_EQ(hooks.questions.size(), 1u);

    hooks.threshold = QStringLiteral("sechs");
    state.chart.points.push_back({1, 5});
    const auto refused = HistorySearch::run(state);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, QStringLiteral("'sechs' ist kein gültiger Integerwert"));
    EXPECT_EQ(state.chart.points.size(), 1u); // ended before the search began
}

} // namespace
} // namespace numora
