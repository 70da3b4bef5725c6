// The pointer over the scene: which piece lies under it, the selection frame, the scene drag.
#include "core/scene/Layout.h"
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

namespace tarvelo {

namespace {

// Where the scene's client area, whose pixels the pointer is measured in, lies on the window.
constexpr int kSceneLeftOnWindow = layout::kPictDraw.left + layout::kPictDrawBorder;
constexpr int kSceneTopOnWindow = layout::kPictDraw.top + layout::kPictDrawBorder;

} // namespace

std::int32_t Model::FindObjectByPosition(float mX, float mY) const {
    // The last object in table order whose box, edges included, holds the point.
    std::int32_t result = -1;
    for (std::int32_t i = 1; i <= objCount; ++i) {
        const SceneObject& o = obj(i);
        const double x = mX;
        const double y = mY;
        if (o.objX <= x && x <= static_cast<double>(o.objX) + o.objW && o.objY <= y &&
            y <= static_cast<double>(o.objY) + o.objH) {
            result = i;
        }
    }
    return result;
}

void Model::pictDraw_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) {
    // Drag feedback: the frame shows where the held piece stood before the next pointer tick.
    // While a piece is held the hover never picks another one, whatever passes under the
    // pointer: the drag stays with the piece that was grabbed.
    if (HeldPiece() != -1) {
        const SceneObject& s = obj(selectedObj);
        selObj.Left = static_cast<float>(s.objX);
        selObj.Top = static_cast<float>(s.objY);
        selObj.Width = s.objW;
        selObj.Height = s.objH;
        RefreshObjects();
        return;
    }

    // Hover: frame the piece under the pointer; fixed objects are never picked.
    std::int32_t i = FindObjectByPosition(X, Y);
    if (i != -1 && obj(i).objFixed) {
        i = -1;
    }
    if (i != -1) {
        const SceneObject& s = obj(i);
        selectedObj = i;
        selObj.Left = static_cast<float>(s.objX);
        selObj.Top = static_cast<float>(s.objY);
        selObj.Width = s.objW;
        selObj.Height = s.objH;
        selObj.Visible = true;
    } else {
        selectedObj = -1;
        selObj.Visible = false;
    }
}

void Model::pictDraw_MouseDown(int Button, int /*Shift*/, float X, float Y) {
    if (!HasValidSelection()) {
        return;
    }
    if (Button == kLeftButton && !draggingObj) {
        // Grab the piece where the pointer holds it; from now on the pointer tick carries it.
        grabX = RoundToInt32(X - static_cast<double>(obj(selectedObj).objX));
        grabY = RoundToInt32(Y - static_cast<double>(obj(selectedObj).objY));
        draggingObj = true;
    } else if (Button == kRightButton) {
        // Deleted at once, the held piece too, which ends its drag; the frame follows at the
        // next hover update.
        RemoveBlock(selectedObj);
        RefreshObjects();
    }
}

void Model::pictDraw_MouseUp(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button == kLeftButton && draggingObj) {
        const std::int32_t released = HeldPiece();
        draggingObj = false;
        // Let go inside other pieces, it goes on top of them before it falls.
        if (LiftClearOfOverlaps(released)) {
            RefreshObjects();
        }
    }
}

void Model::MouseTimer_Timer(float cursorX, float cursorY) {
    pointerX = cursorX;
    pointerY = cursorY;

    // The two drag boxes stay under the pointer, shown or not, at the same place on the screen.
    dragImg.Left = static_cast<float>(kSceneLeftOnWindow) + pointerX - static_cast<float>(grabX);
    dragImg.Top = static_cast<float>(kSceneTopOnWindow) + pointerY - static_cast<float>(grabY);
    dragImgInt.Left = pointerX - static_cast<float>(grabX);
    dragImgInt.Top = pointerY - static_cast<float>(grabY);

    // A held scene piece keeps its top-left corner at the pointer less the grab offset.
    if (draggingObj && HasValidSelection()) {
        const SceneObject& s = obj(selectedObj);
        MoveObjects(selectedObj,
                    (pointerX - static_cast<float>(grabX)) - static_cast<double>(s.objX),
                    (pointerY - static_cast<float>(grabY)) - static_cast<double>(s.objY));
    }
}

} // namespace tarvelo
