// Keeping boxes apart: no piece falls into or through a lower object, a piece put down where it
// overlaps others is lifted on top of them, and a pan does not push into what it does not carry.
//
// Together these keep one rule: outside a drag, no two boxes overlap. A scene that never breaks
// it runs exactly as the plain falling rules say, for there a falling piece can only ever run
// into objects whose top edge lies lower than its own, and only into one it reaches.
#include "core/base/Numeric.h"
#include "core/world/PlacementRules.h"
#include "core/world/Scene.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>

namespace tarvelo {

bool Scene::FallBlocked(std::int32_t nObj, double newY) const {
    const SceneObject& o = obj(nObj);
    // Most pieces stand still right on the object they rested on at the last step, which then
    // blocks them again: checking that object first spares the search (and, in the plain mode
    // the tests compare against, is left out).
    const std::int32_t support = topContact_.SupportOf(nObj);
    if (useOverlapIndex_ && newY > o.objY && support >= 1 && support <= objCount_) {
        const SceneObject& s = obj(support);
        if (std::int64_t{s.objY} == std::int64_t{o.objY} + o.objH &&
            std::max(s.objX, o.objX) < std::min<std::int64_t>(std::int64_t{s.objX} + s.objW,
                                                              std::int64_t{o.objX} + o.objW)) {
            return true;
        }
    }
    // The whole way down, not just the box at the new height: a fast piece would otherwise
    // jump over a pan thinner than its step.
    const double top = std::min<double>(o.objY, newY);
    const double bottom = std::max<double>(o.objY, newY) + o.objH;
    return AnyObjectOverlapping(o.objX, top, static_cast<double>(o.objX) + o.objW, bottom,
                                [&](std::int32_t j) { return j != nObj && obj(j).objY > o.objY; });
}

bool Scene::LiftClearOfOverlaps(std::int32_t placed, std::int32_t held) {
    OverlapIndexScope index(*this);
    if (placed == held || placed < 1 || placed > objCount_ || obj(placed).objFixed) {
        placed = -1;
    }

    // Fixed objects stay where they are; the free pieces are settled from the lowest bottom
    // edge up, each against what is settled already, so a piece that has to make room goes on
    // top and never pushes a lower one down. The placed piece comes last of all.
    auto& settled = marks_;
    settled.assign(static_cast<std::size_t>(objCount_) + 1, 0);
    order_.clear();
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        if (obj(i).objFixed) {
            settled[static_cast<std::size_t>(i)] = 1;
        } else if (i != held && i != placed) {
            order_.push_back(i);
        }
    }
    // Pieces with the same bottom edge come together when their boxes are the same.
    const auto boxOf = [this](std::int32_t i) {
        const SceneObject& o = obj(i);
        return std::tuple{-(std::int64_t{o.objY} + o.objH), o.objX, o.objW, o.objH};
    };
    std::stable_sort(order_.begin(), order_.end(),
                     [&](std::int32_t a, std::int32_t b) { return boxOf(a) < boxOf(b); });
    if (placed != -1) {
        order_.push_back(placed);
    }

    bool moved = false;
    std::optional<SceneObject> twin; // the piece settled last, as it was before, and its top now
    std::int32_t twinTop = 0;
    for (std::int32_t p : order_) {
        SceneObject& o = object(p);
        const SceneObject before = o;
        // A piece where the one before it was, the same size, would climb past everything that
        // one climbed past, and then it: it starts on top of that one. (The plain mode the tests
        // compare against climbs all the way.)
        if (useOverlapIndex_ && twin && twin->objX == o.objX && twin->objY == o.objY &&
            twin->objW == o.objW && twin->objH == o.objH) {
            o.objY = RoundToInt32(static_cast<double>(twinTop) - o.objH);
        }
        // Straight up onto the highest top edge among the settled objects it overlaps, again
        // until it overlaps none; each lift leaves one more object below it for good.
        for (;;) {
            double highestTop = std::numeric_limits<double>::infinity();
            AnyObjectOverlapping(o.objX, o.objY, static_cast<double>(o.objX) + o.objW,
                                 static_cast<double>(o.objY) + o.objH, [&](std::int32_t j) {
                                     if (j != p && settled[static_cast<std::size_t>(j)]) {
                                         highestTop = std::min<double>(highestTop, obj(j).objY);
                                     }
                                     return false;
                                 });
            if (highestTop == std::numeric_limits<double>::infinity()) {
                break;
            }
            o.objY = RoundToInt32(highestTop - o.objH);
        }
        if (o.objY != before.objY) {
            NoteChange();
            o.objVY = 0;
            overlapIndex_.NoteMoved(objects_, p);
            index.RebuildIfOutgrown();
            moved = true;
        }
        settled[static_cast<std::size_t>(p)] = 1;
        twin = before;
        twinTop = o.objY;
    }
    return moved;
}

