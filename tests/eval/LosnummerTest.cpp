#include "eval/Losnummer.h"

#include "base/DayDate.h"
#include "base/Random.h"
#include "draws/DrawFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace numora {
namespace {

using Losnummer::Digits;

TZiehung drawWith(int year, int month, int day, const char* spiel77, const char* super6)
{
    TZiehung r = test::makeDraw(year, month, day, {1, 2, 3, 4, 5, 6});
    for (int i = 0; i < 7; ++i)
        r.Spiel77[i] = std::uint8_t(spiel77[i] - '0');
    for (int i = 0; i < 6; ++i)
        r.Super6[i] = std::uint8_t(super6[i] - '0');
    return r;
}

Digits digits(const char* text) { return *Losnummer::parse(QString::fromLatin1(text)); }

class LosnummerTest : public ::testing::Test {
protected:
    DrawFile fileOf(std::span<const TZiehung> records)
    {
        const QString path = m_dir.filePath(QStringLiteral("ZahlenTr.dat"));
        EXPECT_TRUE(test::writeRecords(path, records));
        return DrawFile(path);
    }

    QTemporaryDir m_dir;
};

TEST(LosnummerRules, EachLevelComparesItsDigits)
{
    // Spiel 77 8765432, Super 6 123456.
    const TZiehung draw = drawWith(2020, 1, 4, "8765432", "123456");
    struct Case {
        const char* ticket;
        int level;
        bool match;
        bool super6;
    };
    const Case cases[] = {
        {"8765432", 1, true, false},  {"0765432", 1, false, false}, {"9123456", 1, true, true},
        {"0765432", 2, true, false},  {"0065432", 2, false, false}, {"0123456", 2, true, true},
        {"0065432", 3, true, false},  {"0023456", 3, true, true},   {"0003456", 3, false, false},
        {"0005432", 4, true, false},  {"0003456", 4, true, true},   {"0000456", 4, false, false},
        {"0005432", 0, true, false},  {"0003456", -3, true, true},
    };
    for (const Case& c : cases) {
        bool super6 = false;
        EXPECT_EQ(Losnummer::matches(digits(c.ticket), draw, c.level, &super6), c.match) << c.ticket << " " << c.level;
        EXPECT_EQ(super6, c.super6) << c.ticket << " " << c.level;
    }
    EXPECT_FALSE(Losnummer::parse(QStringLiteral("123456")));
    EXPECT_FALSE(Losnummer::parse(QStringLiteral("12345a7")));
}

TEST_F(LosnummerTest, CheckNamesTheFirstDrawAndSuper6Wins)
{
    const TZiehung draws[] = {
        drawWith(2019, 1, 5, "1111111", "000000"),
        drawWith(2019, 1, 9, "5123456", "123456"), // both parts hold for 5123456
        drawWith(2019, 1, 12, "9999999", "123456"),
    };
    const DrawFile file = fileOf(draws);
    struct Case {
        const char* ticket;
        QString message;
    };
    const Case cases[] = {
        {"7123456", QStringLiteral("LosNr. wurde am 09.01.2019 bei der Super 6 gezogen")},
        {"5123456", QStringLiteral("LosNr. wurde am 09.01.2019 bei der Super 6 gezogen")},
        {"1111111", QStringLiteral("LosNr. wurde am 05.01.2019 im Spiel 77 gezogen")},
        {"1000000", QStringLiteral("LosNr. wurde am 05.01.2019 bei der Super 6 gezogen")},
        {"2345678", QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen")},
    };
    for (const Case& c : cases) {
        const auto result = Losnummer::check(file, digits(c.ticket));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(Losnummer::checkMessage(*result), c.message) << c.ticket;
    }
    EXPECT_FALSE(Losnummer::check(DrawFile(m_dir.filePath(QStringLiteral("missing.dat"))), digits("1234567")).ok());
}

TEST_F(LosnummerTest, LevelZeroOnlyDrawsSixDigitsAndReadsNoFile)
{
    Random random(4711);
    Random expected(4711);
    const auto g = Losnummer::generate(DrawFile(m_dir.filePath(QStringLiteral("missing.dat"))), random, 0, 8);
    ASSERT_TRUE(g.ok());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(g->digits[std::size_t(i)], int(expected.next(10)));
    EXPECT_EQ(g->digits[6], 8);
    EXPECT_EQ(random.state(), expected.state());
}

TEST_F(LosnummerTest, GeneratedNumbersAvoidEveryStoredEndingAtTheirLevel)
{
    // Many endings taken: every Spiel 77 and Super 6 number ending in ...x7 for x in 0..4.
    std::vector<TZiehung> draws;
    for (int i = 0; i < 500; ++i) {
        const QByteArray s77 = QByteArray::number(1000000 + i * 2003 % 9000000).right(7);
        QByteArray s6 = QByteArray::number(100000 + (i * 37) % 900000).right(6);
        s6[5] = '7';
        draws.push_back(drawWith(2000 + i / 100, 1 + i % 12, 1 + i % 28, s77.constData(), s6.constData()));
    }
    const DrawFile file = fileOf(draws);
    for (std::uint32_t seed : {1u, 2u, 99u, 123456u}) {
        Random random(seed);
        const auto g = Losnummer::generate(file, random, Losnummer::PresetLevel, 7);
        ASSERT_TRUE(g.ok());
        EXPECT_TRUE(g->passed);
        EXPECT_EQ(g->digits[6], 7);
        for (const TZiehung& d : draws)
            EXPECT_FALSE(Losnummer::matches(g->digits, d, g->level)) << Losnummer::format(g->digits).toStdString();
    }
}

TEST_F(LosnummerTest, GenerationEndsWhenNoNumberCanPass)
{
    // The history holds, as Spiel 77 numbers, every number the seed will ever produce: no level
    // can pass, and lowering must end instead of cycling through the loosest rule forever.
    const int lastDigit = 5;
    Random sequence(7);
    std::vector<TZiehung> draws;
    for (int n = 0; n < 4 * Losnummer::RedrawsPerLevel + 10; ++n) {
        QByteArray s77;
        for (int i = 0; i < 6; ++i)
            s77 += char('0' + sequence.next(10));
        s77 += char('0' + lastDigit);
        draws.push_back(drawWith(1990 + n / 300, 1 + n % 12, 1 + n % 28, s77.constData(), "999999"));
    }
    const DrawFile file = fileOf(draws);
    Random random(7);
    const auto g = Losnummer::generate(file, random, Losnummer::PresetLevel, lastDigit);
    ASSERT_TRUE(g.ok());
    EXPECT_FALSE(g->passed);
    EXPECT_EQ(g->level, 0);
    EXPECT_EQ(g->digits[6], lastDigit);

    // With another last digit the same history leaves room at the preset level.
    Random again(7);
    const auto free = Losnummer::generate(file, again, Losnummer::PresetLevel, 4);
    ASSERT_TRUE(free.ok());
    EXPECT_TRUE(free->passed);
    EXPECT_EQ(free->level, 3);
}

} // namespace
} // namespace numora
