// Pieces put down into one another, fast pieces and pieces standing on both pans: none passes
// through another, none is lost, and the equation counts what lies on each pan.
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::int32_t kLevel = 292;
constexpr std::int64_t kBudgetMs = 60000;

// The palette's drag-in, the copy's top-left corner at (x, y) in scene pixels.
void Drop(Model& m, PieceKind k, int x, int y) {
    constexpr float kGrab = 10;
    m.PickUpCopy(k, static_cast<std::int32_t>(kGrab), static_cast<std::int32_t>(kGrab));
    m.FollowPointer(static_cast<float>(x) + kGrab, static_cast<float>(y) + kGrab);
    m.DropCopy();
}

bool AnyOverlap(const Model& m) {
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        const SceneObject& a = m.scene.obj(i);
        for (std::int32_t j = i + 1; j <= m.scene.objCount(); ++j) {
            if (OverlapsBox(m.scene.obj(j), a.objX, a.objY, static_cast<double>(a.objX) + a.objW,
                            static_cast<double>(a.objY) + a.objH)) {
                return true;
            }
        }
    }
    return false;
}

TEST(PlacementTest, PiecesDroppedIntoOneAnotherAllEndOnThePan) {
    const struct {
        const char* what;
        int count;
        int apart; // pixels between neighbouring drops
        int y;
        const char* line;
    } cases[] = {
        {"eight at one spot", 8, 0, 150, "8 > 0"},
        {"a row 20 pixels apart", 8, 20, 150, "8 > 0"},
        {"a row 5 pixels apart, into the pan", 6, 5, kLevel - 20, "6 > 0"},
    };
    for (const auto& c : cases) {
        SceneHarness h;
        for (int n = 0; n < c.count; ++n) {
            Drop(h.model, PieceKind::kOne, 100 + n * c.apart, c.y);
            EXPECT_FALSE(AnyOverlap(h.model)) << c.what << ", drop " << n;
        }
        ASSERT_TRUE(SettleOnClock(h.clock, h.model, kBudgetMs).rested) << c.what;
        EXPECT_EQ(h.model.scene.objCount(), 2 + c.count) << c.what;
        EXPECT_EQ(h.model.equation.lblEquazione().Caption, c.line) << c.what;
        EXPECT_FALSE(AnyOverlap(h.model)) << c.what;
    }
}

TEST(PlacementTest, ACubeDroppedOntoATowerReachingAboveTheSceneEndsOnTop) {
    SceneHarness h;
    Model& m = h.model;
    // Seven on the left pan, raised by a heavier right pan.
    for (int n = 0; n < 7; ++n) {
        m.AddObject(PieceKind::kOne, 100, kLevel - 40 * (n + 1));
    }
    m.AddObject(PieceKind::kNine, 600, 200);
    m.AddObject(PieceKind::kNine, 700, 200);
    h.RunMs(3000);
    ASSERT_LT(m.scene.obj(9).objY, 0); // the top cube stands above the scene's top edge
    Drop(m, PieceKind::kTwo, 110, 5);  // inside the top cube
    EXPECT_EQ(m.scene.obj(12).objY + 40, m.scene.obj(9).objY);
    ASSERT_TRUE(SettleOnClock(h.clock, m, kBudgetMs).rested);
    EXPECT_EQ(m.scene.objCount(), 12);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "9 < 18");
}

TEST(PlacementTest, AFastPieceNeverJumpsOverAPan) {
    // From this high a cube falls more than its own height and the pan's in one step.
    SceneHarness h;
    h.model.AddObject(PieceKind::kThree, 100, -20000);
    ASSERT_TRUE(SettleOnClock(h.clock, h.model, kBudgetMs).rested);
    ASSERT_EQ(h.model.scene.objCount(), 3);
    EXPECT_EQ(h.model.scene.obj(3).objY + 40, h.model.scene.obj(1).objY);
    EXPECT_EQ(h.model.equation.lblEquazione().Caption, "3 > 0");
}

TEST(PlacementTest, AFileOfPiecesInOneAnotherAndInThePanLoadsApart) {
    SceneHarness h;
    Model& m = h.model;
    Problem p;
    // Saved places (loading starts them 300 higher): a cube sunk into the left pan, two cubes in
    // one another above it, a smiley inside a cube on the right pan.
    for (const ProblemPiece& piece :
         std::vector<ProblemPiece>{{100, kLevel - 20, 4, PieceKind::kFour},
                                   {110, 200, 2, PieceKind::kTwo},
                                   {120, 210, 3, PieceKind::kThree},
                                   {600, 250, 5, PieceKind::kFive},
                                   {605, 255, 1, PieceKind::kSmiley}}) {
        p.pieces.push_back(piece);
    }
    const std::vector<SceneObject> before = m.scene.objects();
    m.LoadProblem(p, "overlapping.trv");
    EXPECT_FALSE(AnyOverlap(m));
    ASSERT_TRUE(SettleOnClock(h.clock, m, kBudgetMs).rested);
    EXPECT_EQ(m.scene.objCount(), 7);
    EXPECT_FALSE(AnyOverlap(m));
    EXPECT_EQ(m.equation.lblEquazione().Caption, "9 > 6");
}

