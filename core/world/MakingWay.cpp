// Clearing the balance's way: a piece that counts for one pan and stands where the other pan's
// stack must pass slides back over its own pan, so that the pans always reach the tilt their
// loads call for and no piece is handed from pan to pan.
#include "core/base/Numeric.h"
#include "core/world/PlacementRules.h"
#include "core/world/Scene.h"

#include <cmath>
#include <optional>

namespace tarvelo {

namespace {

// The direction, -1 or +1, from a box's middle towards the middle of its pan.
int TowardsMiddleOf(const SceneObject& pan, const SceneObject& o) {
    const double panMiddle = pan.objX + pan.objW / 2.0;
    const double middle = o.objX + o.objW / 2.0;
    return panMiddle >= middle ? 1 : -1;
}

} // namespace

bool Scene::MakeWayForBalance(double leftShiftY, std::int32_t held) {
    OverlapIndexScope index(*this);
    bool moved = false;
    std::vector<std::int32_t> moving;
    std::vector<std::int32_t> obstacles;
    for (const auto& [pan, shiftY] : {std::pair{kLeftPan, leftShiftY}, {kRightPan, -leftShiftY}}) {
        obstacles.clear();
        if (!PanMoveObstacles(pan, shiftY, held, moving, &obstacles)) {
            continue;
        }
        for (std::int32_t j : obstacles) {
            moved = SlideOutOfTheWay(j, pan, shiftY, moving, held) || moved;
        }
    }
    if (moved) {
        // What a slid piece took along may now overlap something: it goes on top.
        LiftClearOfOverlaps(kNoObject, held);
    }
    return moved;
}

std::optional<std::int64_t> Scene::SlideTarget(std::int32_t j, double shiftY,
                                               const std::vector<std::int32_t>& moving,
                                               std::int32_t held) {
    const SceneObject& o = obj(j);
    const SceneObject& home = obj(o.objPan);
    const int direction = TowardsMiddleOf(home, o);
    // Wholly over its own pan, so that wherever it then falls it lands on that pan's pieces.
    const std::int64_t lowest = home.objX;
    const std::int64_t highest = std::int64_t{home.objX} + home.objW - o.objW;
    if (highest < lowest) {
        return std::nullopt;
    }

    // What stands on it goes along and stops nothing.
    auto& goesAlong = marks_;
    goesAlong.assign(static_cast<std::size_t>(objCount_) + 1, 0);
    order_.assign(1, j);
    goesAlong[static_cast<std::size_t>(j)] = 1;
    for (std::size_t k = 0; k < order_.size(); ++k) {
        for (std::int32_t c : topContact_.Carried(order_[k])) {
            if (c <= objCount_ && !goesAlong[static_cast<std::size_t>(c)]) {
                goesAlong[static_cast<std::size_t>(c)] = 1;
                order_.push_back(c);
            }
        }
    }

    // Step past whatever the slid box meets, in the one direction, until it meets nothing: the
    // moving stack as it will stand, with the rows where it would touch, and every other box.
    std::int64_t x = o.objX;
    const double top = o.objY;
    const double bottom = top + o.objH;
    for (std::int32_t guard = 0; guard <= objCount_ + 1; ++guard) {
        x = direction > 0 ? std::max(x, lowest) : std::min(x, highest);
        if (x < lowest || x > highest) {
            return std::nullopt;
        }
        const double left = static_cast<double>(x);
        const double right = left + o.objW;
        std::optional<std::int64_t> next;
        const auto passBy = [&](const SceneObject& b) {
            const std::int64_t beyond =
                direction > 0 ? std::int64_t{b.objX} + b.objW : std::int64_t{b.objX} - o.objW;
            next =
                next ? (direction > 0 ? std::max(*next, beyond) : std::min(*next, beyond)) : beyond;
        };
        for (std::int32_t m : moving) {
            const SceneObject& b = obj(m);
            const double bTop = RoundToInt32(b.objY + shiftY);
            if (left < b.objX + b.objW && b.objX < right && top < bTop + b.objH &&
                bTop - kTouchRows < bottom) {
                passBy(b);
            }
        }
        AnyObjectOverlapping(left, top, right, bottom, [&](std::int32_t i) {
            if (!goesAlong[static_cast<std::size_t>(i)] && i != held) {
                passBy(obj(i));
            }
            return false;
        });
        if (!next) {
            return x;
        }
        x = *next;
    }
    return std::nullopt;
}

bool Scene::SlideOutOfTheWay(std::int32_t j, std::int32_t nPan, double shiftY,
                             const std::vector<std::int32_t>& moving, std::int32_t held) {
    const SceneObject& o = obj(j);
    // Only a resting piece of the other pan yields. A falling piece passes by soon, and the
    // pans wait for it; nothing moves a fixed object or the held piece.
    if (o.objFixed || j == held || (o.objPan != kLeftPan && o.objPan != kRightPan) ||
        o.objPan == nPan) {
        return false;
    }
    const std::optional<std::int64_t> x = SlideTarget(j, shiftY, moving, held);
    if (!x || *x == o.objX) {
        return false;
    }
    MoveObjects(j, static_cast<double>(*x - o.objX), 0);
    return true;
}

} // namespace tarvelo
