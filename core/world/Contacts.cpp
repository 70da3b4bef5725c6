// Contacts between objects, overlap tests and moves of whole stacks.
#include "core/base/Numeric.h"
#include "core/world/Scene.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvelo {

namespace {

// A piece still rests on a support when its bottom edge is up to one pixel above the support's
// top edge: the band of rows counted as touching starts this many rows above that edge.
constexpr std::int64_t kContactTolerance = 3;

// Beyond this many shifts per object, sorting the list afresh is the quicker way.
constexpr std::size_t kInsertionSortShiftsPerObject = 4;

// 1 or 2 for a pan's number, 0 for anything else.
std::size_t PanIndex(std::int32_t pan) {
    return pan >= 1 && pan <= kPanCount ? static_cast<std::size_t>(pan) : 0;
}

// Positions are whole pixels, so a shift smaller than half a pixel moves nothing, however far it
// is handed on through a stack.
bool MovesNothing(double shiftX, double shiftY) {
    return std::fabs(shiftX) < 0.5 && std::fabs(shiftY) < 0.5;
}

} // namespace

void Scene::RefreshObjTopContact() {
    // Object j rests on the lowest-numbered object i that it touches: j's bottom row lies in the
    // band from just above i's top edge down to i's bottom edge, the two share a pixel column,
    // and j's top edge is strictly higher than i's. (Looking at every support i in turn, the
    // lowest-numbered first, and giving it each such j not yet taken, gives the same matrix.)
    //
    // Only objects whose top edge lies near j's bottom row can qualify, so the candidates are
    // looked up in a list ordered by top edge instead of going through the whole table.
    // The list holds each top edge beside its object's number, so that searching and sorting it
    // read one array in order rather than the whole table at random.
    std::int64_t tallest = 0;
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        tallest = std::max<std::int64_t>(tallest, obj(i).objH);
    }
    SortByTop();

    // Each piece is looked at from its own place in the list: its candidates lie just after it,
    // found by doubling steps rather than a search of the whole list. The supports found are
    // set in table order afterwards, which keeps each list of carried objects in table order.
    auto& supportFor = order_;
    supportFor.assign(static_cast<std::size_t>(objCount_) + 1, 0);
    const std::size_t listed = byTop_.size();
    for (std::size_t k = 0; k < listed; ++k) {
        const std::int32_t j = byTop_[k].index;
        const SceneObject& resting = obj(j);
        const std::int64_t lastRowJ = std::int64_t{resting.objY} + resting.objH - 1;
        const std::int64_t leftJ = resting.objX;
        const std::int64_t rightJ = std::int64_t{resting.objX} + resting.objW - 1;

        // Tops that can qualify: below j's top, above lastRowJ + kContactTolerance, and no more
        // than the tallest object's height above lastRowJ.
        const std::int64_t lowestTop = lastRowJ + kContactTolerance - 1;
        const std::int64_t highestTop =
            std::max(lastRowJ - tallest + 1, std::int64_t{resting.objY} + 1);
        std::size_t from = k + 1;
        std::size_t to = from;
        for (std::size_t step = 1; to < listed && byTop_[to].top < highestTop; step *= 2) {
            from = to + 1;
            to = from + step;
        }
        auto it = std::lower_bound(
            byTop_.begin() + static_cast<std::ptrdiff_t>(from),
            byTop_.begin() + static_cast<std::ptrdiff_t>(std::min(to, listed)), highestTop,
            [](const ObjectTop& entry, std::int64_t y) { return entry.top < y; });

        // The lowest-numbered support, and the lowest-numbered one on each pan's side.
        std::int32_t best = 0;
        std::array<std::int32_t, kPanCount + 1> bestOnPan{};
        for (; it != byTop_.end() && it->top <= lowestTop; ++it) {
            const std::int32_t i = it->index;
            if (i == j) {
                continue;
            }
            const SceneObject& support = obj(i);
            const std::int64_t topLimit = std::int64_t{support.objY} - kContactTolerance;
            const std::int64_t bottomI = std::int64_t{support.objY} + support.objH;
            const std::int64_t leftI = support.objX;
            const std::int64_t rightI = std::int64_t{support.objX} + support.objW - 1;

            const bool vertical = topLimit < lastRowJ && lastRowJ < bottomI;
            const bool horizontal = std::max(leftI, leftJ) <= std::min(rightI, rightJ);
            const bool higher = support.objY > resting.objY;
            if (vertical && horizontal && higher) {
                best = best == 0 ? i : std::min(best, i);
                auto& onPan = bestOnPan[static_cast<std::size_t>(PanIndex(support.objPan))];
                onPan = onPan == 0 ? i : std::min(onPan, i);
            }
        }
        // A piece standing on stacks of both pans stays with the pan it counted for: otherwise
        // the pans, moving apart, would hand it back and forth for ever.
        const std::size_t ownPan = PanIndex(resting.objPan);
        if (ownPan != 0 && bestOnPan[1] != 0 && bestOnPan[2] != 0) {
            best = bestOnPan[ownPan];
        }
        supportFor[static_cast<std::size_t>(j)] = best;
    }
    // A matrix that would come out as it is stays as it is.
    bool same = topContact_.UpperBound() == objCount_;
    for (std::int32_t j = 1; j <= objCount_ && same; ++j) {
        same = topContact_.SupportOf(j) == supportFor[static_cast<std::size_t>(j)];
    }
    if (!same) {
        NoteChange();
        topContact_.Resize(objCount_);
        for (std::int32_t j = 1; j <= objCount_; ++j) {
            if (supportFor[static_cast<std::size_t>(j)] != 0) {
                topContact_.Set(supportFor[static_cast<std::size_t>(j)], j);
            }
        }
    }

    // Which pan each object now counts for: supports lie strictly lower, so going from the
    // lowest top edge up finds every support's pan before the pieces it carries.
    for (auto it = byTop_.rbegin(); it != byTop_.rend(); ++it) {
        const std::int32_t support = topContact_.SupportOf(it->index);
        Set(object(it->index).objPan,
            it->index <= kPanCount ? it->index : (support != 0 ? obj(support).objPan : 0));
    }
}

