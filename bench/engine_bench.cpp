// Cost of one reading, as the window pays it on every keystroke.
#include "Reading.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ComputeReading_ValidDate(benchmark::State& state) {
    const zentolk::CalendarDate date{"6", "15", "2024", 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(zentolk::ComputeReading(date, '.'));
}
BENCHMARK(BM_ComputeReading_ValidDate);

void BM_ComputeReading_ConversionError(benchmark::State& state) {
    const zentolk::CalendarDate date{"6", "15", "-", 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(zentolk::ComputeReading(date, '.'));
}
BENCHMARK(BM_ComputeReading_ConversionError);

void BM_ComputeReadingTexts_ValidDate(benchmark::State& state) {
    const zentolk::DateTexts date{"6", "15", "2024", 0};
    zentolk::ReadingTexts out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentolk::ComputeReadingTexts(date, '.', out));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeReadingTexts_ValidDate);

} // namespace

BENCHMARK_MAIN();
