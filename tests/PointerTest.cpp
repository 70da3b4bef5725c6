#include "scene/Numeric.h"
#include "scene/SceneBuilders.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarvelo {
namespace {

constexpr int kLeft = Model::kLeftButton;
constexpr int kRight = Model::kRightButton;
constexpr int kMiddle = Model::kMiddleButton;
constexpr std::int32_t kLevel = 292;

class PointerTest : public ::testing::Test {
  protected:
    SceneHarness h;
    Model& m = h.model;
    // The pointer stands still at (x, y) in scene pixels; the tick sees it 2 pixels further,
    // from the outer corner of the bordered scene.
    void PointerAt(float x, float y) { m.MouseTimer_Timer(x + 2, y + 2); }
};

// ---- Palette ----

TEST_F(PointerTest, ALeftPressOnThePalettePicksUpACopy) {
    m.img_MouseDown(5, kLeft, 0, 10.5f, 20.5f);
    EXPECT_TRUE(m.dragImg.Visible);
    EXPECT_TRUE(m.dragImgInt.Visible);
    EXPECT_EQ(m.dragImg.Picture, 5);
    EXPECT_EQ(m.dragImgInt.Picture, 5);
    EXPECT_EQ(m.dragImgInt.Width, 45);
    EXPECT_EQ(m.grabX, 10); // halves to even
    EXPECT_EQ(m.grabY, 20);
    EXPECT_EQ(m.dragKind, 5);
    EXPECT_EQ(m.objCount, 2);

    // Both boxes follow the pointer; the one in the scene stands a pixel off the other.
    m.MouseTimer_Timer(300, 100);
    EXPECT_EQ(m.dragImg.Left, 4 + 300 - 10);
    EXPECT_EQ(m.dragImg.Top, 60 + 100 - 20);
    EXPECT_EQ(m.dragImgInt.Left, 300 - 10 - 1);
    EXPECT_EQ(m.dragImgInt.Top, 100 - 20 - 1);
}

TEST_F(PointerTest, RightAndMiddlePressesNeverStartADragIn) {
    int prompts = 0;
    m.inputBox = [&](const std::string&, const std::string&, const std::string&) {
        ++prompts;
        return std::optional<std::string>("5");
    };
    for (int button : {kRight, kMiddle}) {
        for (int k : {1, 10, 21, 11, 12}) {
            m.img_MouseDown(k, button, 0, 5, 5);
            EXPECT_FALSE(m.dragImg.Visible || m.dragImgInt.Visible) << k;
        }
    }
    EXPECT_EQ(prompts, 2); // the right press on X and on Y
}

TEST_F(PointerTest, TheCopyDropsAtTheFirstMovementWithNoButtonAndOnlyInsideTheScene) {
    const struct {
        float pointerY; // where the pointer holds the copy, in tick coordinates
        bool added;
    } cases[] = {{50, true}, {21, false}, {21.5f, true}, {-30, false}};
    for (const auto& c : cases) {
        SceneHarness fresh;
        Model& s = fresh.model;
        s.img_MouseDown(kind::kSmiley, kLeft, 0, 10, 20);
        s.MouseTimer_Timer(200, c.pointerY);    // dragImgInt.Top = pointerY - 20 - 1
        s.dragImgInt_MouseMove(kLeft, 0, 3, 3); // a button still held: nothing
        EXPECT_EQ(s.objCount, 2);
        s.dragImg_MouseMove(0, 0, 3, 3);
        EXPECT_FALSE(s.dragImg.Visible || s.dragImgInt.Visible);
        ASSERT_EQ(s.objCount, c.added ? 3 : 2) << c.pointerY;
        if (c.added) {
            EXPECT_EQ(s.obj(3).objKind, kind::kSmiley);
            EXPECT_EQ(s.obj(3).objX, 200 - 10 - 1);
            EXPECT_EQ(s.obj(3).objY, RoundToInt32(c.pointerY - 21));
        }
        s.dragImgInt_MouseMove(0, 0, 3, 3); // a second movement drops nothing more
        EXPECT_EQ(s.objCount, c.added ? 3 : 2);
    }
}

struct PromptCase {
    const char* answer; // nullptr: the prompt was cancelled
    std::optional<std::int32_t> value;
};

TEST_F(PointerTest, PromptAnswers) {
    const PromptCase cases[] = {
        {"7", 7},     {"7.9", 7}, {" 3 ", 3},    {"3abc", 3},  {"", 0},
        {nullptr, 0}, {"abc", 0}, {"-1", {}},    {"-0.5", {}}, {"10", {}},
        {"1 2", {}},  {"&H7", 7}, {"1e400", {}}, {"9.999", 9}, {"0", 0},
    };
    for (const PromptCase& c : cases) {
        SceneHarness fresh;
        Model& s = fresh.model;
        s.xValue = 4;
        s.AddObject(kind::kX, 100, 100);
        s.AddObject(kind::kY, 200, 100);
        std::string asked;
        s.inputBox = [&](const std::string& title, const std::string& prompt,
                         const std::string& defaultText) -> std::optional<std::string> {
            asked = title + "|" + prompt + "|" + defaultText;
            return c.answer ? std::optional<std::string>(c.answer) : std::nullopt;
        };
        const std::uint64_t before = s.Fingerprint();
        s.img_MouseDown(kind::kX, kRight, 0, 5, 5);
        const std::string label = c.answer ? c.answer : "(cancelled)";
        EXPECT_EQ(asked, "X|X value\r\n(change or leave unchanged):|4") << label;
        if (c.value) {
            EXPECT_EQ(s.xValue, *c.value) << label;
            EXPECT_EQ(s.obj(3).objMass, static_cast<float>(*c.value)) << label;
            EXPECT_EQ(s.obj(3).objY, -200) << label; // everything jumped
            EXPECT_EQ(s.obj(4).objY, -200) << label;
            EXPECT_EQ(s.obj(1).objY, kLevel) << label;
        } else {
            EXPECT_EQ(s.Fingerprint(), before) << label; // nothing at all changed
        }
    }
}

TEST_F(PointerTest, ANewValueRewritesEveryPieceOfThatUnknownOnly) {
    m.yValue = 2;
    m.AddObject(kind::kY, 100, 100);
    m.AddObject(kind::kX, 200, 100);
    m.AddObject(kind::kY, 300, 100);
    m.inputBox = [](auto&&...) { return std::optional<std::string>("2"); };
    m.img_MouseDown(kind::kY, kRight, 0, 0, 0); // the same value: the pieces jump all the same
    EXPECT_EQ(m.obj(3).objY, -200);
    m.inputBox = [](auto&&...) { return std::optional<std::string>("6"); };
    m.img_MouseDown(kind::kY, kRight, 0, 0, 0);
    EXPECT_EQ(m.yValue, 6);
    EXPECT_EQ(m.obj(3).objMass, 6);
    EXPECT_EQ(m.obj(5).objMass, 6);
    EXPECT_EQ(m.obj(4).objMass, m.xValue);
    EXPECT_EQ(m.obj(3).objY, -500);
}

TEST_F(PointerTest, ProblemModeIgnoresTheRightPressButNotTheDragIn) {
    m.programMode = 1;
    bool asked = false;
    m.inputBox = [&](auto&&...) {
        asked = true;
        return std::optional<std::string>("3");
    };
    m.img_MouseDown(kind::kX, kRight, 0, 0, 0);
    EXPECT_FALSE(asked);
    m.img_MouseDown(kind::kX, kLeft, 0, 0, 0);
    EXPECT_TRUE(m.dragImgInt.Visible);
}

// ---- The scene ----

TEST_F(PointerTest, HoverFramesTheLastPieceUnderThePointerAndNeverAPan) {
    m.AddObject(1, 100, 100); // object 3
    m.AddObject(2, 120, 110); // object 4, overlapping object 3
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
        m.pictDraw_MouseMove(0, 0, c.x, c.y);
        EXPECT_EQ(m.selectedObj, c.selected) << c.x << "," << c.y;
        EXPECT_EQ(m.selObj.Visible, c.selected != -1);
        if (c.selected != -1) {
            EXPECT_EQ(m.selObj.Left, m.obj(c.selected).objX);
            EXPECT_EQ(m.selObj.Top, m.obj(c.selected).objY);
            EXPECT_EQ(m.selObj.Width, 45);
            EXPECT_EQ(m.selObj.Height, 40);
        }
    }
    // On the line a piece shares with the pan it lies on, the piece (later in the table) wins.
    m.AddObject(3, 300, kLevel - 40); // object 5
    m.pictDraw_MouseMove(0, 0, 310, kLevel);
    EXPECT_EQ(m.selectedObj, 5);
    EXPECT_FALSE(m.lblMassa.Visible);
}

