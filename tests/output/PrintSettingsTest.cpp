#include "output/PrintSettings.h"

#include "base/Random.h"
#include "model/Game.h"
#include "model/TTippSchein.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

using namespace PrintSettings;

TEST(PrintCost, EightRowsTwoGamesBothDays)
{
    CostInput in;
    in.rows = 8;
    in.saturday = in.wednesday = true;
    in.spiel77 = GameBox::Ticked;
    in.super6 = GameBox::Ticked;
    in.glueck = GameBox::Grey; // grey is not played
    EXPECT_DOUBLE_EQ(cost(in, false), 20.5);
    EXPECT_EQ(formatCost(cost(in, false)), QStringLiteral("20,50 €"));

    in.wednesday = false;
    in.glueck = GameBox::Ticked;
    EXPECT_DOUBLE_EQ(cost(in, true), 8 * 0.75 + 2.5 + 1.25 + 5.4 + 0.5);
}

TEST(PrintCost, NoDayCostsNothingOnlyWhenClicked)
{
    CostInput in;
    in.rows = 2;
    EXPECT_DOUBLE_EQ(cost(in, true), 0.0);
    EXPECT_DOUBLE_EQ(cost(in, false), 1.5 + 0.5);
    EXPECT_EQ(formatCost(0.0), QStringLiteral("0,00 €"));
}

