// Undo and redo between the scene's states at rest.
#include "core/play/History.h"

#include <utility>

namespace tarvelo {

void History::NoteRest(SceneState state) {
    rest_ = std::move(state);
}

void History::BeginAction(UndoAction action) {
    if (rest_) {
        Push(undo_, {std::move(*rest_), action});
        rest_.reset();
    }
    redo_.clear();
}

std::optional<History::Move> History::Undo(SceneState current) {
    return Take(undo_, redo_, std::move(current));
}

std::optional<History::Move> History::Redo(SceneState current) {
    return Take(redo_, undo_, std::move(current));
}

std::optional<History::Move> History::Take(std::deque<Step>& from, std::deque<Step>& to,
                                           SceneState current) {
    // An action that changed nothing (a piece picked up and put down where it lay) leaves a
    // step the same as the scene now: going to it would seem to do nothing.
    while (!from.empty() && Looks(from.back().state) == Looks(current)) {
        from.pop_back();
    }
    if (from.empty()) {
        return std::nullopt;
    }
    // A problem stays a problem: no step leads back to free play.
    if (current.controls.programMode() == ProgramMode::Problem &&
        from.back().state.controls.programMode() != ProgramMode::Problem) {
        return std::nullopt;
    }
    Step next = std::move(from.back());
    from.pop_back();
    // Going back again the other way undoes, or redoes, the same action.
    Push(to, {std::move(current), next.action});
    // The state gone back to is where the next action starts from, rested or not.
    rest_ = next.state;
    return Move{std::move(next.state), next.action};
}

History::Look History::Looks(const SceneState& state) {
    return {state.scene.objects(),        state.scene.xValue(),
            state.scene.yValue(),         state.controls.stProblemFile(),
            state.controls.programMode(), state.controls.showSolution()};
}

void History::Push(std::deque<Step>& steps, Step step) {
    steps.push_back(std::move(step));
    if (steps.size() > kSteps) {
        steps.pop_front();
    }
}

} // namespace tarvelo