// A cube standing on a stack of each pan counts for one pan. When the other pan's stack has to
// rise into it, it slides back over its own pan: the pans reach the tilt the loads call for,
// the cube keeps its pan, and nothing is lost or handed over.
TEST(PlacementTest, APieceOnStacksOfBothPansKeepsItsPanAndMakesWay) {
    struct Case {
        const char* name;
        std::vector<std::pair<PieceKind, int>> more; // kind and left edge, dropped last
        const char* line;
    };
    const Case cases[] = {
        {"a little more on the left", {{PieceKind::kThree, 100}}, "14 > 2"},
        {"a little more on the right", {{PieceKind::kOne, 700}}, "11 > 3"},
        {"far more on the left",
         {{PieceKind::kNine, 100}, {PieceKind::kNine, 150}, {PieceKind::kNine, 200}},
         "38 > 2"},
        {"far more on the right",
         {{PieceKind::kNine, 650}, {PieceKind::kNine, 700}, {PieceKind::kNine, 750}},
         "11 < 29"},
    };
    for (const Case& c : cases) {
        SceneHarness h;
        Model& m = h.model;
        // Columns of two jutting out over the gap between the pans, 15 pixels apart, and a
        // bridge over them; it rests on the left column first in the table.
        for (int n = 0; n < 2; ++n) {
            m.AddObject(PieceKind::kOne, 420, kLevel - 40 * (n + 1));
            m.AddObject(PieceKind::kOne, 480, kLevel - 40 * (n + 1));
        }
        h.RunMs(200);
        m.AddObject(PieceKind::kNine, 445, kLevel - 120 - 10);
        h.RunMs(200);
        ASSERT_EQ(m.scene.PanCarrying(7), 1) << c.name;
        for (const auto& [k, x] : c.more) {
            m.AddObject(k, x, 100);
        }
        const SettleResult rest = SettleOnClock(h.clock, m, kBudgetMs);
        ASSERT_TRUE(rest.rested) << c.name;
        EXPECT_FALSE(AnyOverlap(m)) << c.name;
        EXPECT_EQ(m.scene.objCount(), 7 + static_cast<std::int32_t>(c.more.size())) << c.name;
        EXPECT_EQ(m.scene.PanCarrying(7), 1) << c.name;
        EXPECT_EQ(m.equation.lblEquazione().Caption, c.line) << c.name;
        const std::int32_t target =
            m.scene.BalanceTarget(m.scene.obj(1).objLoad - m.scene.obj(2).objLoad);
        EXPECT_LE(std::abs(target - (m.scene.obj(1).objY - m.scene.obj(2).objY)), 1) << c.name;
        // The same for a long while.
        const std::uint64_t atRest = m.Changes();
        h.RunMs(20000);
        EXPECT_EQ(m.Changes(), atRest) << c.name;
    }
}

// Piles of pieces put at a few spots, many at exactly the same one, as a file of empty lines
// does: the quick lift (grid, twins on top of one another, the grid built again as the piles
// outgrow it) ends exactly where the plain climb through the whole table does.
TEST(PlacementTest, TheQuickLiftEndsExactlyWhereThePlainClimbDoes) {
    std::mt19937 random(5);
    const auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int round = 0; round < 20; ++round) {
        Problem p;
        const int spots = pick(1, 4);
        std::vector<ProblemPiece> spot;
        for (int s = 0; s < spots; ++s) {
            const PieceKind k = pick(0, 1) ? PieceKind::kOne : PieceKind::kPan;
            spot.push_back({pick(0, 600), pick(-200, 300), 1, k});
        }
        for (int n = pick(20, 400); n > 0; --n) {
            ProblemPiece piece = spot[static_cast<std::size_t>(pick(0, spots - 1))];
            if (pick(0, 3) == 0) { // now and then a little off the spot
                piece.objX += pick(-30, 30);
                piece.objY += pick(-30, 30);
            }
            p.pieces.push_back(piece);
        }
        SceneHarness quick;
        SceneHarness plain;
        plain.model.scene.SetUseOverlapIndex(false);
        quick.model.LoadProblem(p, "pile.trv");
        plain.model.LoadProblem(p, "pile.trv");
        ASSERT_EQ(quick.model.scene.objCount(), plain.model.scene.objCount());
        for (std::int32_t i = 1; i <= quick.model.scene.objCount(); ++i) {
            ASSERT_EQ(quick.model.scene.obj(i).objY, plain.model.scene.obj(i).objY)
                << "object " << i << " in round " << round;
        }
        EXPECT_FALSE(AnyOverlap(quick.model)) << round;
    }
}

} // namespace
} // namespace tarvelo
