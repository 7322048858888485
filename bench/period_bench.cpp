// Period endings and Calendar Rounds placed by their clues over three eras
// on either side of the start day (about 11 million days), as the commands
// search them: the first 1,000 days listed and all of them counted.
#include "engine/Periods.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr std::int64_t From = -3 * zentolk::EraDays, To = 3 * zentolk::EraDays;

void BM_PeriodEndings(benchmark::State& state) {
    const auto period = static_cast<zentolk::Period>(state.range(0));
    const std::optional<int> ajaw = state.range(1) ? std::optional<int>(13) : std::nullopt;
    std::int64_t total = 0;
    for (auto _ : state) {
        const zentolk::MatchResult r = zentolk::PeriodEndings(period, ajaw, From, To, 1000);
        total = r.total;
        benchmark::DoNotOptimize(r.days.data());
    }
    state.SetLabel(std::string(zentolk::PeriodName(period)) + (ajaw ? " on 13 Ahau" : "") + " (" +
                   std::to_string(total) + " days)");
}
BENCHMARK(BM_PeriodEndings)->ArgsProduct({{0, 3, 4}, {0, 1}})->Unit(benchmark::kMicrosecond);

// From the widest round to the most clues.
const char* const Places[] = {"3 Ahau",           "3 Ahau 3 Mol",        "3 Ahau 3 Mol katun 13",
                              "3 Ahau 3 Mol tun", "3 Ahau katun 13 tun", "3 Ahau 3 Mol baktun"};

void BM_PlaceRound(benchmark::State& state) {
    std::string error;
    const zentolk::ShortFormDate date = *zentolk::ParseShortFormDate(Places[state.range(0)], error);
    std::int64_t total = 0;
    for (auto _ : state) {
        const zentolk::MatchResult r = zentolk::PlaceRound(date.round, date.clues, From, To, 1000);
        total = r.total;
        benchmark::DoNotOptimize(r.days.data());
    }
    state.SetLabel(std::string(Places[state.range(0)]) + " (" + std::to_string(total) + " days)");
}
BENCHMARK(BM_PlaceRound)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
