#pragma once

#include "base/Expected.h"

#include <QString>

#include <bit>
#include <cstdint>
#include <vector>

namespace numora {

// A set of lottery numbers 1..49 as a bit mask: bit n stands for number n.
using NumberSet = std::uint64_t;

namespace Numbers {

inline constexpr int Highest = 49;
inline constexpr int RowSize = 6;

inline NumberSet of(int number) { return NumberSet(1) << number; }
inline int count(NumberSet set) { return std::popcount(set); }
inline bool contains(NumberSet set, int number) { return (set >> number) & 1; }
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

// "1-12,17,23": numbers and ranges joined by ","; every number 1..49, none twice.
Expected<NumberSet> parseList(const QString& text);

} // namespace Numbers

} // namespace numora
