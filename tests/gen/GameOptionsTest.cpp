// Options made for 6 of 49 that mean nothing in another game: which, why, and that a run leaves
// them out while they stay stored.
#include "gen/GameOptions.h"
#include "gen/Generator.h"

#include "GenFixture.h"

namespace numora {
namespace {

using test::allOff;
using test::makeDraw;
using test::row;
using test::shippedGame;

Game playersGame(int numbers)
{
    Game game;
    game.id = QStringLiteral("mine%1").arg(numbers);
    game.numbers = numbers;
    game.ticketNumber = false;
    Game::nearSquareGrid(numbers, game.gridColumns, game.gridRows);
    return game;
}

TEST(GameOptions, WhichOptionsApplyInWhichGame)
{
    const struct {
        Game game;
        bool avoidMonths, fewerDates, bonusCounts, superzahl; // boxes 29, 30, 35, 33
    } cases[] = {
        {shippedGame(QStringLiteral("sayisal")), true, true, true, true},
        {shippedGame(QStringLiteral("lotto6aus49")), true, true, true, true},
        {shippedGame(QStringLiteral("lotto649")), true, true, true, false},
        {shippedGame(QStringLiteral("cilgin")), true, true, false, false},
        // 18 leaves six numbers above 12, 17 five; 32 has one number that is no day of a month.
        {playersGame(18), true, false, true, false},
        {playersGame(17), false, false, true, false},
        {playersGame(32), true, true, true, false},
        {playersGame(31), true, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game.id.toStdString());
        const std::pair<int, bool> boxes[] = {{29, c.avoidMonths}, {30, c.fewerDates}, {35, c.bonusCounts}, {33, c.superzahl}};
        for (const auto& [box, applies] : boxes) {
            EXPECT_EQ(GameOptions::applies(c.game, box), applies) << "CheckBox" << box;
            // Not applied always says why.
            EXPECT_EQ(GameOptions::whyNotApplied(c.game, box).isEmpty(), applies) << "CheckBox" << box;
        }
        // Every other option applies in every game.
        for (int box : {1, 2, 8, 9, 10, 18, 19, 22, 25, 26})
            EXPECT_TRUE(GameOptions::applies(c.game, box)) << "CheckBox" << box;
    }
}

class GameOptionsRun : public test::GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        writeDraws({makeDraw(2020, 1, 4, {1, 2, 3, 4, 5, 6}), makeDraw(2020, 1, 8, {7, 8, 9, 10, 11, 12})});
        state.chosenDate.value = test::day(2020, 1, 8);
        allOff(state.params);
    }
};

// Avoiding 1..12 in a 6-of-15 game would leave three numbers and no row; the run ignores the
// option, fills the sheet over 1..15 and keeps the option as it was stored.
TEST_F(GameOptionsRun, AnOptionWithoutMeaningTakesNoPartInTheRun)
{
    state.useGame(playersGame(15), test::day(2020, 1, 4));
    state.params.setCheckBox(29, true);
    state.params.setCheckBox(30, true);
    state.sheet.setTipCount(12);
    const auto result = Generator::generate(state);
    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result->end, GenerationResult::End::Finished);
    for (int r = 0; r < 12; ++r)
        for (int p = 0; p < 6; ++p) {
            const int n = state.sheet.field(r, p).toInt();
            EXPECT_TRUE(n >= 1 && n <= 15) << "row " << r + 1 << ": " << n;
        }
    EXPECT_TRUE(state.params.avoidMonthNumbers());
    EXPECT_TRUE(state.params.lowerDateNumbers());

    // The same pool as without the options.
    const auto with = Generator::buildPool(state);
    state.params.setCheckBox(29, false);
    state.params.setCheckBox(30, false);
    const auto without = Generator::buildPool(state);
    ASSERT_TRUE(with.ok() && without.ok() && with->has_value() && without->has_value());
    EXPECT_EQ(**with, **without);
}

// The last draw's seventh value counts as a hit only where it is a ball of the six's drum: a
// Joker of its own drum shared with a candidate is no shared number.
TEST_F(GameOptionsRun, TheJokerIsNoSharedNumberOfTheLastDraw)
{
    state.params.setCheckBox(35, true);
    state.params.setCheckBox(4, true);
    state.params.setUpDown(4, 1);
    RecentDraws recent;
    recent.draws[0] = DrawValues{1, 2, 3, 4, 5, 6, 40, 0};
    const Row candidate = row({1, 40, 41, 42, 43, 44});
    for (const auto& [id, accepted] : {std::pair{QStringLiteral("lotto649"), false}, std::pair{QStringLiteral("cilgin"), true}}) {
        state.useGame(shippedGame(id), test::day(2020, 1, 4));
        const auto ok = RowFilter::accepts(state, candidate, test::sumOf(candidate), PlacedRows{}, recent);
        ASSERT_TRUE(ok.ok());
        EXPECT_EQ(*ok, accepted) << id.toStdString();
    }
}

} // namespace
} // namespace numora
