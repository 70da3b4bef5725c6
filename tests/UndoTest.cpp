// Undo and redo on the model: each action undone to the rest before it and redone, chains, the
// steps kept, and the rules of problem mode.
#include "core/io/ProblemFile.h"
#include "core/play/WindowEvents.h"
#include "core/testing/SceneBuilders.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::int64_t kSettleMs = 4000;

// What a child sees of a scene: every piece where it lies, X and Y, the sign and the line, the
// mode, the problem file and whether the solution shows.
struct Seen {
    std::vector<std::tuple<PieceKind, std::int32_t, std::int32_t>> pieces; // kind, x, y
    std::int32_t x = 0, y = 0;
    std::string sign, equation, file;
    ProgramMode mode = ProgramMode::Free;
    bool solution = false;
    bool operator==(const Seen&) const = default;
};

Seen SeenIn(const Model& m) {
    Seen seen;
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        seen.pieces.emplace_back(o.objKind, o.objX, o.objY);
    }
    seen.x = m.scene.xValue();
    seen.y = m.scene.yValue();
    seen.sign = m.equation.lblComparison().Caption;
    seen.equation = m.equation.lblEquazione().Caption;
    seen.file = m.controls.stProblemFile();
    seen.mode = m.controls.programMode();
    seen.solution = m.controls.showSolution();
    return seen;
}

// A scene with a 5 and a 2 on the left pan and an X on the right, at rest.
class UndoTest : public ::testing::Test {
  public: // the table of actions reaches them
    void SetUp() override {
        m.inputBox = [](const std::string&, const std::string&, const std::string&) {
            return std::optional<std::string>("7");
        };
        Settle(); // the empty scene at rest: the first step
        Drop(PieceKind::kFive, kLeftPan);
        Drop(PieceKind::kTwo, kLeftPan);
        Drop(PieceKind::kX, kRightPan);
        Settle();
    }
    void Settle() { h.RunMs(kSettleMs); }
    // A copy from the palette dropped over `pan` with the pointer.
    void Drop(PieceKind kind, std::int32_t pan) {
        const SceneObject& p = m.scene.obj(pan);
        WindowEvents(m).img_MouseDown(kind, PointerButton::Left, 0, 0, 0);
        m.FollowPointer(static_cast<float>(p.objX + 100), 100);
        WindowEvents(m).dragImgInt_MouseMove(PointerButton::None, 0, 0, 0);
    }
    // The pointer over piece `i`.
    void Hover(std::int32_t i) {
        const SceneObject& o = m.scene.obj(i);
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, static_cast<float>(o.objX + 5),
                                           static_cast<float>(o.objY + 5));
    }
    SceneHarness h;
    Model& m = h.model;
};

