// The pointer: copies from the palette, dragging and deleting pieces, the prompts for X and Y.
#include "core/base/Numeric.h"
#include "core/play/WindowEvents.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarvelo {
namespace {

constexpr PointerButton kLeft = PointerButton::Left;
constexpr PointerButton kRight = PointerButton::Right;
constexpr PointerButton kMiddle = PointerButton::Middle;
constexpr std::int32_t kLevel = 292;

class PointerTest : public ::testing::Test {
  protected:
    SceneHarness h;
    Model& m = h.model;
    // The pointer stands still at (x, y) in scene pixels, where the tick finds it.
    void PointerAt(float x, float y) { m.FollowPointer(x, y); }
};

// ---- Palette ----

TEST_F(PointerTest, ALeftPressOnThePalettePicksUpACopy) {
    WindowEvents(m).img_MouseDown(PieceKind::kFive, kLeft, 0, 10.5f, 20.5f);
    EXPECT_TRUE(m.pointer.dragImg().Visible);
    EXPECT_TRUE(m.pointer.dragImgInt().Visible);
    EXPECT_EQ(m.pointer.dragImg().Picture, PictureOf(PieceKind::kFive));
    EXPECT_EQ(m.pointer.dragImgInt().Picture, PictureOf(PieceKind::kFive));
    EXPECT_EQ(m.pointer.dragImgInt().Width, 45);
    EXPECT_EQ(m.pointer.grabX(), 10); // halves to even
    EXPECT_EQ(m.pointer.grabY(), 20);
    EXPECT_EQ(m.pointer.dragKind(), PieceKind::kFive);
    EXPECT_EQ(m.scene.objCount(), 2);

    // Both boxes follow the pointer and stand at the same place on the screen: the scene's
    // client area starts at (6, 62) on the window.
    m.FollowPointer(300, 100);
    EXPECT_EQ(m.pointer.dragImg().Left, 6 + 300 - 10);
    EXPECT_EQ(m.pointer.dragImg().Top, 62 + 100 - 20);
    EXPECT_EQ(m.pointer.dragImgInt().Left, 300 - 10);
    EXPECT_EQ(m.pointer.dragImgInt().Top, 100 - 20);
}

TEST_F(PointerTest, RightAndMiddlePressesNeverStartADragIn) {
    int prompts = 0;
    m.inputBox = [&](const std::string&, const std::string&, const std::string&) {
        ++prompts;
        return std::optional<std::string>("5");
    };
    for (PointerButton button : {kRight, kMiddle}) {
        for (PieceKind k : {PieceKind::kOne, PieceKind::kZero, PieceKind::kSmiley, PieceKind::kX,
                            PieceKind::kY}) {
            WindowEvents(m).img_MouseDown(k, button, 0, 5, 5);
            EXPECT_FALSE(m.pointer.dragImg().Visible || m.pointer.dragImgInt().Visible)
                << KindNumber(k);
        }
    }
    EXPECT_EQ(prompts, 2); // the right press on X and on Y
}

TEST_F(PointerTest, TheCopyDropsAtTheFirstMovementWithNoButtonAndOnlyInsideTheScene) {
    const struct {
        float pointerY; // where the pointer holds the copy, in scene pixels
        bool added;
    } cases[] = {{50, true}, {20, false}, {20.5f, true}, {-30, false}};
    for (const auto& c : cases) {
        SceneHarness fresh;
        Model& s = fresh.model;
        WindowEvents(s).img_MouseDown(PieceKind::kSmiley, kLeft, 0, 10, 20);
        s.FollowPointer(200, c.pointerY);                     // dragImgInt.Top = pointerY - 20
        WindowEvents(s).dragImgInt_MouseMove(kLeft, 0, 3, 3); // a button still held: nothing
        EXPECT_EQ(s.scene.objCount(), 2);
        WindowEvents(s).dragImg_MouseMove(PointerButton::None, 0, 3, 3);
        EXPECT_FALSE(s.pointer.dragImg().Visible || s.pointer.dragImgInt().Visible);
        ASSERT_EQ(s.scene.objCount(), c.added ? 3 : 2) << c.pointerY;
        if (c.added) {
            EXPECT_EQ(s.scene.obj(3).objKind, PieceKind::kSmiley);
            EXPECT_EQ(s.scene.obj(3).objX, 200 - 10);
            EXPECT_EQ(s.scene.obj(3).objY, RoundToInt32(c.pointerY - 20));
        }
        WindowEvents(s).dragImgInt_MouseMove(PointerButton::None, 0, 3,
                                             3); // a second movement drops nothing more
        EXPECT_EQ(s.scene.objCount(), c.added ? 3 : 2);
    }
}

struct PromptCase {
    const char* answer; // nullptr: the prompt was cancelled
    std::optional<std::int32_t> value;
};

// Only a whole number from 0 to 9 is a value of X; anything else is refused with a message and
// changes nothing, and a cancelled prompt changes nothing without a word.
TEST_F(PointerTest, PromptAnswers) {
    const PromptCase cases[] = {
        {"7", 7},      {" 3 ", 3},    {"0", 0},     {"\t9\r\n", 9}, {"07", 7},
        {nullptr, {}}, {"", {}},      {"   ", {}},  {"7.9", {}},    {"3abc", {}},
        {"abc", {}},   {"-1", {}},    {"-0.5", {}}, {"10", {}},     {"1 2", {}},
        {"&H7", {}},   {"1e400", {}}, {"+5", {}},   {"5e0", {}},    {"99999999999999999999", {}},
    };
    for (const PromptCase& c : cases) {
        SceneHarness fresh;
        Model& s = fresh.model;
        s.scene.SetXYvalues(4, s.scene.yValue());
        s.AddObject(PieceKind::kX, 100, 100);
        s.AddObject(PieceKind::kY, 200, 100);
        std::string asked;
        s.inputBox = [&](const std::string& title, const std::string& prompt,
                         const std::string& defaultText) -> std::optional<std::string> {
            asked = title + "|" + prompt + "|" + defaultText;
            return c.answer ? std::optional<std::string>(c.answer) : std::nullopt;
        };
        std::string refused = "(not refused)";
        s.unknownValueRefused = [&](PieceKind unknownKind, const std::string& answer) {
            refused = std::to_string(KindNumber(unknownKind)) + "|" + answer;
        };
        const std::uint64_t before = s.Changes();
        WindowEvents(s).img_MouseDown(PieceKind::kX, kRight, 0, 5, 5);
        const std::string label = c.answer ? c.answer : "(cancelled)";
        EXPECT_EQ(asked, "X|X value\r\n(change or leave unchanged):|4") << label;
        const bool refusedAnswer = c.answer && !c.value;
        EXPECT_EQ(refused, refusedAnswer ? "11|" + label : "(not refused)") << label;
        if (c.value) {
            EXPECT_EQ(s.scene.xValue(), *c.value) << label;
            EXPECT_EQ(s.scene.obj(3).objMass, static_cast<float>(*c.value)) << label;
            EXPECT_EQ(s.scene.obj(3).objY, -200) << label; // everything jumped
            EXPECT_EQ(s.scene.obj(4).objY, -200) << label;
            EXPECT_EQ(s.scene.obj(1).objY, kLevel) << label;
        } else {
            EXPECT_EQ(s.Changes(), before) << label; // nothing at all changed
        }
    }
}

TEST_F(PointerTest, ANewValueRewritesEveryPieceOfThatUnknownOnly) {
    m.scene.SetXYvalues(m.scene.xValue(), 2);
    m.AddObject(PieceKind::kY, 100, 100);
    m.AddObject(PieceKind::kX, 200, 100);
    m.AddObject(PieceKind::kY, 300, 100);
    m.inputBox = [](auto&&...) { return std::optional<std::string>("2"); };
    WindowEvents(m).img_MouseDown(PieceKind::kY, kRight, 0, 0,
                                  0); // the same value: the pieces jump all the same
    EXPECT_EQ(m.scene.obj(3).objY, -200);
    m.inputBox = [](auto&&...) { return std::optional<std::string>("6"); };
    WindowEvents(m).img_MouseDown(PieceKind::kY, kRight, 0, 0, 0);
    EXPECT_EQ(m.scene.yValue(), 6);
    EXPECT_EQ(m.scene.obj(3).objMass, 6);
    EXPECT_EQ(m.scene.obj(5).objMass, 6);
    EXPECT_EQ(m.scene.obj(4).objMass, m.scene.xValue());
    EXPECT_EQ(m.scene.obj(3).objY, -500);
}

TEST_F(PointerTest, ProblemModeIgnoresTheRightPressButNotTheDragIn) {
    m.controls.UpdateProgramMode(ProgramMode::Problem);
    bool asked = false;
    m.inputBox = [&](auto&&...) {
        asked = true;
        return std::optional<std::string>("3");
    };
    WindowEvents(m).img_MouseDown(PieceKind::kX, kRight, 0, 0, 0);
    EXPECT_FALSE(asked);
    WindowEvents(m).img_MouseDown(PieceKind::kX, kLeft, 0, 0, 0);
    EXPECT_TRUE(m.pointer.dragImgInt().Visible);
}

// ---- The scene ----

TEST_F(PointerTest, HoverFramesTheLastPieceUnderThePointerAndNeverAPan) {
    m.AddObject(PieceKind::kOne, 100, 100); // object 3
    m.AddObject(PieceKind::kTwo, 120, 110); // object 4, overlapping object 3
    const struct {
        float x, y;
        std::int32_t selected;
    } cases[] = {
        {130, 120, 4},         // both: the later one
        {105, 105, 3},         // object 3 alone
        {145, 105, 3},         // object 3's right edge line
        {105, 140, 3},         // object 3's bottom edge line
        {165, 150, 4},         // object 4's right and bottom edge lines still select
        {166, 150, -1},        // one pixel further
        {300, kLevel + 5, -1}, // a pan alone
        {600, 50, -1},         // empty scene
    };
    for (const auto& c : cases) {
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, c.x, c.y);
        EXPECT_EQ(m.pointer.selectedObj(), c.selected) << c.x << "," << c.y;
        EXPECT_EQ(m.pointer.selObj().Visible, c.selected != -1);
        if (c.selected != -1) {
            EXPECT_EQ(m.pointer.selObj().Left, m.scene.obj(c.selected).objX);
            EXPECT_EQ(m.pointer.selObj().Top, m.scene.obj(c.selected).objY);
            EXPECT_EQ(m.pointer.selObj().Width, 45);
            EXPECT_EQ(m.pointer.selObj().Height, 40);
        }
    }
    // On the line a piece shares with the pan it lies on, the piece (later in the table) wins.
    m.AddObject(PieceKind::kThree, 300, kLevel - 40); // object 5
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 310, kLevel);
    EXPECT_EQ(m.pointer.selectedObj(), 5);
    EXPECT_FALSE(m.controls.lblMassa().Visible);
}

