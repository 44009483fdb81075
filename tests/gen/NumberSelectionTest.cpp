#include "gen/NumberSelection.h"

#include "base/Random.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace numora {
namespace {

struct ClickCase {
    const char* name;
    bool ticked;
    const char* weight;
    const char* clicks; // L = left click, R = right-button release
    bool tickedAfter;
    const char* weightAfter;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickRuleTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickRuleTest, TicksAndWeights)
{
    const ClickCase& c = GetParam();
    NumberSelection s;
    s.box(8).ticked = c.ticked;
    s.box(8).weight = QString::fromLatin1(c.weight);
    for (const char* k = c.clicks; *k; ++k)
        s.click(8, *k == 'L');
    EXPECT_EQ(s.box(8).ticked, c.tickedAfter);
    EXPECT_EQ(s.box(8).weight, QString::fromLatin1(c.weightAfter));
    EXPECT_EQ(s.statusLine,
              QStringLiteral("Die Zahl 8 geht mit der Gewichtung %1 in die Berechnung ein").arg(QLatin1String(c.weightAfter)));
}

INSTANTIATE_TEST_SUITE_P(NumberSelection, ClickRuleTest,
    ::testing::Values(ClickCase{"LeftTicksWeightZero", false, "0", "L", true, "1"},
                      ClickCase{"LeftUnticksAndKeepsWeight", true, "3", "L", false, "3"},
                      ClickCase{"TickedAgainAddsOne", true, "3", "LL", true, "4"},
                      ClickCase{"RightLowersWeight", true, "3", "R", true, "2"},
                      ClickCase{"RightDownToZeroUnticks", true, "3", "RRR", false, "0"},
                      ClickCase{"RightOnUntickedChangesNothing", false, "3", "R", false, "3"},
                      ClickCase{"EmptyWeightLeftOnTicked", true, "", "L", false, "0"},
                      ClickCase{"EmptyWeightLeftOnUnticked", false, "", "L", false, "0"},
                      ClickCase{"EmptyWeightRight", true, "", "R", false, "0"},
                      ClickCase{"NegativeWeightBecomesZero", false, "-2", "L", false, "0"},
                      ClickCase{"TextWeightBecomesZero", true, "abc", "R", false, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberSelectionRandomPick, SixClicksFixSixDistinctNumbers)
{
    Random random(20240101);
    NumberSelection s;
    s.pickCount = 6;
    s.randomClick();
    ASSERT_TRUE(s.timerRunning());
    std::vector<int> fixed;
    for (int click = 1; click <= 6; ++click) {
        // Several ticks between clicks; the numbers fixed so far do not move.
        for (int tick = 0; tick < 3; ++tick) {
            s.timerTick(random);
            EXPECT_EQ(s.randomCaption, QStringLiteral("%1 Stopp").arg(click));
            ASSERT_EQ(s.picked().size(), 6u);
            for (std::size_t i = 0; i < fixed.size(); ++i)
                EXPECT_EQ(s.picked()[i], fixed[i]) << "click " << click << ", pick " << i + 1;
        }
        fixed.push_back(s.picked()[std::size_t(click - 1)]);
        s.randomClick();
    }
    EXPECT_FALSE(s.timerRunning());
    EXPECT_EQ(s.randomCaption, QStringLiteral("Zufall"));
    EXPECT_EQ(s.pickIndex(), 1);
    std::set<int> ticked;
    for (int n = 1; n <= 49; ++n) {
        EXPECT_EQ(s.box(n).ticked, s.box(n).yellow) << n;
        if (s.box(n).ticked)
            ticked.insert(n);
    }
    EXPECT_EQ(ticked, std::set<int>(fixed.begin(), fixed.end()));
    EXPECT_EQ(ticked.size(), 6u);
}

TEST(NumberSelectionWeightList, RoundTrip)
{
    NumberSelection s;
    s.untickAll();
    s.box(1).ticked = true;
    s.box(1).weight = QStringLiteral("3");
    s.box(2).ticked = true;
    s.box(2).weight = QStringLiteral("1");
    const QByteArray file = s.toWeightList();
    QByteArray expected = "3\r\n1\r\n";
    for (int i = 0; i < 47; ++i)
        expected += "\r\n";
    EXPECT_EQ(file, expected);

    NumberSelection loaded; // design state: all ticked, weights empty
    ASSERT_TRUE(loaded.loadWeightList(file).ok());
    for (int n = 1; n <= 49; ++n) {
        EXPECT_EQ(loaded.box(n).ticked, n <= 2) << n;
        EXPECT_EQ(loaded.box(n).weight, n == 1 ? QStringLiteral("3") : QStringLiteral("1")) << n;
    }
    EXPECT_EQ(loaded.toWeightList(), expected);
}

TEST(NumberSelectionWeightList, EmptyWeightOfATickedBoxIsSavedAsOne)
{
    NumberSelection s;
    s.untickAll();
    s.box(49).ticked = true;
    s.box(49).weight.clear();
    EXPECT_TRUE(s.toWeightList().endsWith("\r\n1\r\n"));
    EXPECT_EQ(s.box(49).weight, QStringLiteral("1"));
}

TEST(NumberSelectionWeightList, LargestWeightIsAccepted)
{
    NumberSelection s;
    ASSERT_TRUE(s.loadWeightList("100000\r\n").ok());
    EXPECT_EQ(s.box(1).weight, QStringLiteral("100000"));
}

TEST(NumberSelectionWeightList, ShortFileUnticksTheRest)
{
    NumberSelection s;
    ASSERT_TRUE(s.loadWeightList("2\n\n5\n1\n1\n1\n1\n1\n1\n7").ok());
    EXPECT_TRUE(s.box(1).ticked);
    EXPECT_FALSE(s.box(2).ticked);
    EXPECT_EQ(s.box(3).weight, QStringLiteral("5"));
    EXPECT_EQ(s.box(10).weight, QStringLiteral("7"));
    for (int n = 11; n <= 49; ++n) {
        EXPECT_FALSE(s.box(n).ticked) << n;
        EXPECT_EQ(s.box(n).weight, QStringLiteral("1")) << n;
    }
}

TEST(NumberSelectionWeightList, RefusesAnInvalidLineAndAppliesNothing)
{
    const struct {
        QByteArray file;
        int line;
    } cases[] = {
        {"3\r\nx\r\n", 2},
        {"\r\n\r\n-1\r\n", 3},
        {"2.5\r\n", 1},
        {QByteArray("4\r\n").repeated(48) + "1e3\r\n", 49},
        // Weights like these would make the rebuilt pool gigabytes long.
        {"100000\r\n100001\r\n", 2},
        {"\r\n2000000000\r\n", 2},
    };
    for (const auto& c : cases) {
        NumberSelection s;
        s.untickAll();
        s.box(5).ticked = true;
        s.box(5).weight = QStringLiteral("2");
        const QByteArray before = s.toWeightList();
        const Status status = s.loadWeightList(c.file);
        ASSERT_FALSE(status.ok()) << c.file.toStdString();
        EXPECT_TRUE(status.error().message.contains(QStringLiteral("Zeile %1 ").arg(c.line))) << status.error().message;
        EXPECT_EQ(s.toWeightList(), before);
        EXPECT_FALSE(s.box(1).ticked);
    }
}

TEST(NumberSelectionWeightList, ProposedFileName)
{
    EXPECT_EQ(NumberSelection::proposedFileName(QDate(2024, 3, 5)), QStringLiteral("20240305.nwl"));
}

} // namespace
} // namespace numora
