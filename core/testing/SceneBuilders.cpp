#include "core/testing/SceneBuilders.h"

#include "core/play/ModelClock.h"

namespace tarvelo {

namespace {

constexpr std::int32_t kColumnGap = 1; // neighbouring columns share no pixel column
constexpr std::int32_t kPans = 2;

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
        const std::int32_t kindOfPiece = kind::kFirstDigit + n % kind::kY;
        model.AddObject(kindOfPiece, x, y);
    }
    model.scene.RefreshObjTopContact();
}

} // namespace tarvelo
