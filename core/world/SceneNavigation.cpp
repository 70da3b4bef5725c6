// The keyboard's way among the pieces, and where a piece let go would land.
#include "core/world/SceneNavigation.h"

#include "core/world/Scene.h"

#include <algorithm>
#include <optional>

namespace tarvelo {

namespace {

double CentreX(const SceneObject& o) {
    return o.objX + o.objW / 2.0;
}

double CentreY(const SceneObject& o) {
    return o.objY + o.objH / 2.0;
}

// Whether the two boxes share a pixel column: then they stand in one column.
bool SameColumn(const SceneObject& a, const SceneObject& b) {
    return std::max(a.objX, b.objX) <
           std::min(std::int64_t{a.objX} + a.objW, std::int64_t{b.objX} + b.objW);
}

bool IsPiece(const Scene& scene, std::int32_t i) {
    return i >= kFirstPiece && i <= scene.objCount() && !scene.obj(i).objFixed;
}

// The piece for which `better(candidate, best)` holds against every other one of those
// `accept` lets through; lower numbers win ties.
template <typename Accept, typename Better>
std::optional<std::int32_t> Best(const Scene& scene, Accept&& accept, Better&& better) {
    std::optional<std::int32_t> best;
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        if (IsPiece(scene, i) && accept(scene.obj(i)) && (!best || better(i, *best))) {
            best = i;
        }
    }
    return best;
}

// The lowest piece of the column piece `top` stands in, among those `accept` lets through.
template <typename Accept>
std::int32_t LowestOfColumn(const Scene& scene, std::int32_t top, Accept&& accept) {
    const SceneObject& column = scene.obj(top);
    return Best(
               scene, [&](const SceneObject& o) { return accept(o) && SameColumn(o, column); },
               [&](std::int32_t a, std::int32_t b) {
                   return CentreY(scene.obj(a)) > CentreY(scene.obj(b));
               })
        .value_or(top);
}

} // namespace

std::int32_t NextPiece(const Scene& scene, std::int32_t from, Direction direction) {
    const auto anyPiece = [](const SceneObject&) { return true; };
    if (!IsPiece(scene, from)) {
        // The leftmost column, from its lowest piece.
        const auto leftmost = Best(scene, anyPiece, [&](std::int32_t a, std::int32_t b) {
            return CentreX(scene.obj(a)) < CentreX(scene.obj(b));
        });
        return leftmost ? LowestOfColumn(scene, *leftmost, anyPiece) : kNoObject;
    }
    const SceneObject& here = scene.obj(from);
    const double x = CentreX(here);
    const double y = CentreY(here);
    std::optional<std::int32_t> next;
    switch (direction) {
    case Direction::Left:
    case Direction::Right: {
        const double side = direction == Direction::Right ? 1 : -1;
        const auto onThatSide = [&](const SceneObject& o) {
            return !SameColumn(o, here) && (CentreX(o) - x) * side > 0;
        };
        next = Best(scene, onThatSide, [&](std::int32_t a, std::int32_t b) {
            return (CentreX(scene.obj(a)) - x) * side < (CentreX(scene.obj(b)) - x) * side;
        });
        if (next) {
            next = LowestOfColumn(scene, *next, onThatSide);
        }
        break;
    }
    case Direction::Up:
    case Direction::Down: {
        const double side = direction == Direction::Down ? 1 : -1;
        next = Best(
            scene,
            [&](const SceneObject& o) {
                return SameColumn(o, here) && (CentreY(o) - y) * side > 0;
            },
            [&](std::int32_t a, std::int32_t b) {
                return (CentreY(scene.obj(a)) - y) * side < (CentreY(scene.obj(b)) - y) * side;
            });
        break;
    }
    }
    return next.value_or(from);
}

StackPlace PlaceInStack(const Scene& scene, std::int32_t nObj) {
    std::int32_t level = 0;
    // Supports lie strictly lower, so the way down ends; the bound only guards a broken matrix.
    for (std::int32_t at = nObj; at >= 1 && at <= scene.objCount() && level <= scene.objCount();
         ++level) {
        if (at == kLeftPan || at == kRightPan) {
            return {at, level};
        }
        at = scene.topContact().SupportOf(at);
    }
    return {};
}

std::int32_t LandingObject(const Scene& scene, double left, std::int32_t width,
                           std::int32_t ignored) {
    std::int32_t found = -1;
    for (std::int32_t i = 1; i <= scene.objCount(); ++i) {
        const SceneObject& o = scene.obj(i);
        const bool below = std::max<double>(o.objX, left) <
                           std::min<double>(std::int64_t{o.objX} + o.objW, left + width);
        // The highest top; of equal ones the lowest-numbered, as the contacts choose.
        if (i != ignored && below && (found == -1 || o.objY < scene.obj(found).objY)) {
            found = i;
        }
    }
    return found;
}

std::int32_t LandingTop(const Scene& scene, double left, std::int32_t width, std::int32_t ignored) {
    const std::int32_t found = LandingObject(scene, left, width, ignored);
    return found == -1 ? scene.LevelLine() : scene.obj(found).objY;
}

std::int32_t LandingPan(const Scene& scene, double left, std::int32_t width, std::int32_t ignored) {
    const std::int32_t found = LandingObject(scene, left, width, ignored);
    if (found == kLeftPan || found == kRightPan) {
        return found;
    }
    return found == -1 ? 0 : PlaceInStack(scene, found).pan;
}

} // namespace tarvelo
