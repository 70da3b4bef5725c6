// The balance: weighing the pans, the comparison sign, and moving the pans towards their tilt.
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr std::int32_t kLeftPan = 1;
constexpr std::int32_t kRightPan = 2;
constexpr float kFullTiltLoad = 15;     // a load difference beyond this tilts no further
constexpr double kFullTiltShare = 0.13; // the full tilt as a share of the scene's height
constexpr std::int64_t kPanStep = 1;    // pixels each pan moves per tick

// What a piece adds to the terms of the equation when it is weighed.
void CountTerms(std::int32_t objKind, Terms& terms) {
    if (objKind >= kind::kFirstDigit && objKind <= kind::kLastDigit) {
        terms[kConstantTerm] += objKind;
    } else if (objKind == kind::kSmiley) {
        terms[kConstantTerm] += 1;
    } else if (objKind == kind::kX) {
        terms[kXTerm] += 1;
    } else if (objKind == kind::kY) {
        terms[kYTerm] += 1;
    }
}

} // namespace

float Model::GetTotalMass(std::int32_t nObj) {
    if (nObj < 1 || nObj > objCount) {
        return 0;
    }
    float total = obj(nObj).objMass;
    CountTerms(obj(nObj).objKind, sideTerms);
    // Everything resting on it, however high the stack; each object rests on one support only.
    for (std::int32_t i : topContact.Carried(nObj)) {
        if (i <= objCount) {
            total = total + GetTotalMass(i);
        }
    }
    return total;
}

std::int32_t Model::PanCarrying(std::int32_t nObj) const {
    // Down the supports; each lies strictly lower, so the walk ends within the table's length.
    for (std::int32_t steps = 0; nObj >= 1 && nObj <= objCount && steps <= objCount; ++steps) {
        if (nObj == kLeftPan || nObj == kRightPan) {
            return nObj;
        }
        nObj = topContact.SupportOf(nObj);
    }
    return -1;
}

std::int32_t Model::BalanceTarget(float d) const {
    d = std::clamp(d, -kFullTiltLoad, kFullTiltLoad);
    const float r = d / kFullTiltLoad;
    return RoundToInt32(Int(static_cast<double>(r) * (pictDraw.ScaleHeight * kFullTiltShare)));
}

void Model::UpdateBalance() {
    if (objCount < kRightPan) {
        return;
    }
    // Weigh both pans, keeping the terms of each side for the equation line.
    sideTerms = {};
    obj(kLeftPan).objLoad = GetTotalMass(kLeftPan);
    leftTerms = sideTerms;
    sideTerms = {};
    obj(kRightPan).objLoad = GetTotalMass(kRightPan);
    rightTerms = sideTerms;

    // The tilt follows the loads copied after the last reality step, not the ones just weighed.
    const float d = leftPanLoad - rightPanLoad;
    const std::int32_t target = BalanceTarget(d);
    const std::int64_t current = std::int64_t{obj(kLeftPan).objY} - obj(kRightPan).objY;
    const std::int64_t delta = target - current;

    // The sign follows the target at once; the pans take their time.
    const char* sign = target > 0 ? ">" : (target < 0 ? "<" : "=");
    if (lblComparison.Caption != sign) {
        lblComparison.Caption = sign;
    }

    // Centre each pan in its half of the scene. Pieces on them are not moved by this.
    const double half = pictDraw.ScaleWidth / 2.0;
    obj(kLeftPan).objX = RoundToInt32((half - obj(kLeftPan).objW) / 2 + pictDraw.ScaleLeft);
    obj(kRightPan).objX =
        RoundToInt32((half - obj(kRightPan).objW) / 2 + half + pictDraw.ScaleLeft);

    // One pixel per pan towards the target; an odd remainder of one is left alone, so the pans
    // never swing around an odd target. Neither pan moves when one of them would push into
    // something it does not carry: a piece standing on stacks of both pans (it counts for one
    // of them only) holds the balance where it is, rather than being shoved through or passed
    // from pan to pan for ever.
    if (delta != 0) {
        const std::int64_t step = std::clamp(delta - Mod(delta, 2), -kPanStep, kPanStep);
        const auto left = static_cast<double>(step);
        if (step != 0 && !BalanceMoveCollides(left)) {
            MoveObjects(kLeftPan, 0, left);
            MoveObjects(kRightPan, 0, -left);
        }
    }

    UpdateEquazione();
}

} // namespace tarvelo
