// Start-up and New: two empty pans on the level line and the sign between them.
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(StartUpTest, TheFirstSceneHasTwoEmptyPansOnTheLevelLineAndTheSignBetweenThem) {
    SceneHarness h;
    const Model& m = h.model;

    EXPECT_EQ(m.scene.LevelLine(), 292);
    ASSERT_EQ(m.scene.objCount(), 2);
    const struct {
        std::int32_t pan;
        std::int32_t x;
    } pans[] = {{1, 30}, {2, 504}};
    for (const auto& p : pans) {
        const SceneObject& o = m.scene.obj(p.pan);
        EXPECT_EQ(o.objKind, PieceKind::kPan);
        EXPECT_TRUE(o.objFixed);
        EXPECT_EQ(o.objW, 415);
        EXPECT_EQ(o.objH, 11);
        EXPECT_EQ(o.objX, p.x);
        EXPECT_EQ(o.objY, 292);
    }
    EXPECT_EQ(m.equation.lblComparison().Left, 449);
    EXPECT_EQ(m.equation.lblComparison().Top, 292);
    EXPECT_EQ(m.equation.lblComparison().Caption, "=");
    EXPECT_EQ(m.equation.lblEquazione().Caption, "0 = 0");
    EXPECT_EQ(m.controls.Caption(), "Tarvelo");
    EXPECT_EQ(m.controls.stProblemFile(), "Tarvelo_problem.trv");
    EXPECT_EQ(m.controls.programMode(), ProgramMode::Free);
    EXPECT_EQ(m.scene.topContact().UpperBound(), 2);

    for (const ButtonState* b : {&m.controls.Command1(), &m.controls.Command2(),
                                 &m.controls.Command3(), &m.controls.Command4()}) {
        EXPECT_TRUE(b->Visible && b->Enabled) << b->Caption;
    }
    EXPECT_EQ(m.controls.Command1().Caption, "Show solution");
    EXPECT_FALSE(m.controls.Command5().Visible);
    EXPECT_FALSE(m.controls.Command5().Enabled);
}

TEST(StartUpTest, ThePansStayLevelAndPutWhileNothingLiesOnThem) {
    SceneHarness h;
    h.RunMs(2000);
    EXPECT_EQ(h.model.scene.obj(1).objX, 30);
    EXPECT_EQ(h.model.scene.obj(2).objX, 504);
    EXPECT_EQ(h.model.scene.obj(1).objY, 292);
    EXPECT_EQ(h.model.scene.obj(2).objY, 292);
}

TEST(StartUpTest, NewLetsEverythingFallOutAndRebuildsTheScene) {
    SceneHarness h(1000.0);
    Model& m = h.model;
    BuildStacksOnPans(m, 30);
    h.RunMs(3000);
    m.controls.ShowProblemFile("lesson.trv");
    m.secondsSinceMidnight = [] { return 2000.0; };
    const std::int64_t before = h.clock.NowMs();

    ASSERT_TRUE(m.CleanProblem());
    m.NewScene();

    EXPECT_GT(h.clock.NowMs(), before); // the pieces took scene time to fall out
    ASSERT_EQ(m.scene.objCount(), 2);
    EXPECT_TRUE(m.scene.obj(1).objFixed);
    EXPECT_EQ(m.scene.obj(1).objY, 292);
    EXPECT_EQ(m.scene.obj(2).objX, 504);
    EXPECT_EQ(m.controls.Caption(), "Tarvelo - lesson.trv");

    // New values of X and Y come from the new moment.
    Model reference;
    reference.secondsSinceMidnight = [] { return 2000.0; };
    reference.RandomXYvalues();
    EXPECT_EQ(m.scene.xValue(), reference.scene.xValue());
    EXPECT_EQ(m.scene.yValue(), reference.scene.yValue());
}

} // namespace
} // namespace tarvelo
