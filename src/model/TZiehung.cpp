#include "model/TZiehung.h"

#include <bit>
#include <cstring>

namespace numora {

TZiehung::Bytes TZiehung::toBytes() const
{
    Bytes bytes{};
    const auto bits = std::bit_cast<std::uint64_t>(Datum);
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    std::memcpy(&bytes[8], Zahlen, 6);
    bytes[14] = Zusatzzahl;
    bytes[15] = Superzahl;
    std::memcpy(&bytes[16], Spiel77, 7);
    std::memcpy(&bytes[23], Super6, 6);
    // bytes 29..31 stay 0
    return bytes;
}

TZiehung TZiehung::fromBytes(const std::uint8_t* bytes)
{
    TZiehung record;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    record.Datum = std::bit_cast<double>(bits);
    std::memcpy(record.Zahlen, &bytes[8], 6);
    record.Zusatzzahl = bytes[14];
    record.Superzahl = bytes[15];
    std::memcpy(record.Spiel77, &bytes[16], 7);
    std::memcpy(record.Super6, &bytes[23], 6);
    return record;
}

} // namespace numora
