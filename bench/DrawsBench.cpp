// The draw file is re-read by every operation; these measure what one read, one browser step
// and one sheet evaluation cost on the real histories.
#include "app/ProgramState.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "eval/RowCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

struct History {
    QTemporaryDir dir;
    ProgramState state;

    explicit History(const QString& csvPath)
    {
        QFile csv(csvPath);
        if (!csv.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot open history CSV");
        const auto records = DrawCsv::parse(csv.readAll());
        state.programDir = dir.path() + QLatin1Char('/');
        if (!records || !state.drawFile().replaceAll(*records))
            throw std::runtime_error("cannot write history");
        state.today = [] { return QDate(2026, 12, 10); };
        state.sheet.setSheetReady(true);
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

void ReadAll(benchmark::State& s)
{
    History h(historyPath(int(s.range(0))));
    for (auto _ : s) {
        auto records = h.state.drawFile().readAll();
        benchmark::DoNotOptimize(records->data());
    }
}
BENCHMARK(ReadAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ShowChosenDate(benchmark::State& s)
{
    History h(historyPath(int(s.range(0))));
    for (auto _ : s) {
        h.state.chosenDate.setDate(h.state.todayDay());
        benchmark::DoNotOptimize(DrawBrowser::showChosenDate(h.state).ok());
    }
}
BENCHMARK(ShowChosenDate)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void PreviousDraw(benchmark::State& s)
{
    History h(historyPath(int(s.range(0))));
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
    History h(historyPath(0));
    (void)DrawBrowser::showChosenDate(h.state);
    for (auto _ : s)
        Komplettcheck(h.state);
}
BENCHMARK(KomplettcheckFullSheet)->Unit(benchmark::kMicrosecond);

} // namespace
