#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace numora {

// One draw as stored in the draw file: 32 bytes, little-endian, no gaps.
#pragma pack(push, 1)
struct TZiehung {
    double Datum = 0.0;                  // day count, day 0 = 30.12.1899
    std::uint8_t Zahlen[6] = {};         // 1..49, ascending
    std::uint8_t Zusatzzahl = 0;         // 1..49, 0 when unknown
    std::uint8_t Superzahl = 0;          // 0..9
    std::uint8_t Spiel77[7] = {};        // digits 0..9, first digit first
    std::uint8_t Super6[6] = {};         // digits 0..9, first digit first
    std::uint8_t Fill[3] = {};           // written as 0, never read

    static constexpr std::size_t Size = 32;
    using Bytes = std::array<std::uint8_t, Size>;

    // The on-disk bytes, independent of the host's byte order.
    Bytes toBytes() const;
    static TZiehung fromBytes(const std::uint8_t* bytes);
};
#pragma pack(pop)

static_assert(sizeof(TZiehung) == TZiehung::Size);
static_assert(offsetof(TZiehung, Zahlen) == 8);
static_assert(offsetof(TZiehung, Zusatzzahl) == 14);
static_assert(offsetof(TZiehung, Superzahl) == 15);
static_assert(offsetof(TZiehung, Spiel77) == 16);
static_assert(offsetof(TZiehung, Super6) == 23);
static_assert(offsetof(TZiehung, Fill) == 29);

} // namespace numora
