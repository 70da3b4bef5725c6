// Undo and redo: keeping the scene at rest before each action, and going back and forth.
#include "core/play/Model.h"

namespace tarvelo {

void Model::NoteRestForUndo() {
    const std::uint64_t changes = Changes();
    // Each rest is kept once: copying the scene on every quiet step would cost for nothing.
    if (AtRest() && !Busy() && restKeptAt_ != changes) {
        restKeptAt_ = changes;
        history_.NoteRest(CaptureState());
    }
}

std::optional<UndoAction> Model::Undo() {
    return Step(&History::Undo);
}

std::optional<UndoAction> Model::Redo() {
    return Step(&History::Redo);
}

std::optional<UndoAction> Model::Step(std::optional<History::Move> (History::*move)(SceneState)) {
    if (cleaning_) {
        return std::nullopt;
    }
    const std::optional<History::Move> step = (history_.*move)(CaptureState());
    if (!step) {
        return std::nullopt;
    }
    RestoreState(step->state);
    return step->action;
}

void Model::RestoreState(const SceneState& state) {
    LetGoOfEverything();
    scene = state.scene;
    equation = state.equation;
    controls = state.controls;
    trail = state.trail;
    RefreshObjects();
}

void Model::LetGoOfEverything() {
    pointer.LetGo(scene.objCount());
    pointer.ClearSelection();
    pointer.PutDown();
    keyboard.Reset();
}

} // namespace tarvelo