TEST_F(PointerTest, ARightPressDeletesTheSelectedPieceAtOnce) {
    m.AddObject(PieceKind::kOne, 100, 100);
    m.AddObject(PieceKind::kTwo, 300, 100);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 110, 110);
    ASSERT_EQ(m.pointer.selectedObj(), 3);
    WindowEvents(m).pictDraw_MouseDown(kRight, 0, 110, 110);
    ASSERT_EQ(m.scene.objCount(), 3);
    EXPECT_EQ(m.scene.obj(3).objKind, PieceKind::kTwo); // the last piece took the place
    EXPECT_EQ(m.pointer.selectedObj(), -1);             // the selection went with the deleted piece

    // Over empty scene a right press does nothing.
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 600, 50);
    WindowEvents(m).pictDraw_MouseDown(kRight, 0, 600, 50);
    EXPECT_EQ(m.scene.objCount(), 3);
}

TEST_F(PointerTest, ASelectionPastTheEndOfTheTableIsNoSelection) {
    m.AddObject(PieceKind::kOne, 100, 100);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 110, 110);
    WindowEvents(m).pictDraw_MouseDown(kRight, 0, 110, 110); // deletes object 3, the last
    ASSERT_EQ(m.scene.objCount(), 2);
    m.pointer.Select(3, m.scene.obj(2)); // as it would stand had the deletion left it
    // Nothing reads past the end: presses, drags and ticks all see no selection.
    WindowEvents(m).pictDraw_MouseDown(kRight, 0, 110, 110);
    WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.pointer.draggingObj());
    m.pointer.Grab(0, 0);
    m.FollowPointer(50, 50);
    WindowEvents(m).pictDraw_MouseMove(kLeft, 0, 50, 50);
    EXPECT_EQ(m.scene.objCount(), 2);
}

