// Damaged-date matching over 0.0.0.0.0 to 13.0.0.0.0 with wide patterns,
// beside a day-by-day walk over the same range for scale.
#include "ReferenceModels.h"
#include "engine/Epigraphy.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// From fewest known parts to many blocks and many residue classes.
const char* const Patterns[] = {
    "*.*.*.*.*",                // every day: one class, counted without a step
    "*.*.*.*.* * * 8 *",        // a Haab day alone: 19 classes mod 365
    "9.*.*.*.* * Ahau * Cumku", // a sign and a month: 20 classes mod 7,300
    "*.*.*.5.* * * * *",        // a uinal: 5,200 blocks of 20 days
    "*.*.*.5.* * * 3 *",        // a uinal and a Haab day: 5,200 blocks, 18 classes
    "9.*.*.0.0 * Ahau 8 *",     // tun endings: 400 blocks
};

zentolk::DatePattern patternOf(const char* text) {
    std::string error;
    return *zentolk::ParseDatePattern(text, error);
}

void BM_Match(benchmark::State& state) {
    const zentolk::DatePattern pattern = patternOf(Patterns[state.range(0)]);
    std::int64_t total = 0;
    for (auto _ : state) {
        const zentolk::MatchResult r = zentolk::MatchPattern(pattern, 0, zentolk::EraDays, 1000);
        total = r.total;
        benchmark::DoNotOptimize(r.days.data());
    }
    state.SetLabel(std::string(Patterns[state.range(0)]) + " (" + std::to_string(total) + " days)");
}
BENCHMARK(BM_Match)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// What a search day by day would cost: the same test on every day.
void BM_WalkDayByDay(benchmark::State& state) {
    const zentolk::DatePattern pattern = patternOf(Patterns[state.range(0)]);
    for (auto _ : state) {
        std::int64_t total = 0;
        for (std::int64_t d = 0; d <= zentolk::EraDays; ++d)
            total += zentolk::model::MatchesPattern(pattern, d);
        benchmark::DoNotOptimize(total);
    }
    state.SetLabel(Patterns[state.range(0)]);
}
BENCHMARK(BM_WalkDayByDay)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
