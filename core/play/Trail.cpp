// The trail of equations: setting out, noting actions and the rests that follow them.
#include "core/play/Trail.h"

#include <utility>

namespace tarvelo {

void Trail::Start(const Scene& scene, const std::string& equation) {
    origin_ = std::make_shared<const Scene>(scene);
    start_ = equation;
    steps_.clear();
    NoteChange();
}

void Trail::Add(UndoAction action, ActionDetail detail, const Terms& left, const Terms& right) {
    TrailStep step;
    step.action = action;
    step.detail = std::move(detail);
    step.leftBefore = left;
    step.rightBefore = right;
    steps_.push_back(std::move(step));
    NoteChange();
}

void Trail::Rest(const TrailRest& rest) {
    std::string before = start_;
    for (const TrailStep& step : steps_) {
        if (step.rested) {
            before = step.equation;
        }
    }
    for (TrailStep& step : steps_) {
        if (step.rested) {
            continue;
        }
        step.rested = true;
        const bool checked = step.action.verb == ActionVerb::Checked;
        step.equation = checked ? rest.valuedEquation : rest.equation;
        step.sign = rest.sign;
        step.solved = checked ? std::nullopt : rest.solved;
        const bool oneSide = (rest.left != step.leftBefore) != (rest.right != step.rightBefore);
        step.askTwin = rest.goal && !checked && oneSide && rest.sign != "=";
    }
    // A piece moved about on its pan is no step of the solving.
    if (steps_.back().action.verb == ActionVerb::Moved && steps_.back().equation == before) {
        steps_.pop_back();
    }
    NoteChange();
}

void Trail::Clear() {
    origin_.reset();
    start_.clear();
    steps_.clear();
    NoteChange();
}

bool ChangesAPiece(ActionVerb verb) {
    switch (verb) {
    case ActionVerb::Dropped:
    case ActionVerb::Moved:
    case ActionVerb::Removed:
    case ActionVerb::DroppedOnPan:
    case ActionVerb::TakenFromPan:
        return true;
    default:
        return false;
    }
}

} // namespace tarvelo
