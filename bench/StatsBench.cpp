// Every statistic re-reads the whole draw file and rebuilds its chart; these measure one run of
// each over the real Sayisal Loto history (Arg 0) and the longer German history (Arg 1), with
// the window open over the whole file and both weekday boxes checked.
#include "app/DayDate.h"
#include "app/ProgramState.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "stats/Statistics.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace numora;

namespace {

struct History {
    QTemporaryDir dir;
    ProgramState state;
    std::size_t draws = 0;

    explicit History(const QString& csvPath)
    {
        QFile csv(csvPath);
        if (!csv.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot open history CSV");
        const auto records = DrawCsv::parse(csv.readAll());
        state.programDir = dir.path() + QLatin1Char('/');
        if (!records || !state.drawFile().replaceAll(*records))
            throw std::runtime_error("cannot write history");
        draws = records->size();
        state.today = [] { return QDate(2026, 12, 10); };
        state.startDate.value = DayDate::fromYmd(1950, 1, 1);
        state.chosenDate.value = DayDate::fromYmd(2030, 12, 31);
        for (int r = 0; r < 12; ++r)
            for (int p = 0; p < 6; ++p)
                state.sheet.setField(r, p, QString::number(1 + (r * 6 + p * 7) % 49));
    }
};

QString historyPath(int which)
{
    return which == 0 ? QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")
                      : QStringLiteral(NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv");
}

using Statistic = Expected<StatisticRun> (*)(ProgramState&);

void Run(benchmark::State& s, Statistic statistic)
{
    History h(historyPath(int(s.range(0))));
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
    History h(historyPath(0));
    for (auto _ : s) {
        benchmark::DoNotOptimize(Statistics::sheetDistribution(h.state).ok());
        benchmark::DoNotOptimize(h.state.chart.points.data());
    }
}
BENCHMARK(SheetDistribution)->Unit(benchmark::kMicrosecond);

} // namespace
