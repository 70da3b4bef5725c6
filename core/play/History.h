// Undo and redo. A step is the scene as it stood at rest before one of the user's actions (a
// drop, a drag, a deletion, a new X or Y, the solution shown or hidden, a new scene): undoing
// goes back to it, redoing forward to the state undone.
#pragma once

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

// What a step restores: the scene, the sign and equation line, the mode, the problem file and
// the solution display.
struct SceneState {
    Scene scene;
    EquationDisplay equation;
    WindowControls controls;
};

class History {
  public:
    // Steps kept each way; the oldest goes first.
    static constexpr std::size_t kSteps = 100;

    // The scene has come to rest as `state`: the step a next action will keep.
    void NoteRest(SceneState state);
    // A user action begins: the scene at its last rest becomes a step to undo (once, however
    // many actions follow before it rests again), and the steps to redo are forgotten.
    void BeginAction();

    // The state to go back to, `current` becoming a step to redo; nothing when there is none,
    // or when it would take a problem out of problem mode.
    std::optional<SceneState> Undo(SceneState current);
    // The other way.
    std::optional<SceneState> Redo(SceneState current);

    bool CanUndo() const { return !undo_.empty(); }

  private:
    // What a child can tell two states apart by: the pieces, X and Y, the problem file, the mode
    // and the solution display.
    using Look = std::tuple<const std::vector<SceneObject>&, std::int32_t, std::int32_t,
                            const std::string&, ProgramMode, bool>;
    static Look Looks(const SceneState& state);
    static void Push(std::deque<SceneState>& steps, SceneState state);
    // Takes the last step of `from` into the other list, unless the mode forbids it.
    std::optional<SceneState> Move(std::deque<SceneState>& from, std::deque<SceneState>& to,
                                   SceneState current);

    std::deque<SceneState> undo_;
    std::deque<SceneState> redo_;
    std::optional<SceneState> rest_; // the last rest, until an action keeps it
};

} // namespace tarvelo
