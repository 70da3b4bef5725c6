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
constexpr std::int32_t kColumnPitch = kCubeSize.width + kColumnGap;
constexpr std::int32_t kColumnsPerPan = kPanSize.width / kColumnPitch;

// Puts a piece of `kind` at `level` (0: on the pan) of column `column` (0: leftmost) of pan `pan`.
void PutInColumn(Model& model, std::int32_t pan, std::int32_t column, std::int32_t level,
                 PieceKind kind) {
    const SceneObject& p = model.scene.obj(pan);
    model.AddObject(kind, p.objX + column * kColumnPitch, p.objY - (level + 1) * kCubeSize.height);
}

} // namespace

SceneHarness::SceneHarness(double secondsSinceMidnight) {
    model.secondsSinceMidnight = [secondsSinceMidnight] { return secondsSinceMidnight; };
    RunModelOnClock(clock, model);
    model.InitializeControls();
    model.NewScene();
}

void BuildStacksOnPans(Model& model, std::int32_t pieceCount) {
    const std::int32_t columns = kColumnsPerPan * kPans;
    for (std::int32_t n = 0; n < pieceCount; ++n) {
        const std::int32_t column = n % columns;
        PutInColumn(model, kLeftPan + column / kColumnsPerPan, column % kColumnsPerPan, n / columns,
                    kStackKinds[static_cast<std::size_t>(n) % kStackKinds.size()]);
    }
    model.scene.RefreshObjTopContact();
}

void BuildTwinStacksOnPans(Model& model, std::int32_t pieceCount) {
    // The leftmost column of each pan stays free.
    constexpr std::int32_t kFilledColumns = kColumnsPerPan - 1;
    constexpr std::int32_t kRun = 2; // pieces of one kind in a row
    for (std::int32_t n = 0; n < pieceCount / kPans; ++n) {
        const PieceKind kind = kStackKinds[static_cast<std::size_t>(n / kRun) % kStackKinds.size()];
        for (const std::int32_t pan : {kLeftPan, kRightPan}) {
            PutInColumn(model, pan, 1 + n % kFilledColumns, n / kFilledColumns, kind);
        }
    }
    model.scene.RefreshObjTopContact();
}

} // namespace tarvelo
