// Undo and redo between the scene's states at rest.
#include "core/play/History.h"

#include <utility>

namespace tarvelo {

void History::NoteRest(SceneState state) {
    rest_ = std::move(state);
}

void History::BeginAction() {
    if (rest_) {
        Push(undo_, std::move(*rest_));
        rest_.reset();
    }
    redo_.clear();
}

std::optional<SceneState> History::Undo(SceneState current) {
    return Move(undo_, redo_, std::move(current));
}

std::optional<SceneState> History::Redo(SceneState current) {
    return Move(redo_, undo_, std::move(current));
}

std::optional<SceneState> History::Move(std::deque<SceneState>& from, std::deque<SceneState>& to,
                                        SceneState current) {
    // An action that changed nothing (a piece picked up and put down where it lay) leaves a
    // step the same as the scene now: going to it would seem to do nothing.
    while (!from.empty() && Looks(from.back()) == Looks(current)) {
        from.pop_back();
    }
    if (from.empty()) {
        return std::nullopt;
    }
    // A problem stays a problem: no step leads back to free play.
    if (current.controls.programMode() == ProgramMode::Problem &&
        from.back().controls.programMode() != ProgramMode::Problem) {
        return std::nullopt;
    }
    SceneState next = std::move(from.back());
    from.pop_back();
    Push(to, std::move(current));
    // The state gone back to is where the next action starts from, rested or not.
    rest_ = next;
    return next;
}

History::Look History::Looks(const SceneState& state) {
    return {state.scene.objects(),        state.scene.xValue(),
            state.scene.yValue(),         state.controls.stProblemFile(),
            state.controls.programMode(), state.controls.showSolution()};
}

void History::Push(std::deque<SceneState>& steps, SceneState state) {
    steps.push_back(std::move(state));
    if (steps.size() > kSteps) {
        steps.pop_front();
    }
}

} // namespace tarvelo
