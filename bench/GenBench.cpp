// The history rules run once per candidate row that reaches them, so their cost bounds a run.
// HistoryCheckLiteral opens, reads and compares as the history-hits check was first written:
// the draw file in blocks of up to 1000 records, each draw of the window made current and
// counted with the text-based Zettelcheck. HistoryCheck is the check the generator uses. Both
// scan the whole real history for a row that wins nowhere. The Run* benchmarks give the
// candidate rate of whole runs in the domain (no window).
#include "BenchHistory.h"
#include "session/ProgramState.h"
#include "base/Random.h"
#include "session/RowCheck.h"
#include "draws/GameCatalog.h"
#include "gen/Generator.h"
#include "gen/RowFilter.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <optional>
#include <stdexcept>

using namespace numora;

namespace {

struct History : BenchHistory {
    Random random{1};

    History()
    {
        state.random = &random;
        state.sheet.setSheetReady(true);
    }
};

// A row with fewer than five hits in every draw: the scan never stops early.
const Row quietRow = {1, 2, 3, 4, 5, 6};

bool literalHistoryHits(ProgramState& state, const std::array<QString, 6>& row)
{
    const double end = state.chosenDate.value;
    const double start = state.startDate.value;
    const int threshold = state.params.upDown(6);
    state.endDateField = end;
    state.startDateField = start;
    state.chart.begin();
    const HistoryFilter weekdays = state.historyFilter();
    QFile file(state.drawFilePath());
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open the draw file");
    constexpr qint64 BlockRecords = 1000;
    std::vector<char> block(std::size_t(BlockRecords * TZiehung::Size));
    for (;;) {
        const qint64 read = file.read(block.data(), qint64(block.size()));
        if (read <= 0)
            break;
        for (qint64 i = 0; i + qint64(TZiehung::Size) <= read; i += qint64(TZiehung::Size)) {
            const TZiehung record = TZiehung::fromBytes(reinterpret_cast<const std::uint8_t*>(block.data() + i));
            if (!(start < record.Datum && record.Datum <= end) || !weekdays.passesWeekday(record.Datum))
                continue;
            state.currentDraw.take(record);
            state.checkResult = Zettelcheck(row, state.currentDraw);
            if (state.checkResult.hitCount >= threshold) {
                file.close();
                return false;
            }
        }
    }
    file.close();
    return true;
}

void HistoryCheckLiteral(benchmark::State& s)
{
    History h;
    std::array<QString, 6> texts;
    for (int i = 0; i < 6; ++i)
        texts[std::size_t(i)] = QString::number(quietRow[std::size_t(i)]);
    if (!literalHistoryHits(h.state, texts))
        throw std::runtime_error("the row wins somewhere: no full scan");
    for (auto _ : s)
        benchmark::DoNotOptimize(literalHistoryHits(h.state, texts));
}
BENCHMARK(HistoryCheckLiteral)->Unit(benchmark::kMicrosecond);

void HistoryCheck(benchmark::State& s)
{
    History h;
    const auto first = RowFilter::historyHits(h.state, quietRow);
    if (!first || !*first)
        throw std::runtime_error("the row wins somewhere: no full scan");
    for (auto _ : s)
        benchmark::DoNotOptimize(RowFilter::historyHits(h.state, quietRow));
}
BENCHMARK(HistoryCheck)->Unit(benchmark::kMicrosecond);

// One whole run per iteration; the rate counts candidate rows.
void runs(benchmark::State& s, History& h, std::uint32_t seed)
{
    std::int64_t candidates = 0;
    for (auto _ : s) {
        h.random.setState(seed);
        const auto result = Generator::generate(h.state);
        if (!result)
            throw std::runtime_error(result.error().message.toStdString());
        candidates += result->candidates;
    }
    s.SetItemsProcessed(candidates);
    s.counters["candidates/run"] = benchmark::Counter(double(candidates) / double(s.iterations()));
}

void RunUnsatisfiable(benchmark::State& s)
{
    // Digit sum 21..21 allows 1 2 3 4 5 6 only, which three in a row forbids: 100 000 rejects.
    History h;
    h.state.params.setUpDown(1, 21);
    h.state.params.setUpDown(2, 21);
    h.state.params.setCheckBox(18, true);
    h.state.params.setUpDown(7, 100);
    runs(s, h, 1);
}
BENCHMARK(RunUnsatisfiable)->Unit(benchmark::kMillisecond);

void RunDefaults(benchmark::State& s)
{
    History h;
    runs(s, h, 4711);
}
BENCHMARK(RunDefaults)->Unit(benchmark::kMillisecond);

// Cilgin Sayisal Loto (6 of 90) over its own history.
void playCilgin(History& h)
{
    QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/games/cilgin.csv"));
    if (!csv.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open the cilgin history");
    const auto records = DrawCsv::parse(csv.readAll(), 90);
    if (!records || records->empty() || !h.state.drawFile().replaceAll(*records))
        throw std::runtime_error("cannot write the cilgin history");
    std::optional<Game> cilgin;
    for (const GameCatalog::BuiltIn& b : GameCatalog::builtIn())
        if (QLatin1String(b.fileName) == QLatin1String("cilgin.game"))
            if (auto parsed = Game::parse(QByteArray(b.text), QString::fromLatin1(b.fileName)))
                cilgin = *parsed;
    if (!cilgin)
        throw std::runtime_error("no built-in cilgin game");
    h.state.useGame(*cilgin, records->front().Datum);
}

// Twelve rows with the default options, in the default game and in 6 of 90: the second is meant
// to stay within 1.5× of the first.
void RunTwelveRows(benchmark::State& s)
{
    History h;
    if (s.range(0) == 90)
        playCilgin(h);
    h.state.sheet.setTipCount(12);
    runs(s, h, 4711);
}
BENCHMARK(RunTwelveRows)->Arg(49)->Arg(90)->Unit(benchmark::kMillisecond);

} // namespace
