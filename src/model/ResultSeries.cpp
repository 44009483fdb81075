#include "model/ResultSeries.h"

#include <algorithm>

namespace numora {

void ResultSeries::rangeOverPoints(std::size_t first)
{
    range.automatic = false;
    if (first >= points.size()) {
        range.minimum = range.maximum = 0;
        return;
    }
    std::int32_t smallest = points[first].y;
    std::int32_t largest = points[first].y;
    for (std::size_t i = first; i < points.size(); ++i) {
        smallest = std::min(smallest, points[i].y);
        largest = std::max(largest, points[i].y);
    }
    range.minimum = smallest;
    range.maximum = largest;
}

bool ResultSeries::isPrime(int n)
{
    switch (n) {
    case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19:
    case 23: case 29: case 31: case 37: case 41: case 43: case 47: case 53:
    case 59: case 61: case 67: case 71: case 73: case 79: case 83: case 89:
        return true;
    default:
        return false;
    }
}

} // namespace numora
