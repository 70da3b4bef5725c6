// Whole problems settled on the virtual clock, as `--settle` does, for the files that once hung
// the program: a column of 10,000 cubes, and 10,000 pieces that a file of empty lines puts at
// one spot.
#include "core/clock/Rest.h"
#include "core/files/ProblemFile.h"
#include "core/testing/SceneBuilders.h"

#include <benchmark/benchmark.h>
#include <string>

namespace tarvelo {
namespace {

constexpr std::int64_t kBudgetMs = 120000;
constexpr int kPieces = 10000;
constexpr int kColumnX = 100;
constexpr int kLowestTop = 252; // resting on the left pan at the level line
constexpr int kCubeHeight = 40;

std::string FileHeader() {
    return "# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n" + std::to_string(kPieces) +
           "\r\n";
}

std::string ColumnFile() {
    std::string text = FileHeader();
    for (int n = 0; n < kPieces; ++n) {
        text += std::to_string(kColumnX) + "\r\n" + std::to_string(kLowestTop - kCubeHeight * n) +
                "\r\n1\r\n1\r\n";
    }
    return text;
}

std::string EmptyPiecesFile() {
    std::string text = FileHeader();
    for (int n = 0; n < kPieces * 4; ++n) {
        text += "\r\n";
    }
    return text;
}

void Settle(benchmark::State& state, const std::string& text) {
    const ProblemReading reading = ParseProblem(text);
    for (auto _ : state) {
        SceneHarness h;
        h.model.LoadProblem(*reading.problem, "bench.trv");
        const SettleResult rest = SettleOnClock(h.clock, h.model, kBudgetMs);
        state.counters["rested"] = rest.rested ? 1 : 0;
        state.counters["scene_s"] = static_cast<double>(rest.lastChangeMs) / 1000;
        state.counters["pieces"] = h.model.scene.objCount() - 2;
    }
}

void BM_SettleColumnOf10000(benchmark::State& state) {
    Settle(state, ColumnFile());
}
BENCHMARK(BM_SettleColumnOf10000)->Iterations(1)->Unit(benchmark::kSecond);

void BM_Settle10000EmptyPieces(benchmark::State& state) {
    Settle(state, EmptyPiecesFile());
}
BENCHMARK(BM_Settle10000EmptyPieces)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
