// Where the pans stood when a file's pieces were saved, read back from the pieces themselves, and
// the balance waiting for those pieces to land, so that a saved scene loads as it was saved.
#include "core/world/Scene.h"

#include <algorithm>
#include <cstdlib>

namespace tarvelo {

namespace {

// Whether the piece's bottom edge lies on the pan's top edge, with a pixel column in common:
// the piece rests on the pan.
bool LiesOn(const SceneObject& piece, const SceneObject& pan) {
    return std::int64_t{piece.objY} + piece.objH == pan.objY && piece.objX < pan.objX + pan.objW &&
           pan.objX < piece.objX + piece.objW;
}

// Whether the two boxes share a pixel.
bool Overlap(const SceneObject& a, const SceneObject& b) {
    return a.objX < std::int64_t{b.objX} + b.objW && b.objX < std::int64_t{a.objX} + a.objW &&
           a.objY < std::int64_t{b.objY} + b.objH && b.objY < std::int64_t{a.objY} + a.objH;
}

} // namespace

std::optional<std::int32_t> Scene::SavedPanDrop() const {
    // The pans move a pixel each, the opposite ways, from the level line: when the left pan
    // stands `drop` pixels below it the right one stands `drop` above it, and neither goes
    // beyond the full tilt. The drop at which the pieces at their places overlap neither pan and
    // the most of them lie on one is where the pans stood; the smaller drop wins a tie, and a
    // file whose pieces lie on no pan (hand-written, or saved while they fell) gives none.
    const std::int32_t level = LevelLine();
    const std::int32_t reach = std::abs(FullTilt()) / 2;
    SceneObject left = obj(kLeftPan);
    SceneObject right = obj(kRightPan);
    std::optional<std::int32_t> best;
    std::int32_t mostLying = 0;
    for (std::int32_t step = 0; step <= 2 * reach; ++step) {
        // 0, -1, 1, -2, 2, ...: the smaller drop first.
        const std::int32_t drop = step % 2 == 0 ? step / 2 : -(step + 1) / 2;
        left.objY = level + drop;
        right.objY = level - drop;
        std::int32_t lying = 0;
        bool clear = true;
        for (std::int32_t i = kFirstPiece; i <= objCount_ && clear; ++i) {
            const SceneObject& piece = obj(i);
            clear = !Overlap(piece, left) && !Overlap(piece, right);
            lying += LiesOn(piece, left) || LiesOn(piece, right) ? 1 : 0;
        }
        if (clear && lying > mostLying) {
            mostLying = lying;
            best = drop;
        }
    }
    return best;
}

void Scene::HoldPansForLanding(std::int32_t drop) {
    const std::int32_t level = LevelLine();
    PlaceAt(kLeftPan, obj(kLeftPan).objX, level + drop);
    PlaceAt(kRightPan, obj(kRightPan).objX, level - drop);
    Set(landingStepsLeft_, kLandingHoldSteps);
}

void Scene::CountLandingStep(bool anythingMoved) {
    if (landingStepsLeft_ > 0) {
        const std::int32_t next = landingStepsLeft_ - 1;
        Set(landingStepsLeft_, anythingMoved ? next : std::min(next, kLandingWeighingSteps));
    }
}

} // namespace tarvelo
