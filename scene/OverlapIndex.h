// A grid of the objects' boxes that answers "which objects may overlap this box" quickly while
// the reality step moves pieces one after the other.
//
// It is built from the table at the start of the step's motion pass. Objects that move during the
// pass are noted and always tested at their present place; the grid is used only for the others,
// whose boxes have not changed since it was built. So a query finds exactly the objects that
// overlap, in any table.
#pragma once

#include "scene/SceneObject.h"

#include <cstdint>
#include <vector>

namespace tarvelo {

class OverlapIndex {
  public:
    // Indexes objects 1..count of `objects` and starts noting moves.
    void Build(const std::vector<SceneObject>& objects, std::int32_t count);
    // Stops using the grid; queries then fall back to the caller's own scan.
    void Clear();
    bool Active() const { return active_; }

    // Object `nObj` has moved since the grid was built.
    void NoteMoved(std::int32_t nObj);

    // The highest-numbered object other than `objIndex` whose box overlaps the given box with
    // positive area, or -1.
    std::int32_t HighestOverlap(const std::vector<SceneObject>& objects, std::int32_t objIndex,
                                double x, double y, double w, double h) const;

  private:
    // Cells of 64 pixels over a generous area around the scene; anything beyond it falls into the
    // border cells, which keeps every query right at some cost in speed.
    static constexpr int kCellShift = 6;
    static constexpr int kFirstCellX = -8;
    static constexpr int kLastCellX = 24;
    static constexpr int kFirstCellY = -40;
    static constexpr int kLastCellY = 16;
    static constexpr int kColumns = kLastCellX - kFirstCellX + 1;
    static constexpr int kRows = kLastCellY - kFirstCellY + 1;
    static int CellX(double x);
    static int CellY(double y);

    bool active_ = false;
    std::int32_t count_ = 0;
    std::vector<std::int32_t> cellStart_; // kColumns * kRows + 1 offsets into members_
    std::vector<std::int32_t> members_;
    std::vector<std::uint8_t> moved_;
    std::vector<std::int32_t> movedList_;
};

} // namespace tarvelo
