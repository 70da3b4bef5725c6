// The keyboard's own state: the piece its cursor is on in the scene, and what it carries (a copy
// from the palette or a scene piece) with the point that stands in for the pointer meanwhile.
#pragma once

#include "core/base/ChangeCounter.h"

#include <cstdint>

namespace tarvelo {

// The keys the program gives a meaning to, whatever the keyboard calls them.
enum class Key {
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,   // over the left pan
    PageDown, // over the right pan
    Activate, // Enter or Space: pick up, drop, put down
    Cancel,   // Escape
    Delete,
    AskValue, // F2, Shift+F10 or the menu key: the value of X or Y
};

class KeyboardPlay : public ChangeCounter {
  public:
    enum class Carrying { Nothing, Copy, Piece };

    // The piece the scene's cursor is on, or none (-1).
    std::int32_t cursor() const { return cursor_; }
    Carrying carrying() const { return carrying_; }
    // Where what it carries has its top-left corner, in the scene's client pixels.
    float pointX() const { return pointX_; }
    float pointY() const { return pointY_; }
    // Where the carried scene piece stood when it was picked up.
    std::int32_t homeX() const { return homeX_; }
    std::int32_t homeY() const { return homeY_; }

    void PutCursorOn(std::int32_t nObj) { Set(cursor_, nObj); }
    // Starts carrying `what`, its top-left corner at (x, y); a scene piece's home is there.
    void StartCarrying(Carrying what, float x, float y);
    void MoveTo(float x, float y);
    void StopCarrying() { Set(carrying_, Carrying::Nothing); }
    // Object `nObj` left the table and the last one, `lastObj`, took its place: the cursor
    // follows the piece it is on, gone with it or to its new number.
    void ObjectRemoved(std::int32_t nObj, std::int32_t lastObj);
    // Everything forgotten, for a new scene.
    void Reset();

  private:
    static constexpr std::int32_t kNone = -1;

    std::int32_t cursor_ = kNone;
    Carrying carrying_ = Carrying::Nothing;
    float pointX_ = 0;
    float pointY_ = 0;
    std::int32_t homeX_ = 0;
    std::int32_t homeY_ = 0;
};

} // namespace tarvelo
