// The scene's surface and the level line of its pans.
#include "core/world/Scene.h"

#include "core/base/Layout.h"
#include "core/base/Numeric.h"

namespace tarvelo {

namespace {

constexpr double kLevelLineShare = 0.7; // the pans' level line, as a share of the scene height

} // namespace

Scene::Scene() : objects_(1), pictDraw_{0, 0, layout::kSceneWidth, layout::kSceneHeight} {}

std::int32_t Scene::LevelLine() const {
    return RoundToInt32(pictDraw_.ScaleTop + kLevelLineShare * pictDraw_.ScaleHeight);
}

} // namespace tarvelo
