// Weighing the pans for the balance and the equation, and moving the pans towards their tilt.
#include "core/base/Numeric.h"
#include "core/world/Scene.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr float kFullTiltLoad = 15;     // a load difference beyond this tilts no further
constexpr double kFullTiltShare = 0.13; // the full tilt as a share of the scene's height
constexpr std::int64_t kPanStep = 1;    // pixels each pan moves per tick

// What a piece adds to the terms of the equation when it is weighed.
void CountTerms(PieceKind objKind, Terms& terms) {
    if (CountsAsNumber(objKind)) {
        terms.constant += NumberValueOf(objKind);
    } else if (objKind == PieceKind::kX) {
        terms.x += 1;
    } else if (objKind == PieceKind::kY) {
        terms.y += 1;
    }
}

} // namespace

float Scene::GetTotalMass(std::int32_t nObj, Terms& sideTerms) const {
    if (nObj < 1 || nObj > objCount_) {
        return 0;
    }
    float total = obj(nObj).objMass;
    CountTerms(obj(nObj).objKind, sideTerms);
    // Everything resting on it, however high the stack; each object rests on one support only.
    for (std::int32_t i : topContact_.Carried(nObj)) {
        if (i <= objCount_) {
            total = total + GetTotalMass(i, sideTerms);
        }
    }
    return total;
}

void Scene::WeighPans() {
    if (objCount_ < kRightPan) {
        return;
    }
    Terms terms{};
    Set(object(kLeftPan).objLoad, GetTotalMass(kLeftPan, terms));
    Set(leftTerms_, terms);
    terms = {};
    Set(object(kRightPan).objLoad, GetTotalMass(kRightPan, terms));
    Set(rightTerms_, terms);
}

std::int32_t Scene::PanCarrying(std::int32_t nObj) const {
    // Down the supports; each lies strictly lower, so the walk ends within the table's length.
    for (std::int32_t steps = 0; nObj >= 1 && nObj <= objCount_ && steps <= objCount_; ++steps) {
        if (nObj == kLeftPan || nObj == kRightPan) {
            return nObj;
        }
        nObj = topContact_.SupportOf(nObj);
    }
    return -1;
}

std::int32_t Scene::BalanceTarget(float d) const {
    d = std::clamp(d, -kFullTiltLoad, kFullTiltLoad);
    const float r = d / kFullTiltLoad;
    return RoundToInt32(Int(static_cast<double>(r) * (pictDraw_.ScaleHeight * kFullTiltShare)));
}

std::int32_t Scene::FullTilt() const {
    return BalanceTarget(kFullTiltLoad);
}

void Scene::CentrePans() {
    const double half = pictDraw_.ScaleWidth / 2.0;
    PlaceAt(kLeftPan, RoundToInt32((half - obj(kLeftPan).objW) / 2 + pictDraw_.ScaleLeft),
            obj(kLeftPan).objY);
    PlaceAt(kRightPan, RoundToInt32((half - obj(kRightPan).objW) / 2 + half + pictDraw_.ScaleLeft),
            obj(kRightPan).objY);
}

void Scene::TiltPansTowards(std::int32_t target, std::int32_t held) {
    // One pixel per pan towards the target; an odd remainder of one is left alone, so the pans
    // never swing around an odd target. Neither pan moves when one of them would push into
    // something it does not carry. A piece of the other pan in the way (one standing on stacks
    // of both pans, or hanging over the rising stack) yields: it slides back over its own pan
    // rather than being shoved through or passed from pan to pan for ever, and the pans move
    // on at the next tick. A falling piece in the way has passed by then.
    // While a loaded file's pieces land, the pans stand where they stood when it was saved, so
    // that every piece lands where it lay and on the pan that carried it.
    if (PansWaitForLanding()) {
        return;
    }
    const std::int64_t current = std::int64_t{obj(kLeftPan).objY} - obj(kRightPan).objY;
    const std::int64_t delta = target - current;
    if (delta == 0) {
        return;
    }
    const std::int64_t step = std::clamp(delta - Mod(delta, 2), -kPanStep, kPanStep);
    const auto left = static_cast<double>(step);
    if (step == 0) {
        return;
    }
    if (!BalanceMoveCollides(left, held)) {
        MoveObjects(kLeftPan, 0, left);
        MoveObjects(kRightPan, 0, -left);
    } else {
        MakeWayForBalance(left, held);
    }
}

} // namespace tarvelo
