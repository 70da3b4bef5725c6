// Show solution: unknowns drawn as the cubes of their values, and the buttons of each mode.
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

std::int32_t PictureShown(const Model& m, std::int32_t nObj) {
    return SceneDrawing::PictureIndexFor(m.scene.obj(nObj), m.scene, m.controls.showSolution());
}

TEST(SolutionDisplayTest, UnknownsShowTheCubeOfTheirValueWhileTheSolutionIsShown) {
    SceneHarness h;
    Model& m = h.model;
    m.scene.SetXYvalues(7, 0);

    m.AddObject(PieceKind::kX, 100, 100);
    m.AddObject(PieceKind::kY, 200, 100);
    m.AddObject(PieceKind::kFour, 300, 100);
    m.AddObject(PieceKind::kSmiley, 400, 100);
    m.scene.Edit(3).objMass = 2; // the value comes from xValue, not from the piece's mass

    EXPECT_EQ(PictureShown(m, 3), PictureOf(PieceKind::kX));
    EXPECT_EQ(PictureShown(m, 4), PictureOf(PieceKind::kY));

    m.ToggleSolution();
    EXPECT_TRUE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Hide solution");
    EXPECT_EQ(PictureShown(m, 3), PictureOf(PieceKind::kSeven));
    EXPECT_EQ(PictureShown(m, 4), PictureOf(PieceKind::kZero));
    EXPECT_EQ(PictureShown(m, 5), PictureOf(PieceKind::kFour));
    EXPECT_EQ(PictureShown(m, 6), PictureOf(PieceKind::kSmiley));
    EXPECT_EQ(PictureShown(m, 1), PictureOf(PieceKind::kPan));
    // The drawing follows at once, at the same places.
    EXPECT_EQ(m.drawing.drawList()[2], (DrawItem{PictureOf(PieceKind::kSeven), 100, 100}));

    m.ToggleSolution();
    EXPECT_FALSE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Show solution");
    EXPECT_EQ(PictureShown(m, 3), PictureOf(PieceKind::kX));
    EXPECT_EQ(m.drawing.drawList()[2], (DrawItem{PictureOf(PieceKind::kX), 100, 100}));
}

TEST(SolutionDisplayTest, ValuesWithoutACubeGetACubeBearingTheirNumber) {
    Model m;
    m.AddObject(PieceKind::kX, 0, 0);
    m.AddObject(PieceKind::kY, 0, 0);
    m.ToggleSolution();
    for (std::int32_t value : {10, 12, -1, -12}) {
        m.scene.SetXYvalues(value, value);

        EXPECT_EQ(PictureShown(m, 1), kNumberCubePicture + value);
        EXPECT_EQ(PictureShown(m, 2), kNumberCubePicture + value);
    }
}

TEST(SolutionDisplayTest, ANewUnknownIsDrawnAsItsValueAtOnce) {
    Model m;
    m.scene.SetXYvalues(3, m.scene.yValue());
    m.ToggleSolution();
    m.AddObject(PieceKind::kX, 50, 60);
    ASSERT_EQ(m.drawing.drawList().size(), 1u);
    EXPECT_EQ(m.drawing.drawList()[0], (DrawItem{PictureOf(PieceKind::kThree), 50, 60}));
}

TEST(SolutionDisplayTest, NewKeepsTheDisplayAsItWas) {
    SceneHarness h;
    Model& m = h.model;
    m.ToggleSolution();
    m.AddObject(PieceKind::kX, 100, 100);
    ASSERT_TRUE(m.CleanProblem());
    m.NewScene();
    EXPECT_TRUE(m.controls.showSolution());
    EXPECT_EQ(m.controls.Command1().Caption, "Hide solution");
    m.AddObject(PieceKind::kX, 100, 100);
    EXPECT_EQ(PictureShown(m, 3), PictureOf(CubeBearing(m.scene.xValue()).value()));
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
