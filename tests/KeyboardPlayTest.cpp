// The keyboard on the model: a copy from the palette, the scene's cursor, a piece carried.
#include "core/testing/SceneBuilders.h"
#include "core/world/SceneNavigation.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarvelo {
namespace {

constexpr std::int32_t kLevel = 292;
constexpr float kHoverGap = 8;

class KeyboardPlayTest : public ::testing::Test {
  protected:
    SceneHarness h;
    Model& m = h.model;

    // Picks up a copy of `kind` from the palette, presses `keys` and drops it.
    void Drop(PieceKind kind, std::initializer_list<Key> keys) {
        ASSERT_TRUE(m.PaletteKey(kind, Key::Activate, false));
        for (Key key : keys) {
            ASSERT_TRUE(m.PaletteKey(kind, key, false));
        }
        ASSERT_TRUE(m.PaletteKey(kind, Key::Activate, false));
    }
    const SceneObject& Cursor() const { return m.scene.obj(m.keyboard.cursor()); }
    float PanCentre(std::int32_t pan) const {
        const SceneObject& p = m.scene.obj(pan);
        return static_cast<float>(p.objX) + static_cast<float>(p.objW) / 2;
    }
};

// ---- A copy from the palette ----

TEST_F(KeyboardPlayTest, ACopyHoversOverTheLeftPanAndFallsOnItWhenDropped) {
    ASSERT_TRUE(m.PaletteKey(PieceKind::kFive, Key::Activate, false));
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Copy);
    const ControlBox& copy = m.pointer.dragImgInt();
    EXPECT_TRUE(copy.Visible);
    EXPECT_EQ(copy.Picture, PictureOf(PieceKind::kFive));
    EXPECT_EQ(copy.Left + static_cast<float>(kCubeSize.width) / 2, PanCentre(kLeftPan));
    // Just above the place it would land: the empty pan.
    EXPECT_EQ(copy.Top, static_cast<float>(kLevel - kCubeSize.height) - kHoverGap);

    // The pointer tick leaves it where the keyboard put it, wherever the pointer is.
    m.FollowPointer(700, 20);
    EXPECT_EQ(copy.Left + static_cast<float>(kCubeSize.width) / 2, PanCentre(kLeftPan));

    ASSERT_TRUE(m.PaletteKey(PieceKind::kFive, Key::Activate, false));
    EXPECT_FALSE(copy.Visible);
    ASSERT_EQ(m.scene.objCount(), kFirstPiece);
    EXPECT_EQ(m.keyboard.cursor(), kFirstPiece); // the cursor is on the new piece
    h.RunMs(3000);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "5 > 0");
    EXPECT_EQ(m.scene.obj(kFirstPiece).objPan, kLeftPan);
}

TEST_F(KeyboardPlayTest, ArrowsMoveACopyByItsWidthOrFivePixelsWithinTheScene) {
    ASSERT_TRUE(m.PaletteKey(PieceKind::kX, Key::Activate, false));
    const float start = m.pointer.dragImgInt().Left;
    const struct {
        Key key;
        bool fine;
        float expected; // left edge after the key
    } steps[] = {
        {Key::Right, false, start + 45}, {Key::Right, true, start + 50},
        {Key::Left, false, start + 5},   {Key::Left, true, start},
        {Key::Up, false, start}, // up and down mean nothing to a copy
    };
    for (const auto& s : steps) {
        m.PaletteKey(PieceKind::kX, s.key, s.fine);
        EXPECT_EQ(m.pointer.dragImgInt().Left, s.expected);
    }
    // Never beyond the scene's edges.
    for (int i = 0; i < 40; ++i) {
        m.PaletteKey(PieceKind::kX, Key::Left, false);
    }
    EXPECT_EQ(m.pointer.dragImgInt().Left, 0);
    for (int i = 0; i < 40; ++i) {
        m.PaletteKey(PieceKind::kX, Key::Right, false);
    }
    EXPECT_EQ(m.pointer.dragImgInt().Left, static_cast<float>(949 - kCubeSize.width));
    // Page Down and Page Up: over the right pan, over the left pan.
    m.PaletteKey(PieceKind::kX, Key::PageDown, false);
    EXPECT_EQ(m.pointer.dragImgInt().Left + 22.5f, PanCentre(kRightPan));
    m.PaletteKey(PieceKind::kX, Key::PageUp, false);
    EXPECT_EQ(m.pointer.dragImgInt().Left + 22.5f, PanCentre(kLeftPan));
}

