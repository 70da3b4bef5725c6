#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

std::int32_t PictureOf(const Model& m, std::int32_t nObj) {
    return SceneDrawing::PictureIndexFor(m.scene.obj(nObj), m.scene, m.controls.showSolution());
}

TEST(SolutionDisplayTest, UnknownsShowTheCubeOfTheirValueWhileTheSolutionIsShown) {
    SceneHarness h;
    Model& m = h.model;
    m.scene.SetXYvalues(7, 0);

    m.AddObject(kind::kX, 100, 100);
    m.AddObject(kind::kY, 200, 100);
    m.AddObject(4, 300, 100);
    m.AddObject(kind::kSmiley, 400, 100);
    m.scene.Edit(3).objMass = 2; // the value comes from xValue, not from the piece's mass

    EXPECT_EQ(PictureOf(m, 3), kind::kX);
    EXPECT_EQ(PictureOf(m, 4), kind::kY);

    m.ToggleSolution();
    EXPECT_TRUE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Hide solution");
    EXPECT_EQ(PictureOf(m, 3), 7);
    EXPECT_EQ(PictureOf(m, 4), kind::kZero);
    EXPECT_EQ(PictureOf(m, 5), 4);
    EXPECT_EQ(PictureOf(m, 6), kind::kSmiley);
    EXPECT_EQ(PictureOf(m, 1), kind::kPan);
    // The drawing follows at once, at the same places.
    EXPECT_EQ(m.drawing.drawList()[2], (DrawItem{7, 100, 100}));

    m.ToggleSolution();
    EXPECT_FALSE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Show solution");
    EXPECT_EQ(PictureOf(m, 3), kind::kX);
    EXPECT_EQ(m.drawing.drawList()[2], (DrawItem{kind::kX, 100, 100}));
}

TEST(SolutionDisplayTest, ValuesWithoutACubeGetACubeBearingTheirNumber) {
    Model m;
    m.AddObject(kind::kX, 0, 0);
    m.AddObject(kind::kY, 0, 0);
    m.ToggleSolution();
    for (std::int32_t value : {10, 12, -1, -12}) {
        m.scene.SetXYvalues(value, value);

        EXPECT_EQ(PictureOf(m, 1), kNumberCubePicture + value);
        EXPECT_EQ(PictureOf(m, 2), kNumberCubePicture + value);
    }
}

TEST(SolutionDisplayTest, ANewUnknownIsDrawnAsItsValueAtOnce) {
    Model m;
    m.scene.SetXYvalues(3, m.scene.yValue());
    m.ToggleSolution();
    m.AddObject(kind::kX, 50, 60);
    ASSERT_EQ(m.drawing.drawList().size(), 1u);
    EXPECT_EQ(m.drawing.drawList()[0], (DrawItem{3, 50, 60}));
}

TEST(SolutionDisplayTest, NewKeepsTheDisplayAsItWas) {
    SceneHarness h;
    Model& m = h.model;
    m.ToggleSolution();
    m.AddObject(kind::kX, 100, 100);
    ASSERT_TRUE(m.CleanProblem());
    m.NewScene();
    EXPECT_TRUE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Hide solution");
    m.AddObject(kind::kX, 100, 100);
    EXPECT_EQ(PictureOf(m, 3), m.scene.xValue() == 0 ? kind::kZero : m.scene.xValue());
}

TEST(ProgramModeTest, EachModeShowsItsButtons) {
    const struct {
        std::int32_t mode;
        bool freeButtons;
    } cases[] = {{1, false}, {0, true}, {2, true}, {-1, true}};
    for (const auto& c : cases) {
        Model m;
        m.controls.UpdateProgramMode(static_cast<ProgramMode>(c.mode));
        for (const ButtonState* b :
             {&m.controls.Command2(), &m.controls.Command3(), &m.controls.Command4()}) {
            EXPECT_EQ(b->Visible, c.freeButtons) << c.mode << " " << b->Caption;
            EXPECT_EQ(b->Enabled, c.freeButtons) << c.mode << " " << b->Caption;
        }
        EXPECT_EQ(m.controls.Command5().Visible, !c.freeButtons);
        EXPECT_EQ(m.controls.Command5().Enabled, !c.freeButtons);
        EXPECT_TRUE(m.controls.Command1().Visible && m.controls.Command1().Enabled);
    }
}

} // namespace
} // namespace tarvelo
