#include "core/play/WindowEvents.h"

#include "core/base/Numeric.h"

namespace tarvelo {

void WindowEvents::img_MouseDown(PieceKind Index, PointerButton Button, int /*Shift*/, float X,
                                 float Y) {
    if (Button == PointerButton::Left) {
        model_.PickUpCopy(Index, RoundToInt32(X), RoundToInt32(Y));
    } else if (Button == PointerButton::Right) {
        model_.AskUnknownValue(Index);
    }
}

void WindowEvents::dragImg_MouseMove(PointerButton Button, int Shift, float X, float Y) {
    dragImgInt_MouseMove(Button, Shift, X, Y);
}

void WindowEvents::dragImgInt_MouseMove(PointerButton Button, int /*Shift*/, float /*X*/,
                                        float /*Y*/) {
    if (Button == PointerButton::None) {
        model_.DropCopy();
    }
}

void WindowEvents::pictDraw_MouseMove(PointerButton /*Button*/, int /*Shift*/, float X, float Y) {
    model_.PointAt(X, Y);
}

void WindowEvents::pictDraw_MouseDown(PointerButton Button, int /*Shift*/, float X, float Y) {
    if (Button == PointerButton::Left) {
        model_.Grab(X, Y);
    } else if (Button == PointerButton::Right) {
        model_.RemoveFramed();
    }
}

void WindowEvents::pictDraw_MouseUp(PointerButton Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    if (Button == PointerButton::Left) {
        model_.LetGo();
    }
}

} // namespace tarvelo
