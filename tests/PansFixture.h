// A started scene whose pans are loaded piece by piece and settled on the virtual clock, and
// what each pan then carries: the fixture of the tests of moves on the pans.
#pragma once

#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tarvelo {

constexpr std::int64_t kSettleBudgetMs = 20000;
constexpr std::int32_t kColumnPitch = kCubeSize.width + 1;
constexpr std::int32_t kColumnsPerPan = kPanSize.width / kColumnPitch;
constexpr std::int32_t kAboveThePan = 2; // pieces start a little above where they land

constexpr PieceKind X = PieceKind::kX;
constexpr PieceKind Y = PieceKind::kY;
constexpr PieceKind S = PieceKind::kSmiley;
constexpr PieceKind C(std::int32_t n) {
    return *CubeBearing(n);
}

using Kinds = std::vector<PieceKind>;

// A started scene with X and Y given, and pieces put on the pans.
class Pans {
  public:
    explicit Pans(std::int32_t x = 3, std::int32_t y = 2) { m.scene.SetXYvalues(x, y); }

    // `left` and `right` side by side over their pans, one piece to a column.
    void Put(const Kinds& left, const Kinds& right) {
        PutSideBySide(kLeftPan, left);
        PutSideBySide(kRightPan, right);
        Settle();
    }
    // One column on `pan`, the first piece lowest.
    void Stack(std::int32_t pan, const Kinds& bottomUp) {
        std::int32_t bottom = m.scene.obj(pan).objY - kAboveThePan;
        for (const PieceKind kind : bottomUp) {
            const std::int32_t height = PictureSizeOfKind(kind)->height;
            m.AddObject(kind, m.scene.obj(pan).objX, bottom - height);
            bottom -= height + kAboveThePan;
        }
    }
    void Settle() { rested = SettleOnClock(h.clock, m, kSettleBudgetMs).rested; }

    // What `pan` carries, sorted.
    Kinds On(std::int32_t pan) const {
        Kinds kinds;
        for (std::int32_t i = kFirstPiece; i <= m.scene.objCount(); ++i) {
            if (m.scene.PanCarrying(i) == pan) {
                kinds.push_back(m.scene.obj(i).objKind);
            }
        }
        std::sort(kinds.begin(), kinds.end());
        return kinds;
    }
    // The pieces of `pan` bottom-up, as they lie in their column.
    Kinds ColumnOf(std::int32_t pan) const {
        std::vector<std::int32_t> pieces;
        for (std::int32_t i = kFirstPiece; i <= m.scene.objCount(); ++i) {
            if (m.scene.PanCarrying(i) == pan) {
                pieces.push_back(i);
            }
        }
        std::sort(pieces.begin(), pieces.end(),
                  [&](auto a, auto b) { return m.scene.obj(a).objY > m.scene.obj(b).objY; });
        Kinds kinds;
        for (const std::int32_t i : pieces) {
            kinds.push_back(m.scene.obj(i).objKind);
        }
        return kinds;
    }
    std::string Line() const { return m.equation.lblEquazione().Caption; }
    std::string Sign() const { return m.equation.lblComparison().Caption; }

    SceneHarness h;
    Model& m = h.model;
    bool rested = false;

  private:
    void PutSideBySide(std::int32_t pan, const Kinds& kinds) {
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const auto column = static_cast<std::int32_t>(i) % kColumnsPerPan;
            const auto level = static_cast<std::int32_t>(i) / kColumnsPerPan;
            const SceneObject& p = m.scene.obj(pan);
            m.AddObject(kinds[i], p.objX + column * kColumnPitch,
                        p.objY - (level + 1) * (kCubeSize.height + kAboveThePan));
        }
    }
};

inline Kinds Sorted(Kinds kinds) {
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

} // namespace tarvelo
