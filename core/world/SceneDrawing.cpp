// What the scene shows: the list of pictures to paint, in table order.
#include "core/world/SceneDrawing.h"

#include "core/base/Numeric.h"

namespace tarvelo {

std::int32_t SceneDrawing::PictureIndexFor(const SceneObject& o, const Scene& scene,
                                           bool showSolution) {
    const PieceKind k = o.objKind;
    if (!HasPicture(k)) {
        return -1;
    }
    if (!IsUnknown(k) || !showSolution) {
        return PictureOf(k);
    }
    // The solution shows an unknown as the number cube of its value.
    const std::int32_t p = RoundToInt16(k == PieceKind::kX ? scene.xValue() : scene.yValue());
    if (const std::optional<PieceKind> cube = CubeBearing(p)) {
        return PictureOf(*cube);
    }
    // A value with no cube of its own (a hand-written problem can give one) is shown on a cube
    // made for it.
    return kNumberCubePicture + p;
}

void SceneDrawing::RefreshObjects(const Scene& scene, bool showSolution) {
    // Clear, then paint every object in table order; the painter combines the pictures with
    // what is already there, so overlapping pieces stay visible. A picture wholly outside the
    // scene would paint nothing: it is left out, so pieces moving out of sight (a tower above
    // the top, a piece falling out) change nothing that has to be painted again.
    nextDrawList_.clear();
    const SurfaceScale& pictDraw = scene.pictDraw();
    const std::int64_t left = pictDraw.ScaleLeft;
    const std::int64_t top = pictDraw.ScaleTop;
    const std::int64_t right = left + pictDraw.ScaleWidth;
    const std::int64_t bottom = top + pictDraw.ScaleHeight;
    const std::int32_t n = scene.objCount();
    for (std::int32_t i = 1; i <= n; ++i) {
        const SceneObject& o = scene.obj(i);
        const bool inSight = o.objX < right && std::int64_t{o.objX} + o.objW > left &&
                             o.objY < bottom && std::int64_t{o.objY} + o.objH > top;
        const std::int32_t p = inSight ? PictureIndexFor(o, scene, showSolution) : -1;
        if (p >= 0) {
            nextDrawList_.push_back({p, o.objX, o.objY});
        }
    }
    if (nextDrawList_ != drawList_) {
        drawList_.swap(nextDrawList_);
        ++sceneRevision_;
    }
}

} // namespace tarvelo
