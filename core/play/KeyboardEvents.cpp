// The keyboard: a copy carried in from the palette, the scene's cursor, a scene piece carried.
#include "core/base/Layout.h"
#include "core/play/Model.h"
#include "core/world/SceneNavigation.h"

#include <algorithm>

namespace tarvelo {

namespace {

// A Shift move: small enough to line a piece up by eye.
constexpr float kFineStep = 5;
// How far above the place where it would land a carried copy hovers, so that it is seen apart.
constexpr float kHoverGap = 8;
// A copy must lie below the scene's top edge to become a piece when dropped.
constexpr float kLowestHoverTop = 1;

std::optional<Direction> DirectionOf(Key key) {
    switch (key) {
    case Key::Left:
        return Direction::Left;
    case Key::Right:
        return Direction::Right;
    case Key::Up:
        return Direction::Up;
    case Key::Down:
        return Direction::Down;
    default:
        return std::nullopt;
    }
}

// Where an arrow takes a box of `width` x `height` with its top-left corner at (x, y): one step
// of its own size (or a fine step) that way, kept inside the scene.
std::pair<float, float> Stepped(Direction direction, bool fine, float x, float y,
                                std::int32_t width, std::int32_t height) {
    const auto stepX = fine ? kFineStep : static_cast<float>(width);
    const auto stepY = fine ? kFineStep : static_cast<float>(height);
    switch (direction) {
    case Direction::Left:
        x -= stepX;
        break;
    case Direction::Right:
        x += stepX;
        break;
    case Direction::Up:
        y -= stepY;
        break;
    case Direction::Down:
        y += stepY;
        break;
    }
    const auto rightmost = static_cast<float>(std::max(0, layout::kSceneWidth - width));
    const auto lowest = static_cast<float>(std::max(0, layout::kSceneHeight - height));
    return {std::clamp(x, 0.0f, rightmost), std::clamp(y, 0.0f, lowest)};
}

} // namespace

KeyboardPlay::Carrying Model::KeyboardCarrying() const {
    switch (keyboard.carrying()) {
    case KeyboardPlay::Carrying::Copy:
        return pointer.dragImgInt().Visible ? KeyboardPlay::Carrying::Copy
                                            : KeyboardPlay::Carrying::Nothing;
    case KeyboardPlay::Carrying::Piece:
        return HeldPiece() != kNoObject ? KeyboardPlay::Carrying::Piece
                                        : KeyboardPlay::Carrying::Nothing;
    case KeyboardPlay::Carrying::Nothing:
        break;
    }
    return KeyboardPlay::Carrying::Nothing;
}

bool Model::PaletteKey(PieceKind kind, Key key, bool fine) {
    if (KeyboardCarrying() == KeyboardPlay::Carrying::Copy) {
        return CopyKey(key, fine);
    }
    switch (key) {
    case Key::Activate: {
        // A copy picked up by its top-left corner, hovering over the left pan.
        const auto size = PictureSizeOfKind(kind);
        if (!size || KeyboardCarrying() != KeyboardPlay::Carrying::Nothing) {
            return false;
        }
        pointer.PickUp(kind, *size, 0, 0);
        const float x = OverPan(kLeftPan, size->width);
        keyboard.StartCarrying(KeyboardPlay::Carrying::Copy, x,
                               HoverTop(x, size->width, size->height));
        CarryTo(keyboard.pointX(), keyboard.pointY());
        Cue({Sound::PickUp});
        return true;
    }
    case Key::AskValue:
        // X and Y only, in free mode only.
        if (!IsUnknown(kind) || controls.programMode() != ProgramMode::Free) {
            return false;
        }
        AskUnknownValue(kind);
        return true;
    default:
        return false;
    }
}

bool Model::CopyKey(Key key, bool fine) {
    const ControlBox& copy = pointer.dragImgInt();
    float x = keyboard.pointX();
    if (const auto direction = DirectionOf(key)) {
        if (*direction == Direction::Up || *direction == Direction::Down) {
            return false;
        }
        x = Stepped(*direction, fine, x, keyboard.pointY(), copy.Width, copy.Height).first;
    } else if (key == Key::PageUp || key == Key::PageDown) {
        x = OverPan(key == Key::PageUp ? kLeftPan : kRightPan, copy.Width);
    } else if (key == Key::Activate) {
        // Dropped as the pointer drops it.
        keyboard.StopCarrying();
        const std::int32_t before = scene.objCount();
        DropCopy();
        if (scene.objCount() > before) {
            keyboard.PutCursorOn(scene.objCount());
        }
        return true;
    } else if (key == Key::Cancel) {
        keyboard.StopCarrying();
        pointer.PutDown();
        return true;
    } else {
        return false;
    }
    CarryTo(x, HoverTop(x, copy.Width, copy.Height));
    return true;
}

bool Model::SceneKey(Key key, bool fine) {
    if (KeyboardCarrying() == KeyboardPlay::Carrying::Piece) {
        return CarriedPieceKey(key, fine);
    }
    if (KeyboardCarrying() != KeyboardPlay::Carrying::Nothing) {
        return false;
    }
    return CursorKey(key);
}

bool Model::CursorKey(Key key) {
    const std::int32_t at = keyboard.cursor();
    const bool onPiece = at >= kFirstPiece && at <= scene.objCount() && !scene.obj(at).objFixed;
    if (const auto direction = DirectionOf(key)) {
        keyboard.PutCursorOn(NextPiece(scene, at, *direction));
        return keyboard.cursor() != kNoObject;
    }
    if (key == Key::Home || key == Key::End) {
        // The lowest piece of the leftmost column, or of the rightmost: from no piece the walk
        // starts at the leftmost, and End walks right until it can go no further.
        std::int32_t to = NextPiece(scene, kNoObject, Direction::Right);
        for (std::int32_t steps = 0; key == Key::End && steps < scene.objCount(); ++steps) {
            const std::int32_t next = NextPiece(scene, to, Direction::Right);
            if (next == to) {
                break;
            }
            to = next;
        }
        keyboard.PutCursorOn(to);
        return keyboard.cursor() != kNoObject;
    }
    if (!onPiece) {
        return false;
    }
    switch (key) {
    case Key::Activate: {
        // Held by its top-left corner, as the pointer holds a piece by where it grabbed it.
        const SceneObject& o = scene.obj(at);
        BeginAction(ActionOn(ActionVerb::Moved, at));
        pointer.Select(at, o);
        pointer.Grab(0, 0);
        keyboard.StartCarrying(KeyboardPlay::Carrying::Piece, static_cast<float>(o.objX),
                               static_cast<float>(o.objY));
        CarryTo(keyboard.pointX(), keyboard.pointY());
        Cue({Sound::PickUp});
        return true;
    }
    case Key::Delete: {
        // The cursor goes on to a neighbour, which the removal may renumber.
        std::int32_t next = NextPiece(scene, at, Direction::Right);
        if (next == at) {
            next = NextPiece(scene, at, Direction::Left);
        }
        if (next == at) {
            next = kNoObject;
        }
        if (RemovePiece(at, next)) {
            keyboard.PutCursorOn(next);
        }
        return true;
    }
    default:
        return false;
    }
}

bool Model::CarriedPieceKey(Key key, bool fine) {
    const std::int32_t held = HeldPiece();
    const SceneObject& o = scene.obj(held);
    if (const auto direction = DirectionOf(key)) {
        const auto [x, y] =
            Stepped(*direction, fine, keyboard.pointX(), keyboard.pointY(), o.objW, o.objH);
        CarryTo(x, y);
        return true;
    }
    switch (key) {
    case Key::PageUp:
    case Key::PageDown:
        CarryTo(OverPan(key == Key::PageUp ? kLeftPan : kRightPan, o.objW), keyboard.pointY());
        return true;
    case Key::Activate:
        PutDownCarriedPiece();
        return true;
    case Key::Cancel:
        // Back where it was, then let go there: across first, which carries what stands on it
        // back too, then down, which lets that follow by falling.
        CarryTo(static_cast<float>(keyboard.homeX()), keyboard.pointY());
        CarryTo(static_cast<float>(keyboard.homeX()), static_cast<float>(keyboard.homeY()));
        PutDownCarriedPiece();
        return true;
    case Key::Delete:
        keyboard.StopCarrying();
        return CursorKey(Key::Delete);
    default:
        return false;
    }
}

void Model::PutDownCarriedPiece() {
    keyboard.StopCarrying();
    LetGo();
}

void Model::KeyboardFocusLost() {
    switch (KeyboardCarrying()) {
    case KeyboardPlay::Carrying::Copy:
        CopyKey(Key::Cancel, false);
        break;
    case KeyboardPlay::Carrying::Piece:
        PutDownCarriedPiece();
        break;
    case KeyboardPlay::Carrying::Nothing:
        break;
    }
}

void Model::CarryTo(float x, float y) {
    keyboard.MoveTo(x, y);
    FollowPointer(x, y);
    const std::int32_t held = HeldPiece();
    if (held != kNoObject) {
        pointer.FrameHeld(scene.obj(held));
        RefreshObjects();
    }
}

float Model::OverPan(std::int32_t pan, std::int32_t width) const {
    const SceneObject& p = scene.obj(pan);
    return static_cast<float>(p.objX) + static_cast<float>(p.objW - width) / 2;
}

float Model::HoverTop(float x, std::int32_t width, std::int32_t height) const {
    const auto landing = static_cast<float>(LandingTop(scene, x, width, kNoObject));
    return std::max(kLowestHoverTop, landing - static_cast<float>(height) - kHoverGap);
}

} // namespace tarvelo
