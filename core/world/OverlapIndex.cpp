#include "core/world/OverlapIndex.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace tarvelo {

namespace {

// How many cells of what size cover `extent` pixels with `margin` cells on either side, at most
// `maxCells` in all: the cell size, and the count.
std::pair<double, int> CellsFor(double extent, double minSize, int margin, int maxCells) {
    const int inner = maxCells - 2 * margin;
    const double size = std::max(minSize, extent / inner);
    const double count = std::ceil(extent / size) + 2 * margin;
    return {size, static_cast<int>(std::clamp(count, 1.0, static_cast<double>(maxCells)))};
}

int CellIndex(double coordinate, double origin, double perPixel, int count) {
    // Clamped first, so that what is left is positive and truncating it is flooring it.
    const double cell = (coordinate - origin) * perPixel;
    return cell < 1 ? 0 : (cell >= count - 1 ? count - 1 : static_cast<int>(cell));
}

} // namespace

int OverlapIndex::CellX(double x) const {
    return CellIndex(x, originX_, columnsPerPixel_, columns_);
}

int OverlapIndex::CellY(double y) const {
    return CellIndex(y, originY_, rowsPerPixel_, rows_);
}

OverlapIndex::CellRange OverlapIndex::CellsOf(const SceneObject& o) const {
    return {CellX(o.objX), CellX(static_cast<double>(o.objX) + o.objW), CellY(o.objY),
            CellY(static_cast<double>(o.objY) + o.objH)};
}

void OverlapIndex::Insert(const CellRange& range, std::int32_t nObj) {
    listed_[static_cast<std::size_t>(nObj)] = range;
    for (int cy = range.y0; cy <= range.y1; ++cy) {
        for (int cx = range.x0; cx <= range.x1; ++cx) {
            cells_[static_cast<std::size_t>(cy * columns_ + cx)].push_back(nObj);
        }
    }
}

void OverlapIndex::Erase(const CellRange& range, std::int32_t nObj) {
    // The order within a cell does not matter to any query.
    for (int cy = range.y0; cy <= range.y1; ++cy) {
        for (int cx = range.x0; cx <= range.x1; ++cx) {
            auto& cell = cells_[static_cast<std::size_t>(cy * columns_ + cx)];
            const auto it = std::find(cell.begin(), cell.end(), nObj);
            if (it != cell.end()) {
                *it = cell.back();
                cell.pop_back();
            }
        }
    }
}

void OverlapIndex::Build(const std::vector<SceneObject>& objects, std::int32_t count) {
    count_ = count;
    movedOutside_ = 0;
    // The area the objects cover, and cells over it with a margin for the moves to come.
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        const SceneObject& o = objects[static_cast<std::size_t>(i)];
        const double x1 = static_cast<double>(o.objX) + o.objW;
        const double y1 = static_cast<double>(o.objY) + o.objH;
        left = i == 1 ? o.objX : std::min<double>(left, o.objX);
        top = i == 1 ? o.objY : std::min<double>(top, o.objY);
        right = i == 1 ? x1 : std::max(right, x1);
        bottom = i == 1 ? y1 : std::max(bottom, y1);
    }
    std::tie(cellWidth_, columns_) =
        CellsFor(right - left, kMinCellSize, kMarginCells, kMaxColumns);
    std::tie(cellHeight_, rows_) = CellsFor(bottom - top, kMinCellSize, kMarginCells, kMaxRows);
    originX_ = left - kMarginCells * cellWidth_;
    originY_ = top - kMarginCells * cellHeight_;
    columnsPerPixel_ = 1 / cellWidth_;
    rowsPerPixel_ = 1 / cellHeight_;
    // The lists keep their storage from step to step.
    const auto cells = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    if (cells_.size() < cells) {
        cells_.resize(cells);
    }
    for (std::size_t c = 0; c < cells; ++c) {
        cells_[c].clear();
    }
    listed_.resize(static_cast<std::size_t>(count) + 1);
    for (std::int32_t i = 1; i <= count; ++i) {
        Insert(CellsOf(objects[static_cast<std::size_t>(i)]), i);
    }
    active_ = true;
}

void OverlapIndex::Clear() {
    active_ = false;
}

void OverlapIndex::NoteMoved(const std::vector<SceneObject>& objects, std::int32_t nObj) {
    if (active_ && nObj >= 1 && nObj <= count_) {
        const SceneObject& o = objects[static_cast<std::size_t>(nObj)];
        const bool inside =
            o.objX >= originX_ && o.objY >= originY_ &&
            o.objX + static_cast<double>(o.objW) <= originX_ + columns_ * cellWidth_ &&
            o.objY + static_cast<double>(o.objH) <= originY_ + rows_ * cellHeight_;
        movedOutside_ += inside ? 0 : 1;
        const CellRange now = CellsOf(o);
        const CellRange before = listed_[static_cast<std::size_t>(nObj)];
        if (now != before) {
            Erase(before, nObj);
            Insert(now, nObj);
        }
    }
}

void OverlapIndex::NoteAdded(const std::vector<SceneObject>& objects, std::int32_t nObj) {
    if (!active_) {
        return;
    }
    if (nObj != count_ + 1) {
        Clear(); // not the next number: built again when next needed
        return;
    }
    count_ = nObj;
    listed_.resize(static_cast<std::size_t>(count_) + 1);
    Insert(CellsOf(objects[static_cast<std::size_t>(nObj)]), nObj);
}

void OverlapIndex::NoteRemoving(std::int32_t nObj, std::int32_t lastObj) {
    if (!active_) {
        return;
    }
    if (lastObj != count_ || nObj < 1 || nObj > count_) {
        Clear();
        return;
    }
    Erase(listed_[static_cast<std::size_t>(nObj)], nObj);
    if (nObj != lastObj) {
        const CellRange last = listed_[static_cast<std::size_t>(lastObj)];
        Erase(last, lastObj);
        Insert(last, nObj);
    }
    --count_;
}

std::int32_t OverlapIndex::HighestOverlap(const std::vector<SceneObject>& objects,
                                          std::int32_t objIndex, double x, double y, double w,
                                          double h) const {
    std::int32_t result = -1;
    AnyOverlap(objects, x, y, x + w, y + h, [&](std::int32_t i) {
        if (i != objIndex && i > result) {
            result = i;
        }
        return false; // look at every one
    });
    return result;
}

} // namespace tarvelo
