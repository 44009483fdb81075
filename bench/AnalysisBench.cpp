// The historical analyses over the shipped and the German history, in the domain (no window).
// BacktestFullHistory replays from its start to the last draw with the default options: one
// generation and one evaluation per draw. RecurrenceFullHistory compares every draw with each
// earlier one (about 800,000 pairs on Sayisal, 12.7 million on the German history) and with the
// next three. HistorySearchFullHistory scores a full sheet against every draw.
#include "BenchHistory.h"
#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "eval/Backtest.h"
#include "eval/ChanceComparison.h"
#include "eval/HistorySearch.h"
#include "eval/Recurrence.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

using namespace numora;

namespace {

class Answer final : public UiHooks {
public:
    explicit Answer(QString text) : m_text(std::move(text)) {}
    QString askText(const QString&, const QString&, const QString&) override { return m_text; }

private:
    QString m_text;
};

// Arg 0: which history (0 Sayisal, 1 German); arg 1: the year the replay starts in (its first
// draw from 16.11. on in 1996, else from 1.1.). The German runs from 2014, 2005, 1996, 1987 and 1955
// show how the time grows with the draws replayed; their pickers and statistics take the whole
// history from 1955 on.
void BacktestFullHistory(benchmark::State& s)
{
    BenchHistory h(int(s.range(0)));
    Answer seed(QStringLiteral("4711"));
    h.state.hooks = &seed;
    h.state.sheet.setSheetReady(true);
    if (s.range(0) == 1) {
        h.state.chosenDate.minimum = h.state.startDate.minimum = DayDate::fromYmd(1955, 1, 1);
        h.state.startDate.value = h.state.chosenDate.minimum;
    }
    const int year = int(s.range(1));
    const double start = year == 1996 ? DayDate::fromYmd(1996, 11, 16) : DayDate::fromYmd(year, 1, 1);
    std::int32_t passes = 0;
    for (auto _ : s) {
        h.state.chosenDate.setDate(start);
        const auto result = Backtest::run(h.state, {});
        if (!result || result->end != Backtest::End::Completed)
            s.SkipWithError("the back-test did not complete");
        else
            passes = result->passes;
    }
    s.counters["passes"] = passes;
}
BENCHMARK(BacktestFullHistory)->Args({0, 1996})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BacktestFullHistory)
    ->Args({1, 2014})
    ->Args({1, 2005})
    ->Args({1, 1996})
    ->Args({1, 1987})
    ->Args({1, 1955})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Arg: which history (0 Sayisal from 16.11.1996, 1 the whole German history).