bool Scene::BalanceMoveCollides(double leftShiftY, std::int32_t held) {
    OverlapIndexScope index(*this); // one grid for both pans
    return PanMoveCollides(kLeftPan, leftShiftY, held) ||
           PanMoveCollides(kRightPan, -leftShiftY, held);
}

bool Scene::PanMoveCollides(std::int32_t nPan, double shiftY, std::int32_t held) {
    std::vector<std::int32_t> moving;
    return PanMoveObstacles(nPan, shiftY, held, moving, nullptr);
}

bool Scene::PanMoveObstacles(std::int32_t nPan, double shiftY, std::int32_t held,
                             std::vector<std::int32_t>& moving,
                             std::vector<std::int32_t>* obstacles) {
    moving.clear();
    if (nPan < 1 || nPan > objCount_) {
        return false;
    }
    OverlapIndexScope index(*this);
    // What the move takes along: the pan, and on a level or upward move everything the contacts
    // say it carries, as far as MoveObjects will follow them.
    auto& isMoving = marks_;
    isMoving.assign(static_cast<std::size_t>(objCount_) + 1, 0);
    moving.push_back(nPan);
    isMoving[static_cast<std::size_t>(nPan)] = 1;
    for (std::size_t k = 0; k < moving.size() && shiftY <= 0; ++k) {
        for (std::int32_t c : topContact_.Carried(moving[k])) {
            if (c <= objCount_ && !obj(c).objFixed && !isMoving[static_cast<std::size_t>(c)]) {
                isMoving[static_cast<std::size_t>(c)] = 1;
                moving.push_back(c);
            }
        }
    }

    // Anything else in the way of a moved box stops the move. So does a piece that counts for
    // the other pan when a rising stack would come to touch it from below: it would rest on
    // both pans at once, and whichever it then went with, the pans would swing back and hand it
    // over again. The held piece goes where the pointer takes it and stops nothing.
    const double touchBand = shiftY <= 0 ? kTouchRows : 0;
    bool stopped = false;
    for (std::int32_t m : moving) {
        const SceneObject& o = obj(m);
        const double top = RoundToInt32(o.objY + shiftY);
        const double left = o.objX;
        const double right = left + o.objW;
        const double bottom = top + o.objH;
        const auto inTheWay = [&](std::int32_t j) {
            if (isMoving[static_cast<std::size_t>(j)] || j == held) {
                return false;
            }
            const SceneObject& other = obj(j);
            if (!OverlapsBox(other, left, top, right, bottom) &&
                !(other.objPan != 0 && other.objPan != nPan && other.objY < top)) {
                return false;
            }
            stopped = true;
            if (obstacles == nullptr) {
                return true; // one is enough
            }
            obstacles->push_back(j);
            return false;
        };
        if (AnyObjectOverlapping(left, top - touchBand, right, bottom, inTheWay)) {
            return true;
        }
    }
    if (obstacles != nullptr) {
        // The grid may meet one object in several cells.
        std::sort(obstacles->begin(), obstacles->end());
        obstacles->erase(std::unique(obstacles->begin(), obstacles->end()), obstacles->end());
    }
    return stopped;
}

} // namespace tarvelo