TEST_F(PointerTest, ARightPressDeletesTheSelectedPieceAtOnce) {
    m.AddObject(1, 100, 100);
    m.AddObject(2, 300, 100);
    m.pictDraw_MouseMove(0, 0, 110, 110);
    ASSERT_EQ(m.selectedObj, 3);
    m.pictDraw_MouseDown(kRight, 0, 110, 110);
    ASSERT_EQ(m.objCount, 3);
    EXPECT_EQ(m.obj(3).objKind, 2); // the last piece took the place
    EXPECT_EQ(m.selectedObj, 3);    // until the next hover update

    // Over empty scene a right press does nothing.
    m.pictDraw_MouseMove(0, 0, 600, 50);
    m.pictDraw_MouseDown(kRight, 0, 600, 50);
    EXPECT_EQ(m.objCount, 3);
}

TEST_F(PointerTest, ASelectionPastTheEndOfTheTableIsNoSelection) {
    m.AddObject(1, 100, 100);
    m.pictDraw_MouseMove(0, 0, 110, 110);
    m.pictDraw_MouseDown(kRight, 0, 110, 110); // deletes object 3, the last
    ASSERT_EQ(m.objCount, 2);
    ASSERT_EQ(m.selectedObj, 3);
    // Nothing reads past the end: presses, drags and ticks all see no selection.
    m.pictDraw_MouseDown(kRight, 0, 110, 110);
    m.pictDraw_MouseDown(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.draggingObj);
    m.draggingObj = true;
    m.MouseTimer_Timer(50, 50);
    m.pictDraw_MouseMove(kLeft, 0, 50, 50);
    EXPECT_EQ(m.objCount, 2);
}

