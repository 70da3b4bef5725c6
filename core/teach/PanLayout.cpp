// Setting pieces out over the pans: the pans' places come from a fresh scene, the columns from
// the size of a cube.
#include "core/teach/PanLayout.h"

#include "core/world/Scene.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr std::int32_t kColumnGap = 1; // neighbouring columns share no pixel column
constexpr std::int32_t kColumnPitch = kCubeSize.width + kColumnGap;
constexpr std::int32_t kColumnsPerPan = kPanSize.width / kColumnPitch;

// Where the pans stand in a fresh scene: centred in their halves, on the level line.
std::array<SceneObject, 2> PansOfFreshScene() {
    Scene scene;
    scene.ResetToPans();
    scene.PutPansOnLevelLine();
    scene.CentrePans();
    return {scene.obj(kLeftPan), scene.obj(kRightPan)};
}

float MassOf(PieceKind kind, std::int32_t x, std::int32_t y) {
    if (kind == PieceKind::kX) {
        return static_cast<float>(x);
    }
    if (kind == PieceKind::kY) {
        return static_cast<float>(y);
    }
    return static_cast<float>(NumberValueOf(kind));
}

// The pieces of one pan in columns centred over it, filled layer by layer.
void SetOut(const SceneObject& pan, const std::vector<PieceKind>& kinds, std::int32_t x,
            std::int32_t y, std::vector<ProblemPiece>& out) {
    const auto count = static_cast<std::int32_t>(kinds.size());
    const std::int32_t used = std::min(count, kColumnsPerPan);
    const std::int32_t first = (kColumnsPerPan - used) / 2;
    std::array<std::int32_t, kColumnsPerPan> tops{};
    tops.fill(pan.objY);
    for (std::int32_t i = 0; i < count; ++i) {
        const PieceKind kind = kinds[static_cast<std::size_t>(i)];
        const std::int32_t column = first + i % used;
        const std::int32_t height = PictureSizeOfKind(kind).value_or(kCubeSize).height;
        std::int32_t& top = tops[static_cast<std::size_t>(column)];
        top -= height;
        out.push_back({pan.objX + column * kColumnPitch, top, MassOf(kind, x, y), kind});
    }
}

} // namespace

std::optional<Problem> ProblemOnPans(const PanPieces& pieces, std::int32_t x, std::int32_t y) {
    for (const std::vector<PieceKind>& kinds : pieces) {
        if (static_cast<std::int32_t>(kinds.size()) > kColumnsPerPan * kMostLayers) {
            return std::nullopt;
        }
    }
    const std::array<SceneObject, 2> pans = PansOfFreshScene();
    Problem problem{x, y, {}};
    for (std::size_t pan = 0; pan < pans.size(); ++pan) {
        SetOut(pans[pan], pieces[pan], x, y, problem.pieces);
    }
    return problem;
}

} // namespace tarvelo
