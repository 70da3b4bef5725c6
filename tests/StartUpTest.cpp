#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(StartUpTest, TheFirstSceneHasTwoEmptyPansOnTheLevelLineAndTheSignBetweenThem) {
    SceneHarness h;
    const Model& m = h.model;

    EXPECT_EQ(m.LevelLine(), 292);
    ASSERT_EQ(m.objCount, 2);
    const struct {
        std::int32_t pan;
        std::int32_t x;
    } pans[] = {{1, 30}, {2, 504}};
    for (const auto& p : pans) {
        const SceneObject& o = m.obj(p.pan);
        EXPECT_EQ(o.objKind, kind::kPan);
        EXPECT_TRUE(o.objFixed);
        EXPECT_EQ(o.objW, 415);
        EXPECT_EQ(o.objH, 11);
        EXPECT_EQ(o.objX, p.x);
        EXPECT_EQ(o.objY, 292);
    }
    EXPECT_EQ(m.lblComparison.Left, 449);
    EXPECT_EQ(m.lblComparison.Top, 292);
    EXPECT_EQ(m.lblComparison.Caption, "=");
    EXPECT_EQ(m.lblEquazione.Caption, "0 = 0");
    EXPECT_EQ(m.Caption, "Tarvelo");
    EXPECT_EQ(m.stProblemFile, "Tarvelo_problem.trv");
    EXPECT_EQ(m.programMode, 0);
    EXPECT_EQ(m.topContact.UpperBound(), 2);

    for (const ButtonState* b : {&m.Command1, &m.Command2, &m.Command3, &m.Command4}) {
        EXPECT_TRUE(b->Visible && b->Enabled) << b->Caption;
    }
    EXPECT_EQ(m.Command1.Caption, "Show solution");
    EXPECT_FALSE(m.Command5.Visible);
    EXPECT_FALSE(m.Command5.Enabled);
}

TEST(StartUpTest, ThePansStayLevelAndPutWhileNothingLiesOnThem) {
    SceneHarness h;
    h.RunMs(2000);
    EXPECT_EQ(h.model.obj(1).objX, 30);
    EXPECT_EQ(h.model.obj(2).objX, 504);
    EXPECT_EQ(h.model.obj(1).objY, 292);
    EXPECT_EQ(h.model.obj(2).objY, 292);
}

TEST(StartUpTest, NewLetsEverythingFallOutAndRebuildsTheScene) {
    SceneHarness h(1000.0);
    Model& m = h.model;
    BuildStacksOnPans(m, 30);
    h.RunMs(3000);
    m.Caption = "Tarvelo - lesson.trv";
    m.secondsSinceMidnight = [] { return 2000.0; };
    const std::int64_t before = h.clock.NowMs();

    ASSERT_TRUE(m.CleanProblem());
    m.Form_Load();

    EXPECT_GT(h.clock.NowMs(), before); // the pieces took scene time to fall out
    ASSERT_EQ(m.objCount, 2);
    EXPECT_TRUE(m.obj(1).objFixed);
    EXPECT_EQ(m.obj(1).objY, 292);
    EXPECT_EQ(m.obj(2).objX, 504);
    EXPECT_EQ(m.Caption, "Tarvelo - lesson.trv");

    // New values of X and Y come from the new moment.
    Model reference;
    reference.secondsSinceMidnight = [] { return 2000.0; };
    reference.RandomXYvalues();
    EXPECT_EQ(m.xValue, reference.xValue);
    EXPECT_EQ(m.yValue, reference.yValue);
}

} // namespace
} // namespace tarvelo
