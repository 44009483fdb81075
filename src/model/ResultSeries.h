#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace numora {

// Bar colours of the main chart: red marks a prime number; green is also the series' own colour.
enum class PointColour { Green, Red, SeriesDefault };

struct ChartPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    PointColour colour = PointColour::SeriesDefault;
};

// The value (left) axis: a fixed range, or scaled to the data.
struct ValueRange {
    bool automatic = true;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
};

// What a statistic leaves in the main chart: the points of `Series2` in index order, the value
// range and the caption of the bottom axis. The generator reads values back by point index.
struct ResultSeries {
    std::vector<ChartPoint> points;
    ValueRange range;
    QString title;
    bool series2Active = true; // Series2 shown, Series1 hidden

    // Starts a statistic: Series2 active and empty; range and title stay until it sets them.
    void begin()
    {
        series2Active = true;
        points.clear();
    }
    // Y of point `index` (0-based); 0 past the end.
    std::int32_t valueAt(std::size_t index) const { return index < points.size() ? points[index].y : 0; }
    // Fixed range from the smallest to the largest Y of the points from `first` on.
    void rangeOverPoints(std::size_t first = 0);

    static bool isPrime(int n);
    static PointColour primeColour(int n) { return isPrime(n) ? PointColour::Red : PointColour::Green; }
};

} // namespace numora
