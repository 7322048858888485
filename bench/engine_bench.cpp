// Cost of one reading, as the window pays it on every keystroke and the batch
// converter on every line it hands to the engine. Each benchmark walks a table
// of varied dates: one fixed date trains the branch predictor and reads too fast.
#include "engine/Reading.h"
#include "engine/Report.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Months 1..12, days 1..31, years 1..9999 of both eras, fixed seed.
const std::vector<zentolk::CalendarDate>& variedDates() {
    static const std::vector<zentolk::CalendarDate> dates = [] {
        std::mt19937 random(2012);
        std::vector<zentolk::CalendarDate> table;
        for (int i = 0; i < 4096; ++i)
            table.push_back({std::to_string(1 + random() % 12), std::to_string(1 + random() % 31),
                             std::to_string(1 + random() % 9999),
                             static_cast<std::int32_t>(random() % 2)});
        return table;
    }();
    return dates;
}

void BM_ComputeReading(benchmark::State& state) {
    const auto& dates = variedDates();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentolk::ComputeReading(dates[i], '.'));
        i = (i + 1) % dates.size();
    }
}
BENCHMARK(BM_ComputeReading);

void BM_ComputeReading_ConversionError(benchmark::State& state) {
    const zentolk::CalendarDate date{"6", "15", "-", 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(zentolk::ComputeReading(date, '.'));
}
BENCHMARK(BM_ComputeReading_ConversionError);

void BM_ComputeReadingTexts(benchmark::State& state) {
    std::vector<zentolk::DateTexts> dates;
    for (const zentolk::CalendarDate& date : variedDates())
        dates.push_back({date.Month, date.Day, date.Year, date.ADBC});
    zentolk::ReadingTexts out;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentolk::ComputeReadingTexts(dates[i], '.', out));
        benchmark::ClobberMemory();
        i = (i + 1) % dates.size();
    }
}
BENCHMARK(BM_ComputeReadingTexts);

// The 14-line report the Copy button puts on the clipboard, from the readings.
void BM_BuildReport(benchmark::State& state) {
    std::vector<zentolk::CalendarReading> readings;
    for (const zentolk::CalendarDate& date : variedDates())
        readings.push_back(zentolk::ComputeReading(date, '.').Reading);
    std::size_t i = 0;
    for (auto _ : state) {
        const zentolk::CalendarDate& date = variedDates()[i];
        benchmark::DoNotOptimize(
            zentolk::BuildReport({date.Month, date.Day, date.Year, date.ADBC == 1 ? "B.C." : "A.D.",
                                  zentolk::ViewsOf(readings[i])}));
        i = (i + 1) % readings.size();
    }
}
BENCHMARK(BM_BuildReport);

} // namespace

BENCHMARK_MAIN();
