// The three timers' ticks, the falling step, the balance and the pointer tick, and the one watch
// for rest they all feed.
#include "core/play/Model.h"

#include <algorithm>
#include <string>

namespace tarvelo {

void Model::Tick(WindowTimer timer, std::int64_t nowMs, float pointerX, float pointerY) {
    switch (timer) {
    case WindowTimer::Balance:
        WeighBalance();
        break;
    case WindowTimer::Pointer:
        FollowPointer(pointerX, pointerY);
        break;
    case WindowTimer::Reality:
        StepReality();
        break;
    }
    WatchState(nowMs);
    NoteRestInTrail();
    NoteRestForUndo();
    CueRest();
}

void Model::CueRest() {
    if (!AtRest() || restHeardAt_ == scene.Changes()) {
        return;
    }
    restHeardAt_ = scene.Changes();
    const std::string& sign = equation.lblComparison().Caption;
    const Tilt tilt = sign == ">" ? Tilt::LeftDown : sign == "<" ? Tilt::RightDown : Tilt::Level;
    Cue({Sound::Rest, 1, tilt});
}

void Model::WatchState(std::int64_t nowMs) {
    changesAtTick_ = MotionChanges();
    atRest_ = rest_.AfterTick(changesAtTick_, nowMs);
}

void Model::WatchRestFrom(std::int64_t nowMs, bool fromNextTick) {
    rest_.Restart(nowMs);
    atRest_ = false;
    if (!fromNextTick) {
        rest_.AfterTick(MotionChanges(), nowMs);
    }
}

void Model::StepReality() {
    // 1. Motion: every piece that is neither fixed nor held falls.
    scene.FallStep(HeldPiece());
    // However many pieces landed in the step, one sound, as loud as the hardest landing.
    if (const Scene::Landings& landed = scene.LastLandings(); landed.count > 0) {
        Cue({Sound::Landing, std::min(1.0, landed.hardest / kHardestLandingSpeed)});
    }

    // 2. Deletion: pieces whose top edge passed below the scene. Going down keeps the pass
    //    right although each removal moves the last object into the freed place.
    for (std::int32_t i = scene.objCount(); i >= kFirstPiece; --i) {
        if (scene.FellOutOfScene(i)) {
            RemoveBlock(i);
        }
    }

    // 3. Redraw, 4. let the hover follow pieces that moved under a still pointer,
    // 5. record who rests on whom for the moves and the weighing until the next step.
    RefreshObjects();
    PointAt(pointer.pointerX(), pointer.pointerY());
    scene.RefreshObjTopContact();
    // The balance acts on these copies at its next tick.
    scene.CopyPanLoads();
}

void Model::WeighBalance() {
    if (scene.objCount() < kRightPan) {
        return;
    }
    // Weigh both pans, keeping the terms of each side for the equation line.
    scene.WeighPans();

    // The tilt follows the loads copied after the last reality step, not the ones just weighed;
    // the sign follows the target at once, the pans take their time.
    const std::int32_t target = scene.BalanceTarget(scene.leftPanLoad() - scene.rightPanLoad());
    equation.ShowSign(target);
    scene.CentrePans();
    scene.TiltPansTowards(target, HeldPiece());

    equation.UpdateEquazione(scene.leftTerms(), scene.rightTerms());
}

void Model::FollowPointer(float cursorX, float cursorY) {
    // What the keyboard carries goes where the keyboard put it, wherever the pointer is.
    if (KeyboardCarrying() != KeyboardPlay::Carrying::Nothing) {
        cursorX = keyboard.pointX();
        cursorY = keyboard.pointY();
    }
    // The two drag boxes stay under the pointer, shown or not, at the same place on the screen.
    pointer.MoveTo(cursorX, cursorY);

    // A held scene piece keeps its top-left corner at the pointer less the grab offset.
    const std::int32_t held = HeldPiece();
    if (held != kNoObject) {
        const SceneObject& s = scene.obj(held);
        const float x = pointer.pointerX() - static_cast<float>(pointer.grabX());
        const float y = pointer.pointerY() - static_cast<float>(pointer.grabY());
        scene.MoveObjects(held, x - static_cast<double>(s.objX), y - static_cast<double>(s.objY));
    }
}

} // namespace tarvelo