void Scene::PlaceAt(std::int32_t nObj, std::int32_t x, std::int32_t y) {
    SceneObject& o = object(nObj);
    if (o.objX != x || o.objY != y) {
        Set(o.objX, x);
        Set(o.objY, y);
        overlapIndex_.NoteMoved(objects_, nObj);
    }
}

std::int32_t Scene::FindObjectByPosition(float mX, float mY) const {
    std::int32_t result = -1;
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        const SceneObject& o = obj(i);
        const double x = mX;
        const double y = mY;
        if (o.objX <= x && x <= static_cast<double>(o.objX) + o.objW && o.objY <= y &&
            y <= static_cast<double>(o.objY) + o.objH) {
            result = i;
        }
    }
    return result;
}

void Scene::SortByTop() {
    // A list of the table's length holds each object number once, whatever was added or removed
    // since: it keeps last step's order, which pieces moving a few pixels hardly change, and an
    // insertion sort puts it right in a pass or two. Sorted anew only when the order changed a
    // lot. Number breaks ties, so both ways give the same list.
    const auto n = static_cast<std::size_t>(objCount_);
    if (byTop_.size() != n) {
        byTop_.resize(n);
        for (std::size_t k = 0; k < n; ++k) {
            byTop_[k].index = static_cast<std::int32_t>(k + 1);
        }
    }
    for (ObjectTop& entry : byTop_) {
        entry.top = obj(entry.index).objY;
    }
    std::size_t shiftsLeft = kInsertionSortShiftsPerObject * n;
    for (std::size_t k = 1; k < n && shiftsLeft > 0; ++k) {
        const ObjectTop entry = byTop_[k];
        std::size_t at = k;
        for (; at > 0 && entry < byTop_[at - 1] && shiftsLeft > 0; --at, --shiftsLeft) {
            byTop_[at] = byTop_[at - 1];
        }
        byTop_[at] = entry;
    }
    if (shiftsLeft == 0) {
        std::sort(byTop_.begin(), byTop_.end());
    }
}

std::int32_t Scene::CheckOverlap(std::int32_t objIndex, double objX, double objY, double objW,
                                 double objH) const {
    if (overlapIndex_.Active()) {
        return overlapIndex_.HighestOverlap(objects_, objIndex, objX, objY, objW, objH);
    }
    // The highest-numbered object that overlaps: search from the top down.
    for (std::int32_t i = objCount_; i >= 1; --i) {
        if (i != objIndex && OverlapsBox(obj(i), objX, objY, objX + objW, objY + objH)) {
            return i;
        }
    }
    return -1;
}

void Scene::MoveObjects(std::int32_t nObj, double shiftX, double shiftY) {
    if (nObj < 1 || nObj > objCount_ || MovesNothing(shiftX, shiftY)) {
        return;
    }
    // The object itself, fixed or not.
    const SceneObject& o = obj(nObj);
    PlaceAt(nObj, RoundToInt32(o.objX + shiftX), RoundToInt32(o.objY + shiftY));

    // A level or upward move carries what rests on the object, as far as the matrix (built
    // before any later change of the table) knows; a downward move leaves it to fall.
    if (shiftY > 0) {
        return;
    }
    for (std::int32_t i : topContact_.Carried(nObj)) {
        if (i <= objCount_ && !obj(i).objFixed) {
            MoveObjects(i, shiftX, shiftY);
        }
    }
}

void Scene::Event_Jump_Up_All(std::int32_t held) {
    constexpr std::int32_t kJumpHeight = 300;
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        const SceneObject& o = obj(i);
        if (!o.objFixed) {
            PlaceAt(i, o.objX, RoundToInt32(static_cast<double>(o.objY) - kJumpHeight));
        }
    }
    // Nothing but the pans stays behind, so nothing new overlaps; whatever overlapped before
    // is put apart before it falls again.
    LiftClearOfOverlaps(kNoObject, held);
}

} // namespace tarvelo
