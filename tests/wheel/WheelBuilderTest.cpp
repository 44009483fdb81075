// Building wheels: the sizes of the known designs, proved, the same rows for the same seed, a
// run that stops when asked; the shipped catalogue, key numbers and a budget below the guarantee.
#include "wheel/WheelBuilder.h"
#include "wheel/WheelCatalogue.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

struct SizeCase {
    int v;
    Guarantee guarantee;
    int rows; // the best size known
};

class BuildReachesKnownSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BuildReachesKnownSize, AndTheWheelIsProved)
{
    const SizeCase c = GetParam();
    RunControl control;
    // Numbers that are not 1..v, so that the rows are put back onto the player's numbers; the
    // search itself, not the catalogue.
    WheelRequest request{Numbers::range(50 - c.v, 49), c.guarantee, 7, 120, c.rows};
    request.useCatalogue = false;
    const auto build = WheelBuilder::build(request, control);
    ASSERT_TRUE(build.ok()) << build.error().message.toStdString();
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_EQ(int(build->wheel->rows.size()), c.rows);
    EXPECT_TRUE(build->wheel->rowsWithinNumbers());
    EXPECT_TRUE(WheelCheck::run(*build->wheel).holds);
    EXPECT_TRUE(build->odds.holds);
}

INSTANTIATE_TEST_SUITE_P(SmallCases, BuildReachesKnownSize,
                         ::testing::Values(SizeCase{10, {4, 4}, 20}, SizeCase{11, {3, 3}, 11}, SizeCase{10, {5, 5}, 50},
                                           SizeCase{12, {5, 5}, 132}, SizeCase{22, {3, 3}, 77}, SizeCase{21, {3, 3}, 77},
                                           SizeCase{25, {3, 3}, 130}, SizeCase{26, {3, 3}, 130}));

TEST(WheelBuilder, ThreeOfSixOnManyNumbersJoinsTheSteinerSystemWithTheRest)
{
    RunControl control;
    // 22 + 7 numbers: "3 wenn 4" on the other seven takes one row, as four of seven always
    // leave three in any six of them.
    WheelRequest request{Numbers::range(3, 31), {3, 6}, 1, 60, 0};
    request.useCatalogue = false;
    const auto build = WheelBuilder::build(request, control);
    ASSERT_TRUE(build.ok());
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_EQ(build->wheel->rows.size(), 77u + 1u);
    EXPECT_TRUE(build->odds.holds);
    EXPECT_EQ(build->odds.bestWithin[0] + build->odds.bestWithin[1] + build->odds.bestWithin[2], 0u);
}

TEST(WheelBuilder, TheSameSeedGivesTheSameRows)
{
    RunControl control;
    WheelRequest request{Numbers::range(1, 11), {4, 4}, 42, 120, 33};
    request.useCatalogue = false;
    const auto first = WheelBuilder::build(request, control);
    const auto second = WheelBuilder::build(request, control);
    ASSERT_TRUE(first.ok() && second.ok());
    ASSERT_TRUE(first->wheel && second->wheel);
    EXPECT_EQ(first->wheel->rows, second->wheel->rows);
}

// Asks to stop once the search has reported a few times.
class StopAfter : public RunControl {
public:
    explicit StopAfter(int calls) : m_left(calls) {}
    bool stopRequested() const override { return --m_left < 0; }

private:
    mutable int m_left;
};

TEST(WheelBuilder, AStopKeepsTheSmallestWheelFoundAndSaysSo)
{
    StopAfter control(30);
    std::vector<WheelProgress> reports;
    // 50 rows are found at once, fewer hardly ever: the run goes on until stopped.
    WheelRequest request{Numbers::range(1, 10), {5, 5}, 3, 600, 0};
    request.useCatalogue = false;
    const auto build = WheelBuilder::build(request, control, [&](const WheelProgress& p) { reports.push_back(p); });
    ASSERT_TRUE(build.ok());
    EXPECT_TRUE(build->stopped);
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_TRUE(build->odds.holds);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().bestRows, int(build->wheel->rows.size()));
    EXPECT_FALSE(control.running());
}

TEST(WheelBuilder, RefusesWhatNoWheelCanBe)
{
    RunControl control;
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 6), {3, 3}, 1, 1, 0}, control).ok());
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 10), {4, 3}, 1, 1, 0}, control).ok());
    EXPECT_FALSE(WheelBuilder::build({Numbers::range(1, 10), {2, 3}, 1, 1, 0}, control).ok());
}

