// The sizes of the pieces' pictures.
#include "core/world/SceneObject.h"

namespace tarvelo {

std::optional<PictureSize> PictureSizeOfKind(PieceKind objKind) {
    switch (objKind) {
    case PieceKind::kPan:
        return kPanSize;
    case PieceKind::kOne:
    case PieceKind::kTwo:
    case PieceKind::kThree:
    case PieceKind::kFour:
    case PieceKind::kFive:
    case PieceKind::kSix:
    case PieceKind::kSeven:
    case PieceKind::kEight:
    case PieceKind::kNine:
    case PieceKind::kZero:
    case PieceKind::kX:
    case PieceKind::kY:
        return kCubeSize;
    case PieceKind::kSmiley:
        return kSmileySize;
    }
    // A value cast from a number that no kind has.
    return std::nullopt;
}

} // namespace tarvelo
