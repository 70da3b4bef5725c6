// Whole problems settled on the virtual clock, as `--settle` does, for the files that once hung
// the program: a column of 10,000 cubes, and 10,000 pieces that a file of empty lines puts at
// one spot; and a crowd of 1,000 pieces thrown into one another above the pans, settled with
// the overlap grid, with plain scans of the whole table, and with the contact rule's literal
// loops added to those scans.
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/testing/LiteralContacts.h"
#include "core/testing/SceneBuilders.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace tarvelo {
namespace {

constexpr std::int64_t kBudgetMs = 120000;
constexpr int kPieces = 10000;
constexpr int kColumnX = 100;
constexpr int kLowestTop = 252; // resting on the left pan at the level line
constexpr int kCubeHeight = 40;

std::string FileHeader(int pieces = kPieces) {
    return "# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n" + std::to_string(pieces) + "\r\n";
}

// Pieces of every kind at random places over the width of the scene, above its top edge, most
// of them inside others.
std::string CrowdFile(int pieces) {
    constexpr int kLeft = 30;
    constexpr int kRight = 900;
    constexpr int kHighest = -500; // as saved; loading lifts them further
    constexpr int kLowest = 0;
    constexpr int kKinds = 12;
    std::mt19937 generator(1);
    std::uniform_int_distribution<int> x(kLeft, kRight);
    std::uniform_int_distribution<int> y(kHighest, kLowest);
    std::uniform_int_distribution<int> kindOf(1, kKinds);
    std::string text = FileHeader(pieces);
    for (int n = 0; n < pieces; ++n) {
        const int k = kindOf(generator);
        text += std::to_string(x(generator)) + "\r\n" + std::to_string(y(generator)) + "\r\n" +
                std::to_string(k) + "\r\n" + std::to_string(k) + "\r\n";
    }
    return text;
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

// How the scene finds overlaps and contacts.
enum class Search : std::int64_t {
    Plain,   // every overlap by a scan of the whole table
    Grid,    // overlaps through the grid, as the program does
    Literal, // plain scans, and every step also the contacts by the rule's nested loops
};

void Settle(benchmark::State& state, const std::string& text, Search search = Search::Grid) {
    constexpr std::int64_t kStepMs = 10; // the reality timer's period
    const ProblemReading reading = ParseProblem(text);
    for (auto _ : state) {
        SceneHarness h;
        h.model.scene.SetUseOverlapIndex(search == Search::Grid);
        if (search == Search::Literal) {
            // Added after the window's timers, so it runs right after each reality step, on the
            // same positions. The scene's own contact search stays: what this figure overstates
            // by is that search's time, small beside the loops'.
            h.clock.AddTimer(kStepMs,
                             [&h] { benchmark::DoNotOptimize(LiteralContacts(h.model.scene)); });
        }
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

// Cubes saved far above the scene (two billion pixels up), as many as the argument: they start
// within reach above the scene, so the time to rest grows about with the count, not its square.
void BM_SettleFarAbove(benchmark::State& state) {
    constexpr const char* kFarAbove = "-2000000000";
    std::string text = "# Tarvelo file - 08:00:00 - 01/09/2025\r\n7\r\n3\r\n" +
                       std::to_string(state.range(0)) + "\r\n";
    for (std::int64_t n = 0; n < state.range(0); ++n) {
        text += std::string("100\r\n") + kFarAbove + "\r\n5\r\n5\r\n";
    }
    Settle(state, text);
}
BENCHMARK(BM_SettleFarAbove)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Argument 1: with the overlap grid; 0: the plain scans; 2: the plain scans and literal loops.
// The ratios of their times are what the grid and the contact search save.
void BM_SettleCrowdOf1000(benchmark::State& state) {
    constexpr int kCrowd = 1000;
    Settle(state, CrowdFile(kCrowd), static_cast<Search>(state.range(0)));
}
BENCHMARK(BM_SettleCrowdOf1000)
    ->Arg(static_cast<std::int64_t>(Search::Grid))
    ->Arg(static_cast<std::int64_t>(Search::Plain))
    ->Arg(static_cast<std::int64_t>(Search::Literal))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace tarvelo

BENCHMARK_MAIN();
