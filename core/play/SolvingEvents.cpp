// Solving on the balance: the trail each action and each rest writes, the check of an answer
// against the problem the trail set out from, and the goal that asks for twin changes.
#include "core/play/Model.h"

#include <utility>

namespace tarvelo {

namespace {

constexpr std::int32_t kHighestValue = 9; // X and Y weigh 0 to 9

// The moves on the pans as wholes, and the check: each sets a solving out.
bool SetsOut(ActionVerb verb) {
    switch (verb) {
    case ActionVerb::TakenFromBoth:
    case ActionVerb::AddedToBoth:
    case ActionVerb::DroppedOnPan:
    case ActionVerb::TakenFromPan:
    case ActionVerb::Split:
    case ActionVerb::Joined:
    case ActionVerb::Shared:
    case ActionVerb::Checked:
        return true;
    default:
        return false;
    }
}

// Actions that change what the pans carry; the others (a value, the solution display) leave
// no line.
bool ChangesPans(ActionVerb verb) {
    return SetsOut(verb) || ChangesAPiece(verb);
}

bool IsValue(std::int32_t value) {
    return value >= 0 && value <= kHighestValue;
}

} // namespace

void Model::BeginAction(UndoAction action, ActionDetail detail) {
    history_.BeginAction(action);
    NoteInTrail(action, std::move(detail));
}

void Model::NoteInTrail(UndoAction action, ActionDetail detail) {
    if (action.verb == ActionVerb::SceneReplaced) {
        trail.Clear();
        return;
    }
    if (!ChangesPans(action.verb)) {
        return;
    }
    if (!trail.Started() && (SetsOut(action.verb) || SolvingGoal())) {
        trail.Start(scene, equation.lblEquazione().Caption);
    }
    if (trail.Started()) {
        trail.Add(action, std::move(detail), scene.leftTerms(), scene.rightTerms());
    }
}

void Model::NoteRestInTrail() {
    if (!trail.Waiting() || !AtRest() || Busy()) {
        return;
    }
    const TrailStep& last = trail.Steps().back();
    const bool checkedY = last.action.verb == ActionVerb::Checked && last.detail.numbers.size() > 1;
    const std::optional<std::int32_t> y = checkedY ? std::optional(scene.yValue()) : std::nullopt;
    const std::string& sign = equation.lblComparison().Caption;
    TrailRest rest;
    rest.equation = equation.lblEquazione().Caption;
    rest.sign = sign;
    rest.valuedEquation = EquationDisplay::ValuedSideText(scene.leftTerms(), scene.xValue(), y) +
                          " " + sign + " " +
                          EquationDisplay::ValuedSideText(scene.rightTerms(), scene.xValue(), y);
    rest.solved = Solved();
    rest.goal = !pansLocked_ && SolvingGoal();
    rest.left = scene.leftTerms();
    rest.right = scene.rightTerms();
    const bool solved = rest.solved.has_value();
    trail.Rest(rest);
    if (solved) {
        Cue({Sound::Solved});
    }
}

MoveOutcome Model::Check(std::int32_t x, std::optional<std::int32_t> y) {
    if (!IsValue(x)) {
        return {MoveRefusal::NoSuchValue, 0, PieceKind::kX, x, kHighestValue};
    }
    if (y && !IsValue(*y)) {
        return {MoveRefusal::NoSuchValue, 0, PieceKind::kY, *y, kHighestValue};
    }
    ActionDetail detail{0, {x}};
    if (y) {
        detail.numbers.push_back(*y);
    }
    BeginAction({ActionVerb::Checked, PieceKind::kX}, std::move(detail));
    // The problem as the solving found it, every piece back where it stood, weighed anew.
    LetGoOfEverything();
    scene = *trail.Origin();
    scene.SetUnknownValue(PieceKind::kX, x, kNoObject);
    if (y) {
        scene.SetUnknownValue(PieceKind::kY, *y, kNoObject);
    }
    controls.ShowCheckedValues();
    RefreshObjects();
    return {};
}

bool Model::SolvingGoal() const {
    return (controls.programMode() == ProgramMode::Problem || trail.Started()) && !Solved();
}

} // namespace tarvelo
