#pragma once

#include "base/Expected.h"

#include <QString>

#include <bit>
#include <cstdint>
#include <vector>

namespace numora {

// A set of lottery numbers 1..90 as a bit mask: bit n stands for number n. Games go up to 90
// numbers, more than a 64-bit word holds.
__extension__ using NumberSet = unsigned __int128;

namespace Numbers {

// The numbers of the default game.
inline constexpr int Highest = 49;
// The most numbers any game has.
inline constexpr int Widest = 90;
inline constexpr int RowSize = 6;

inline NumberSet of(int number) { return NumberSet(1) << number; }
inline int count(NumberSet set)
{
    return std::popcount(std::uint64_t(set)) + std::popcount(std::uint64_t(set >> 64));
}
inline bool contains(NumberSet set, int number) { return (set >> number) & 1; }
// The lowest number in a non-empty set.
inline int lowest(NumberSet set)
{
    return std::uint64_t(set) ? std::countr_zero(std::uint64_t(set)) : 64 + std::countr_zero(std::uint64_t(set >> 64));
}
// first..last.
inline NumberSet range(int first, int last)
{
    NumberSet set = 0;
    for (int n = first; n <= last; ++n)
        set |= of(n);
    return set;
}
// The numbers in ascending order.
std::vector<int> list(NumberSet set);
// "1,5,17": ascending, joined by ",".
QString format(NumberSet set);

// "1-12,17,23": numbers and ranges joined by ","; every number 1..highest, none twice.
Expected<NumberSet> parseList(const QString& text, int highest = Highest);

} // namespace Numbers

} // namespace numora
