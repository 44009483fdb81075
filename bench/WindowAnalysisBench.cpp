// What the window adds to the parameter back-test: the same replay over the whole shipped history
// (first draw to last, default options, seed 4711) once in the domain and once from the
// "Parameter testen" button of a shown main window. Run it on a real X server (xvfb-run).
#include "BenchHistory.h"
#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "eval/Backtest.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace numora;

namespace {

QTemporaryDir* programDir = nullptr;

class Answer final : public UiHooks {
public:
    QString askText(const QString&, const QString&, const QString&) override { return QStringLiteral("4711"); }
};

// Swallows the report the window asks the desktop to open.
class NoDesktop : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl&) {}
};

void DomainBacktest(benchmark::State& s)
{
    for (auto _ : s) {
        ProgramState state;
        Answer answer;
        state.hooks = &answer;
        state.programDir = programDir->path() + QLatin1Char('/');
        state.sheet.setSheetReady(true);
        state.chosenDate.setDate(DayDate::fromYmd(1996, 11, 16));
        const auto result = Backtest::run(state, {});
        if (!result || result->end != Backtest::End::Completed)
            s.SkipWithError("the back-test did not complete");
    }
}
BENCHMARK(DomainBacktest)->Unit(benchmark::kMillisecond)->Iterations(3);

void WindowBacktest(benchmark::State& s)
{
    for (auto _ : s) {
        s.PauseTiming();
        ui::TForm1 window(programDir->path());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            s.SkipWithError("the window was not shown");
        window.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(QDate(1996, 11, 16));
        auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn9"));
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                dialog->setTextValue(QStringLiteral("4711"));
                dialog->accept();
            }
        });
        s.ResumeTiming();
        button->click();
        s.PauseTiming();
        if (window.state().currentDraw.date != DayDate::fromYmd(2019, 11, 2))
            s.SkipWithError("the replay did not reach the newest draw");
        s.ResumeTiming();
    }
}
BENCHMARK(WindowBacktest)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchHistory history;
    programDir = &history.dir;
    QTemporaryDir reports;
    QDir::setCurrent(reports.path());
    NoDesktop desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return 0;
}

#include "WindowAnalysisBench.moc"
