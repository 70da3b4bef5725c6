// The reality step: pieces falling, stacking, leaving the scene, and the overlap grid.
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace tarvelo {
namespace {

// The started scene: pans at x 30 and 504 on the level line 292; the gap between them lies at
// x 445 to 503, where nothing stops a falling piece.
constexpr std::int32_t kGapX = 452;
constexpr std::int32_t kAboveLeftPan = 100;

class RealityStepTest : public ::testing::Test {
  protected:
    SceneHarness h;
    Model& m = h.model;
    // Steps of the falling simulation alone, without the balance moving the pans.
    void Steps(int n) {
        for (int i = 0; i < n; ++i) {
            m.StepReality();
        }
    }
};

TEST_F(RealityStepTest, AFreePieceSpeedsUpByHalfAPixelPerStep) {
    m.AddObject(PieceKind::kFive, kGapX, 0);
    std::vector<float> speeds;
    for (int i = 0; i < 6; ++i) {
        Steps(1);
        speeds.push_back(m.scene.obj(3).objVY);
    }
    EXPECT_EQ(speeds, (std::vector<float>{0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f}));
    // Positions round halves to even: 0.5 -> 0, then 1, 2.5 -> 2, 4, 6.5 -> 6, 9.
    EXPECT_EQ(m.scene.obj(3).objY, 9);
}

TEST_F(RealityStepTest, APieceIsDeletedOnlyOnceItsTopEdgeIsBelowTheScene) {
    // Held pieces do not move, which pins them at the heights under test.
    const std::int32_t bottom = m.scene.pictDraw().ScaleTop + m.scene.pictDraw().ScaleHeight;
    for (const auto& [y, deleted] : {std::pair{bottom, false}, std::pair{bottom + 1, true}}) {
        SceneHarness fresh;
        fresh.model.AddObject(PieceKind::kFive, kGapX, y);
        fresh.model.pointer.Select(3, fresh.model.scene.obj(3));
        fresh.model.pointer.Grab(0, 0);
        fresh.model.StepReality();
        EXPECT_EQ(fresh.model.scene.objCount(), deleted ? 2 : 3) << "top edge at " << y;
    }
}

TEST_F(RealityStepTest, AFallingPieceLeavesTheSceneAndIsDeleted) {
    m.AddObject(PieceKind::kSmiley, kGapX, 0);
    int steps = 0;
    while (m.scene.objCount() == 3 && steps < 1000) {
        Steps(1);
        ++steps;
    }
    EXPECT_EQ(m.scene.objCount(), 2);
    EXPECT_LT(steps, 60); // about sqrt(2 x 418 / 0.5) steps
}

TEST_F(RealityStepTest, APieceDroppedOnAPanRestsOnItsTopEdgeWithNoSpeed) {
    for (PieceKind k : {PieceKind::kFive, PieceKind::kSmiley}) {
        SceneHarness fresh;
        Model& s = fresh.model;
        s.AddObject(k, kAboveLeftPan, 0);
        for (int i = 0; i < 200; ++i) {
            s.StepReality();
        }
        const SceneObject& piece = s.scene.obj(3);
        EXPECT_EQ(piece.objY + piece.objH, s.scene.obj(1).objY) << KindNumber(k);
        for (int i = 0; i < 5; ++i) {
            s.StepReality();
            EXPECT_EQ(s.scene.obj(3).objVY, 0) << KindNumber(k);
            EXPECT_EQ(s.scene.obj(3).objY + s.scene.obj(3).objH, s.scene.obj(1).objY)
                << KindNumber(k);
        }
        EXPECT_TRUE(s.scene.topContact()(1, 3));
    }
}

TEST_F(RealityStepTest, PiecesStackOnEachOther) {
    m.AddObject(PieceKind::kFive, kAboveLeftPan, 100);
    m.AddObject(PieceKind::kSeven, kAboveLeftPan + 10, 0);
    Steps(300);
    EXPECT_EQ(m.scene.obj(3).objY, 292 - 40);
    EXPECT_EQ(m.scene.obj(4).objY, 292 - 80);
    EXPECT_TRUE(m.scene.topContact()(1, 3));
    EXPECT_TRUE(m.scene.topContact()(3, 4));
}

TEST_F(RealityStepTest, AHeldPieceDoesNotMoveAndKeepsItsSpeed) {
    m.AddObject(PieceKind::kFive, kGapX, 0);
    Steps(4);
    const SceneObject before = m.scene.obj(3);
    // Held under a still pointer, which keeps it selected at every step.
    m.pointer.MoveTo(static_cast<float>(before.objX + 10), static_cast<float>(before.objY + 10));
    m.pointer.Select(3, before);
    m.pointer.Grab(0, 0);
    Steps(10);
    EXPECT_EQ(m.scene.obj(3).objY, before.objY);
    EXPECT_EQ(m.scene.obj(3).objVY, before.objVY);
    m.pointer.LetGo(m.scene.objCount());
    Steps(1);
    EXPECT_EQ(m.scene.obj(3).objVY, before.objVY + 0.5f);
}

TEST_F(RealityStepTest, AnyLowerObjectInTheWayBlocksAHigherOneNever) {
    // A piece overlapping a lower piece does not fall while the overlap lasts.
    m.AddObject(PieceKind::kOne, kGapX, 100);
    m.AddObject(PieceKind::kTwo, kGapX, 120); // object 4 overlaps object 3 and lies lower
    m.scene.Edit(4).objFixed = true;          // keep it in place for the test
    Steps(5);
    EXPECT_EQ(m.scene.obj(3).objY, 100);
    EXPECT_EQ(m.scene.obj(3).objVY, 0);

    // Nor when it also overlaps a higher piece numbered after the lower one: it would have
    // fallen through the lower one.
    m.AddObject(PieceKind::kThree, kGapX + 5, 90); // object 5, higher than object 3
    m.scene.Edit(5).objFixed = true;
    Steps(5);
    EXPECT_EQ(m.scene.obj(3).objY, 100);

    // A piece overlapping only a higher piece falls through it.
    SceneHarness other;
    Model& o = other.model;
    o.AddObject(PieceKind::kOne, kGapX, 120);
    o.AddObject(PieceKind::kTwo, kGapX, 100); // object 4 lies higher than object 3
    o.scene.Edit(4).objFixed = true;
    for (int i = 0; i < 5; ++i) {
        o.StepReality();
    }
    EXPECT_GT(o.scene.obj(3).objY, 120);
}

TEST_F(RealityStepTest, WithOnlyThePansNothingMovesOrIsDeleted) {
    const SceneObject left = m.scene.obj(1);
    const SceneObject right = m.scene.obj(2);
    Steps(100);
    EXPECT_EQ(m.scene.objCount(), 2);
    EXPECT_EQ(m.scene.obj(1).objY, left.objY);
    EXPECT_EQ(m.scene.obj(2).objY, right.objY);
}

TEST_F(RealityStepTest, ANewPieceIsWeighedOnlyAfterTheStepsThatFollowIt) {
    // The copies that the balance acts on are taken after every step.
    m.AddObject(PieceKind::kFive, kAboveLeftPan, 200);
    h.RunMs(1000);
    EXPECT_EQ(m.scene.obj(1).objLoad, 5);
    EXPECT_EQ(m.scene.leftPanLoad(), 5);
    EXPECT_EQ(m.scene.rightPanLoad(), 0);
}

} // namespace
} // namespace tarvelo

