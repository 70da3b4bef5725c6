#include "scene/OverlapIndex.h"

#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {

double CellOf(double coordinate, int shift) {
    return std::floor(coordinate / (1 << shift));
}

} // namespace

int OverlapIndex::CellX(double x) const {
    const double cell = CellOf(x, kCellShift) - firstCellX_;
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(columns_ - 1)));
}

int OverlapIndex::CellY(double y) const {
    const double cell = CellOf(y, kCellShift) - firstCellY_;
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(rows_ - 1)));
}

void OverlapIndex::Insert(const SceneObject& o, std::int32_t nObj) {
    const int x0 = CellX(o.objX);
    const int x1 = CellX(static_cast<double>(o.objX) + o.objW);
    const int y0 = CellY(o.objY);
    const int y1 = CellY(static_cast<double>(o.objY) + o.objH);
    for (int cy = y0; cy <= y1; ++cy) {
        for (int cx = x0; cx <= x1; ++cx) {
            cells_[static_cast<std::size_t>(cy * columns_ + cx)].push_back(nObj);
        }
    }
}

void OverlapIndex::Build(const std::vector<SceneObject>& objects, std::int32_t count) {
    count_ = count;
    // The area the objects cover, in cells, with a margin for the moves to come.
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        const SceneObject& o = objects[static_cast<std::size_t>(i)];
        left = i == 1 ? o.objX : std::min<double>(left, o.objX);
        top = i == 1 ? o.objY : std::min<double>(top, o.objY);
        right = std::max(right, static_cast<double>(o.objX) + o.objW);
        bottom = std::max(bottom, static_cast<double>(o.objY) + o.objH);
    }
    firstCellX_ = static_cast<int>(std::max(CellOf(left, kCellShift) - kMarginCells, -1e9));
    firstCellY_ = static_cast<int>(std::max(CellOf(top, kCellShift) - kMarginCells, -1e9));
    columns_ =
        static_cast<int>(std::clamp(CellOf(right, kCellShift) - firstCellX_ + 1 + kMarginCells, 1.0,
                                    static_cast<double>(kMaxColumns)));
    rows_ = static_cast<int>(std::clamp(CellOf(bottom, kCellShift) - firstCellY_ + 1 + kMarginCells,
                                        1.0, static_cast<double>(kMaxRows)));
    // The lists keep their storage from step to step.
    const auto cells = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    if (cells_.size() < cells) {
        cells_.resize(cells);
    }
    for (std::size_t c = 0; c < cells; ++c) {
        cells_[c].clear();
    }
    for (std::int32_t i = 1; i <= count; ++i) {
        Insert(objects[static_cast<std::size_t>(i)], i);
    }
    active_ = true;
}

void OverlapIndex::Clear() {
    active_ = false;
}

void OverlapIndex::NoteMoved(const std::vector<SceneObject>& objects, std::int32_t nObj) {
    if (active_ && nObj >= 1 && nObj <= count_) {
        Insert(objects[static_cast<std::size_t>(nObj)], nObj);
    }
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
