// The falling simulation: one step every tick of the reality timer.
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

namespace tarvelo {

namespace {

constexpr double kGravity = 0.5;            // pixels per step per step
constexpr std::int32_t kFirstDeletable = 3; // objects 1 and 2, the pans, are never deleted
constexpr std::int32_t kLeftPan = 1;
constexpr std::int32_t kRightPan = 2;

} // namespace

void Model::RefreshReality() {
    // 1. Motion: every piece that is neither fixed nor held falls unless on its way down it would
    //    run into an object lying lower. Later pieces see the moves of earlier ones.
    const std::int32_t n = objCount;
    if (useOverlapIndex) {
        overlapIndex_.Build(objects, objCount);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        SceneObject& o = obj(i);
        if ((draggingObj && i == selectedObj) || o.objFixed) {
            continue;
        }

        // Vertical: gravity, then the blocking test on the way to the new height. Any lower
        // object blocks, not only the highest-numbered one the box would overlap: with boxes
        // kept apart that is the only kind a falling box can meet, and checking them all keeps
        // a piece from passing through a stack because it also touched a higher piece.
        double vy = static_cast<double>(o.objVY) + (static_cast<double>(o.objAY) + kGravity);
        double newY = o.objY + vy;
        if (FallBlocked(i, newY)) {
            vy = 0;
            newY = o.objY;
        }
        o.objAY = 0;
        o.objVY = ToSingle(vy);

        // Horizontal: any overlap stops it, whichever side the other object is on. Without a
        // horizontal speed (always, as nothing sets one) the answer would change nothing.
        double vx = static_cast<double>(o.objVX) + o.objAX;
        double newX = o.objX + vx;
        if (vx != 0 && CheckOverlap(i, newX, newY, o.objW, o.objH) >= 0) {
            vx = 0;
            newX = o.objX;
        }
        o.objAX = 0;
        o.objVX = ToSingle(vx);

        MoveObjects(i, newX - o.objX, newY - o.objY);
    }
    overlapIndex_.Clear();

    // 2. Deletion: pieces whose top edge passed below the scene. Going down keeps the pass
    //    right although each removal moves the last object into the freed place.
    const std::int64_t bottom = std::int64_t{pictDraw.ScaleTop} + pictDraw.ScaleHeight;
    for (std::int32_t i = objCount; i >= kFirstDeletable; --i) {
        if (bottom < obj(i).objY) {
            RemoveBlock(i);
        }
    }

    // 3. Redraw, 4. let the hover follow pieces that moved under a still pointer,
    // 5. record who rests on whom for the moves and the weighing until the next step.
    RefreshObjects();
    pictDraw_MouseMove(0, 0, pointerX, pointerY);
    RefreshObjTopContact();
}

void Model::realityTimer_Timer() {
    RefreshReality();
    // The balance acts on these copies at its next tick.
    if (objCount >= kRightPan) {
        leftPanLoad = obj(kLeftPan).objLoad;
        rightPanLoad = obj(kRightPan).objLoad;
    }
}

} // namespace tarvelo
