// The object table: adding and removing pieces, the random values of X and Y, and the reset that
// lets everything fall out of the scene.
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace tarvelo {
namespace {

TEST(ObjectTableTest, AddObjectRoundsItsPlaceAndTakesSizeAndMassFromItsKind) {
    Model m;
    m.scene.SetXYvalues(7, 0);

    const struct {
        PieceKind kind;
        float mass;
        bool fixed;
        PictureSize size;
    } cases[] = {
        {PieceKind::kPan, 0, true, kPanSize},        {PieceKind::kOne, 1, false, kCubeSize},
        {PieceKind::kNine, 9, false, kCubeSize},     {PieceKind::kZero, 0, false, kCubeSize},
        {PieceKind::kX, 7, false, kCubeSize},        {PieceKind::kY, 0, false, kCubeSize},
        {PieceKind::kSmiley, 1, false, kSmileySize},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m.AddObject(c.kind, 200.5, 10.5));
        const SceneObject& o = m.scene.obj(m.scene.objCount());
        EXPECT_EQ(o.objX, 200);
        EXPECT_EQ(o.objY, 10);
        EXPECT_EQ(o.objKind, c.kind);
        EXPECT_EQ(o.objMass, c.mass) << KindNumber(c.kind);
        EXPECT_EQ(o.objFixed, c.fixed) << KindNumber(c.kind);
        EXPECT_EQ(o.objW, c.size.width);
        EXPECT_EQ(o.objH, c.size.height);
        EXPECT_EQ(o.objVY, 0);
        EXPECT_EQ(o.objLoad, 0);
    }
    EXPECT_EQ(m.scene.objCount(), 7);
    EXPECT_EQ(m.scene.objects().size(), 8u);
}

TEST(ObjectTableTest, KindsWithoutPictureAreRefused) {
    Model m;
    // No number becomes such a kind but by a cast, which only this test makes.
    for (std::int32_t k : {-1, 13, 20, 22, 1000}) {
        EXPECT_FALSE(m.AddObject(static_cast<PieceKind>(k), 0, 0)) << k;
    }
    EXPECT_EQ(m.scene.objCount(), 0);
}

TEST(ObjectTableTest, AnObjectLaterAddedShowsInTheNextDrawing) {
    Model m;
    const auto before = m.drawing.sceneRevision();
    m.AddObject(PieceKind::kFive, 10, 20);
    EXPECT_GT(m.drawing.sceneRevision(), before);
    ASSERT_EQ(m.drawing.drawList().size(), 1u);
    EXPECT_EQ(m.drawing.drawList()[0], (DrawItem{PictureOf(PieceKind::kFive), 10, 20}));
}

TEST(ObjectTableTest, RemoveBlockMovesTheLastRecordIntoTheFreedPlace) {
    Model m;
    for (int i = 1; i <= 5; ++i) {
        m.AddObject(CubeBearing(i).value(), i * 10, 0);
    }
    m.RemoveBlock(3);
    ASSERT_EQ(m.scene.objCount(), 4);
    EXPECT_EQ(m.scene.obj(3).objKind, PieceKind::kFive);
    EXPECT_EQ(m.scene.obj(3).objX, 50);
    EXPECT_EQ(m.scene.obj(4).objKind, PieceKind::kFour);

    m.RemoveBlock(4); // the last one: nothing else moves
    ASSERT_EQ(m.scene.objCount(), 3);
    EXPECT_EQ(m.scene.obj(1).objKind, PieceKind::kOne);
    EXPECT_EQ(m.scene.obj(2).objKind, PieceKind::kTwo);
    EXPECT_EQ(m.scene.obj(3).objKind, PieceKind::kFive);
    EXPECT_EQ(m.scene.objects().size(), 4u);

    m.RemoveBlock(0);
    m.RemoveBlock(4);
    EXPECT_EQ(m.scene.objCount(), 3);
}

TEST(ObjectTableTest, RandomValuesOfXAndYLieInZeroToNine) {
    EXPECT_EQ(Scene::ValueFromDraw(0.0), 0);
    EXPECT_EQ(Scene::ValueFromDraw(std::nextafter(1.0, 0.0)), 9);
    EXPECT_EQ(Scene::ValueFromDraw(0.55), 5);

    Model m;
    std::set<std::int32_t> seen;
    for (int second = 0; second < 500; ++second) {
        m.secondsSinceMidnight = [second] { return second + 0.25; };
        m.RandomXYvalues();
        EXPECT_GE(m.scene.xValue(), 0);
        EXPECT_LE(m.scene.xValue(), 9);
        EXPECT_GE(m.scene.yValue(), 0);
        EXPECT_LE(m.scene.yValue(), 9);
        seen.insert(m.scene.xValue());
    }
    EXPECT_EQ(seen.size(), 10u); // every value turns up

    // The same moment of the day gives the same values.
    m.secondsSinceMidnight = [] { return 3600.5; };
    m.RandomXYvalues();
    const auto x = m.scene.xValue();
    const auto y = m.scene.yValue();
    m.RandomXYvalues();
    EXPECT_EQ(m.scene.xValue(), x);
    EXPECT_EQ(m.scene.yValue(), y);
}

TEST(ObjectTableTest, CleanProblemWithOnlyThePansReturnsAtOnceWithThemLoose) {
    SceneHarness h;
    const auto before = h.clock.NowMs();
    EXPECT_TRUE(h.model.CleanProblem());
    EXPECT_EQ(h.clock.NowMs(), before);
    EXPECT_FALSE(h.model.scene.obj(1).objFixed);
    EXPECT_FALSE(h.model.scene.obj(2).objFixed);
}

TEST(ObjectTableTest, CleanProblemLetsEverythingFallOutOfTheScene) {
    SceneHarness h;
    BuildStacksOnPans(h.model, 40);
    h.RunMs(500);
    ASSERT_EQ(h.model.scene.objCount(), 42);

    ASSERT_TRUE(h.model.CleanProblem());
    EXPECT_EQ(h.model.scene.objCount(), 2);
    EXPECT_GT(h.model.scene.obj(1).objY, h.model.scene.LevelLine()); // the pans fell too
    EXPECT_FALSE(h.model.IsCleaning());
}

// A tower of a thousand cubes stands on a pan and reaches far above the scene. The reset takes
// what is out of sight away at once, so it waits only for what the scene shows to fall out: the
// tower would start to fall one cube per step and keep the reset waiting half a minute.
TEST(ObjectTableTest, TheResetIsShortHoweverHighATowerReaches) {
    constexpr int kCubes = 1000;
    constexpr std::int64_t kSettleBudgetMs = 120000;
    constexpr std::int64_t kLongestResetMs = 2000;
    std::string text =
        "# Tarvelo file - 08:00:00 - 01/09/2025\r\n7\r\n3\r\n" + std::to_string(kCubes) + "\r\n";
    for (int n = 0; n < kCubes; ++n) {
        text += "100\r\n-2000000000\r\n5\r\n5\r\n"; // all in one place: lifted into a tower
    }
    const ProblemReading reading = ParseProblem(text);
    ASSERT_TRUE(reading.problem);
    SceneHarness h;
    h.model.PutProblem(&*reading.problem, "tower.trv", ProgramMode::Free);
    ASSERT_TRUE(SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested);
    ASSERT_EQ(h.model.scene.objCount(), kPanCount + kCubes);
    ASSERT_TRUE(h.model.scene.AboveScene(h.model.scene.objCount()));

    const std::int64_t before = h.clock.NowMs();
    ASSERT_TRUE(h.model.CleanProblem());
    EXPECT_LE(h.clock.NowMs() - before, kLongestResetMs);
    EXPECT_EQ(h.model.scene.objCount(), kPanCount);
}

// A second reset arriving while the first one waits must not break the table or the wait: it is
// dropped, and the first one rebuilds the scene as usual.
TEST(ObjectTableTest, AResetDuringTheWaitIsDropped) {
    SceneHarness h;
    BuildStacksOnPans(h.model, 20);
    h.RunMs(200);

    bool nestedTried = false;
    bool nestedRan = true;
    h.model.processPendingEvents = [&] {
        if (!nestedTried) {
            nestedTried = true;
            nestedRan = h.model.CleanProblem();
            if (nestedRan) {
                h.model.NewScene();
            }
        }
        h.clock.RunNextTick();
    };
    ASSERT_TRUE(h.model.CleanProblem());
    h.model.NewScene();

    EXPECT_TRUE(nestedTried);
    EXPECT_FALSE(nestedRan);
    ASSERT_EQ(h.model.scene.objCount(), 2);
    EXPECT_EQ(h.model.scene.objects().size(), 3u);
    for (std::int32_t pan : {1, 2}) {
        EXPECT_TRUE(h.model.scene.obj(pan).objFixed);
        EXPECT_EQ(h.model.scene.obj(pan).objY, 292);
    }
    // The scene is usable again: the next reset works.
    WaitOnClock(h.clock, h.model);
    EXPECT_TRUE(h.model.CleanProblem());
}

} // namespace
} // namespace tarvelo
