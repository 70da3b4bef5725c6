// Undo and redo: keeping the scene at rest before each action, and going back and forth.
#include "core/base/WindowTimers.h"
#include "core/play/Model.h"

namespace tarvelo {

void Model::NoteRestForUndo() {
    realityMs_ += kRealityStepMs;
    const std::uint64_t changes = Changes();
    const bool atRest = undoRest_.AfterTick(changes, realityMs_);
    const bool busy = cleaning_ || HeldPiece() != kNoObject || pointer.dragImgInt().Visible;
    // Each rest is kept once: copying the scene on every quiet step would cost for nothing.
    if (atRest && !busy && restKeptAt_ != changes) {
        restKeptAt_ = changes;
        history_.NoteRest(CaptureState());
    }
}

bool Model::Undo() {
    return Step(&History::Undo);
}

bool Model::Redo() {
    return Step(&History::Redo);
}

bool Model::Step(std::optional<SceneState> (History::*move)(SceneState)) {
    if (cleaning_) {
        return false;
    }
    const std::optional<SceneState> state = (history_.*move)(CaptureState());
    if (state) {
        RestoreState(*state);
    }
    return state.has_value();
}

void Model::RestoreState(const SceneState& state) {
    // Nothing stays held or carried across: the pointer and the keyboard start afresh.
    pointer.LetGo(scene.objCount());
    pointer.ClearSelection();
    pointer.PutDown();
    keyboard.Reset();
    scene = state.scene;
    equation = state.equation;
    controls = state.controls;
    RefreshObjects();
}

} // namespace tarvelo
