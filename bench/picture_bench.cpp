// Cost of one picture's SVG, as `picture --lines` pays it on every line of a
// worksheet: the almanac of the day, the picture's shapes and their SVG,
// over a table of varied days.
#include "engine/AlmanacDay.h"
#include "picture/Svg.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Days from 3000 B.C. to A.D. 3000, fixed seed.
const std::vector<std::int64_t>& variedDays() {
    static const std::vector<std::int64_t> days = [] {
        std::mt19937 random(26);
        std::vector<std::int64_t> table;
        for (int i = 0; i < 4096; ++i)
            table.push_back(625000 + static_cast<std::int64_t>(random() % 2190000));
        return table;
    }();
    return days;
}

void svgs(benchmark::State& state, zentolk::picture::PictureKind kind) {
    const auto& days = variedDays();
    std::string out;
    std::size_t i = 0, bytes = 0;
    for (auto _ : state) {
        out.clear();
        zentolk::picture::AppendSvg(
            zentolk::picture::PictureOf(kind, zentolk::ComputeAlmanac(days[i], 584283)), {}, out);
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
        i = (i + 1) % days.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.SetItemsProcessed(state.iterations());
}

void BM_LongCountSvg(benchmark::State& state) {
    svgs(state, zentolk::picture::PictureKind::LongCount);
}
BENCHMARK(BM_LongCountSvg);

void BM_CalendarRoundSvg(benchmark::State& state) {
    svgs(state, zentolk::picture::PictureKind::CalendarRound);
}
BENCHMARK(BM_CalendarRoundSvg);

// The shapes alone, to tell the model's share from the writer's.
void BM_CalendarRoundShapes(benchmark::State& state) {
    const auto& days = variedDays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            zentolk::picture::CalendarRoundPicture(zentolk::ComputeAlmanac(days[i], 584283)));
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_CalendarRoundShapes);

} // namespace

BENCHMARK_MAIN();
