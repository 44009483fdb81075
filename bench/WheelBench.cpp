// Wheels: how long the search takes to reach the best sizes known (one run each, seed 1, stopped
// at that size, without the catalogue), the catalogue's answer for every v it holds and the
// slowest of all its cases, the
// 49-number "3 wenn 6" wheel from the catalogue and its exhaustive check over all 13,983,816
// draws, and the check of a 20-number wheel over 1..90 against all 622,614,630 draws.
#include "wheel/WheelBuilder.h"
#include "wheel/WheelCatalogue.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <stdexcept>

using namespace numora;

namespace {

Wheel build(int v, Guarantee g, double seconds, int stopAt, bool catalogue)
{
    RunControl control;
    WheelRequest request{Numbers::range(1, v), g, 1, seconds, 0};
    request.useCatalogue = catalogue;
    request.stopAt = stopAt;
    const auto result = WheelBuilder::build(request, control);
    if (!result || !result->wheel)
        throw std::runtime_error("no wheel");
    return *result->wheel;
}

// args: v, t, p, the size to reach, the most seconds
void BuildToKnownSize(benchmark::State& state)
{
    const int v = int(state.range(0));
    const Guarantee g{int(state.range(1)), int(state.range(2))};
    const int target = int(state.range(3));
    std::size_t rows = 0;
    for (auto _ : state)
        rows = build(v, g, double(state.range(4)), target, false).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(BuildToKnownSize)
    ->Args({10, 4, 4, 20, 600})
    ->Args({10, 5, 5, 50, 600})
    ->Args({11, 3, 3, 11, 600})
    ->Args({12, 4, 4, 41, 600})
    ->Args({12, 5, 5, 132, 600})
    ->Args({13, 3, 3, 21, 600})
    ->Args({13, 5, 5, 245, 600})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The catalogue's answer on numbers that are not 1..v, proved: what the window waits for.
void CatalogueAnswer(benchmark::State& state)
{
    const int v = int(state.range(0));
    const Guarantee g{int(state.range(1)), int(state.range(2))};
    std::size_t rows = 0;
    for (auto _ : state) {
        RunControl control;
        const auto result = WheelBuilder::build({Numbers::range(50 - v, 49), g, 1, 60, 0}, control);
        if (!result || !result->wheel || !result->fromCatalogue)
            throw std::runtime_error("not from the catalogue");
        rows = result->wheel->rows.size();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(CatalogueAnswer)
    ->Args({13, 3, 3})
    ->Args({20, 4, 4})
    ->Args({27, 3, 4})
    ->Args({30, 3, 3})
    ->Args({30, 3, 6})
    ->Args({25, 4, 4})
    ->Unit(benchmark::kMillisecond);

// The published sizes the catalogue reaches, searched for without it (at most two minutes each):
// the rows reached and the seconds taken.
BENCHMARK(BuildToKnownSize)
    ->Name("BuildToRecord")
    ->Args({13, 4, 4, 66, 120})
    ->Args({14, 3, 3, 25, 120})
    ->Args({14, 4, 4, 80, 120})
    ->Args({15, 3, 3, 31, 120})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Every case of the catalogue answered on the numbers 50-v..49 and proved: the slowest one (its
// v, t and p as counters), what the window waits for at worst.
void CatalogueSlowest(benchmark::State& state)
{
    double slowest = 0;
    const CatalogueWheel* worst = nullptr;
    for (auto _ : state)
        for (const CatalogueWheel& wheel : WheelCatalogue::shipped()) {
            RunControl control;
            const auto started = std::chrono::steady_clock::now();
            const auto result = WheelBuilder::build({Numbers::range(50 - wheel.v, 49), wheel.guarantee, 1, 60, 0}, control);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (!result || !result->wheel || !result->fromCatalogue)
                throw std::runtime_error("not from the catalogue");
            if (seconds > slowest) {
                slowest = seconds;
                worst = &wheel;
            }
        }
    state.counters["slowest_ms"] = slowest * 1000;
    state.counters["v"] = worst ? worst->v : 0;
    state.counters["t"] = worst ? worst->guarantee.hits : 0;
    state.counters["p"] = worst ? worst->guarantee.of : 0;
}
BENCHMARK(CatalogueSlowest)->Iterations(1)->Unit(benchmark::kSecond);

// 49 numbers, "3 wenn 6": the rows reached in the given seconds by the search alone.
void Build49ThreeOfSix(benchmark::State& state)
{
    std::size_t rows = 0;
    for (auto _ : state)
        rows = build(49, {3, 6}, double(state.range(0)), 0, false).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(Build49ThreeOfSix)->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);

// The guarantee, the best row over the draws inside and over all draws, for the catalogue's
// 49-number wheel.
void Check49(benchmark::State& state)
{
    const Wheel wheel = build(49, {3, 6}, 10, 0, true);
    for (auto _ : state) {
        const WheelOdds odds = WheelCheck::run(wheel);
        benchmark::DoNotOptimize(odds);
        if (!odds.holds)
            throw std::runtime_error("the wheel does not hold");
    }
    state.counters["rows"] = double(wheel.rows.size());
}
BENCHMARK(Check49)->Unit(benchmark::kMillisecond);

// A 20-number wheel among 1..90: its odds against every draw of 6 of 90.
void Check20Of90(benchmark::State& state)
{
    std::mt19937 random(3);
    Wheel wheel{0, {3, 6}, {}};
    for (int n : {3, 8, 14, 19, 22, 27, 31, 38, 44, 49, 53, 58, 61, 66, 70, 74, 79, 83, 87, 90})
        wheel.numbers |= Numbers::of(n);
    const auto numbers = Numbers::list(wheel.numbers);
    for (int r = 0; r < 60; ++r) {
        NumberSet row = 0;
        while (Numbers::count(row) < 6)
            row |= Numbers::of(numbers[random() % numbers.size()]);
        wheel.rows.push_back(row);
    }
    for (auto _ : state) {
        const WheelOdds odds = WheelCheck::run(wheel, 90);
        benchmark::DoNotOptimize(odds);
    }
}
BENCHMARK(Check20Of90)->Unit(benchmark::kMillisecond);

} // namespace
