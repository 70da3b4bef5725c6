// The pointer over the scene: which piece lies under it, the selection frame, the scene drag.
#include "core/base/Numeric.h"
#include "core/play/Model.h"

namespace tarvelo {

void Model::pictDraw_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) {
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
    const std::int32_t i = scene.FindObjectByPosition(X, Y);
    if (i != -1 && !scene.obj(i).objFixed) {
        pointer.Select(i, scene.obj(i));
    } else {
        pointer.ClearSelection();
    }
}

void Model::pictDraw_MouseDown(int Button, int /*Shift*/, float X, float Y) {
    if (!pointer.HasValidSelection(scene.objCount())) {
        return;
    }
    const std::int32_t selected = pointer.selectedObj();
    if (Button == kLeftButton && !pointer.draggingObj()) {
        // Grab the piece where the pointer holds it; from now on the pointer tick carries it.
        const SceneObject& o = scene.obj(selected);
        keyboard.StopCarrying(); // the pointer takes over
        BeginAction();
        pointer.Grab(RoundToInt32(X - static_cast<double>(o.objX)),
                     RoundToInt32(Y - static_cast<double>(o.objY)));
    } else if (Button == kRightButton) {
        // Deleted at once, the held piece too, which ends its drag; the frame follows at the
        // next hover update.
        BeginAction();
        RemoveBlock(selected);
        RefreshObjects();
    }
}

void Model::pictDraw_MouseUp(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button == kLeftButton && pointer.draggingObj()) {
        const std::int32_t released = pointer.LetGo(scene.objCount());
        // Let go inside other pieces, it goes on top of them before it falls.
        if (scene.LiftClearOfOverlaps(released, kNoObject)) {
            RefreshObjects();
        }
    }
}

} // namespace tarvelo
