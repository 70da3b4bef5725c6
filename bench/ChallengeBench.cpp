// Making a challenge of each level, the solver's search for its fewest moves included; the seed
// changes at every run, so that the figure is the mean over many challenges of the level.
#include "core/teach/Challenge.h"

#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

void MakeOfLevel(benchmark::State& state) {
    const auto level = static_cast<std::int32_t>(state.range(0));
    std::uint64_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeChallenge(level, seed++));
    }
}
BENCHMARK(MakeOfLevel)->DenseRange(kFirstLevel, kLastLevel)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
