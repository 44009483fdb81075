// Wheels: how long the search takes to reach the best sizes known (one run each, seed 1, stopped
// at that size), the rows reached for 49 numbers "3 wenn 6" in two minutes, and the exhaustive
// check of such a wheel over all 13,983,816 draws.
#include "wheel/WheelBuilder.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace numora;

namespace {

Wheel build(int v, Guarantee g, double seconds, int maxRows)
{
    RunControl control;
    const auto result = WheelBuilder::build({Numbers::range(1, v), g, 1, seconds, maxRows}, control);
    if (!result || !result->wheel)
        throw std::runtime_error("no wheel");
    return *result->wheel;
}

// args: v, t, p, the size to reach
void BuildToKnownSize(benchmark::State& state)
{
    const int v = int(state.range(0));
    const Guarantee g{int(state.range(1)), int(state.range(2))};
    const int target = int(state.range(3));
    std::size_t rows = 0;
    for (auto _ : state)
        rows = build(v, g, 600, target).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(BuildToKnownSize)
    ->Args({10, 4, 4, 20})
    ->Args({10, 5, 5, 50})
    ->Args({11, 3, 3, 11})
    ->Args({12, 4, 4, 41})
    ->Args({12, 5, 5, 132})
    ->Args({13, 3, 3, 21})
    ->Args({13, 5, 5, 245})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// 49 numbers, "3 wenn 6": the rows reached in the given seconds.
void Build49ThreeOfSix(benchmark::State& state)
{
    std::size_t rows = 0;
    for (auto _ : state)
        rows = build(49, {3, 6}, double(state.range(0)), 0).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(Build49ThreeOfSix)->Arg(10)->Arg(120)->Iterations(1)->Unit(benchmark::kSecond);

// The guarantee, the best row over the draws inside and over all draws, for a 49-number wheel.
void Check49(benchmark::State& state)
{
    const Wheel wheel = build(49, {3, 6}, 10, 0);
    for (auto _ : state) {
        const WheelOdds odds = WheelCheck::run(wheel);
        benchmark::DoNotOptimize(odds);
        if (!odds.holds)
            throw std::runtime_error("the wheel does not hold");
    }
    state.counters["rows"] = double(wheel.rows.size());
}
BENCHMARK(Check49)->Unit(benchmark::kMillisecond);

} // namespace