namespace tarvelo {
namespace {

// The grid the step looks overlaps up in must change nothing: a crowded scene, with pieces
// dropped into and onto one another, dragged and deleted, runs exactly as with the plain scan.
TEST(RealityStepRuleTest, TheOverlapGridGivesExactlyThePlainScansResult) {
    SceneHarness fast;
    SceneHarness plain;
    plain.model.scene.SetUseOverlapIndex(false);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> kindOf(1, 13);
    std::uniform_int_distribution<int> x(-60, 960);
    std::uniform_int_distribution<int> y(-400, 300);
    for (int round = 0; round < 6; ++round) {
        for (int p = 0; p < 40; ++p) {
            // A 13 in the second draw names no kind: nothing is added then.
            const std::optional<PieceKind> k =
                kindOf(random) == 13 ? PieceKind::kSmiley : PieceKindFromNumber(kindOf(random));
            const int px = x(random);
            const int py = y(random);
            if (k) {
                fast.model.AddObject(*k, px, py);
                plain.model.AddObject(*k, px, py);
            }
        }
        if (round == 3) {
            fast.model.scene.Event_Jump_Up_All();
            plain.model.scene.Event_Jump_Up_All();
        }
        if (round == 4) {
            // Far beyond the area the grid covers in detail: these share its border cells.
            for (const auto& [px, py] : {std::pair{30000, 100}, std::pair{30010, 120},
                                         std::pair{200, -90000}, std::pair{205, -89990}}) {
                fast.model.AddObject(PieceKind::kThree, px, py);
                plain.model.AddObject(PieceKind::kThree, px, py);
            }
        }
        for (int t = 0; t < 40; ++t) {
            fast.RunMs(10);
            plain.RunMs(10);
            ASSERT_EQ(fast.model.scene.objCount(), plain.model.scene.objCount())
                << round << "/" << t;
            for (std::int32_t i = 1; i <= fast.model.scene.objCount(); ++i) {
                const SceneObject& a = fast.model.scene.obj(i);
                const SceneObject& b = plain.model.scene.obj(i);
                ASSERT_TRUE(a.objX == b.objX && a.objY == b.objY && a.objVY == b.objVY &&
                            a.objKind == b.objKind)
                    << "object " << i << " at round " << round << ", tick " << t;
            }
        }
    }
    EXPECT_GT(fast.model.scene.objCount(), 20); // plenty stayed on the pans
}

} // namespace
} // namespace tarvelo
