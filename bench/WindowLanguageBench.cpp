// A language switch: reading the shipped files and looking every walked widget up, alone, and
// the whole switch from the menu of a shown main window (every window walked, texts set, the
// chart drawn again). Run it on a real X server (xvfb-run) to include painting.
#include "BenchHistory.h"
#include "app/LanguageFiles.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

QString programDir;

void FilesAndLookup(benchmark::State& s)
{
    for (auto _ : s) {
        const auto base = LanguageFiles::readLines(programDir + LanguageFiles::baseFile());
        auto records = LanguageFiles::parseBase(base.value_or(QStringList()));
        const std::vector<BaseRecord> walk = records;
        LanguageLookup lookup(std::move(records), LanguageFiles::readLines(programDir + LanguageFiles::translationFile(QStringLiteral("tr"))));
        int found = 0;
        for (const BaseRecord& r : walk)
            found += lookup.find(r.owner, r.name).has_value();
        if (found != int(walk.size()) || found < 200)
            s.SkipWithError("not every record was found");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(FilesAndLookup)->Unit(benchmark::kMicrosecond);

void WindowSwitch(benchmark::State& s)
{
    ui::TForm1 window(programDir);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        s.SkipWithError("the window was not shown");
    auto* turkish = window.findChild<QAction*>(QStringLiteral("Trkisch1"));
    auto* english = window.findChild<QAction*>(QStringLiteral("Englisch1"));
    bool toTurkish = true;
    for (auto _ : s) {
        (toTurkish ? turkish : english)->trigger();
        QApplication::processEvents(); // paint the new texts
        toTurkish = !toTurkish;
    }
}
BENCHMARK(WindowSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchHistory history;
    programDir = history.windowFolder();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