void RecurrenceFullHistory(benchmark::State& s)
{
    BenchHistory h(int(s.range(0)));
    Answer threshold(QStringLiteral("7"));
    h.state.hooks = &threshold;
    h.state.sheet.setSheetReady(true);
    const double start = s.range(0) == 0 ? DayDate::fromYmd(1996, 11, 16) : DayDate::fromYmd(1955, 1, 1);
    h.state.chosenDate.minimum = h.state.startDate.minimum = DayDate::fromYmd(1955, 1, 1);
    for (auto _ : s) {
        h.state.chosenDate.setDate(start);
        const auto result = Recurrence::run(h.state, {});
        if (!result || result->passes != std::int32_t(h.draws) - 1)
            s.SkipWithError("the analysis did not walk the whole history");
    }
}
BENCHMARK(RecurrenceFullHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The history search of a full sheet over the whole history; no row reaches 7, so nothing asks.
void HistorySearchFullHistory(benchmark::State& s)
{
    BenchHistory h(int(s.range(0)));
    h.fillSheet();
    h.state.startDate.value = DayDate::fromYmd(1950, 1, 1);
    h.state.chosenDate.value = DayDate::fromYmd(2030, 12, 31);
    for (auto _ : s) {
        const auto outcome = HistorySearch::search(h.state, 7);
        if (!outcome || !outcome->lastVisited)
            s.SkipWithError("the search visited no draw");
    }
}
BENCHMARK(HistorySearchFullHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The comparison's Monte Carlo test: the back-test's sheets over the whole history scored
// against 10,000 random histories.
void ComparisonMonteCarlo(benchmark::State& s)
{
    BenchHistory h;
    Answer seed(QStringLiteral("4711"));
    h.state.hooks = &seed;
    h.state.sheet.setSheetReady(true);
    h.state.chosenDate.setDate(DayDate::fromYmd(1996, 11, 16));
    const auto result = Backtest::run(h.state, {});
    if (!result || result->end != Backtest::End::Completed) {
        s.SkipWithError("the back-test did not complete");
        return;
    }
    ChanceComparison c;
    for (auto _ : s)
        c = ChanceComparison::compute(*result);
    s.counters["passes"] = double(c.passes);
    s.counters["rows"] = double(c.rows);
    s.counters["distinct"] = double(c.distinctRows);
    s.counters["wins"] = double(c.replayWins);
    s.counters["expected"] = c.expectedWins;
    s.counters["p"] = c.pValue;
}
BENCHMARK(ComparisonMonteCarlo)->Unit(benchmark::kMillisecond);

// The same test on the shipped history for seeds 1..N of the default options: how often it
// finds the options better than chance at 1 % and 5 %, and the smallest p.
void ComparisonSeedsOnHistory(benchmark::State& s)
{
    const int seeds = int(s.range(0));
    BenchHistory h;
    int below1 = 0, below5 = 0;
    double smallest = 1.0;
    for (auto _ : s) {
        below1 = below5 = 0;
        smallest = 1.0;
        for (int seed = 1; seed <= seeds; ++seed) {
            Answer answer(QString::number(seed));
            h.state.hooks = &answer;
            h.state.sheet = TTippSchein();
            h.state.sheet.setSheetReady(true);
            h.state.chosenDate.setDate(DayDate::fromYmd(1996, 11, 16));
            const auto result = Backtest::run(h.state, {});
            h.state.hooks = &UiHooks::silent();
            if (!result || result->end != Backtest::End::Completed) {
                s.SkipWithError("the back-test did not complete");
                return;
            }
            const double p = ChanceComparison::compute(*result).pValue;
            below1 += p < 0.01;
            below5 += p < 0.05;
            smallest = std::min(smallest, p);
        }
    }
    s.counters["seeds"] = seeds;
    s.counters["p<0.01"] = below1;
    s.counters["p<0.05"] = below5;
    s.counters["smallest p"] = smallest;
}
BENCHMARK(ComparisonSeedsOnHistory)->Arg(40)->Unit(benchmark::kSecond)->Iterations(1);

// Is the test honest for real back-tests? The shipped history's dates with uniform random
// numbers in place of the drawn ones: the replay's sheets then have no way to beat chance, so
// P(p <= a) must not exceed a. Prints how many of the histories fell at or below 1 %, 5 %,
// 10 % and 50 %, and the largest distance of the p-values' distribution from the uniform one.
void ComparisonUniformHistories(benchmark::State& s)
{
    const int histories = int(s.range(0));
    BenchHistory h;
    const auto real = h.state.drawFile().readAll();
    if (!real) {
        s.SkipWithError("no history");
        return;
    }
    // The replay starts on 02.02.2019: some 80 passes per history, enough for sheets that
    // are kept and rows that share their draw.
    std::vector<double> ps;
    for (auto _ : s) {
        ps.clear();
        std::mt19937_64 numbers(20261211);
        for (int i = 0; i < histories; ++i) {
            std::vector<TZiehung> draws = *real;
            for (TZiehung& d : draws) {
                std::array<std::uint8_t, 49> all{};
                for (int n = 0; n < 49; ++n)
                    all[std::size_t(n)] = std::uint8_t(n + 1);
                std::shuffle(all.begin(), all.end(), numbers);
                std::sort(all.begin(), all.begin() + 6);
                std::copy(all.begin(), all.begin() + 6, d.Zahlen);
            }
            if (!h.state.drawFile().replaceAll(draws)) {
                s.SkipWithError("cannot write history");
                return;
            }
            Answer seed(QString::number(1000 + i));
            h.state.hooks = &seed;
            h.state.sheet = TTippSchein();
            h.state.sheet.setSheetReady(true);
            h.state.chosenDate.setDate(DayDate::fromYmd(2019, 2, 2));
            const auto result = Backtest::run(h.state, {});
            h.state.hooks = &UiHooks::silent();
            if (!result || result->end != Backtest::End::Completed) {
                s.SkipWithError("the back-test did not complete");
                return;
            }
            ps.push_back(ChanceComparison::compute(*result).pValue);
        }
    }
    std::sort(ps.begin(), ps.end());
    double ks = 0.0;
    for (std::size_t i = 0; i < ps.size(); ++i)
        ks = std::max({ks, double(i + 1) / double(ps.size()) - ps[i], ps[i] - double(i) / double(ps.size())});
    auto share = [&ps](double a) { return double(std::upper_bound(ps.begin(), ps.end(), a) - ps.begin()); };
    s.counters["histories"] = double(ps.size());
    s.counters["p<=0.01"] = share(0.01);
    s.counters["p<=0.05"] = share(0.05);
    s.counters["p<=0.10"] = share(0.10);
    s.counters["p<=0.50"] = share(0.50);
    s.counters["KS"] = ks;
}
BENCHMARK(ComparisonUniformHistories)->Arg(200)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
