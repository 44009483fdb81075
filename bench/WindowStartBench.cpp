// The main window from construction to close: the pages, menus and controllers built, the
// start-up (settings store, stored language applied, the draw and the chart shown) and the close
// that writes the store. Run it on a real X server (xvfb-run) to include painting.
#include "BenchHistory.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

QString programDir;

void WindowStart(benchmark::State& s)
{
    for (auto _ : s) {
        ui::TForm1 window(programDir);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            s.SkipWithError("the window was not shown");
        QApplication::processEvents();
        window.close();
    }
}
BENCHMARK(WindowStart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchHistory history;
    programDir = history.windowFolder();
    // A stored choice of Turkish: every start applies a language to every window.
    const QString config = history.configHome();
    QDir().mkpath(config + QStringLiteral("/Veldor"));
    QFile store(config + QStringLiteral("/Veldor/Orbix.reg"));
    if (store.open(QIODevice::WriteOnly))
        store.write("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n\"Sprache\"=dword:00000004\r\n");
    store.close();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
