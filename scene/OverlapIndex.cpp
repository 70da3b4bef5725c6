#include "scene/OverlapIndex.h"

#include <algorithm>
#include <cmath>

namespace tarvelo {

int OverlapIndex::CellX(double x) {
    const double cell = std::floor(x / (1 << kCellShift));
    return static_cast<int>(std::clamp(cell, double{kFirstCellX}, double{kLastCellX})) -
           kFirstCellX;
}

int OverlapIndex::CellY(double y) {
    const double cell = std::floor(y / (1 << kCellShift));
    return static_cast<int>(std::clamp(cell, double{kFirstCellY}, double{kLastCellY})) -
           kFirstCellY;
}

void OverlapIndex::Build(const std::vector<SceneObject>& objects, std::int32_t count) {
    count_ = count;
    moved_.assign(static_cast<std::size_t>(count) + 1, 0);
    movedList_.clear();

    // Count the objects per cell, then place them: every cell a box touches lists the object.
    cellStart_.assign(kColumns * kRows + 1, 0);
    const auto forEachCell = [&](const SceneObject& o, auto&& visit) {
        const int x0 = CellX(o.objX);
        const int x1 = CellX(static_cast<double>(o.objX) + o.objW);
        const int y0 = CellY(o.objY);
        const int y1 = CellY(static_cast<double>(o.objY) + o.objH);
        for (int cy = y0; cy <= y1; ++cy) {
            for (int cx = x0; cx <= x1; ++cx) {
                visit(cy * kColumns + cx);
            }
        }
    };
    for (std::int32_t i = 1; i <= count; ++i) {
        forEachCell(objects[static_cast<std::size_t>(i)],
                    [&](int cell) { ++cellStart_[cell + 1]; });
    }
    for (std::size_t c = 1; c < cellStart_.size(); ++c) {
        cellStart_[c] += cellStart_[c - 1];
    }
    members_.resize(static_cast<std::size_t>(cellStart_.back()));
    std::vector<std::int32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
    for (std::int32_t i = 1; i <= count; ++i) {
        forEachCell(objects[static_cast<std::size_t>(i)],
                    [&](int cell) { members_[static_cast<std::size_t>(fill[cell]++)] = i; });
    }
    active_ = true;
}

void OverlapIndex::Clear() {
    active_ = false;
}

void OverlapIndex::NoteMoved(std::int32_t nObj) {
    if (!active_ || nObj < 1 || nObj > count_) {
        return;
    }
    auto& flag = moved_[static_cast<std::size_t>(nObj)];
    if (!flag) {
        flag = 1;
        movedList_.push_back(nObj);
    }
}

std::int32_t OverlapIndex::HighestOverlap(const std::vector<SceneObject>& objects,
                                          std::int32_t objIndex, double x, double y, double w,
                                          double h) const {
    const double ax1 = x + w;
    const double ay1 = y + h;
    std::int32_t result = -1;
    const auto consider = [&](std::int32_t i) {
        if (i > result && i != objIndex &&
            OverlapsBox(objects[static_cast<std::size_t>(i)], x, y, ax1, ay1)) {
            result = i;
        }
    };

    // Objects still where the grid saw them.
    const int x0 = CellX(x);
    const int x1 = CellX(ax1);
    const int y0 = CellY(y);
    const int y1 = CellY(ay1);
    for (int cy = y0; cy <= y1; ++cy) {
        for (int cx = x0; cx <= x1; ++cx) {
            const int cell = cy * kColumns + cx;
            for (std::int32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const std::int32_t i = members_[static_cast<std::size_t>(k)];
                if (!moved_[static_cast<std::size_t>(i)]) {
                    consider(i);
                }
            }
        }
    }
    // Objects that moved since, at their present place.
    for (std::int32_t i : movedList_) {
        consider(i);
    }
    return result;
}

} // namespace tarvelo
