// The contact rule's literal loops.
#include "core/testing/LiteralContacts.h"

#include "core/world/Scene.h"

#include <algorithm>
#include <cstdint>

namespace tarvelo {

std::vector<std::vector<bool>> LiteralContacts(const Scene& scene) {
    constexpr std::int64_t kTouchBand = 3; // rows above the support's top edge that still touch
    const std::int32_t count = scene.objCount();
    const auto n = static_cast<std::size_t>(count);
    std::vector<std::vector<bool>> top(n + 1, std::vector<bool>(n + 1, false));
    for (std::int32_t i = 1; i <= count; ++i) {
        const SceneObject& a = scene.obj(i);
        const std::int64_t topLimit = std::int64_t{a.objY} - kTouchBand;
        const std::int64_t bottomI = std::int64_t{a.objY} + a.objH;
        const std::int64_t leftI = a.objX;
        const std::int64_t rightI = std::int64_t{a.objX} + a.objW - 1;
        for (std::int32_t j = 1; j <= count; ++j) {
            if (j == i) {
                continue;
            }
            const SceneObject& b = scene.obj(j);
            const std::int64_t lastRowJ = std::int64_t{b.objY} + b.objH - 1;
            const std::int64_t leftJ = b.objX;
            const std::int64_t rightJ = std::int64_t{b.objX} + b.objW - 1;
            const bool vertical = topLimit < lastRowJ && lastRowJ < bottomI;
            const bool horizontal = std::max(leftI, leftJ) <= std::min(rightI, rightJ);
            if (!vertical || !horizontal || a.objY <= b.objY) {
                continue;
            }
            bool taken = false;
            for (std::size_t k = 1; k <= n && !taken; ++k) {
                taken = top[k][static_cast<std::size_t>(j)];
            }
            if (!taken) {
                top[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = true;
            }
        }
    }
    return top;
}

} // namespace tarvelo
