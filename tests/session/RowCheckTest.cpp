#include "session/RowCheck.h"

#include "session/ProgramState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

using Row = std::array<QString, 6>;

Row rowOf(std::array<const char*, 6> texts)
{
    Row row;
    for (std::size_t i = 0; i < 6; ++i)
        row[i] = QString::fromLatin1(texts[i]);
    return row;
}

CurrentDraw drawOf(std::array<std::int32_t, 8> numbers)
{
    CurrentDraw draw;
    draw.numbers = numbers;
    return draw;
}

class KomplettcheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.hooks = &hooks;
        state.programDir = QStringLiteral("/numora/");
        // 3 12 18 25 40 44, Zusatzzahl 7, Superzahl 5.
        state.currentDraw = drawOf({3, 12, 18, 25, 40, 44, 7, 5});
        state.sheet.setSheetReady(true);
    }

    void typeRow(int r, std::array<const char*, 6> texts)
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::fromLatin1(texts[std::size_t(p)]));
    }

    void expectNoCounts() const
    {
        for (int h = 0; h <= 6; ++h) {
            EXPECT_EQ(state.trefferbilanz.withoutBonus(h), 0) << h;
            EXPECT_EQ(state.trefferbilanz.withBonus(h), 0) << h;
        }
    }

    test::RecordingHooks hooks;
    ProgramState state;
};

TEST_F(KomplettcheckTest, CountsOnlyTheSixNumbers)
{
    // 7 is the Zusatzzahl and does not count.
    typeRow(0, {"3", "7", "12", "25", "30", "41"});
    Komplettcheck(state);

    const TTippreihe& row = state.sheet.row(0);
    EXPECT_EQ(row.hitText, QStringLiteral("3"));
    EXPECT_EQ(row.fieldHit, (std::array<bool, 6>{true, false, true, true, false, false}));
    EXPECT_TRUE(row.hitRed);
    EXPECT_EQ(row.sumText, QStringLiteral("118"));
    EXPECT_EQ(hooks.sounds, QStringList{QStringLiteral("/numora/yippee.wav")});
    for (int h = 0; h <= 6; ++h) {
        EXPECT_EQ(state.trefferbilanz.withBonus(h), 0) << h;
        EXPECT_EQ(state.trefferbilanz.withoutBonus(h), h == 3 ? 1 : 0) << h;
    }
}

TEST_F(KomplettcheckTest, CompleteRowIsSortedBeforeItIsMarked)
{
    typeRow(0, {"41", "3", "30", "12", "25", "7"});
    Komplettcheck(state);

    const TTippreihe& row = state.sheet.row(0);
    EXPECT_EQ(row.fields, rowOf({"3", "7", "12", "25", "30", "41"}));
    EXPECT_EQ(row.fieldHit, (std::array<bool, 6>{true, false, true, true, false, false}));
    EXPECT_EQ(row.hitText, QStringLiteral("3"));
}

TEST_F(KomplettcheckTest, IncompleteRowShowsNothingAndKeepsItsOrder)
{
    typeRow(0, {"41", "3", "", "12", "25", "7"});
    TTippreihe& row = state.sheet.row(0);
    row.hitText = QStringLiteral("2");
    row.sumText = QStringLiteral("88");
    row.hitRed = true;
    row.fieldHit[1] = true;

    Komplettcheck(state);

    EXPECT_EQ(row.fields, rowOf({"41", "3", "", "12", "25", "7"}));
    EXPECT_TRUE(row.hitText.isEmpty());
    EXPECT_TRUE(row.sumText.isEmpty());
    EXPECT_FALSE(row.hitRed);
    EXPECT_EQ(row.fieldHit, (std::array<bool, 6>{}));
    expectNoCounts();
    EXPECT_TRUE(hooks.sounds.isEmpty());
}

TEST_F(KomplettcheckTest, SheetNotReadyOnlyClearsTheCounts)
{
    typeRow(0, {"41", "3", "30", "12", "25", "7"});
    state.sheet.row(0).hitText = QStringLiteral("5");
    state.sheet.setSheetReady(false);
    state.trefferbilanz.counts[3][0] = 4;
    state.trefferbilanz.counts[1][1] = 2;

    Komplettcheck(state);

    EXPECT_EQ(state.sheet.row(0).fields, rowOf({"41", "3", "30", "12", "25", "7"}));
    EXPECT_EQ(state.sheet.row(0).hitText, QStringLiteral("5"));
    expectNoCounts();
    EXPECT_TRUE(hooks.sounds.isEmpty());
}