TEST_F(KeyboardPlayTest, ACopyHoversAboveAStackAndEscapeCancelsIt) {
    Drop(PieceKind::kFive, {});
    Drop(PieceKind::kFive, {});
    h.RunMs(3000);
    ASSERT_TRUE(m.PaletteKey(PieceKind::kSeven, Key::Activate, false));
    const SceneObject& top = m.scene.obj(kFirstPiece + 1);
    EXPECT_EQ(m.pointer.dragImgInt().Top,
              static_cast<float>(top.objY - kCubeSize.height) - kHoverGap);

    const Scene before = m.scene;
    ASSERT_TRUE(m.PaletteKey(PieceKind::kSeven, Key::Cancel, false));
    EXPECT_FALSE(m.pointer.dragImgInt().Visible);
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Nothing);
    EXPECT_EQ(m.scene.objCount(), before.objCount());
}

TEST_F(KeyboardPlayTest, FiveOnTheLeftAndXOnTheRightWithoutThePointer) {
    Drop(PieceKind::kFive, {});
    Drop(PieceKind::kX, {Key::PageDown});
    h.RunMs(4000);
    const std::string sign = m.equation.lblComparison().Caption;
    EXPECT_EQ(m.equation.lblEquazione().Caption, "5 " + sign + " X");
    EXPECT_EQ(sign, m.scene.xValue() < 5 ? ">" : (m.scene.xValue() > 5 ? "<" : "="));
}

TEST_F(KeyboardPlayTest, ThePointerTakesOverFromTheKeyboard) {
    ASSERT_TRUE(m.PaletteKey(PieceKind::kFive, Key::Activate, false));
    m.PickUpCopy(PieceKind::kSeven, 3, 4);
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Nothing);
    m.FollowPointer(300, 100);
    EXPECT_EQ(m.pointer.dragImgInt().Left, 297); // the pointer's copy follows the pointer
}

TEST_F(KeyboardPlayTest, F2AsksForTheValueOfXOrYInFreeModeOnly) {
    std::vector<std::string> prompts;
    m.inputBox = [&](const std::string& title, const std::string&, const std::string&) {
        prompts.push_back(title);
        return std::optional<std::string>("7");
    };
    EXPECT_FALSE(m.PaletteKey(PieceKind::kFive, Key::AskValue, false));
    EXPECT_TRUE(m.PaletteKey(PieceKind::kY, Key::AskValue, false));
    EXPECT_EQ(m.scene.yValue(), 7);
    m.controls.UpdateProgramMode(ProgramMode::Problem);
    EXPECT_FALSE(m.PaletteKey(PieceKind::kX, Key::AskValue, false));
    EXPECT_EQ(prompts, std::vector<std::string>{"Y"});
}

// ---- The scene's cursor ----

// Two columns on the left pan and one on the right, built from the keyboard and settled.
class SceneCursorTest : public KeyboardPlayTest {
  protected:
    void SetUp() override {
        Drop(PieceKind::kOne, {});
        Drop(PieceKind::kTwo, {});
        Drop(PieceKind::kThree, {Key::Right, Key::Right});
        Drop(PieceKind::kFour, {Key::PageDown});
        h.RunMs(4000);
    }
    PieceKind Kind() const { return Cursor().objKind; }
};

TEST_F(SceneCursorTest, ArrowsGoAcrossTheColumnsFromTheirLowestPieceAndUpAndDownAStack) {
    m.keyboard.PutCursorOn(kNoObject);
    const struct {
        Key key;
        PieceKind kind; // of the piece under the cursor after the key
    } path[] = {
        {Key::Right, PieceKind::kOne}, // from nowhere: the lowest piece of the leftmost column
        {Key::Up, PieceKind::kTwo},
        {Key::Up, PieceKind::kTwo}, // nothing higher: it stays
        {Key::Right, PieceKind::kThree},
        {Key::Right, PieceKind::kFour},
        {Key::Right, PieceKind::kFour},
        {Key::Left, PieceKind::kThree},
        {Key::Left, PieceKind::kOne},
        {Key::Down, PieceKind::kOne},
        // Home and End: the lowest piece of the leftmost and of the rightmost column.
        {Key::Up, PieceKind::kTwo},
        {Key::End, PieceKind::kFour},
        {Key::Home, PieceKind::kOne},
    };
    for (const auto& p : path) {
        EXPECT_TRUE(m.SceneKey(p.key, false));
        EXPECT_EQ(Kind(), p.kind);
    }
    EXPECT_EQ(PlaceInStack(m.scene, m.keyboard.cursor()), (StackPlace{kLeftPan, 1}));
    m.SceneKey(Key::Up, false);
    EXPECT_EQ(PlaceInStack(m.scene, m.keyboard.cursor()), (StackPlace{kLeftPan, 2}));
    m.SceneKey(Key::Right, false);
    m.SceneKey(Key::Right, false);
    EXPECT_EQ(PlaceInStack(m.scene, m.keyboard.cursor()), (StackPlace{kRightPan, 1}));
    // A piece held up in the air stands on no pan.
    m.SceneKey(Key::Activate, false);
    m.SceneKey(Key::Up, false);
    m.SceneKey(Key::Up, false);
    h.RunMs(20);
    EXPECT_EQ(PlaceInStack(m.scene, m.HeldPiece()), StackPlace{});
}

