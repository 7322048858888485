// The Lunar Series of one day under each convention, at days from three eras
// before to three eras after the start day: what `lunar` computes per day.
#include "engine/Epigraphy.h"
#include "engine/Lunar.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_LunarSeries(benchmark::State& state) {
    const auto convention = static_cast<zentolk::LunarConvention>(state.range(0));
    // The astronomical moon over the eras next to this one, past whose years
    // (-3999 to 4000) it answers at once that it gives none.
    const std::int64_t eras = convention == zentolk::LunarConvention::Astronomical ? 1 : 3;
    const std::int64_t first = -eras * zentolk::EraDays, step = 7919; // a prime: every phase
    std::int64_t day = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentolk::LunarSeriesOf(convention, day, 584283));
        day = day + step > eras * zentolk::EraDays ? first : day + step;
    }
    state.SetLabel(std::string(zentolk::InfoOf(convention).key));
}
BENCHMARK(BM_LunarSeries)->DenseRange(0, 2)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
