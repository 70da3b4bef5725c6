// The pointer over the scene: which piece lies under it, the selection frame, grabbing a piece,
// letting it go and removing it.
#include "core/base/Numeric.h"
#include "core/play/Model.h"

namespace tarvelo {

void Model::PointAt(float x, float y) {
    // Drag feedback: the frame shows where the held piece stood before the next pointer tick.
    // While a piece is held the hover never picks another one, whatever passes under the
    // pointer: the drag stays with the piece that was grabbed.
    const std::int32_t held = HeldPiece();
    if (held != kNoObject) {
        pointer.FrameHeld(scene.obj(held));
        RefreshObjects();
        return;
    }

    // Hover: frame the piece under the pointer; fixed objects are never picked.
    const std::int32_t i = scene.FindObjectByPosition(x, y);
    if (i != -1 && !scene.obj(i).objFixed) {
        pointer.Select(i, scene.obj(i));
    } else {
        pointer.ClearSelection();
    }
}

void Model::Grab(float x, float y) {
    if (!pointer.HasValidSelection(scene.objCount()) || pointer.draggingObj()) {
        return;
    }
    // Held where the pointer holds it; from now on the pointer tick carries it.
    const SceneObject& o = scene.obj(pointer.selectedObj());
    keyboard.StopCarrying(); // the pointer takes over
    BeginAction(ActionOn(ActionVerb::Moved, pointer.selectedObj()));
    pointer.Grab(RoundToInt32(x - static_cast<double>(o.objX)),
                 RoundToInt32(y - static_cast<double>(o.objY)));
    Cue({Sound::PickUp});
}

void Model::RemoveFramed() {
    if (!pointer.HasValidSelection(scene.objCount())) {
        return;
    }
    // Deleted at once, the held piece too, which ends its drag; the frame follows at the next
    // hover update.
    std::int32_t follow = kNoObject;
    RemovePiece(pointer.selectedObj(), follow);
}

void Model::LetGo() {
    if (!pointer.draggingObj()) {
        return;
    }
    const std::int32_t released = pointer.LetGo(scene.objCount());
    // Let go inside other pieces, it goes on top of them before it falls.
    if (scene.LiftClearOfOverlaps(released, kNoObject)) {
        RefreshObjects();
    }
}

} // namespace tarvelo