// The state tickets' game keeps its price; another pays its fee per row and day in its own
// currency, nothing for games or fees it has not, and says so when it sets no fee.
TEST(PrintCost, InTheGamesCurrency)
{
    Game sayisal;
    sayisal.ticketLayouts = true;
    sayisal.feeCents = 50;
    sayisal.currency = QStringLiteral("EUR");
    Game canada;
    canada.feeCents = 300;
    canada.currency = QStringLiteral("CAD");
    Game german = canada;
    german.feeCents = 120;
    german.currency = QStringLiteral("EUR");
    Game cilgin = canada;
    cilgin.feeCents = 0;
    cilgin.currency = QStringLiteral("TRY");
    CostInput in;
    in.rows = 8;
    in.saturday = in.wednesday = true;
    in.spiel77 = GameBox::Ticked;
    const struct {
        const Game* game;
        bool saturday, wednesday, byClick;
        const char* text;
    } cases[] = {
        {&sayisal, true, true, false, "18,00 €"}, // (8 x 0,75 + 2,5) x 2 + 1
        {&canada, true, true, false, "48,00 CAD"},
        {&canada, true, false, false, "24,00 CAD"},
        {&german, false, true, false, "9,60 €"},
        {&canada, false, false, true, "0,00 CAD"},
        {&canada, false, false, false, "24,00 CAD"},
        {&cilgin, true, false, false, "Preis je Tipp nicht festgelegt"},
    };
    for (const auto& c : cases) {
        in.saturday = c.saturday;
        in.wednesday = c.wednesday;
        EXPECT_EQ(costText(*c.game, in, c.byClick), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST(PrintCost, ExtraHasItsOwnPrice)
{
    CostInput in;
    in.rows = 4;
    in.extra = true;
    in.feeOneDay = 0.25;
    in.saturday = in.wednesday = true;
    EXPECT_DOUBLE_EQ(cost(in, true), 9.25);
}

TEST(PrintCost, FeesFallBackWhenNotDecimal)
{
    EXPECT_DOUBLE_EQ(fee(QStringLiteral("0,75"), DefaultFeeOneDay), 0.75);
    EXPECT_DOUBLE_EQ(fee(QStringLiteral("zwei"), DefaultFeeOneDay), 0.5);
    EXPECT_DOUBLE_EQ(fee(QString(), DefaultFeeBothDays), 1.0);
}

TEST(PrintDays, PreselectionByWeekday)
{
    const QDate wednesday(2026, 12, 9);
    auto days = [](bool only, QDate d) {
        const Days x = preselectDays(only, d);
        return std::pair(x.saturday, x.wednesday);
    };
    EXPECT_EQ(days(false, wednesday), std::pair(false, true));
    EXPECT_EQ(days(false, wednesday.addDays(1)), std::pair(true, false)); // Thursday
    EXPECT_EQ(days(false, wednesday.addDays(3)), std::pair(true, false)); // Saturday
    EXPECT_EQ(days(false, wednesday.addDays(4)), std::pair(false, true)); // Sunday
    EXPECT_EQ(days(true, wednesday), std::pair(true, false));
}

TEST(PrintRows, CountsRowsWithAFirstNumber)
{
    TTippSchein sheet;
    sheet.setField(0, 0, QStringLiteral("4"));
    sheet.setField(5, 0, QStringLiteral("9"));
    sheet.setField(6, 3, QStringLiteral("9"));
    EXPECT_EQ(filledRows(sheet), 2);
}

// Digit 3 was drawn in the latest counted draw (overdue 1); every other digit longer ago.
constexpr std::array<int, 10> overdue{5, 4, 6, 1, 9, 2, 3, 7, 8, 10};
// Digit 3 is the rarest, then 7.
constexpr std::array<int, 10> frequency{20, 30, 25, 10, 40, 33, 22, 12, 50, 60};

TEST(SuperzahlChoice, RandomWithExclusionOne)
{
    // x = 1 rejects no digit that was drawn at all: overdue 1 is not greater than 1.
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        Random expected(seed);
        Random random(seed);
        const auto choice = chooseSuperzahl(SuperzahlOption::Random, true, 1, overdue, frequency, random);
        EXPECT_EQ(choice.digit, int(expected.next(10)));
        EXPECT_FALSE(choice.exclusionDropped);
    }
    // x = 2 rejects digit 3: it is never chosen.
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        Random random(seed);
        EXPECT_NE(chooseSuperzahl(SuperzahlOption::Random, true, 2, overdue, frequency, random).digit, 3);
    }
}

TEST(SuperzahlChoice, RarestWithExclusionOne)
{
    Random random(1);
    EXPECT_EQ(chooseSuperzahl(SuperzahlOption::Rarest, false, 1, overdue, frequency, random).digit, 3);
    // Digit 3 has overdue 1, which is not greater than x = 1: the next rarest.
    EXPECT_EQ(chooseSuperzahl(SuperzahlOption::Rarest, true, 1, overdue, frequency, random).digit, 7);
    // Ties go to the lower digit.
    EXPECT_EQ(chooseSuperzahl(SuperzahlOption::Rarest, false, 1, overdue, {}, random).digit, 0);
    EXPECT_EQ(random.state(), Random(1).state()); // draws nothing from the random source
}

TEST(SuperzahlChoice, LongestOverdueIgnoresTheExclusion)
{
    Random random(1);
    EXPECT_EQ(chooseSuperzahl(SuperzahlOption::LongestOverdue, true, 8, overdue, frequency, random).digit, 9);
    std::array<int, 10> ties{1, 4, 2, 4, 4, 0, 0, 0, 0, 0};
    EXPECT_EQ(chooseSuperzahl(SuperzahlOption::LongestOverdue, false, 1, ties, frequency, random).digit, 1);
}

TEST(SuperzahlChoice, TooFewDrawsForTheExclusionChoosesWithoutIt)
{
    const std::array<int, 10> noDraws{};
    Random expected(7);
    Random random(7);
    auto choice = chooseSuperzahl(SuperzahlOption::Random, true, 3, noDraws, noDraws, random);
    EXPECT_EQ(choice.digit, int(expected.next(10)));
    EXPECT_TRUE(choice.exclusionDropped);

    // Every digit drawn within the last 3 draws but x = 8.
    const std::array<int, 10> recent{1, 2, 3, 3, 3, 3, 3, 3, 3, 3};
    choice = chooseSuperzahl(SuperzahlOption::Rarest, true, 8, recent, frequency, random);
    EXPECT_EQ(choice.digit, 3);
    EXPECT_TRUE(choice.exclusionDropped);
}

} // namespace
} // namespace numora
