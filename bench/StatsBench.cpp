// Every statistic walks the history kept in memory (the file is read again only after it
// changed) and rebuilds its chart; these measure one run of each over the real Sayisal Loto
// history (Arg 0) and the longer German history (Arg 1), with the window open over the whole
// file and both weekday boxes checked.
#include "BenchHistory.h"
#include "base/DayDate.h"
#include "session/ProgramState.h"
#include "draws/DrawFile.h"
#include "stats/Statistics.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace numora;

namespace {

// The window spans the whole file, so every draw of either history is counted.
struct History : BenchHistory {
    explicit History(int which) : BenchHistory(which)
    {
        state.startDate.value = DayDate::fromYmd(1950, 1, 1);
        state.chosenDate.value = DayDate::fromYmd(2030, 12, 31);
        fillSheet();
    }
};

using Statistic = Expected<StatisticRun> (*)(ProgramState&);

void Run(benchmark::State& s, Statistic statistic)
{
    History h(int(s.range(0)));
    for (auto _ : s) {
        const auto run = statistic(h.state);
        if (!run)
            s.SkipWithError("statistic failed");
        benchmark::DoNotOptimize(h.state.chart.points.data());
    }
    s.SetItemsProcessed(std::int64_t(s.iterations()) * std::int64_t(h.draws));
}

#define NUMORA_STATISTIC(name, function) \
    BENCHMARK_CAPTURE(Run, name, function)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)

NUMORA_STATISTIC(distribution, &Statistics::numberDistribution);
NUMORA_STATISTIC(overdue, &Statistics::overdueNumbers);
NUMORA_STATISTIC(superzahl_overdue, &Statistics::overdueSuperzahl);
NUMORA_STATISTIC(superzahl_frequency, &Statistics::superzahlFrequency);
NUMORA_STATISTIC(pairs, +[](ProgramState& s) { return Statistics::groupings(s, 2); });
NUMORA_STATISTIC(triples, +[](ProgramState& s) { return Statistics::groupings(s, 3); });
NUMORA_STATISTIC(quads, +[](ProgramState& s) { return Statistics::groupings(s, 4); });
NUMORA_STATISTIC(digitsum, &Statistics::digitSums);
NUMORA_STATISTIC(primes, +[](ProgramState& s) { return Statistics::perDraw(s, Statistics::DrawProperty::Primes); });
NUMORA_STATISTIC(odd, +[](ProgramState& s) { return Statistics::perDraw(s, Statistics::DrawProperty::Odd); });
NUMORA_STATISTIC(even, +[](ProgramState& s) { return Statistics::perDraw(s, Statistics::DrawProperty::Even); });

// The sheet distribution reads no history: one full sheet of 72 numbers.
void SheetDistribution(benchmark::State& s)
{
    History h(0);
    for (auto _ : s) {
        benchmark::DoNotOptimize(Statistics::sheetDistribution(h.state).ok());
        benchmark::DoNotOptimize(h.state.chart.points.data());
    }
}
BENCHMARK(SheetDistribution)->Unit(benchmark::kMicrosecond);

} // namespace