TEST_F(UndoTest, EachActionIsUndoneToTheRestBeforeItAndRedone) {
    const Problem problem =
        *ParseProblem("# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n1\r\n100\r\n100\r\n"
                      "9\r\n9\r\n")
             .problem;
    const struct {
        const char* action;
        std::function<void(UndoTest&)> act;
        ActionVerb named; // what the step is named by
    } actions[] = {
        {"a drop from the palette", [](UndoTest& t) { t.Drop(PieceKind::kNine, kRightPan); },
         ActionVerb::Dropped},
        {"a drop from the keyboard",
         [](UndoTest& t) {
             t.m.PaletteKey(PieceKind::kThree, Key::Activate, false);
             t.m.PaletteKey(PieceKind::kThree, Key::Activate, false);
         },
         ActionVerb::Dropped},
        {"a drag in the scene",
         [](UndoTest& t) {
             t.Hover(kFirstPiece);
             WindowEvents(t.m).pictDraw_MouseDown(PointerButton::Left, 0, 0, 0);
             t.m.FollowPointer(650, 150);
             WindowEvents(t.m).pictDraw_MouseUp(PointerButton::Left, 0, 0, 0);
         },
         ActionVerb::Moved},
        {"a deletion with the pointer",
         [](UndoTest& t) {
             t.Hover(kFirstPiece + 2);
             WindowEvents(t.m).pictDraw_MouseDown(PointerButton::Right, 0, 0, 0);
         },
         ActionVerb::Removed},
        {"a deletion from the keyboard",
         [](UndoTest& t) {
             t.m.SceneKey(Key::Right, false);
             t.m.SceneKey(Key::Delete, false);
         },
         ActionVerb::Removed},
        {"a piece carried with the keyboard",
         [](UndoTest& t) {
             t.m.SceneKey(Key::Right, false);
             t.m.SceneKey(Key::Activate, false);
             t.m.SceneKey(Key::PageDown, false);
             t.m.SceneKey(Key::Activate, false);
         },
         ActionVerb::Moved},
        {"a new value of X",
         [](UndoTest& t) {
             WindowEvents(t.m).img_MouseDown(PieceKind::kX, PointerButton::Right, 0, 0, 0);
         },
         ActionVerb::ValueSet},
        {"the solution shown", [](UndoTest& t) { t.m.ToggleSolution(); },
         ActionVerb::SolutionShown},
        {"a new scene",
         [](UndoTest& t) {
             t.m.CleanProblem();
             t.m.NewScene();
         },
         ActionVerb::SceneReplaced},
        {"a problem loaded",
         [&problem](UndoTest& t) {
             t.m.CleanProblem();
             t.m.NewScene();
             t.m.PutProblem(&problem, "lesson.trv", ProgramMode::Free);
         },
         ActionVerb::SceneReplaced},
    };
    for (const auto& a : actions) {
        SCOPED_TRACE(a.action);
        UndoTest& t = *this;
        const Seen before = SeenIn(m);
        a.act(t);
        Settle();
        const Seen after = SeenIn(m);
        ASSERT_NE(after, before);

        const std::optional<UndoAction> undone = m.Undo();
        ASSERT_TRUE(undone);
        EXPECT_EQ(undone->verb, a.named);
        Settle();
        EXPECT_EQ(SeenIn(m), before);
        const std::optional<UndoAction> redone = m.Redo();
        ASSERT_TRUE(redone);
        EXPECT_EQ(*redone, *undone); // redoing names the same action
        Settle();
        EXPECT_EQ(SeenIn(m), after);
        // Back to the start for the next action; nothing left to redo after a new action.
        ASSERT_TRUE(m.Undo());
        Settle();
        ASSERT_EQ(SeenIn(m), before);
    }
}

// The solution shown and hidden moves nothing: each press is a step of its own, however quickly
// the next follows it.
TEST_F(UndoTest, EachPressOfShowOrHideSolutionIsAStep) {
    Drop(PieceKind::kFive, kLeftPan);
    Settle();
    const Seen before = SeenIn(m);
    const bool first = m.controls.showSolution();
    m.ToggleSolution();
    m.ToggleSolution();
    m.ToggleSolution();
    // Undone press by press: after two presses, after one, before any.
    for (const bool shown : {first, !first, first}) {
        ASSERT_TRUE(m.Undo());
        EXPECT_EQ(m.controls.showSolution(), shown);
    }
    EXPECT_EQ(SeenIn(m), before);
}

TEST_F(UndoTest, AChainIsUndoneToTheStartAndANewActionForgetsTheRedoSteps) {
    std::vector<Seen> states{SeenIn(m)};
    for (std::int32_t n : {1, 2, 3, 4}) {
        Drop(CubeBearing(n).value(), n % 2 == 0 ? kLeftPan : kRightPan);
        Settle();
        states.push_back(SeenIn(m));
    }
    for (auto at = states.rbegin() + 1; at != states.rend(); ++at) {
        ASSERT_TRUE(m.Undo());
        Settle();
        EXPECT_EQ(SeenIn(m), *at);
    }
    // The set-up's three drops, made before the scene rested, are one step; before them the
    // empty scene, and nothing before that.
    ASSERT_TRUE(m.Undo());
    Settle();
    EXPECT_EQ(m.scene.objCount(), kPanCount);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "0 = 0");
    EXPECT_FALSE(m.Undo());

    ASSERT_TRUE(m.Redo());
    Settle();
    Drop(PieceKind::kNine, kLeftPan);
    Settle();
    EXPECT_FALSE(m.Redo());
    EXPECT_TRUE(m.history().CanUndo());
}

