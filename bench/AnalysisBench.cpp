// The two historical analyses over the whole shipped history, in the domain (no window).
// BacktestFullHistory replays from the first draw to the last with the default options: one
// generation and one evaluation per draw. RecurrenceFullHistory compares every draw with each
// earlier one (about 800,000 pairs) and with the next three.
#include "BenchHistory.h"
#include "app/ProgramState.h"
#include "base/DayDate.h"
#include "eval/Backtest.h"
#include "eval/Recurrence.h"

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

class Answer final : public UiHooks {
public:
    explicit Answer(QString text) : m_text(std::move(text)) {}
    QString askText(const QString&, const QString&, const QString&) override { return m_text; }

private:
    QString m_text;
};

void BacktestFullHistory(benchmark::State& s)
{
    BenchHistory h;
    Answer seed(QStringLiteral("4711"));
    h.state.hooks = &seed;
    h.state.sheet.setSheetReady(true);
    std::int32_t passes = 0;
    for (auto _ : s) {
        h.state.chosenDate.setDate(DayDate::fromYmd(1996, 11, 16));
        const auto result = Backtest::run(h.state, {});
        if (!result || result->end != Backtest::End::Completed)
            s.SkipWithError("the back-test did not complete");
        else
            passes = result->passes;
    }
    s.counters["passes"] = passes;
}
BENCHMARK(BacktestFullHistory)->Unit(benchmark::kMillisecond)->Iterations(3);

void RecurrenceFullHistory(benchmark::State& s)
{
    BenchHistory h;
    Answer threshold(QStringLiteral("7"));
    h.state.hooks = &threshold;
    h.state.sheet.setSheetReady(true);
    for (auto _ : s) {
        h.state.chosenDate.setDate(DayDate::fromYmd(1996, 11, 16));
        const auto result = Recurrence::run(h.state, {});
        if (!result || result->passes != std::int32_t(h.draws) - 1)
            s.SkipWithError("the analysis did not walk the whole history");
    }
}
BENCHMARK(RecurrenceFullHistory)->Unit(benchmark::kMillisecond);

} // namespace