TEST_F(PointerTest, ALeftPressOnEmptySceneDragsNothing) {
    m.AddObject(PieceKind::kOne, 100, 100);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 600, 50);
    WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 600, 50);
    EXPECT_FALSE(m.pointer.draggingObj());
    PointerAt(110, 110);
    WindowEvents(m).pictDraw_MouseMove(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.pointer.draggingObj());
    EXPECT_EQ(m.pointer.selectedObj(), 3); // the frame follows whatever lies under the pointer
}

TEST_F(PointerTest, ADraggedPieceFollowsThePointerCarriesItsStackAndFallsWhenLetGo) {
    // A stack of two on the left pan, settled.
    m.AddObject(PieceKind::kFour, 100, kLevel - 40);
    m.AddObject(PieceKind::kFive, 100, kLevel - 80);
    h.RunMs(100);
    ASSERT_TRUE(m.scene.topContact()(3, 4));

    // Grab the lower cube 10 and 15 pixels inside its corner.
    PointerAt(110, kLevel - 25);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 110, kLevel - 25);
    ASSERT_EQ(m.pointer.selectedObj(), 3);
    WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 110, kLevel - 25);
    ASSERT_TRUE(m.pointer.draggingObj());
    EXPECT_EQ(m.pointer.grabX(), 10);
    EXPECT_EQ(m.pointer.grabY(), 15);

    // Up and to the right: the corner stays at the pointer less the grab offset, and the cube on
    // it comes along.
    m.FollowPointer(260, 100);
    EXPECT_EQ(m.scene.obj(3).objX, 250);
    EXPECT_EQ(m.scene.obj(3).objY, 85);
    EXPECT_EQ(m.scene.obj(4).objX, 250);
    EXPECT_EQ(m.scene.obj(4).objY, 45);

    // Held, it does not fall, whatever time passes.
    for (int i = 0; i < 20; ++i) {
        m.StepReality();
        m.FollowPointer(260, 100);
    }
    EXPECT_EQ(m.scene.obj(3).objY, 85);

    // Downward, it leaves its load behind.
    m.FollowPointer(260, 130);
    EXPECT_EQ(m.scene.obj(3).objY, 115);
    EXPECT_EQ(m.scene.obj(4).objY, 45);

    // Let go: it falls back onto the pan, the other onto it.
    WindowEvents(m).pictDraw_MouseUp(kLeft, 0, 258, 128);
    EXPECT_FALSE(m.pointer.draggingObj());
    for (int i = 0; i < 300; ++i) {
        m.StepReality();
    }
    EXPECT_EQ(m.scene.obj(3).objY + 40, m.scene.obj(1).objY);
    EXPECT_EQ(m.scene.obj(4).objY + 40, m.scene.obj(3).objY);
}

