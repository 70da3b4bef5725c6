// Undo and redo. A step is the scene as it stood at rest before one of the user's actions (a
// drop, a drag, a deletion, a move on the pans, a check, a new X or Y, the solution shown or
// hidden, a new scene): undoing goes back to it, redoing forward to the state undone.
#pragma once

#include "core/play/Action.h"
#include "core/play/Trail.h"
#include "core/play/WindowControls.h"
#include "core/world/EquationDisplay.h"
#include "core/world/Scene.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tarvelo {

// What a step restores: the scene, the sign and equation line, the mode, the problem file, the
// solution display and the trail of equations.
struct SceneState {
    Scene scene;
    EquationDisplay equation;
    WindowControls controls;
    Trail trail;
};

class History {
  public:
    // Steps kept each way; the oldest goes first.
    static constexpr std::size_t kSteps = 100;

    // The scene has come to rest as `state`: the step a next action will keep.
    void NoteRest(SceneState state);
    // The user's action `action` begins: the scene at its last rest becomes a step to undo,
    // named by it (once, however many actions follow before it rests again: the step is named
    // by the first), and the steps to redo are forgotten.
    void BeginAction(UndoAction action);

    // A step gone to: the state, and the action it undoes or redoes.
    struct Move {
        SceneState state;
        UndoAction action;
    };
    // The state to go back to, `current` becoming a step to redo; nothing when there is none,
    // or when it would take a problem out of problem mode.
    std::optional<Move> Undo(SceneState current);
    // The other way.
    std::optional<Move> Redo(SceneState current);

    bool CanUndo() const { return !undo_.empty(); }

  private:
    // What a child can tell two states apart by: the pieces, X and Y, the problem file, the mode
    // and the solution display.
    using Look = std::tuple<const std::vector<SceneObject>&, std::int32_t, std::int32_t,
                            const std::string&, ProgramMode, bool>;
    static Look Looks(const SceneState& state);
    struct Step {
        SceneState state;
        UndoAction action; // what going to this state undoes, or redoes
    };
    static void Push(std::deque<Step>& steps, Step step);
    // Takes the last step of `from` into the other list, unless the mode forbids it.
    std::optional<Move> Take(std::deque<Step>& from, std::deque<Step>& to, SceneState current);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::optional<SceneState> rest_; // the last rest, until an action keeps it
};

} // namespace tarvelo
