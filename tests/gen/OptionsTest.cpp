#include "model/Berechnungsparameter.h"

#include "session/ProgramState.h"
#include "base/Random.h"
#include "gen/LuckyNumber.h"

#include "GenFixture.h"

#include <map>

namespace numora {
namespace {

struct Fresh {
    int field; // 0 for a check box
    int minimum, maximum, value;
};

// A fresh installation: the options of every generation tab.
const std::map<QString, Fresh>& freshInstallation()
{
    static const std::map<QString, Fresh> table = [] {
        std::map<QString, Fresh> t;
        const auto box = [&t](int n, bool on) { t[QStringLiteral("CheckBox%1").arg(n)] = {0, 0, 1, on ? 1 : 0}; };
        const auto upDown = [&t](int n, int field, int min, int max, int value) {
            t[QStringLiteral("UpDown%1").arg(n)] = {field, min, max, value};
        };
        for (int n : {3, 4, 5, 9, 10, 14, 18, 23, 24, 27, 28, 34})
            box(n, true);
        for (int n : {1, 2, 6, 7, 8, 11, 12, 13, 15, 19, 20, 22, 25, 26, 29, 30, 31, 33, 35})
            box(n, false);
        upDown(1, 37, 21, 279, 50);
        upDown(2, 38, 21, 279, 250);
        upDown(3, 39, 0, 5, 2);
        upDown(4, 40, 0, 5, 0);
        upDown(5, 41, 0, 5, 1);
        upDown(6, 42, 4, 6, 5);
        upDown(7, 55, 1, 30000, 50);
        upDown(9, 88, 0, 5, 0);
        upDown(10, 83, 0, 6, 2);
        upDown(11, 84, 0, 5, 2);
        upDown(12, 85, 5, 75, 30);
        upDown(13, 86, 5, 75, 30);
        upDown(14, 87, 5, 75, 20);
        upDown(15, 89, 0, 6, 2);
        upDown(16, 90, 0, 6, 2);
        upDown(17, 91, 2, 6, 3);
        upDown(18, 92, 4, 500, 10);
        upDown(19, 93, 1, 8, 1);
        upDown(20, 94, 2, 6, 4);
        upDown(21, 95, 4, 500, 100);
        return t;
    }();
    return table;
}

TEST(BerechnungsparameterTest, FreshInstallation)
{
    const Berechnungsparameter p;
    std::map<QString, Fresh> seen;
    for (const OptionInfo& o : Berechnungsparameter::options()) {
        const bool isBox = o.kind == OptionInfo::Kind::CheckBox;
        seen[o.name()] = {isBox ? 0 : o.field, o.minimum, o.maximum, isBox ? int(p.checkBox(o.number)) : p.upDown(o.number)};
        EXPECT_EQ(o.defaultValue, seen[o.name()].value) << o.name();
        if (!isBox) {
            EXPECT_EQ(p.upDownRange(o.number).minimum, o.minimum) << o.name();
            EXPECT_EQ(p.upDownRange(o.number).maximum, o.maximum) << o.name();
        }
    }
    for (const auto& [name, fresh] : freshInstallation()) {
        ASSERT_TRUE(seen.count(name)) << name;
        const Fresh& s = seen.at(name);
        EXPECT_EQ(s.value, fresh.value) << name;
        EXPECT_EQ(s.field, fresh.field) << name;
        EXPECT_EQ(s.minimum, fresh.minimum) << name;
        EXPECT_EQ(s.maximum, fresh.maximum) << name;
    }
    EXPECT_EQ(seen.size(), freshInstallation().size());
    EXPECT_EQ(p.loopLimit(), 50000);
    EXPECT_FALSE(Berechnungsparameter::find(QStringLiteral("CheckBox35"))->visible);
    EXPECT_EQ(TTippSchein().tipCount(), 8);
}

TEST(BerechnungsparameterTest, SetAcceptsWithinRangeOnly)
{
    const struct {
        const char* name;
        const char* value;
        bool ok;
    } cases[] = {
        {"UpDown3", "5", true},     {"UpDown3", "6", false},       {"UpDown3", "-1", false},
        {"UpDown1", "21", true},    {"UpDown1", "20", false},      {"UpDown7", "30000", true},
        {"UpDown7", "30001", false}, {"UpDown7", "0", false},      {"UpDown21", "abc", false},
        {"CheckBox2", "1", true},   {"CheckBox14", "0", true},     {"CheckBox2", "2", false},
        {"CheckBox2", "", false},   {"CheckBox99", "1", false},    {"UpDown8", "5", false},
        {"Edit39", "2", false},
    };
    for (const auto& c : cases) {
        Berechnungsparameter p;
        const Berechnungsparameter before;
        const Status status = p.set(QString::fromLatin1(c.name), QString::fromLatin1(c.value));
        EXPECT_EQ(status.ok(), c.ok) << c.name << '=' << c.value;
        const OptionInfo* o = Berechnungsparameter::find(QString::fromLatin1(c.name));
        if (!o)
            continue;
        const int now = o->kind == OptionInfo::Kind::CheckBox ? int(p.checkBox(o->number)) : p.upDown(o->number);
        const int old = o->kind == OptionInfo::Kind::CheckBox ? int(before.checkBox(o->number)) : before.upDown(o->number);
        EXPECT_EQ(now, c.ok ? QString::fromLatin1(c.value).toInt() : old) << c.name << '=' << c.value;
    }
}

TEST(BerechnungsparameterTest, PairedLimitsHoldEachOther)
{
    // Both even and odd minimums at 3: neither goes higher with the arrows.
    Berechnungsparameter p;
    p.setUpDown(15, 3);
    p.setUpDown(16, 3);
    for (int n : {15, 16}) {
        p.upDownPressed(n);
        p.setUpDown(n, p.upDown(n) + 1);
        p.upDownReleased(n);
        EXPECT_EQ(p.upDown(n), 3) << "UpDown" << n;
    }
    // With the odd minimum at 2 the even one may reach 4, not 5.
    p.setUpDown(16, 2);
    p.upDownPressed(15);
    p.setUpDown(15, 5);
    EXPECT_EQ(p.upDown(15), 4);

    // The minimum of common numbers stays at or below the maximum, and the other way round.
    Berechnungsparameter q;
    q.upDownPressed(3); // maximum 2
    q.setUpDown(9, 4);
    EXPECT_EQ(q.upDown(9), 2);
    q.upDownReleased(9);
    q.setUpDown(3, 0);
    EXPECT_EQ(q.upDown(3), 2);

    // A typed value beyond the pair's limit moves into the new range at the next press, so the
    // options hold what the window shows.
    Berechnungsparameter typed;
    typed.setUpDown(9, 4);
    typed.upDownPressed(3);
    EXPECT_EQ(typed.upDown(9), 2);
    EXPECT_EQ(typed.upDownRange(9).maximum, 2);
    EXPECT_EQ(typed.upDownRange(3).minimum, 2);
    typed.setUpDown(15, 5);
    typed.upDownPressed(15);
    EXPECT_EQ(typed.upDown(15), 4);
}

struct LuckyCase {
    const char* name;
    const char* answer; // nullptr: the box is cancelled
    bool set;
    bool stateIsProposal;
    std::uint32_t state;
};

void PrintTo(const LuckyCase& c, std::ostream* os) { *os << c.name; }

class LuckyNumberTest : public test::GenTest, public ::testing::WithParamInterface<LuckyCase> {};

TEST_P(LuckyNumberTest, SetsTheRandomState)
{
    const LuckyCase& c = GetParam();
    random.setState(777);
    Random expected(777);
    const std::uint32_t proposal = expected.next(99999);
    hooks.askAnswer = c.answer ? QString::fromLatin1(c.answer) : QString();

    EXPECT_EQ(LuckyNumber::ask(state), c.set);
    EXPECT_EQ(hooks.askCaption, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
    EXPECT_EQ(hooks.askPrompt, QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
    EXPECT_EQ(hooks.askProposed, QString::number(proposal));
    if (c.set)
        EXPECT_EQ(random.state(), c.stateIsProposal ? proposal : c.state);
    else
        EXPECT_EQ(random.state(), expected.state()); // as the one proposal draw left it
    EXPECT_EQ(hooks.messages, c.set ? QStringList() : QStringList{QStringLiteral("Fehler bei Eingabe der Zufallszahl")});
}

INSTANTIATE_TEST_SUITE_P(LuckyNumber, LuckyNumberTest,
    ::testing::Values(LuckyCase{"Typed", "12345", true, false, 12345},
                      LuckyCase{"Cancelled", nullptr, true, true, 0},
                      LuckyCase{"Zero", "0", true, false, 0},
                      LuckyCase{"Negative", "-5", true, false, std::uint32_t(-5)},
                      LuckyCase{"NotANumber", "abc", false, false, 0},
                      LuckyCase{"Beyond32Bits", "99999999999", false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace numora
