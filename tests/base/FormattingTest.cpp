#include "base/Formatting.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace numora {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        std::int64_t expected;
    };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {35389.5, 35390}, {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundHalfEven, SaturatesOutsideTheIntegerRange)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(roundHalfEven(1e300), max);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), max);
    EXPECT_EQ(roundHalfEven(-1e300), min);
    EXPECT_EQ(roundHalfEven(-std::numeric_limits<double>::infinity()), min);
}

TEST(ParseInteger, AcceptsOnlyBlanksSignAndDigits)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {" 7", 7},
        {"07", 7},
        {"+3", 3},
        {"-4", -4},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"7 ", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseInteger(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
}

TEST(DecimalFormat, FixedSeparatorsWhateverTheLocale)
{
    EXPECT_EQ(formatDecimal(1234567.5, 2), QStringLiteral("1.234.567,50"));
    EXPECT_EQ(formatDecimal(-1234.5, 1), QStringLiteral("-1.234,5"));
    EXPECT_EQ(formatDecimal(999, 0), QStringLiteral("999"));
    EXPECT_EQ(formatDecimal(123456, 0), QStringLiteral("123.456"));

    EXPECT_EQ(parseDecimal(QStringLiteral("1.234.567,50")), 1234567.5);
    EXPECT_FALSE(parseDecimal(QStringLiteral("abc")));
}

// Numbers inside a language's texts as that language writes them; German, the program's own
// format, until a language is chosen.
TEST(DecimalFormat, TextNumbersFollowTheLanguage)
{
    struct {
        QLocale locale;
        const char* thousands;
        const char* fraction;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "10.000", "0,4653"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "10,000", "0.4653"},
        {QLocale(QLocale::Turkish), "10.000", "0,4653"},
    };
    EXPECT_EQ(formatTextDecimal(10000, 0), formatDecimal(10000, 0));
    for (const auto& c : cases) {
        setTextLocale(c.locale);
        EXPECT_EQ(formatTextDecimal(10000, 0), QString::fromLatin1(c.thousands));
        EXPECT_EQ(formatTextDecimal(0.46531, 4), QString::fromLatin1(c.fraction));
    }
    setTextLocale(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace
} // namespace numora