TEST_F(UndoTest, QuickActionsBeforeTheSceneRestsAreOneStep) {
    const Seen before = SeenIn(m);
    Drop(PieceKind::kSeven, kLeftPan);
    h.RunMs(30); // still falling
    Drop(PieceKind::kEight, kRightPan);
    Settle();
    ASSERT_TRUE(m.Undo());
    Settle();
    EXPECT_EQ(SeenIn(m), before);
}

TEST_F(UndoTest, AnActionThatChangedNothingIsNoStep) {
    const Seen before = SeenIn(m);
    Drop(PieceKind::kNine, kRightPan);
    Settle();
    const Seen after = SeenIn(m);
    // The 9 picked up and let go where it lay.
    const SceneObject& nine = m.scene.obj(m.scene.objCount());
    const auto x = static_cast<float>(nine.objX + 10);
    const auto y = static_cast<float>(nine.objY + 10);
    m.FollowPointer(x, y);
    WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, x, y);
    WindowEvents(m).pictDraw_MouseDown(PointerButton::Left, 0, x, y);
    m.FollowPointer(x, y);
    WindowEvents(m).pictDraw_MouseUp(PointerButton::Left, 0, x, y);
    Settle();
    ASSERT_EQ(SeenIn(m), after);
    ASSERT_TRUE(m.Undo());
    Settle();
    EXPECT_EQ(SeenIn(m), before);
}

// A hundred steps back are promised: said here rather than read from the history, so that a
// history that keeps any other number fails this test.
constexpr std::size_t kPromisedSteps = 100;
// Steps taken beyond the promise, to see the oldest ones forgotten rather than kept.
constexpr std::size_t kStepsBeyondThePromise = 5;

TEST_F(UndoTest, AHundredStepsAreKept) {
    for (std::size_t step = 0; step < kPromisedSteps + kStepsBeyondThePromise; ++step) {
        m.ToggleSolution();
        h.RunMs(200);
    }
    std::size_t undone = 0;
    while (m.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, kPromisedSteps);
}

TEST_F(UndoTest, NoUndoLeavesProblemMode) {
    const Problem problem =
        *ParseProblem("# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n1\r\n100\r\n100\r\n"
                      "11\r\n11\r\n")
             .problem;
    // Opened from the desktop: a problem, in problem mode.
    m.CleanProblem();
    m.NewScene();
    m.PutProblem(&problem, "lesson.trv", ProgramMode::Problem);
    Settle();
    const Seen problemStart = SeenIn(m);
    Drop(PieceKind::kSeven, kRightPan);
    Settle();
    ASSERT_TRUE(m.Undo());
    Settle();
    EXPECT_EQ(SeenIn(m), problemStart);
    // The free scene before the problem is not gone back to.
    EXPECT_FALSE(m.Undo());
    EXPECT_EQ(m.controls.programMode(), ProgramMode::Problem);
    EXPECT_FALSE(m.controls.showSolution());
}

TEST_F(UndoTest, NothingHeldOrCarriedSurvivesAnUndo) {
    Drop(PieceKind::kNine, kLeftPan);
    Settle();
    m.PaletteKey(PieceKind::kFour, Key::Activate, false); // a copy carried
    Hover(kFirstPiece);
    ASSERT_TRUE(m.Undo());
    EXPECT_EQ(m.KeyboardCarrying(), KeyboardPlay::Carrying::Nothing);
    EXPECT_FALSE(m.pointer.dragImgInt().Visible);
    EXPECT_EQ(m.HeldPiece(), kNoObject);
    EXPECT_EQ(m.keyboard.cursor(), kNoObject);
}

} // namespace
} // namespace tarvelo