TEST_F(PointerTest, AReleaseOfAnotherButtonDoesNotEndTheDrag) {
    m.AddObject(PieceKind::kFour, 100, 100);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 110, 110);
    WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 110, 110);
    WindowEvents(m).pictDraw_MouseUp(kRight, 0, 110, 110);
    EXPECT_TRUE(m.pointer.draggingObj());
    WindowEvents(m).pictDraw_MouseUp(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.pointer.draggingObj());
}

// A click is a press and a release without motion: it never moves a piece, however often.
TEST_F(PointerTest, ClicksWithoutMotionNeverMoveAPiece) {
    m.AddObject(PieceKind::kFive, 100, 100);
    h.RunMs(3000);
    const SceneObject before = m.scene.obj(3);
    ASSERT_EQ(m.equation.lblEquazione().Caption, "5 > 0");
    const float x = static_cast<float>(before.objX + 20);
    const float y = static_cast<float>(before.objY + 20);
    for (int click = 0; click < 6; ++click) {
        PointerAt(x, y);
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, x, y);
        WindowEvents(m).pictDraw_MouseDown(kLeft, 0, x, y);
        h.RunMs(30); // the pointer ticks while the button is down
        WindowEvents(m).pictDraw_MouseUp(kLeft, 0, x, y);
        h.RunMs(30);
    }
    h.RunMs(3000);
    EXPECT_EQ(m.scene.obj(3).objX, before.objX);
    EXPECT_EQ(m.scene.obj(3).objY, before.objY);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "5 > 0");
}

// The hover the falling step re-runs under a still pointer sees the same pixels as the pointer's
// own events: the piece's box with its right and bottom edge lines, not a pixel beside it.
TEST_F(PointerTest, TheHoverUnderAStillPointerFramesExactlyThePiece) {
    m.AddObject(PieceKind::kFive, 100, kLevel - 40);
    const struct {
        float x, y;
        std::int32_t selected;
    } cases[] = {{99, 260, -1}, {100, 260, 3}, {145, 260, 3}, {146, 260, -1}, {120, 251, -1}};
    for (const auto& c : cases) {
        PointerAt(c.x, c.y);
        m.StepReality();
        EXPECT_EQ(m.pointer.selectedObj(), c.selected) << c.x << "," << c.y;
    }
}

