// The palette: dragging a copy of a piece into the scene, and the prompts for X and Y.
#include "core/base/Numeric.h"
#include "core/play/Model.h"

#include <optional>

namespace tarvelo {

namespace {

constexpr std::int32_t kHighestValue = 9;

// The value an answer gives X or Y: one whole number from 0 to 9, written in digits, blanks
// anywhere ignored. Anything else gives nothing.
std::optional<std::int32_t> UnknownValueFrom(const std::string& answer) {
    std::int32_t value = 0;
    bool digits = false;
    for (const char c : answer) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        digits = true;
        if (value > kHighestValue) {
            return std::nullopt;
        }
    }
    return digits ? std::optional<std::int32_t>(value) : std::nullopt;
}

} // namespace

void Model::img_MouseDown(PieceKind Index, int Button, int /*Shift*/, float X, float Y) {
    // A left press picks up a copy of the picture; it follows the pointer from the next tick.
    if (Button == kLeftButton) {
        const auto size = PictureSizeOfKind(Index);
        if (!size) {
            return;
        }
        keyboard.StopCarrying(); // the pointer takes over
        pointer.PickUp(Index, *size, RoundToInt32(X), RoundToInt32(Y));
        return;
    }

    // A right press on X or Y, in free mode only, asks for its value.
    if (Button == kRightButton && controls.programMode() == ProgramMode::Free && IsUnknown(Index)) {
        const std::string letter = Index == PieceKind::kX ? "X" : "Y";
        const std::int32_t current = Index == PieceKind::kX ? scene.xValue() : scene.yValue();
        const std::optional<std::string> answer =
            inputBox ? inputBox(letter, letter + " value\r\n(change or leave unchanged):",
                                std::to_string(current))
                     : std::nullopt;
        // Cancelled, nothing changes; an answer that is no value of X or Y is refused and said so.
        if (answer && !SetUnknownFromAnswer(Index, *answer) && unknownValueRefused) {
            unknownValueRefused(Index, *answer);
        }
    }
}

bool Model::SetUnknownFromAnswer(PieceKind unknownKind, const std::string& answer) {
    const std::optional<std::int32_t> value = UnknownValueFrom(answer);
    if (!value) {
        return false;
    }
    // Everything jumps and falls again, so that the balance weighs anew.
    BeginAction();
    scene.SetUnknownValue(unknownKind, *value, HeldPiece());
    return true;
}

void Model::dragImg_MouseMove(int Button, int Shift, float X, float Y) {
    dragImgInt_MouseMove(Button, Shift, X, Y);
}

void Model::dragImgInt_MouseMove(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
    // The first movement with no button held drops the copy; it becomes a piece only inside the
    // scene, that is below the scene's top edge.
    if (Button != 0 || !pointer.PutDown()) {
        return;
    }
    // Dropped where it overlaps other pieces, it goes on top of them before it falls.
    const ControlBox& copy = pointer.dragImgInt();
    if (copy.Top > 0 && HasPicture(pointer.dragKind())) {
        BeginAction();
    }
    if (copy.Top > 0 && AddObject(pointer.dragKind(), copy.Left, copy.Top) &&
        scene.LiftClearOfOverlaps(scene.objCount(), HeldPiece())) {
        RefreshObjects();
    }
}

} // namespace tarvelo
