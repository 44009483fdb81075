#include "model/TZiehung.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace numora {
namespace {

TEST(TZiehung, KnownDrawHasItsExactBytes)
{
    TZiehung record;
    record.Datum = 35385.0; // 16.11.1996
    const std::uint8_t numbers[6] = {3, 8, 19, 27, 33, 45};
    std::memcpy(record.Zahlen, numbers, 6);

    TZiehung::Bytes expected{};
    const std::uint8_t head[] = {0x00, 0x00, 0x00, 0x00, 0x20, 0x47, 0xE1, 0x40, 0x03, 0x08, 0x13, 0x1B, 0x21, 0x2D};
    std::memcpy(expected.data(), head, sizeof head);
    EXPECT_EQ(record.toBytes(), expected);
}

TEST(TZiehung, AllFieldsSurviveARoundTrip)
{
    TZiehung record;
    record.Datum = 43771.0;
    const std::uint8_t numbers[6] = {6, 29, 31, 32, 44, 45};
    std::memcpy(record.Zahlen, numbers, 6);
    record.Zusatzzahl = 17;
    record.Superzahl = 9;
    const std::uint8_t spiel77[7] = {1, 2, 3, 4, 5, 6, 7};
    const std::uint8_t super6[6] = {9, 8, 7, 6, 5, 4};
    std::memcpy(record.Spiel77, spiel77, 7);
    std::memcpy(record.Super6, super6, 6);
    // Whatever the fill holds in memory, the file gets zeros there.
    record.Fill[0] = record.Fill[1] = record.Fill[2] = 0xAB;

    const auto bytes = record.toBytes();
    EXPECT_EQ(bytes[14], 17);
    EXPECT_EQ(bytes[15], 9);
    EXPECT_EQ(bytes[16], 1);
    EXPECT_EQ(bytes[22], 7);
    EXPECT_EQ(bytes[23], 9);
    EXPECT_EQ(bytes[28], 4);
    EXPECT_EQ(bytes[29] | bytes[30] | bytes[31], 0);

    const TZiehung back = TZiehung::fromBytes(bytes.data());
    EXPECT_EQ(back.toBytes(), bytes);
    EXPECT_EQ(back.Datum, 43771.0);
    EXPECT_EQ(back.Zusatzzahl, 17);
    EXPECT_EQ(back.Superzahl, 9);
    EXPECT_EQ(std::memcmp(back.Zahlen, numbers, 6), 0);
    EXPECT_EQ(std::memcmp(back.Spiel77, spiel77, 7), 0);
    EXPECT_EQ(std::memcmp(back.Super6, super6, 6), 0);
}

} // namespace
} // namespace numora