// Two cubes resting on the left pan, the held one (object 3) to the left of the other.
class HeldPieceTest : public PointerTest {
  protected:
    void SetUp() override {
        m.AddObject(PieceKind::kFour, 100, kLevel - 40);
        m.AddObject(PieceKind::kSix, 300, kLevel - 40);
        h.RunMs(3000);
        other = m.scene.obj(4);
        PointerAt(110, static_cast<float>(other.objY + 10));
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 110,
                                           static_cast<float>(other.objY + 10));
        WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 110, static_cast<float>(other.objY + 10));
        ASSERT_TRUE(m.pointer.draggingObj());
        ASSERT_EQ(m.pointer.selectedObj(), 3);
    }
    // The pointer moves with the button held; the scene runs.
    void MoveHeldTo(float x, float y) {
        PointerAt(x, y);
        WindowEvents(m).pictDraw_MouseMove(kLeft, 0, x, y);
        h.RunMs(20);
    }
    SceneObject other;
};

TEST_F(HeldPieceTest, TheDragStaysWithTheGrabbedPieceAcrossAnother) {
    // Along the row, straight through the other cube and beyond it.
    for (float x = 110; x <= 420; x += 10) {
        MoveHeldTo(x, static_cast<float>(other.objY + 10));
        ASSERT_EQ(m.pointer.selectedObj(), 3) << x;
        EXPECT_EQ(m.scene.obj(3).objKind, PieceKind::kFour);
        EXPECT_EQ(m.scene.obj(3).objX, static_cast<std::int32_t>(x) - 10);
    }
    EXPECT_EQ(m.scene.obj(4).objX, other.objX);
    EXPECT_EQ(m.scene.obj(4).objY, other.objY);

    // Let go right inside the other cube: it goes on top of it, and both weigh on the pan.
    MoveHeldTo(static_cast<float>(other.objX + 15), static_cast<float>(other.objY + 15));
    WindowEvents(m).pictDraw_MouseUp(kLeft, 0, 0, 0);
    PointerAt(-1000, -1000);
    h.RunMs(3000);
    EXPECT_EQ(m.scene.obj(3).objY + 40, m.scene.obj(4).objY);
    EXPECT_EQ(m.scene.obj(4).objY + 40, m.scene.obj(1).objY);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "10 > 0");
}

TEST_F(HeldPieceTest, ARightPressDeletesTheHeldPieceAndNothingElseFollowsThePointer) {
    MoveHeldTo(200, 100);
    WindowEvents(m).pictDraw_MouseDown(kRight, 0, 200, 100);
    EXPECT_FALSE(m.pointer.draggingObj());
    ASSERT_EQ(m.scene.objCount(), 3);
    EXPECT_EQ(m.scene.obj(3).objKind,
              PieceKind::kSix); // the other cube, renumbered, stays where it was
    MoveHeldTo(250, 120);
    WindowEvents(m).pictDraw_MouseUp(kLeft, 0, 250, 120);
    h.RunMs(3000);
    EXPECT_EQ(m.scene.obj(3).objX, other.objX);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "6 > 0");
}

TEST_F(HeldPieceTest, TheHoldFollowsThePieceWhenAnotherLeavesTheTable) {
    // A piece that falls out of the scene while a cube is held leaves the hold where it was.
    m.AddObject(PieceKind::kOne, 452, 0); // object 5, falling into the gap
    MoveHeldTo(200, 100);
    h.RunMs(1000); // object 5 fell out of the scene
    ASSERT_EQ(m.scene.objCount(), 4);
    EXPECT_EQ(m.pointer.selectedObj(), 3);
    WindowEvents(m).pictDraw_MouseUp(kLeft, 0, 200, 100);

    // Held as the last of the table, a cube takes the number the fallen piece frees.
    m.AddObject(PieceKind::kTwo, 452, 0);    // object 5, falling
    m.AddObject(PieceKind::kThree, 600, 50); // object 6, to be held
    PointerAt(610, 60);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, 610, 60);
    WindowEvents(m).pictDraw_MouseDown(kLeft, 0, 610, 60);
    ASSERT_EQ(m.pointer.selectedObj(), 6);
    h.RunMs(1000); // object 5 leaves; the held cube takes its number
    ASSERT_EQ(m.scene.objCount(), 5);
    EXPECT_EQ(m.pointer.selectedObj(), 5);
    EXPECT_EQ(m.scene.obj(5).objKind, PieceKind::kThree);
    MoveHeldTo(700, 80);
    EXPECT_EQ(m.scene.obj(5).objX, 690);
    EXPECT_EQ(m.scene.obj(5).objY, 70);
}

} // namespace
} // namespace tarvelo
