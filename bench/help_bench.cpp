// From a help request to the painted help window: the viewer opens the help
// file, shows the start page and the contents, and the window is drawn.
// The decoding helper's CPU time is counted apart (child_cpu_us), reaped
// when the window closes after each round.
#include "viewer/Viewer.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double ChildCpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto us = [](const timeval& t) { return double(t.tv_sec) * 1e6 + double(t.tv_usec); };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

void BM_HelpToPaintedPage(benchmark::State& state) {
    const QString file =
        qEnvironmentVariable("ZENTOLK_BENCH_CHM", QStringLiteral(ZENTOLK_HELP_CHM));
    double childCpu = 0;
    for (auto _ : state) {
        const double before = ChildCpuMicroseconds();
        QWidget* window = zentolk::viewer::HtmlHelp(file, zentolk::viewer::DisplayTopic, 0);
        if (window == nullptr) {
            state.SkipWithError("the help window did not open");
            break;
        }
        benchmark::DoNotOptimize(window->grab());
        state.PauseTiming();
        zentolk::viewer::HtmlHelp({}, zentolk::viewer::CloseAll, 0);
        QCoreApplication::processEvents();
        childCpu += ChildCpuMicroseconds() - before;
        state.ResumeTiming();
    }
    state.counters["child_cpu_us"] = benchmark::Counter(
        childCpu / double(std::max<benchmark::IterationCount>(1, state.iterations())));
}
BENCHMARK(BM_HelpToPaintedPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
