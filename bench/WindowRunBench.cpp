// What the window adds to a generation run: the same 1,000,000-candidate run (no row can pass)
// once in the domain alone and once from the calculate button of a shown main window. Run it
// on a real X server (xvfb-run) to include painting.
#include "BenchHistory.h"
#include "session/ProgramState.h"
#include "gen/Generator.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

QTemporaryDir* programDir = nullptr;
constexpr int budgetThousands = 1000;

void unsatisfiable(Berechnungsparameter& p)
{
    p.setUpDown(1, 21);
    p.setUpDown(2, 21);
    p.setCheckBox(18, true);
    p.setUpDown(7, budgetThousands);
}

void DomainRun(benchmark::State& s)
{
    for (auto _ : s) {
        ProgramState state;
        state.programDir = programDir->path() + QLatin1Char('/');
        state.sheet.setSheetReady(true);
        unsatisfiable(state.params);
        state.random->setState(1);
        auto result = Generator::generate(state);
        if (!result || result->candidates != budgetThousands * 1000)
            s.SkipWithError("run did not spend its budget");
    }
    s.counters["ns_per_candidate"] = benchmark::Counter(double(budgetThousands) * 1000,
                                                         benchmark::Counter::kIsIterationInvariantRate
                                                             | benchmark::Counter::kInvert);
}
BENCHMARK(DomainRun)->Unit(benchmark::kMillisecond)->Iterations(3);

void WindowRun(benchmark::State& s)
{
    for (auto _ : s) {
        s.PauseTiming();
        ui::TForm1 window(programDir->path());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            s.SkipWithError("the window was not shown");
        window.findChild<QSpinBox*>(QStringLiteral("UpDown1"))->setValue(21);
        window.findChild<QSpinBox*>(QStringLiteral("UpDown2"))->setValue(21);
        window.findChild<QSpinBox*>(QStringLiteral("UpDown7"))->setValue(budgetThousands);
        window.state().random->setState(1);
        s.ResumeTiming();
        window.calculate();
        s.PauseTiming();
        if (window.state().runCounter != budgetThousands * 1000)
            s.SkipWithError("run did not spend its budget");
        s.ResumeTiming();
    }
    s.counters["ns_per_candidate"] = benchmark::Counter(double(budgetThousands) * 1000,
                                                         benchmark::Counter::kIsIterationInvariantRate
                                                             | benchmark::Counter::kInvert);
}
BENCHMARK(WindowRun)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchHistory history;
    programDir = &history.dir;
    // The window loads and saves settings: keep them away from the user's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(history.dir.filePath(QStringLiteral("config"))));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
