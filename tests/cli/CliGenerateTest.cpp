// `pool` and `generate`: the same domain code as the window, on the real history.
#include "cli/Cli.h"

#include "base/DayDate.h"
#include "session/ProgramState.h"
#include "base/Random.h"
#include "gen/Generator.h"

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

class CliGenerateTest : public test::RealHistoryCliTest {
protected:

    // The state the command line starts from, driven through the domain directly.
    void prepare(ProgramState& state, Random& random, std::uint32_t seed, const char* date, const QStringList& sets)
    {
        state.programDir = dir.path() + QLatin1Char('/');
        state.random = &random;
        random.setState(seed);
        state.chosenDate.value = *DayDate::parseShortDate(QString::fromLatin1(date));
        state.sheet.setSheetReady(true);
        for (const QString& s : sets) {
            const QString name = s.section(QLatin1Char('='), 0, 0);
            const QString value = s.section(QLatin1Char('='), 1);
            if (name == QLatin1String("UpDown8"))
                state.sheet.setTipCount(value.toInt());
            else
                ASSERT_TRUE(state.params.set(name, value).ok()) << s;
        }
    }

    static QStringList withSets(QStringList args, const QStringList& sets)
    {
        for (const QString& s : sets)
            args << QStringLiteral("--set") << s;
        return args;
    }

};

struct GenerateCase {
    std::uint32_t seed;
    const char* date;
    QStringList sets;
};

TEST_F(CliGenerateTest, GeneratePrintsTheSheetOfTheDomain)
{
    const GenerateCase cases[] = {
        {4711, "02.11.2019", {}},
        // A day without a draw, fewer rows, a prime minimum.
        {99, "01.07.2010", {QStringLiteral("UpDown8=5"), QStringLiteral("CheckBox22=1"), QStringLiteral("UpDown10=3")}},
        // The budget runs out.
        {3, "02.11.2019", {QStringLiteral("UpDown1=21"), QStringLiteral("UpDown2=21"), QStringLiteral("UpDown7=1")}},
    };
    for (const GenerateCase& c : cases) {
        const QStringList args = withSets({QStringLiteral("generate"), QStringLiteral("--seed"), QString::number(c.seed),
                                           QStringLiteral("--date"), QString::fromLatin1(c.date)},
                                          c.sets);
        ASSERT_EQ(run(args), Cli::Ok) << err.toStdString();
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();

        ProgramState state;
        Random random;
        prepare(state, random, c.seed, c.date, c.sets);
        const auto result = Generator::generate(state);
        ASSERT_TRUE(result.ok());
        QStringList expected;
        for (int r = 0; r < 12; ++r)
            expected << QStringList(state.sheet.row(r).fields.begin(), state.sheet.row(r).fields.end()).join(QLatin1Char(','));
        expected << state.meldungen[result->end == GenerationResult::End::BudgetSpent ? 25 : 26];
        expected << QStringLiteral("candidates\t%1").arg(result->candidates);
        EXPECT_EQ(out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n')) << "seed " << c.seed;
    }
    // The last case: every row empty, message 25, the whole budget.
    EXPECT_TRUE(out.startsWith(QStringLiteral(",,,,,\n")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen\ncandidates\t1000\n")));
}

TEST_F(CliGenerateTest, GenerateWithDefaultsFillsEightRows)
{
    ASSERT_EQ(run({QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--date"),
                   QStringLiteral("02.11.2019")}),
              Cli::Ok);
    QStringList lines = out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 15);
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(lines[r] == QLatin1String(",,,,,"), r >= 8) << lines[r];
    EXPECT_EQ(lines[12], QStringLiteral("Tipps wurden neu berechnet"));
    EXPECT_TRUE(lines[13].startsWith(QStringLiteral("candidates\t")));
    EXPECT_TRUE(lines[14].isEmpty());
}

TEST_F(CliGenerateTest, PoolPrintsTheEntriesOfTheDomain)
{
    const struct {
        std::uint32_t seed;
        QStringList sets;
    } cases[] = {
        {1, {}},
        {2, {QStringLiteral("CheckBox2=1"), QStringLiteral("CheckBox19=1"), QStringLiteral("CheckBox30=1")}},
        {3, {QStringLiteral("CheckBox15=1"), QStringLiteral("CheckBox14=0"), QStringLiteral("CheckBox10=0")}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(run(withSets({QStringLiteral("pool"), QStringLiteral("--seed"), QString::number(c.seed),
                                QStringLiteral("--date"), QStringLiteral("02.11.2019")},
                               c.sets)),
                  Cli::Ok)
            << err.toStdString();
        ProgramState state;
        Random random;
        prepare(state, random, c.seed, "02.11.2019", c.sets);
        const auto pool = Generator::buildPool(state);
        ASSERT_TRUE(pool.ok() && pool->has_value());
        QStringList entries;
        for (std::uint8_t v : **pool)
            entries << QString::number(v);
        EXPECT_EQ(out, entries.join(QLatin1Char(',')) + QLatin1Char('\n'));
    }
    EXPECT_EQ(out, QStringLiteral("\n")); // the empty pool of the last case
}

TEST_F(CliGenerateTest, BadGenerationArgumentsFailWithOneLine)
{
    const QStringList bad[] = {
        {QStringLiteral("--set"), QStringLiteral("CheckBox99=1")},
        {QStringLiteral("--set"), QStringLiteral("UpDown3=6")},
        {QStringLiteral("--set"), QStringLiteral("CheckBox2=2")},
        {QStringLiteral("--set"), QStringLiteral("UpDown1=abc")},
        {QStringLiteral("--set"), QStringLiteral("CheckBox2")},
        {QStringLiteral("--set"), QStringLiteral("UpDown8=13")},
        {QStringLiteral("--set")},
        {QStringLiteral("--date"), QStringLiteral("31.02.2019")},
        {QStringLiteral("extra")},
    };
    for (const QString& command : {QStringLiteral("generate"), QStringLiteral("pool")}) {
        for (const QStringList& args : bad) {
            EXPECT_EQ(run(QStringList{command, QStringLiteral("--seed"), QStringLiteral("1")} + args), Cli::Failure)
                << args.join(QLatin1Char(' ')).toStdString();
            EXPECT_TRUE(out.isEmpty());
            EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
        }
        EXPECT_EQ(run({command}), Cli::Failure) << "no --seed";
        EXPECT_EQ(run({command, QStringLiteral("--seed"), QStringLiteral("x")}), Cli::Failure);
    }
    // A pool without six distinct numbers gives no sheet.
    EXPECT_EQ(run({QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--date"),
                   QStringLiteral("02.11.2019"), QStringLiteral("--set"),
                   QStringLiteral("CheckBox15=1"), QStringLiteral("--set"), QStringLiteral("CheckBox14=0"),
                   QStringLiteral("--set"), QStringLiteral("CheckBox10=0")}),
              Cli::Failure);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
}

} // namespace
} // namespace numora