TEST_F(KomplettcheckTest, TwelveRowsWithTwoHitsEach)
{
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        typeRow(r, {"3", "12", "20", "21", "22", "23"});
    Komplettcheck(state);

    EXPECT_EQ(state.trefferbilanz.withoutBonus(2), 12);
    EXPECT_TRUE(hooks.sounds.isEmpty());
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        EXPECT_EQ(state.sheet.row(r).hitText, QStringLiteral("2")) << r;
        EXPECT_FALSE(state.sheet.row(r).hitRed) << r;
    }
}

TEST_F(KomplettcheckTest, SoundOncePerRowWithThreeHitsOrMore)
{
    typeRow(0, {"3", "12", "18", "1", "2", "4"});   // 3
    typeRow(1, {"3", "12", "1", "2", "4", "5"});    // 2
    typeRow(2, {"3", "12", "18", "25", "40", "44"}); // 6
    typeRow(3, {"3", "12", "18", "25", "1", "2"});  // 4
    Komplettcheck(state);

    EXPECT_EQ(hooks.sounds.size(), 3);
    const int expectedHits[] = {3, 2, 6, 4};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(state.sheet.row(r).hitText, QString::number(expectedHits[r])) << r;
        EXPECT_EQ(state.sheet.row(r).hitRed, expectedHits[r] > 2) << r;
    }
    for (int h : {2, 3, 4, 6})
        EXPECT_EQ(state.trefferbilanz.withoutBonus(h), 1) << h;
}

TEST_F(KomplettcheckTest, SameNumberTwiceScoresBothPositions)
{
    typeRow(0, {"25", "3", "25", "10", "11", "13"});
    Komplettcheck(state);

    const TTippreihe& row = state.sheet.row(0);
    EXPECT_EQ(row.fields, rowOf({"3", "10", "11", "13", "25", "25"}));
    EXPECT_EQ(row.fieldHit, (std::array<bool, 6>{true, false, false, false, true, true}));
    EXPECT_EQ(row.hitText, QStringLiteral("3"));
}

TEST_F(KomplettcheckTest, DamagedDrawRepeatingANumberCountsEachPositionOnce)
{
    // A foreign file can repeat a number; a row position still scores at most once.
    state.currentDraw = drawOf({5, 5, 5, 5, 5, 5, 0, 0});
    typeRow(0, {"5", "5", "1", "2", "3", "4"});
    Komplettcheck(state);

    EXPECT_EQ(state.sheet.row(0).hitText, QStringLiteral("2"));
    EXPECT_EQ(state.trefferbilanz.withoutBonus(2), 1);

    const CheckResult allFives = Zettelcheck(rowOf({"5", "5", "5", "5", "5", "5"}), state.currentDraw);
    EXPECT_EQ(allFives.hitCount, 6);
}

TEST(Zettelcheck, DrawnZeroNeverMatches)
{
    // Unused positions reach the check as "0"; a damaged draw holds 0 as well.
    const CheckResult result = Zettelcheck(rowOf({"0", "0", "0", "0", "0", "0"}), drawOf({}));
    EXPECT_EQ(result.hitCount, 0);
    EXPECT_EQ(result.hits, (std::array<bool, 6>{}));
    EXPECT_FALSE(result.bonus);

    const CheckResult outOfRange
        = Zettelcheck(rowOf({"50", "-1", "0", "1", "2", "3"}), drawOf({50, -1, 0, 60, 70, 80, 0, 0}));
    EXPECT_EQ(outOfRange.hitCount, 0);
}

TEST(Zettelcheck, StopsCountingAtTheFirstTextThatIsNoInteger)
{
    const CurrentDraw draw = drawOf({3, 8, 19, 27, 33, 45, 0, 0});
    // The first drawn number meets "3" before the count ends at "x".
    const CheckResult result = Zettelcheck(rowOf({"3", "8", "x", "27", "33", "45"}), draw);
    EXPECT_EQ(result.hitCount, 1);
    EXPECT_EQ(result.hits, (std::array<bool, 6>{true, false, false, false, false, false}));

    EXPECT_EQ(Zettelcheck(rowOf({"", "3", "8", "19", "27", "33"}), draw).hitCount, 0);
    EXPECT_EQ(Zettelcheck(rowOf({"3", "8", "19", "27", "33", "45"}), draw).hitCount, 6);
}

} // namespace
} // namespace numora