TEST_F(PointerTest, ALeftPressOnEmptySceneDragsNothing) {
    m.AddObject(1, 100, 100);
    m.pictDraw_MouseMove(0, 0, 600, 50);
    m.pictDraw_MouseDown(kLeft, 0, 600, 50);
    EXPECT_FALSE(m.draggingObj);
    PointerAt(110, 110);
    m.pictDraw_MouseMove(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.draggingObj);
    EXPECT_EQ(m.selectedObj, 3); // the frame follows whatever lies under the pointer
}

TEST_F(PointerTest, ADraggedPieceFollowsThePointerCarriesItsStackAndFallsWhenLetGo) {
    // A stack of two on the left pan, settled.
    m.AddObject(4, 100, kLevel - 40);
    m.AddObject(5, 100, kLevel - 80);
    h.RunMs(100);
    ASSERT_TRUE(m.topContact(3, 4));

    // Grab the lower cube 10 and 15 pixels inside its corner.
    PointerAt(110, kLevel - 25);
    m.pictDraw_MouseMove(0, 0, 110, kLevel - 25);
    ASSERT_EQ(m.selectedObj, 3);
    m.pictDraw_MouseDown(kLeft, 0, 110, kLevel - 25);
    ASSERT_TRUE(m.draggingObj);
    EXPECT_EQ(m.grabX, 10);
    EXPECT_EQ(m.grabY, 15);

    // Up and to the right: the corner stays at the pointer less the grab offset, and the cube on
    // it comes along.
    m.MouseTimer_Timer(260, 100);
    EXPECT_EQ(m.obj(3).objX, 250);
    EXPECT_EQ(m.obj(3).objY, 85);
    EXPECT_EQ(m.obj(4).objX, 250);
    EXPECT_EQ(m.obj(4).objY, 45);

    // Held, it does not fall, whatever time passes.
    for (int i = 0; i < 20; ++i) {
        m.realityTimer_Timer();
        m.MouseTimer_Timer(260, 100);
    }
    EXPECT_EQ(m.obj(3).objY, 85);

    // Downward, it leaves its load behind.
    m.MouseTimer_Timer(260, 130);
    EXPECT_EQ(m.obj(3).objY, 115);
    EXPECT_EQ(m.obj(4).objY, 45);

    // Let go: it falls back onto the pan, the other onto it.
    m.pictDraw_MouseUp(kLeft, 0, 258, 128);
    EXPECT_FALSE(m.draggingObj);
    for (int i = 0; i < 300; ++i) {
        m.realityTimer_Timer();
    }
    EXPECT_EQ(m.obj(3).objY + 40, m.obj(1).objY);
    EXPECT_EQ(m.obj(4).objY + 40, m.obj(3).objY);
}

TEST_F(PointerTest, AReleaseOfAnotherButtonDoesNotEndTheDrag) {
    m.AddObject(4, 100, 100);
    m.pictDraw_MouseMove(0, 0, 110, 110);
    m.pictDraw_MouseDown(kLeft, 0, 110, 110);
    m.pictDraw_MouseUp(kRight, 0, 110, 110);
    EXPECT_TRUE(m.draggingObj);
    m.pictDraw_MouseUp(kLeft, 0, 110, 110);
    EXPECT_FALSE(m.draggingObj);
}

} // namespace
} // namespace tarvelo
