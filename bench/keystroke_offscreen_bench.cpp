// What one keystroke costs inside the program: key event dispatch to the Year
// field, the new reading and the ten setText calls, offscreen (no display, no
// painting on a screen). For key press to pixels on a display see key_to_pixel.
#include "app/Application.h"
#include "help/HelpKit.h"
#include "window/Calc.h"
#include "window/Spin.h"

#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_KeyDispatchAndTenSetTextOffscreen(benchmark::State& state) {
    zentolk::help::HelpKit helpKit(zentolk::platform::CurrentOs());
    zentolk::TFrmCalc window(helpKit);
    window.show();
    auto* year = window.findChild<zentolk::TSpinEdit*>(QStringLiteral("Year"));
    year->setFocus();
    year->setText(QStringLiteral("202"));
    year->setCursorPosition(3);
    // Alternate between two years, so that every keystroke recalculates.
    for (auto _ : state) {
        QTest::keyClick(year, Qt::Key_4);
        QTest::keyClick(year, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["per_keystroke_us"] = benchmark::Counter(
        2 * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_KeyDispatchAndTenSetTextOffscreen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zentolk::TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
