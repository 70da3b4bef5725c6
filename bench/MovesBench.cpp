// Moves on the pans of a full scene at rest: each move alone, and with the settling after it.
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

constexpr std::int64_t kSmallScene = 300;
constexpr std::int64_t kLargeScene = 1000;
constexpr std::int64_t kSettleBudgetMs = 600000; // far beyond any rest these scenes reach
constexpr PieceKind kMovedKind = PieceKind::kFive;
constexpr std::int32_t kSplitCube = 5;
constexpr std::int32_t kSplitLower = 2;
constexpr std::int32_t kSplitUpper = kSplitCube - kSplitLower;
constexpr std::int32_t kShareGroups = 2;

using Move = MoveOutcome (*)(Model&);

MoveOutcome TakeFromBoth(Model& model) {
    return model.TakeFromBoth(kMovedKind);
}
MoveOutcome AddToBoth(Model& model) {
    return model.AddToBoth(kMovedKind);
}
MoveOutcome SplitCube(Model& model) {
    return model.SplitCube(kLeftPan, kSplitCube, kSplitLower, kSplitUpper);
}
MoveOutcome Share(Model& model) {
    return model.Share(kShareGroups);
}

// Puts the benchmark's number of pieces in twin stacks on the pans of `h` and leaves them at rest,
// the move tried there once and the scene put back. False, with the benchmark skipped, when the
// scene never rests or the move is refused: a refused move measures nothing.
bool SceneAtRest(benchmark::State& state, SceneHarness& h, Move move) {
    BuildTwinStacksOnPans(h.model, static_cast<std::int32_t>(state.range(0)));
    if (!SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested) {
        state.SkipWithError("the scene never came to rest");
        return false;
    }
    const Model atRest = h.model;
    const MoveOutcome outcome = move(h.model);
    h.model = atRest;
    if (!outcome.Done()) {
        state.SkipWithError("the move was refused in this scene");
        return false;
    }
    return true;
}

// The move alone, always from the same scene at rest.
void BM_Move(benchmark::State& state, Move move) {
    SceneHarness h;
    if (!SceneAtRest(state, h, move)) {
        return;
    }
    const Model atRest = h.model;
    for (auto _ : state) {
        state.PauseTiming();
        h.model = atRest;
        state.ResumeTiming();
        benchmark::DoNotOptimize(move(h.model));
    }
}

// The move and every tick after it until the scene rests again; scene_ms is the scene time from
// the move to the last change, averaged over the iterations: the clock runs on between them, so
// each move comes at another point of the timers' periods.
void BM_MoveAndSettle(benchmark::State& state, Move move) {
    SceneHarness h;
    if (!SceneAtRest(state, h, move)) {
        return;
    }
    const Model atRest = h.model;
    std::int64_t sceneMs = 0; // summed over the iterations
    for (auto _ : state) {
        state.PauseTiming();
        h.model = atRest;
        const std::int64_t start = h.clock.NowMs();
        state.ResumeTiming();
        move(h.model);
        const SettleResult rest = SettleOnClock(h.clock, h.model, kSettleBudgetMs);
        if (!rest.rested) {
            state.SkipWithError("the scene never came to rest after the move");
            return;
        }
        sceneMs += rest.lastChangeMs - start;
    }
    state.counters["scene_ms"] =
        benchmark::Counter(static_cast<double>(sceneMs), benchmark::Counter::kAvgIterations);
}

#define TARVELO_MOVE_BENCHMARKS(name)                                                              \
    BENCHMARK_CAPTURE(BM_Move, name, name)                                                         \
        ->Arg(kSmallScene)                                                                         \
        ->Arg(kLargeScene)                                                                         \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK_CAPTURE(BM_MoveAndSettle, name, name)                                                \
        ->Arg(kSmallScene)                                                                         \
        ->Arg(kLargeScene)                                                                         \
        ->Unit(benchmark::kMillisecond)

TARVELO_MOVE_BENCHMARKS(TakeFromBoth);
TARVELO_MOVE_BENCHMARKS(AddToBoth);
TARVELO_MOVE_BENCHMARKS(SplitCube);
TARVELO_MOVE_BENCHMARKS(Share);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
