// Cost of the almanac of one day and of one Calendar Round search.
#include "engine/AlmanacDay.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ComputeAlmanac(benchmark::State& state) {
    std::int64_t jdn = 2456283;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentolk::ComputeAlmanac(jdn, zentolk::DefaultCorrelation));
        jdn = jdn == 2456283 + 100000 ? 2456283 : jdn + 1; // defeat hoisting
    }
}
BENCHMARK(BM_ComputeAlmanac);

void BM_CivilToJdnAndBack(benchmark::State& state) {
    zentolk::CivilDate date{2024, 6, 15};
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        const std::int64_t jdn = zentolk::CivilToJdn(zentolk::Calendar::Gregorian, date).value();
        benchmark::DoNotOptimize(zentolk::JdnToCivil(zentolk::Calendar::Julian, jdn));
    }
}
BENCHMARK(BM_CivilToJdnAndBack);

void BM_NextCalendarRound(benchmark::State& state) {
    const zentolk::CalendarRoundQuery query{zentolk::TzolkinDay{4, 20}, zentolk::HaabDay{8, 18}};
    std::int64_t from = 1872000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(from);
        benchmark::DoNotOptimize(zentolk::NextDayCount(query, from));
        benchmark::DoNotOptimize(zentolk::PreviousDayCount(query, from));
        ++from;
    }
}
BENCHMARK(BM_NextCalendarRound);

void BM_ParseAndSearch(benchmark::State& state) {
    for (auto _ : state) {
        std::string error;
        const auto query = zentolk::ParseCalendarRound("4 Ajaw 8 Kumk'u", error);
        benchmark::DoNotOptimize(zentolk::NextDayCount(*query, 1872000));
    }
}
BENCHMARK(BM_ParseAndSearch);

} // namespace

BENCHMARK_MAIN();
