#include "gen/SheetCommands.h"

#include "session/ProgramState.h"
#include "base/Random.h"
#include "gen/NumberSelection.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

class RowEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.hooks = &hooks;
        // What the dialog's last use left behind.
        selection.box(30).yellow = true;
        selection.rechnenVisible = true;
        selection.zufallVisible = false;
        selection.pickCount = 3;
    }

    void setFields(int r, std::array<const char*, 6> texts)
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::fromLatin1(texts[std::size_t(p)]));
    }

    std::vector<int> ticked() const
    {
        std::vector<int> out;
        for (int n = 1; n <= 49; ++n)
            if (selection.box(n).ticked)
                out.push_back(n);
        return out;
    }

    std::array<QString, 6> fields(int r) const { return state.sheet.row(r).fields; }

    test::RecordingHooks hooks;
    ProgramState state;
    NumberSelection selection;
};

TEST_F(RowEditTest, MarkingStopsAtTheFirstEmptyField)
{
    setFields(6, {"5", "17", "", "30", "41", "9"});
    SheetCommands::prepareRowEdit(state, selection, 6);
    EXPECT_EQ(ticked(), (std::vector<int>{5, 17}));
    for (int n = 1; n <= 49; ++n)
        EXPECT_EQ(selection.box(n).yellow, n == 5 || n == 17) << n;
    EXPECT_FALSE(selection.rechnenVisible);
    EXPECT_TRUE(selection.zufallVisible);
    EXPECT_EQ(selection.pickCount, 6);
}

TEST_F(RowEditTest, OkWritesTheTickedBoxesFromTheLeft)
{
    const struct {
        std::vector<int> boxes;
        std::array<const char*, 6> after;
    } cases[] = {
        // Four boxes: positions 5 and 6 keep their text.
        {{7, 20, 33, 48}, {"7", "20", "33", "48", "5", "6"}},
        {{2, 4, 9, 11, 15, 23, 40}, {"2", "4", "9", "11", "15", "23"}},
        {{}, {"1", "2", "3", "4", "5", "6"}},
    };
    for (const auto& c : cases) {
        setFields(0, {"1", "2", "3", "4", "5", "6"});
        SheetCommands::prepareRowEdit(state, selection, 0);
        selection.untickAll();
        for (int n : c.boxes)
            selection.click(n, true);
        SheetCommands::applyRowEdit(state, selection, 0);
        std::array<QString, 6> expected;
        for (int p = 0; p < 6; ++p)
            expected[std::size_t(p)] = QString::fromLatin1(c.after[std::size_t(p)]);
        EXPECT_EQ(fields(0), expected) << c.boxes.size() << " boxes";
    }
}

TEST_F(RowEditTest, RandomPickThenOkAndBackToPoolLook)
{
    setFields(3, {"8", "9", "10", "11", "12", "13"});
    SheetCommands::prepareRowEdit(state, selection, 3);
    Random random(5);
    selection.randomClick();
    for (int click = 0; click < 6; ++click) {
        selection.timerTick(random);
        selection.randomClick();
    }
    ASSERT_EQ(ticked().size(), 6u);
    SheetCommands::applyRowEdit(state, selection, 3);
    std::array<QString, 6> expected;
    for (int p = 0; p < 6; ++p)
        expected[std::size_t(p)] = QString::number(ticked()[std::size_t(p)]);
    EXPECT_EQ(fields(3), expected);

    SheetCommands::finishRowEdit(state, selection);
    EXPECT_TRUE(selection.rechnenVisible);
    EXPECT_FALSE(selection.zufallVisible);
    EXPECT_EQ(selection.caption, QStringLiteral("Zahlen für Berechnung wählen"));
    for (int n = 1; n <= 49; ++n)
        EXPECT_FALSE(selection.box(n).yellow) << n;
}

} // namespace
} // namespace numora
