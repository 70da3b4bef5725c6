// The pointer's own state: where it is, the piece it frames or holds, the copy it drags in from
// the palette, and the frame and drag boxes that show them.
#pragma once

#include "core/base/ChangeCounter.h"
#include "core/base/ControlValues.h"
#include "core/world/SceneObject.h"

#include <cstdint>

namespace tarvelo {

class PointerState : public ChangeCounter {
  public:
    PointerState();

    std::int32_t selectedObj() const { return selectedObj_; }
    bool draggingObj() const { return draggingObj_; }
    // The pointer in the scene's client pixels, as its pointer events give it.
    float pointerX() const { return pointerX_; }
    float pointerY() const { return pointerY_; }
    // Where the pointer holds what it drags, from that thing's top-left corner.
    std::int32_t grabX() const { return grabX_; }
    std::int32_t grabY() const { return grabY_; }
    // The kind of the palette copy being dragged in.
    PieceKind dragKind() const { return dragKind_; }
    const ControlBox& selObj() const { return selObj_; }         // the selection frame
    const ControlBox& dragImg() const { return dragImg_; }       // on the window
    const ControlBox& dragImgInt() const { return dragImgInt_; } // on the scene surface

    bool HasValidSelection(std::int32_t objCount) const {
        return selectedObj_ >= 1 && selectedObj_ <= objCount;
    }
    // The piece the pointer holds, or none.
    std::int32_t HeldPiece(std::int32_t objCount) const {
        return draggingObj_ && HasValidSelection(objCount) ? selectedObj_ : kNone;
    }

    // Frames piece `nObj`, which from now on is the selection.
    void Select(std::int32_t nObj, const SceneObject& o);
    // Moves the frame onto where piece `o` (the held one, during a drag) now stands.
    void FrameHeld(const SceneObject& o);
    void ClearSelection();
    // Holds the selected piece where the pointer grabbed it.
    void Grab(std::int32_t grabX, std::int32_t grabY);
    // Lets go of the held piece and gives its number, or none.
    std::int32_t LetGo(std::int32_t objCount);
    // Object `nObj` left the table and the last one, `lastObj`, took its place: the selection
    // follows the piece it names, gone with it (which ends a drag) or to its new number.
    void ObjectRemoved(std::int32_t nObj, std::int32_t lastObj);
    // The pointer is at (x, y); both drag boxes stay under it at the same place on the screen.
    void MoveTo(float x, float y);
    // A copy of kind `objKind`, of `size`, picked up at (grabX, grabY) of its picture.
    void PickUp(PieceKind objKind, PictureSize size, std::int32_t grabX, std::int32_t grabY);
    // Puts down the copy being dragged in; false when none was.
    bool PutDown();

  private:
    static constexpr std::int32_t kNone = -1;

    std::int32_t selectedObj_ = kNone;
    bool draggingObj_ = false;
    float pointerX_ = 0;
    float pointerY_ = 0;
    std::int32_t grabX_ = 0;
    std::int32_t grabY_ = 0;
    PieceKind dragKind_ = PieceKind::kPan;
    ControlBox selObj_;
    ControlBox dragImg_;
    ControlBox dragImgInt_;
};

} // namespace tarvelo
