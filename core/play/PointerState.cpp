// The pointer's own state and the boxes that show it.
#include "core/play/PointerState.h"

#include "core/base/Layout.h"

namespace tarvelo {

namespace {

// Where the scene's client area, whose pixels the pointer is measured in, lies on the window.
constexpr int kSceneLeftOnWindow = layout::kPictDraw.left + layout::kPictDrawBorder;
constexpr int kSceneTopOnWindow = layout::kPictDraw.top + layout::kPictDrawBorder;

ControlBox HiddenBoxAt(const layout::Rect& r) {
    return {static_cast<float>(r.left), static_cast<float>(r.top), r.width, r.height, false};
}

} // namespace

PointerState::PointerState()
    : selObj_(HiddenBoxAt(layout::kSelObj)), dragImg_(HiddenBoxAt(layout::kDragImg)),
      dragImgInt_(HiddenBoxAt(layout::kDragImgInt)) {}

void PointerState::FrameHeld(const SceneObject& o) {
    ControlBox frame = selObj_;
    frame.Left = static_cast<float>(o.objX);
    frame.Top = static_cast<float>(o.objY);
    frame.Width = o.objW;
    frame.Height = o.objH;
    Set(selObj_, frame);
}

void PointerState::Select(std::int32_t nObj, const SceneObject& o) {
    Set(selectedObj_, nObj);
    FrameHeld(o);
    Set(selObj_.Visible, true);
}

void PointerState::ClearSelection() {
    Set(selectedObj_, kNone);
    Set(selObj_.Visible, false);
}

void PointerState::Grab(std::int32_t grabX, std::int32_t grabY) {
    Set(grabX_, grabX);
    Set(grabY_, grabY);
    Set(draggingObj_, true);
}

std::int32_t PointerState::LetGo(std::int32_t objCount) {
    const std::int32_t released = HeldPiece(objCount);
    Set(draggingObj_, false);
    return released;
}

void PointerState::ObjectRemoved(std::int32_t nObj, std::int32_t lastObj) {
    if (selectedObj_ == nObj) {
        Set(selectedObj_, kNone);
        Set(draggingObj_, false);
    } else if (selectedObj_ == lastObj) {
        Set(selectedObj_, nObj);
    }
}

void PointerState::MoveTo(float x, float y) {
    Set(pointerX_, x);
    Set(pointerY_, y);
    const auto gx = static_cast<float>(grabX_);
    const auto gy = static_cast<float>(grabY_);
    Set(dragImg_.Left, static_cast<float>(kSceneLeftOnWindow) + x - gx);
    Set(dragImg_.Top, static_cast<float>(kSceneTopOnWindow) + y - gy);
    Set(dragImgInt_.Left, x - gx);
    Set(dragImgInt_.Top, y - gy);
}

void PointerState::PickUp(PieceKind objKind, PictureSize size, std::int32_t grabX,
                          std::int32_t grabY) {
    for (ControlBox* box : {&dragImg_, &dragImgInt_}) {
        Set(box->Picture, PictureOf(objKind));
        Set(box->Width, size.width);
        Set(box->Height, size.height);
        Set(box->Visible, true);
    }
    Set(grabX_, grabX);
    Set(grabY_, grabY);
    Set(dragKind_, objKind);
}

bool PointerState::PutDown() {
    if (!dragImg_.Visible && !dragImgInt_.Visible) {
        return false;
    }
    Set(dragImg_.Visible, false);
    Set(dragImgInt_.Visible, false);
    return true;
}

} // namespace tarvelo
