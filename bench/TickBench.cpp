// One whole tick of a busy scene: the reality step (motion, deletion, contact rebuild, the copy of
// the pans' loads) and the repaint of the scene into an image, for scenes of 10 to 1000 pieces
// resting in stacks on the pans.
#include "core/base/Layout.h"
#include "core/testing/SceneBuilders.h"
#include "ui/painting/PiecePictures.h"
#include "ui/painting/ScenePainter.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace tarvelo {
namespace {

// A started scene with `pieces` cubes resting in stacks on the pans, settled.
void Prepare(SceneHarness& h, std::int32_t pieces) {
    BuildStacksOnPans(h.model, pieces);
    for (int i = 0; i < 5; ++i) {
        h.model.StepReality();
    }
}

void BM_Tick(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    PiecePictures pictures;
    QImage image(layout::kSceneWidth, layout::kSceneHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        h.model.StepReality();
        PaintScene(image, h.model.drawing.drawList(), pictures);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["objects"] = h.model.scene.objCount();
}
BENCHMARK(BM_Tick)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same tick when the scene is still: the repaint is skipped, as the window does.
void BM_StillTick(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        const auto revision = h.model.drawing.sceneRevision();
        h.model.StepReality();
        benchmark::DoNotOptimize(revision);
    }
}
BENCHMARK(BM_StillTick)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Every piece in the air at once, dropped from above the scene onto the pans: the step's worst
// case, where every piece moves in every tick.
void BM_FallingTick(benchmark::State& state) {
    const auto pieces = static_cast<std::int32_t>(state.range(0));
    SceneHarness h;
    BuildStacksOnPans(h.model, pieces);
    for (auto _ : state) {
        state.PauseTiming();
        // Lift everything again once it has landed.
        if (h.model.scene.obj(h.model.scene.objCount()).objVY == 0) {
            h.model.scene.Event_Jump_Up_All();
        }
        state.ResumeTiming();
        h.model.StepReality();
    }
}
BENCHMARK(BM_FallingTick)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond);

// The repaint alone.
void BM_Paint(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    PiecePictures pictures;
    QImage image(layout::kSceneWidth, layout::kSceneHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintScene(image, h.model.drawing.drawList(), pictures);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Paint)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The reality step alone, and the contact rebuild alone.
void BM_RealityStep(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        h.model.StepReality();
    }
}
BENCHMARK(BM_RealityStep)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_ContactRebuild(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        h.model.scene.RefreshObjTopContact();
    }
}
BENCHMARK(BM_ContactRebuild)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What a moving balance adds to its tick: whether either pan, with what it carries, would push
// into something it does not carry.
void BM_PanMoveCheck(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(h.model.scene.PanMoveCollides(1, -1));
        benchmark::DoNotOptimize(h.model.scene.PanMoveCollides(2, 1));
    }
}
BENCHMARK(BM_PanMoveCheck)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A piece put down inside a full scene, lifted onto the top of the stack it lands in.
void BM_PlaceOnTop(benchmark::State& state) {
    SceneHarness h;
    Prepare(h, static_cast<std::int32_t>(state.range(0)));
    const SceneObject& pan = h.model.scene.obj(1);
    h.model.AddObject(PieceKind::kFive, pan.objX + 10, pan.objY - 60);
    const std::int32_t placed = h.model.scene.objCount();
    for (auto _ : state) {
        h.model.scene.Edit(placed).objY = pan.objY - 60;
        benchmark::DoNotOptimize(h.model.scene.LiftClearOfOverlaps(placed));
    }
}
BENCHMARK(BM_PlaceOnTop)->Arg(300)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvelo

int main(int argc, char** argv) {
    // The pictures are rendered with Qt's painter, which needs a GUI application; no window opens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
