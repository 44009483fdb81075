// What one read of the draw file, one browser step (over the history kept in memory) and one
// sheet evaluation cost on the real histories.
#include "BenchHistory.h"
#include "session/ProgramState.h"
#include "session/DrawBrowser.h"
#include "draws/DrawFile.h"
#include "session/RowCheck.h"

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

struct History : BenchHistory {
    explicit History(int which) : BenchHistory(which)
    {
        state.sheet.setSheetReady(true);
        fillSheet();
    }
};

void ReadAll(benchmark::State& s)
{
    History h(int(s.range(0)));
    for (auto _ : s) {
        auto records = h.state.drawFile().readAll();
        benchmark::DoNotOptimize(records->data());
    }
}
BENCHMARK(ReadAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ShowChosenDate(benchmark::State& s)
{
    History h(int(s.range(0)));
    for (auto _ : s) {
        h.state.chosenDate.setDate(h.state.todayDay());
        benchmark::DoNotOptimize(DrawBrowser::showChosenDate(h.state).ok());
    }
}
BENCHMARK(ShowChosenDate)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void PreviousDraw(benchmark::State& s)
{
    History h(int(s.range(0)));
    (void)DrawBrowser::showChosenDate(h.state);
    for (auto _ : s) {
        if (h.state.currentDraw.position == 0)
            h.state.currentDraw.position = 1000;
        benchmark::DoNotOptimize(DrawBrowser::previousDraw(h.state).ok());
    }
}
BENCHMARK(PreviousDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void KomplettcheckFullSheet(benchmark::State& s)
{
    History h(0);
    (void)DrawBrowser::showChosenDate(h.state);
    for (auto _ : s)
        Komplettcheck(h.state);
}
BENCHMARK(KomplettcheckFullSheet)->Unit(benchmark::kMicrosecond);

} // namespace
