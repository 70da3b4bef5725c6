// The palette: picking up a copy of a piece and dropping it into the scene, and the prompts for
// X and Y.
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

void Model::PickUpCopy(PieceKind kind, std::int32_t grabX, std::int32_t grabY) {
    const auto size = PictureSizeOfKind(kind);
    if (!size) {
        return;
    }
    keyboard.StopCarrying(); // the pointer takes over
    pointer.PickUp(kind, *size, grabX, grabY);
    Cue({Sound::PickUp});
}

void Model::AskUnknownValue(PieceKind kind) {
    // In free play only: a problem's unknowns stay hidden.
    if (controls.programMode() != ProgramMode::Free || !IsUnknown(kind)) {
        return;
    }
    const std::string letter = kind == PieceKind::kX ? "X" : "Y";
    const std::int32_t current = kind == PieceKind::kX ? scene.xValue() : scene.yValue();
    const std::optional<std::string> answer =
        inputBox
            ? inputBox(letter,
                       letter + " value\r\n(change or leave unchanged):", std::to_string(current))
            : std::nullopt;
    // Cancelled, nothing changes; an answer that is no value of X or Y is refused and said so.
    if (answer && !SetUnknown(kind, *answer) && unknownValueRefused) {
        unknownValueRefused(kind, *answer);
    }
}

bool Model::SetUnknown(PieceKind unknownKind, const std::string& answer) {
    const std::optional<std::int32_t> value = UnknownValueFrom(answer);
    if (!value) {
        return false;
    }
    // Everything jumps and falls again, so that the balance weighs anew.
    BeginAction({ActionVerb::ValueSet, unknownKind});
    scene.SetUnknownValue(unknownKind, *value, HeldPiece());
    return true;
}

void Model::DropCopy() {
    // It becomes a piece only inside the scene, that is below the scene's top edge.
    if (!pointer.PutDown()) {
        return;
    }
    // Dropped where it overlaps other pieces, it goes on top of them before it falls.
    const ControlBox& copy = pointer.dragImgInt();
    const PieceKind kind = pointer.dragKind();
    const bool becomesPiece = copy.Top > 0 && HasPicture(kind);
    const std::int32_t twinPan = becomesPiece ? TwinPan(kind, copy.Left) : 0;
    if (becomesPiece) {
        BeginAction({twinPan != 0 ? ActionVerb::AddedToBoth : ActionVerb::Dropped, kind});
    }
    if (copy.Top > 0 && AddObject(kind, copy.Left, copy.Top) &&
        scene.LiftClearOfOverlaps(scene.objCount(), HeldPiece())) {
        RefreshObjects();
    }
    if (twinPan != 0) {
        DropTwin(twinPan, kind);
    }
}

} // namespace tarvelo