// The p-sets (holding every key) that no row meets in t numbers, counted the plain way.
std::uint64_t failingPlainly(const Wheel& wheel)
{
    const auto numbers = Numbers::list(wheel.numbers);
    std::uint64_t failing = 0;
    std::vector<bool> pick(numbers.size(), false);
    std::fill(pick.end() - wheel.guarantee.of, pick.end(), true);
    do {
        NumberSet set = 0;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (pick[i])
                set |= Numbers::of(numbers[i]);
        if ((set & wheel.keys) != wheel.keys)
            continue;
        int best = 0;
        for (NumberSet row : wheel.rows)
            best = std::max(best, Numbers::count(row & set));
        failing += best < wheel.guarantee.hits;
    } while (std::next_permutation(pick.begin(), pick.end()));
    return failing;
}

TEST(WheelBuilder, ABudgetBelowTheGuaranteeGivesTheBestRowsAndWhatTheyDo)
{
    RunControl control;
    // S(5,6,12) is the least: every five-set needs a row of its own among 6 per row, so 131
    // rows leave at least one of the 792 five-sets without five hits.
    const auto build = WheelBuilder::build({Numbers::range(1, 12), {5, 5}, 1, 0.5, 131}, control);
    ASSERT_TRUE(build.ok());
    EXPECT_FALSE(build->wheel.has_value());
    ASSERT_TRUE(build->budget.has_value());
    const BudgetWheel& b = *build->budget;
    EXPECT_EQ(b.wheel.rows.size(), 131u);
    EXPECT_TRUE(b.wheel.rowsWithinNumbers());
    EXPECT_EQ(b.odds.guaranteeSets, 792u);
    EXPECT_GE(b.odds.failingSets, 1u);
    EXPECT_EQ(b.odds.failingSets, failingPlainly(b.wheel));
    // Each guarantee named holds, and the next stronger in t or in p does not.
    EXPECT_FALSE(b.holds.empty());
    const auto fails = [&b](Guarantee g) {
        Wheel probe = b.wheel;
        probe.guarantee = g;
        return failingPlainly(probe);
    };
    for (const Guarantee& g : b.holds) {
        EXPECT_EQ(fails(g), 0u) << g.hits << ":" << g.of;
        if (g.hits < g.of) {
            EXPECT_GT(fails({g.hits + 1, g.of}), 0u) << g.hits + 1 << ":" << g.of;
        }
        if (g.of > g.hits && g.of > 3) {
            EXPECT_GT(fails({g.hits, g.of - 1}), 0u) << g.hits << ":" << g.of - 1;
        }
    }
}

TEST(WheelBuilder, ABudgetThatAWheelFitsGivesTheWheel)
{
    RunControl control;
    const auto build = WheelBuilder::build({Numbers::range(1, 12), {4, 4}, 1, 30, 60}, control);
    ASSERT_TRUE(build.ok());
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_LE(build->wheel->rows.size(), 60u);
    EXPECT_FALSE(build->budget.has_value());
    EXPECT_EQ(failingPlainly(*build->wheel), 0u);
}

struct KeyCase {
    int v;
    Guarantee guarantee;
    NumberSet keys;
};

class KeyNumbers : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyNumbers, StandInEveryRowAndTheGuaranteeHoldsForTheDrawsWithThem)
{
    const KeyCase c = GetParam();
    RunControl control;
    WheelRequest request{Numbers::range(20, 19 + c.v), c.guarantee, 3, 3, 0};
    request.keys = c.keys;
    const auto build = WheelBuilder::build(request, control);
    ASSERT_TRUE(build.ok()) << build.error().message.toStdString();
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_EQ(build->wheel->keys, c.keys);
    EXPECT_TRUE(build->wheel->rowsWithinNumbers());
    EXPECT_EQ(failingPlainly(*build->wheel), 0u);
    EXPECT_EQ(build->odds.guaranteeSets,
              WheelCheck::binomial(c.v - Numbers::count(c.keys), c.guarantee.of - Numbers::count(c.keys)));
    EXPECT_FALSE(build->fromCatalogue);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyNumbers,
                         ::testing::Values(KeyCase{12, {4, 4}, Numbers::of(20)}, KeyCase{14, {3, 4}, Numbers::of(25) | Numbers::of(33)},
                                           KeyCase{10, {5, 6}, Numbers::range(20, 21)},
                                           // The keys alone reach the hits: one row.
                                           KeyCase{9, {3, 5}, Numbers::range(22, 24)}));

TEST(WheelBuilder, KeysRefusedWhereNoWheelCanHoldThem)
{
    RunControl control;
    WheelRequest outside{Numbers::range(1, 10), {3, 3}, 1, 1, 0};
    outside.keys = Numbers::of(11);
    EXPECT_FALSE(WheelBuilder::build(outside, control).ok());
    WheelRequest tooMany{Numbers::range(1, 10), {3, 4}, 1, 1, 0};
    tooMany.keys = Numbers::range(1, 5);
    EXPECT_FALSE(WheelBuilder::build(tooMany, control).ok());
}

