// A grid of the objects' boxes that answers "which objects may overlap this box" quickly while
// the reality step moves pieces one after the other.
//
// It is built from the table once and then kept from step to step: every move, every object added
// and every object removed is noted, and an object whose box enters other cells is taken out of
// the old ones and listed in the new ones. Every object is thus listed in exactly the cells its
// present box touches, and a query tests the present boxes of the objects it finds there: it
// finds exactly the objects that overlap. Most moves stay within the cells they started in and
// cost one comparison.
#pragma once

#include "core/world/SceneObject.h"

#include <cstdint>
#include <vector>

namespace tarvelo {

class OverlapIndex {
  public:
    OverlapIndex() = default;
    // A copy of a scene starts without a grid, which is built when next needed: the grid is a
    // cache of the table, and copying its cells would make every kept copy of a scene large.
    OverlapIndex(const OverlapIndex& /*other*/) {}
    OverlapIndex& operator=(const OverlapIndex& /*other*/) {
        Clear();
        return *this;
    }
    ~OverlapIndex() = default;

    // Indexes objects 1..count of `objects` and starts noting moves.
    void Build(const std::vector<SceneObject>& objects, std::int32_t count);
    // Stops using the grid; queries then fall back to the caller's own scan.
    void Clear();
    bool Active() const { return active_; }

    // Object `nObj` has moved to the box given by its present fields.
    void NoteMoved(const std::vector<SceneObject>& objects, std::int32_t nObj);
    // Object `nObj` has been appended to the table.
    void NoteAdded(const std::vector<SceneObject>& objects, std::int32_t nObj);
    // Object `nObj` is about to leave the table, and the last one, `lastObj`, to take its place.
    void NoteRemoving(std::int32_t nObj, std::int32_t lastObj);

    // True once so many moves have gone beyond the area the grid was built over that its border
    // cells grow crowded: building it again keeps the lookups short.
    bool Outgrown() const { return movedOutside_ > kOutgrownMoves; }

    // The highest-numbered object other than `objIndex` whose box overlaps the given box with
    // positive area, or -1.
    std::int32_t HighestOverlap(const std::vector<SceneObject>& objects, std::int32_t objIndex,
                                double x, double y, double w, double h) const;

    // Whether `accept(i)` holds for some object i whose box overlaps the box from (x0, y0) to
    // (x1, y1) with positive area. An object listed in several cells may be offered more than
    // once.
    template <typename Accept>
    bool AnyOverlap(const std::vector<SceneObject>& objects, double x0, double y0, double x1,
                    double y1, Accept&& accept) const {
        const int cx0 = CellX(x0);
        const int cx1 = CellX(x1);
        const int cy0 = CellY(y0);
        const int cy1 = CellY(y1);
        for (int cy = cy0; cy <= cy1; ++cy) {
            for (int cx = cx0; cx <= cx1; ++cx) {
                for (std::int32_t i : cells_[static_cast<std::size_t>(cy * columns_ + cx)]) {
                    if (OverlapsBox(objects[static_cast<std::size_t>(i)], x0, y0, x1, y1) &&
                        accept(i)) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

  private:
    // Cells of at least 64 pixels over the area the objects cover when the grid is built, with
    // a margin around it; a wide or tall scene gets larger cells rather than more than so many
    // each way, so that a column of thousands still spreads over the rows. Anything beyond falls
    // into the border cells, which keeps every query right at some cost in speed.
    static constexpr double kMinCellSize = 64;
    static constexpr int kMarginCells = 4;
    static constexpr int kMaxColumns = 256;
    static constexpr int kMaxRows = 1024;
    static constexpr std::int32_t kOutgrownMoves = 256;
    // The cells a box touches, first and last each way.
    struct CellRange {
        int x0, x1, y0, y1;
        bool operator==(const CellRange&) const = default;
    };
    int CellX(double x) const;
    int CellY(double y) const;
    CellRange CellsOf(const SceneObject& o) const;
    void Insert(const CellRange& range, std::int32_t nObj);
    void Erase(const CellRange& range, std::int32_t nObj);

    bool active_ = false;
    std::int32_t count_ = 0;
    double originX_ = 0; // the grid's top-left corner
    double originY_ = 0;
    double cellWidth_ = kMinCellSize;
    double cellHeight_ = kMinCellSize;
    double columnsPerPixel_ = 1 / kMinCellSize;
    double rowsPerPixel_ = 1 / kMinCellSize;
    int columns_ = 1;
    int rows_ = 1;
    std::int32_t movedOutside_ = 0;
    std::vector<std::vector<std::int32_t>> cells_; // columns_ * rows_ lists of object numbers
    std::vector<CellRange> listed_;                // where each object is listed, by number
};

} // namespace tarvelo
