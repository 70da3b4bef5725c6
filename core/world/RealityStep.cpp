// The falling step: every tick of the reality timer moves each free piece by its speed.
#include "core/base/Numeric.h"
#include "core/world/Scene.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr double kGravity = 0.5; // pixels per step per step

} // namespace

void Scene::FallStep(std::int32_t held) {
    const std::int32_t n = objCount_;
    const std::uint64_t changesBefore = Changes();
    landings_ = {};
    // The grid kept from the last step, unless there is none yet or too many moves went beyond
    // the area it covers.
    if (useOverlapIndex_ && (!overlapIndex_.Active() || overlapIndex_.Outgrown())) {
        overlapIndex_.Build(objects_, objCount_);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        SceneObject& o = object(i);
        if (i == held || o.objFixed) {
            continue;
        }

        // Vertical: gravity, then the blocking test on the way to the new height. Any lower
        // object blocks, not only the highest-numbered one the box would overlap: with boxes
        // kept apart that is the only kind a falling box can meet, and checking them all keeps
        // a piece from passing through a stack because it also touched a higher piece.
        double vy = static_cast<double>(o.objVY) + (static_cast<double>(o.objAY) + kGravity);
        double newY = o.objY + vy;
        if (FallBlocked(i, newY)) {
            if (o.objVY > kLandingSpeed) {
                ++landings_.count;
                landings_.hardest = std::max<double>(landings_.hardest, o.objVY);
            }
            vy = 0;
            newY = o.objY;
        }
        Set(o.objAY, 0.0f);
        Set(o.objVY, ToSingle(vy));

        // Horizontal: any overlap stops it, whichever side the other object is on. Without a
        // horizontal speed (always, as nothing sets one) the answer would change nothing.
        double vx = static_cast<double>(o.objVX) + o.objAX;
        double newX = o.objX + vx;
        if (vx != 0 && CheckOverlap(i, newX, newY, o.objW, o.objH) >= 0) {
            vx = 0;
            newX = o.objX;
        }
        Set(o.objAX, 0.0f);
        Set(o.objVX, ToSingle(vx));

        MoveObjects(i, newX - o.objX, newY - o.objY);
    }
    CountLandingStep(Changes() != changesBefore);
}

bool Scene::FellOutOfScene(std::int32_t nObj) const {
    const std::int64_t bottom = std::int64_t{pictDraw_.ScaleTop} + pictDraw_.ScaleHeight;
    return nObj >= kFirstPiece && nObj <= objCount_ && bottom < obj(nObj).objY;
}

bool Scene::AboveScene(std::int32_t nObj) const {
    return nObj >= kFirstPiece && nObj <= objCount_ &&
           std::int64_t{obj(nObj).objY} + obj(nObj).objH <= pictDraw_.ScaleTop;
}

void Scene::CopyPanLoads() {
    if (objCount_ >= kRightPan) {
        Set(leftPanLoad_, obj(kLeftPan).objLoad);
        Set(rightPanLoad_, obj(kRightPan).objLoad);
    }
}

} // namespace tarvelo
