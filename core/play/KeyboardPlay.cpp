// The keyboard's cursor and what it carries.
#include "core/play/KeyboardPlay.h"

#include "core/base/Numeric.h"

namespace tarvelo {

void KeyboardPlay::StartCarrying(Carrying what, float x, float y) {
    Set(carrying_, what);
    MoveTo(x, y);
    Set(homeX_, RoundToInt32(x));
    Set(homeY_, RoundToInt32(y));
}

void KeyboardPlay::MoveTo(float x, float y) {
    Set(pointX_, x);
    Set(pointY_, y);
}

void KeyboardPlay::ObjectRemoved(std::int32_t nObj, std::int32_t lastObj) {
    if (cursor_ == nObj) {
        Set(cursor_, kNone);
    } else if (cursor_ == lastObj) {
        Set(cursor_, nObj);
    }
}

void KeyboardPlay::Reset() {
    Set(cursor_, kNone);
    Set(carrying_, Carrying::Nothing);
}

} // namespace tarvelo
