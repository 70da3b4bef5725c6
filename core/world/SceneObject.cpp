#include "core/world/SceneObject.h"

namespace tarvelo {

std::optional<PictureSize> PictureSizeOfKind(std::int32_t objKind) {
    if (objKind == kind::kPan) {
        return kPanSize;
    }
    if (objKind >= kind::kFirstDigit && objKind <= kind::kY) {
        return kCubeSize;
    }
    if (objKind == kind::kSmiley) {
        return kSmileySize;
    }
    return std::nullopt;
}

} // namespace tarvelo
