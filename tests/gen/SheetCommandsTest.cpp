#include "gen/SheetCommands.h"

#include "session/ProgramState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

class SheetCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.hooks = &hooks;
        state.programDir = QStringLiteral("/nonexistent/");
        state.currentDraw.take(test::makeDraw(1996, 11, 16, {3, 8, 19, 27, 33, 45}));
        state.sheet.setSheetReady(true);
        fillRow(0, {1, 2, 3, 4, 5, 6});
        fillRow(1, {3, 8, 19, 40, 41, 42});
        fillRow(2, {10, 11, 12, 13, 14, 15});
        state.sheet.toggleLock(1);
        // Stale displays: locked row 1 shows a wrong count, row 0 some earlier result.
        state.sheet.row(1).hitText = QStringLiteral("9");
        state.sheet.row(1).sumText = QStringLiteral("0");
        state.sheet.row(0).hitText = QStringLiteral("1");
        state.sheet.row(0).sumText = QStringLiteral("21");
        state.sheet.row(0).fieldHit[2] = true;
        state.sheet.row(0).hitRed = true;
    }

    void fillRow(int r, std::array<int, 6> numbers)
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::number(numbers[std::size_t(p)]));
    }

    test::RecordingHooks hooks;
    ProgramState state;
};

TEST_F(SheetCommandsTest, ClearAllTipsAnsweredNoChangesNothing)
{
    hooks.answer = false;
    const TTippreihe row0 = state.sheet.row(0);
    const TTippreihe row1 = state.sheet.row(1);

    EXPECT_FALSE(SheetCommands::clearAllTips(state));

    ASSERT_EQ(hooks.questions.size(), 1u);
    EXPECT_EQ(hooks.questions[0].caption, QStringLiteral("Alle Tipps löschen?"));
    EXPECT_EQ(hooks.questions[0].text, QStringLiteral("Sollen alle Tipps gelöscht werden??"));
    EXPECT_EQ(state.sheet.row(0).fields, row0.fields);
    EXPECT_EQ(state.sheet.row(0).hitText, row0.hitText);
    EXPECT_EQ(state.sheet.row(0).fieldHit, row0.fieldHit);
    EXPECT_EQ(state.sheet.row(1).hitText, row1.hitText);
}

TEST_F(SheetCommandsTest, ClearAllTipsAnsweredYesEmptiesUnlockedRowsAndReevaluates)
{
    hooks.answer = true;
    EXPECT_TRUE(SheetCommands::clearAllTips(state));

    for (int r : {0, 2}) {
        const TTippreihe& row = state.sheet.row(r);
        for (const QString& f : row.fields)
            EXPECT_TRUE(f.isEmpty()) << "row " << r;
        EXPECT_TRUE(row.hitText.isEmpty()) << "row " << r;
        EXPECT_TRUE(row.sumText.isEmpty()) << "row " << r;
        EXPECT_FALSE(row.hitRed) << "row " << r;
        EXPECT_EQ(row.fieldHit, (std::array<bool, 6>{})) << "row " << r;
    }
    const TTippreihe& locked = state.sheet.row(1);
    EXPECT_EQ(locked.fields, (std::array<QString, 6>{QStringLiteral("3"), QStringLiteral("8"), QStringLiteral("19"),
                                                      QStringLiteral("40"), QStringLiteral("41"), QStringLiteral("42")}));
    EXPECT_TRUE(locked.locked);
    EXPECT_EQ(locked.hitText, QStringLiteral("3"));
    EXPECT_EQ(locked.sumText, QStringLiteral("153"));
    EXPECT_TRUE(locked.hitRed);
    EXPECT_EQ(state.trefferbilanz.withoutBonus(3), 1);
}

TEST_F(SheetCommandsTest, ClearUnlockedRowsRestoresTheReadyFlagItFound)
{
    state.sheet.setSheetReady(false);
    SheetCommands::clearUnlockedRows(state);
    EXPECT_FALSE(state.sheet.sheetReady());
    // Evaluated all the same.
    EXPECT_EQ(state.sheet.row(1).hitText, QStringLiteral("3"));
    EXPECT_TRUE(state.sheet.row(0).fields[0].isEmpty());
    EXPECT_TRUE(hooks.questions.empty());

    state.sheet.setSheetReady(true);
    SheetCommands::clearUnlockedRows(state);
    EXPECT_TRUE(state.sheet.sheetReady());
}

} // namespace
} // namespace numora
