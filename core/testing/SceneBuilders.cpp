// Ready-made scenes: a started window state on a virtual clock, and stacks on the pans.
#include "core/testing/SceneBuilders.h"

#include "core/play/ModelClock.h"

#include <array>

namespace tarvelo {

namespace {

constexpr std::int32_t kColumnGap = 1; // neighbouring columns share no pixel column
constexpr std::int32_t kPans = 2;
// The kinds the stacks cycle through: the number cubes 1 to 9, the one bearing 0, X and Y.
constexpr std::array kStackKinds{PieceKind::kOne,   PieceKind::kTwo,   PieceKind::kThree,
                                 PieceKind::kFour,  PieceKind::kFive,  PieceKind::kSix,
                                 PieceKind::kSeven, PieceKind::kEight, PieceKind::kNine,
                                 PieceKind::kZero,  PieceKind::kX,     PieceKind::kY};

} // namespace

SceneHarness::SceneHarness(double secondsSinceMidnight) {
    model.secondsSinceMidnight = [secondsSinceMidnight] { return secondsSinceMidnight; };
    RunModelOnClock(clock, model);
    model.InitializeControls();
    model.NewScene();
}

void BuildStacksOnPans(Model& model, std::int32_t pieceCount) {
    const std::int32_t pitch = kCubeSize.width + kColumnGap;
    const std::int32_t columnsPerPan = kPanSize.width / pitch;
    const std::int32_t columns = columnsPerPan * kPans;
    for (std::int32_t n = 0; n < pieceCount; ++n) {
        const std::int32_t column = n % columns;
        const std::int32_t level = n / columns;
        const SceneObject& pan = model.scene.obj(1 + column / columnsPerPan);
        const std::int32_t x = pan.objX + (column % columnsPerPan) * pitch;
        const std::int32_t y = pan.objY - (level + 1) * kCubeSize.height;
        model.AddObject(kStackKinds[static_cast<std::size_t>(n) % kStackKinds.size()], x, y);
    }
    model.scene.RefreshObjTopContact();
}

} // namespace tarvelo