TEST(WheelCatalogue, AnswersAtOnceOnThePlayersNumbers)
{
    const CatalogueWheel* entry = WheelCatalogue::find(WheelCatalogue::shipped(), 13, {3, 3});
    ASSERT_NE(entry, nullptr);
    RunControl control;
    const NumberSet numbers = Numbers::range(37, 49);
    const auto build = WheelBuilder::build({numbers, {3, 3}, 1, 600, 0}, control);
    ASSERT_TRUE(build.ok());
    ASSERT_TRUE(build->wheel.has_value());
    EXPECT_TRUE(build->fromCatalogue);
    EXPECT_EQ(build->wheel->rows, WheelCatalogue::onNumbers(entry->rows, numbers));
    EXPECT_TRUE(build->odds.holds);
    EXPECT_EQ(failingPlainly(*build->wheel), 0u);
}

TEST(WheelCatalogue, FewerRowsAskedStartsTheSearchFromTheCatalogue)
{
    const CatalogueWheel* entry = WheelCatalogue::find(WheelCatalogue::shipped(), 10, {4, 4});
    ASSERT_NE(entry, nullptr);
    ASSERT_GT(entry->rows.size(), 1u);
    RunControl control;
    const int fewer = int(entry->rows.size()) - 1;
    const auto build = WheelBuilder::build({Numbers::range(1, 10), {4, 4}, 1, 1, fewer}, control);
    ASSERT_TRUE(build.ok());
    EXPECT_FALSE(build->fromCatalogue);
    const Wheel& got = build->wheel ? *build->wheel : build->budget->wheel;
    EXPECT_LE(int(got.rows.size()), fewer);
}

TEST(WheelCatalogue, EveryShippedWheelIsProvedAndNoneBeatsAPublishedFigureUnnoticed)
{
    const auto& wheels = WheelCatalogue::shipped();
    ASSERT_FALSE(wheels.empty());
    for (const CatalogueWheel& entry : wheels) {
        SCOPED_TRACE(std::to_string(entry.v) + " " + std::to_string(entry.guarantee.hits) + ":" + std::to_string(entry.guarantee.of));
        Wheel wheel{Numbers::range(1, entry.v), entry.guarantee, WheelCatalogue::onNumbers(entry.rows, Numbers::range(1, entry.v))};
        EXPECT_TRUE(WheelCheck::run(wheel).holds);
        // A wheel below a lower bound would be a fault of the check, not a new record.
        EXPECT_GE(int(entry.rows.size()), WheelBuilder::lowerBound(entry.v, entry.guarantee));
    }
}

TEST(WheelCatalogue, RecordsNameTheirSourceAndCoverTheTable)
{
    const auto& records = WheelCatalogue::records();
    int covering = 0;
    for (const WheelRecord& r : records) {
        if (r.rows) {
            EXPECT_FALSE(r.source.isEmpty()) << r.v;
        }
        if (r.guarantee.hits == r.guarantee.of) {
            ++covering;
            EXPECT_TRUE(r.rows.has_value()) << r.v;
        }
    }
    // v = 7..30 with 3:3, 4:4 and 5:5.
    EXPECT_EQ(covering, 3 * 24);
    EXPECT_EQ(WheelCatalogue::record(12, {4, 4}), 41);
    EXPECT_EQ(WheelCatalogue::record(13, {5, 5}), 245);
    EXPECT_EQ(WheelCatalogue::record(49, {3, 6}), 163);
}

TEST(WheelCatalogue, ReadsWhatItWritesAndNamesABadLine)
{
    const std::vector<CatalogueWheel> wheels{{7, {3, 3}, {0x3f, 0x7e, 0x5f, 0x6f}}, {40, {3, 4}, {0x3fULL << 34}}};
    const auto read = WheelCatalogue::parse(WheelCatalogue::format(wheels));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, wheels);
    for (const char* bad : {"7 3:3 2 012345", "7 3:3 1 012347", "7 3:3 1 012344", "6 3:3 1 012345", "7 3:8 1 012345", "7 3:3 x 012345"}) {
        const auto parsed = WheelCatalogue::parse(QByteArray("# comment\n") + bad + "\n");
        ASSERT_FALSE(parsed.ok()) << bad;
        EXPECT_TRUE(parsed.error().message.contains(QStringLiteral("line 2"))) << bad;
    }
}

} // namespace
} // namespace numora