TEST_F(SceneCursorTest, APieceCarriedToTheOtherPanStaysThere) {
    m.keyboard.PutCursorOn(NextPiece(m.scene, kNoObject, Direction::Right)); // the 1
    m.SceneKey(Key::Right, false);                                           // the 3
    ASSERT_EQ(Kind(), PieceKind::kThree);
    ASSERT_TRUE(m.SceneKey(Key::Activate, false));
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Piece);
    const std::int32_t held = m.HeldPiece();
    m.SceneKey(Key::Up, false);
    m.SceneKey(Key::Up, false);
    m.SceneKey(Key::PageDown, false);
    // Held where the keyboard put it while the timers run and the pointer is elsewhere.
    h.RunMs(500);
    EXPECT_EQ(static_cast<float>(m.scene.obj(held).objX) + 22.5f, PanCentre(kRightPan));
    ASSERT_TRUE(m.SceneKey(Key::Activate, false));
    EXPECT_EQ(m.HeldPiece(), kNoObject);
    h.RunMs(4000);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "3 < 7"); // 1 + 2 on the left, 4 + 3 on the right
}

// The stack it carried up and across comes back with it.
TEST_F(SceneCursorTest, EscapePutsACarriedPieceBackWhereItWas) {
    m.keyboard.PutCursorOn(NextPiece(m.scene, kNoObject, Direction::Right));
    const Scene before = m.scene;
    const std::int32_t piece = m.keyboard.cursor();
    ASSERT_TRUE(m.SceneKey(Key::Activate, false));
    m.SceneKey(Key::Right, true);
    m.SceneKey(Key::Up, false);
    EXPECT_NE(m.scene.obj(piece).objY, before.obj(piece).objY);
    ASSERT_TRUE(m.SceneKey(Key::Cancel, false));
    h.RunMs(2000);
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        EXPECT_EQ(m.scene.obj(i).objX, before.obj(i).objX) << i;
        EXPECT_EQ(m.scene.obj(i).objY, before.obj(i).objY) << i;
    }
}

TEST_F(SceneCursorTest, DeleteRemovesThePieceUnderTheCursorAndMovesOnToANeighbour) {
    m.keyboard.PutCursorOn(NextPiece(m.scene, kNoObject, Direction::Right)); // the 1
    ASSERT_TRUE(m.SceneKey(Key::Delete, false));
    EXPECT_EQ(m.scene.objCount(), kFirstPiece + 2);
    EXPECT_EQ(Kind(), PieceKind::kThree); // the next column on the right, renumbered by the removal
    ASSERT_TRUE(m.SceneKey(Key::Right, false));
    ASSERT_TRUE(m.SceneKey(Key::Delete, false));
    EXPECT_EQ(Kind(), PieceKind::kThree); // nothing further right: back to the left
    h.RunMs(4000);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "5 > 0"); // the 2 and the 3
    // A carried piece is deleted too, which ends the carrying.
    ASSERT_TRUE(m.SceneKey(Key::Activate, false));
    ASSERT_TRUE(m.SceneKey(Key::Delete, false));
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Nothing);
    EXPECT_EQ(m.HeldPiece(), kNoObject);
    EXPECT_EQ(m.scene.objCount(), kFirstPiece);
}

TEST_F(SceneCursorTest, FocusLeavingPutsACarriedPieceDownAndTakesACopyBack) {
    m.keyboard.PutCursorOn(NextPiece(m.scene, kNoObject, Direction::Right));
    ASSERT_TRUE(m.SceneKey(Key::Activate, false));
    m.KeyboardFocusLost();
    EXPECT_EQ(m.HeldPiece(), kNoObject);
    ASSERT_TRUE(m.PaletteKey(PieceKind::kNine, Key::Activate, false));
    m.KeyboardFocusLost();
    EXPECT_FALSE(m.pointer.dragImgInt().Visible);
    EXPECT_EQ(m.scene.objCount(), kFirstPiece + 3);
}

TEST(SceneNavigationTest, AnEmptySceneHasNoPieceForTheCursor) {
    SceneHarness h;
    for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
        EXPECT_EQ(NextPiece(h.model.scene, kNoObject, d), kNoObject);
    }
    EXPECT_FALSE(h.model.SceneKey(Key::Right, false));
    EXPECT_FALSE(h.model.SceneKey(Key::Activate, false));
    EXPECT_FALSE(h.model.SceneKey(Key::Delete, false));
}

} // namespace
} // namespace tarvelo
