// Solving on the balance: the trail of equations each move and rest writes, kept with undo; the
// check of an answer against the problem the trail set out from; the lock that makes twins; and
// the goal that asks for the same on the other pan.
#include "PansFixture.h"
#include "core/play/WindowEvents.h"
#include "core/world/Problem.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

// A trail step as a test reads it.
struct Line {
    ActionVerb verb;
    std::string equation;
    std::optional<SolvedUnknown> solved = std::nullopt;
    bool operator==(const Line&) const = default;
};

std::vector<Line> LinesOf(const Trail& trail) {
    std::vector<Line> lines;
    for (const TrailStep& step : trail.Steps()) {
        EXPECT_TRUE(step.rested);
        lines.push_back({step.action.verb, step.equation, step.solved});
    }
    return lines;
}

void PrintTo(const Line& line, std::ostream* os) {
    *os << static_cast<int>(line.verb) << " \"" << line.equation << "\""
        << (line.solved ? " solved" : "");
}

// The pans of the lesson X + 2 = 5, X being 3.
void LessonXPlus2(Pans& p) {
    p.Put({X, C(2)}, {C(5)});
    ASSERT_TRUE(p.rested);
    ASSERT_EQ(p.Line(), "X + 2 = 5");
}

// Puts the scene the pans hold back as a problem opened in problem mode.
void OpenAsProblem(Pans& p) {
    const Problem problem = p.m.scene.SavedProblem();
    ASSERT_TRUE(p.m.CleanProblem());
    p.m.NewScene();
    p.m.PutProblem(&problem, "lesson.trv", ProgramMode::Problem);
    p.Settle();
    ASSERT_TRUE(p.rested);
}

TEST(SolvingTest, TheTrailListsEachMoveWithTheEquationItRestedAt) {
    Pans p;
    LessonXPlus2(p);
    EXPECT_FALSE(p.m.trail.Started());
    ASSERT_TRUE(p.m.SplitCube(kRightPan, 5, 2, 3).Done());
    // Written at rest, not before.
    EXPECT_TRUE(p.m.trail.Waiting());
    p.Settle();
    ASSERT_TRUE(p.m.TakeFromBoth(C(2)).Done());
    p.Settle();
    EXPECT_EQ(p.m.trail.StartEquation(), "X + 2 = 5");
    const std::vector<Line> solvedTrail{
        {ActionVerb::Split, "X + 2 = 5"},
        {ActionVerb::TakenFromBoth, "X = 3", SolvedUnknown{X, 3, kLeftPan}},
    };
    EXPECT_EQ(LinesOf(p.m.trail), solvedTrail);
    EXPECT_EQ(p.m.trail.Steps()[0].detail, (ActionDetail{kRightPan, {5, 2, 3}}));

    // Undo goes back a line, redo brings it again.
    ASSERT_TRUE(p.m.Undo());
    p.Settle();
    EXPECT_EQ(LinesOf(p.m.trail), std::vector<Line>(solvedTrail.begin(), solvedTrail.begin() + 1));
    ASSERT_TRUE(p.m.Redo());
    p.Settle();
    EXPECT_EQ(LinesOf(p.m.trail), solvedTrail);

    // A refused move writes nothing; a new scene empties the trail.
    EXPECT_FALSE(p.m.TakeFromBoth(C(2)).Done());
    p.Settle();
    EXPECT_EQ(LinesOf(p.m.trail), solvedTrail);
    ASSERT_TRUE(p.m.CleanProblem());
    p.m.NewScene();
    p.Settle();
    EXPECT_FALSE(p.m.trail.Started());
    EXPECT_TRUE(p.m.trail.Steps().empty());
}

TEST(SolvingTest, PointerActionsJoinATrailThatSetOut) {
    Pans p;
    LessonXPlus2(p);
    // Before any move, in free play, the pointer builds the scene and writes no trail.
    WindowEvents(p.m).img_MouseDown(C(4), PointerButton::Left, 0, 0, 0);
    p.m.FollowPointer(static_cast<float>(p.m.scene.obj(kLeftPan).objX + 60), 100);
    WindowEvents(p.m).dragImgInt_MouseMove(PointerButton::None, 0, 0, 0);
    p.Settle();
    EXPECT_FALSE(p.m.trail.Started());
    ASSERT_TRUE(p.m.AddToBoth(C(1)).Done());
    p.Settle();
    EXPECT_EQ(p.m.trail.StartEquation(), "X + 6 > 5");
    WindowEvents(p.m).img_MouseDown(C(4), PointerButton::Left, 0, 0, 0);
    p.m.FollowPointer(static_cast<float>(p.m.scene.obj(kRightPan).objX + 60), 100);
    WindowEvents(p.m).dragImgInt_MouseMove(PointerButton::None, 0, 0, 0);
    p.Settle();
    const std::vector<Line> expected{
        {ActionVerb::AddedToBoth, "X + 7 > 6"},
        {ActionVerb::Dropped, "X + 7 = 10"},
    };
    EXPECT_EQ(LinesOf(p.m.trail), expected);
}

TEST(SolvingTest, ACheckPutsTheProblemBackWithTheValuesAndLetsTheBalanceJudge) {
    const struct {
        const char* name;
        Kinds left, right;
        std::int32_t x;
        std::optional<std::int32_t> y;
        std::string line; // the check's line
        std::string sign;
    } cases[] = {
        {"the answer", {X, C(2)}, {C(5)}, 3, std::nullopt, "3 + 2 = 5", "="},
        {"too much", {X, C(2)}, {C(5)}, 4, std::nullopt, "4 + 2 > 5", ">"},
        {"too little", {X, C(2)}, {C(5)}, 0, std::nullopt, "0 + 2 < 5", "<"},
        {"two X", {X, X, C(1)}, {X, C(4)}, 3, std::nullopt, "2 \u00d7 3 + 1 = 3 + 4", "="},
        {"X and Y", {X, Y}, {C(5)}, 3, 2, "3 + 2 = 5", "="},
        {"Y left unchecked", {X, Y}, {C(5)}, 3, std::nullopt, "3 + Y = 5", "="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pans p(3, 2);
        p.Put(c.left, c.right);
        ASSERT_TRUE(p.rested);
        const std::vector<SceneObject> problem = p.m.scene.objects();
        // Solve a little first, so that the check has something to put back.
        ASSERT_TRUE(p.m.AddToBoth(C(1)).Done());
        p.Settle();
        ASSERT_TRUE(p.m.Check(c.x, c.y).Done());
        p.Settle();
        ASSERT_TRUE(p.rested);
        EXPECT_EQ(p.On(kLeftPan), Sorted(c.left));
        EXPECT_EQ(p.On(kRightPan), Sorted(c.right));
        EXPECT_EQ(p.m.scene.xValue(), c.x);
        EXPECT_TRUE(p.m.controls.showSolution());
        EXPECT_EQ(p.Sign(), c.sign);
        const TrailStep& check = p.m.trail.Steps().back();
        EXPECT_EQ(check.action.verb, ActionVerb::Checked);
        EXPECT_EQ(check.equation, c.line);
        EXPECT_EQ(check.sign, c.sign);
        // One step to undo: back to the move before it, X's value and all.
        ASSERT_TRUE(p.m.Undo());
        p.Settle();
        EXPECT_EQ(p.m.scene.xValue(), 3);
        EXPECT_EQ(p.m.trail.Steps().size(), 1U);
        EXPECT_FALSE(p.m.controls.showSolution());
    }
}

// What a check shows is the checked problem's: the next problem starts with X and Y hidden. A
// solution the user chose to show stays shown over New, Load and Restart, but never over a lesson
// or a challenge, which a child starts not knowing X.
TEST(SolvingTest, TheValuesACheckShowedEndWithTheProblem) {
    enum class Next { NewScene, Task };
    struct Case {
        const char* name;
        bool userShowsFirst;   // Show solution before the check
        bool userTogglesTwice; // Hide, then Show solution after the check
        Next next;
        bool shownAfter;
    } cases[] = {
        {"a check, then New", false, false, Next::NewScene, false},
        {"a check, then a lesson", false, false, Next::Task, false},
        {"shown by the user, checked, then New", true, false, Next::NewScene, true},
        {"shown by the user, checked, then a lesson", true, false, Next::Task, false},
        {"a check, then shown by the user, then New", false, true, Next::NewScene, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pans p;
        LessonXPlus2(p);
        if (c.userShowsFirst) {
            p.m.ToggleSolution();
        }
        ASSERT_TRUE(p.m.AddToBoth(C(1)).Done());
        p.Settle();
        ASSERT_TRUE(p.m.Check(4, std::nullopt).Done());
        p.Settle();
        ASSERT_TRUE(p.m.controls.showSolution());
        if (c.userTogglesTwice) {
            p.m.ToggleSolution();
            p.m.ToggleSolution();
        }
        const Problem problem = p.m.scene.SavedProblem();
        ASSERT_TRUE(p.m.CleanProblem());
        p.m.NewScene();
        if (c.next == Next::Task) {
            p.m.PutTask(problem, "lesson.trv");
        }
        p.Settle();
        EXPECT_EQ(p.m.controls.showSolution(), c.shownAfter);
        EXPECT_EQ(p.m.controls.Command1().Caption,
                  c.shownAfter ? "Hide solution" : "Show solution");
        // The pictures agree with the button: an X shows its letter while hidden.
        ASSERT_TRUE(p.m.AddObject(X, 100, 100));
        const bool letterShown = p.m.drawing.drawList().back().picture == PictureOf(PieceKind::kX);
        EXPECT_EQ(letterShown, !c.shownAfter);
    }
}

TEST(SolvingTest, ACheckOutsideTheValuesIsRefused) {
    Pans p;
    LessonXPlus2(p);
    const std::uint64_t before = p.m.Changes();
    EXPECT_EQ(p.m.Check(10, std::nullopt), (MoveOutcome{MoveRefusal::NoSuchValue, 0, X, 10, 9}));
    EXPECT_EQ(p.m.Check(3, -1), (MoveOutcome{MoveRefusal::NoSuchValue, 0, Y, -1, 9}));
    EXPECT_EQ(p.m.Changes(), before);
    EXPECT_FALSE(p.m.trail.Started());
}

// The pointer drops a copy of `kind` over pan `pan`.
void DropOver(Pans& p, PieceKind kind, std::int32_t pan) {
    WindowEvents(p.m).img_MouseDown(kind, PointerButton::Left, 0, 0, 0);
    p.m.FollowPointer(static_cast<float>(p.m.scene.obj(pan).objX + 60), 100);
    WindowEvents(p.m).dragImgInt_MouseMove(PointerButton::None, 0, 0, 0);
}

// The pointer removes the topmost piece of `kind` on pan `pan`.
void RemoveOn(Pans& p, PieceKind kind, std::int32_t pan) {
    for (std::int32_t i = p.m.scene.objCount(); i >= kFirstPiece; --i) {
        const SceneObject& o = p.m.scene.obj(i);
        if (o.objKind == kind && p.m.scene.PanCarrying(i) == pan) {
            WindowEvents(p.m).pictDraw_MouseMove(PointerButton::None, 0,
                                                 static_cast<float>(o.objX + 5),
                                                 static_cast<float>(o.objY + 5));
            WindowEvents(p.m).pictDraw_MouseDown(PointerButton::Right, 0, 0, 0);
            return;
        }
    }
    ADD_FAILURE() << "no such piece";
}

// The pointer carries the topmost piece of `kind` on pan `from` over pan `to` and lets it go.
void MoveOver(Pans& p, PieceKind kind, std::int32_t from, std::int32_t to) {
    for (std::int32_t i = p.m.scene.objCount(); i >= kFirstPiece; --i) {
        const SceneObject& o = p.m.scene.obj(i);
        if (o.objKind == kind && p.m.scene.PanCarrying(i) == from) {
            const auto x = static_cast<float>(o.objX + 5);
            const auto y = static_cast<float>(o.objY + 5);
            WindowEvents(p.m).pictDraw_MouseMove(PointerButton::None, 0, x, y);
            WindowEvents(p.m).pictDraw_MouseDown(PointerButton::Left, 0, x, y);
            const SceneObject& pan = p.m.scene.obj(to);
            p.m.FollowPointer(static_cast<float>(pan.objX + 60), 100);
            WindowEvents(p.m).pictDraw_MouseUp(PointerButton::Left, 0, 0, 0);
            return;
        }
    }
    ADD_FAILURE() << "no such piece";
}

TEST(SolvingTest, LockedPansMakeTwins) {
    Pans p;
    p.Put({X, C(2)}, {C(5), C(2)});
    std::vector<MoveOutcome> refused;
    p.m.twinRefused = [&](const MoveOutcome& outcome) { refused.push_back(outcome); };
    p.m.LockPans(true);

    DropOver(p, C(4), kLeftPan);
    p.Settle();
    EXPECT_EQ(p.On(kLeftPan), Sorted({X, C(2), C(4)}));
    EXPECT_EQ(p.On(kRightPan), Sorted({C(5), C(2), C(4)}));
    EXPECT_EQ(p.m.trail.Steps().back().action, (UndoAction{ActionVerb::AddedToBoth, C(4)}));

    RemoveOn(p, C(2), kRightPan);
    p.Settle();
    EXPECT_EQ(p.On(kLeftPan), Sorted({X, C(4)}));
    EXPECT_EQ(p.On(kRightPan), Sorted({C(5), C(4)}));
    EXPECT_EQ(p.m.trail.Steps().back().action, (UndoAction{ActionVerb::TakenFromBoth, C(2)}));

    // No twin: nothing is removed, and the user is told why.
    RemoveOn(p, C(5), kRightPan);
    p.Settle();
    EXPECT_EQ(p.On(kRightPan), Sorted({C(5), C(4)}));
    EXPECT_EQ(refused, (std::vector<MoveOutcome>{{MoveRefusal::NoSuchPiece, kLeftPan, C(5)}}));

    // Unlocked, one pan alone changes again.
    p.m.LockPans(false);
    RemoveOn(p, C(5), kRightPan);
    p.Settle();
    EXPECT_EQ(p.On(kRightPan), Kinds{C(4)});
}

TEST(SolvingTest, AGoalAsksForTheSameOnTheOtherPan) {
    Pans p;
    LessonXPlus2(p);
    OpenAsProblem(p);
    ASSERT_TRUE(p.m.SolvingGoal());
    // With a goal, a change to one pan sets the trail out and asks for its twin.
    RemoveOn(p, C(2), kLeftPan);
    p.Settle();
    ASSERT_TRUE(p.m.trail.Started());
    EXPECT_EQ(p.m.trail.StartEquation(), "X + 2 = 5");
    EXPECT_TRUE(p.m.trail.Steps().back().askTwin);
    // Done on the other pan too, the balance is level again: nothing more to ask.
    ASSERT_TRUE(p.m.SplitCube(kRightPan, 5, 2, 3).Done());
    p.Settle();
    ASSERT_TRUE(p.m.TakeFromPan(kRightPan, C(2)).Done());
    p.Settle();
    EXPECT_FALSE(p.m.trail.Steps().back().askTwin);
    EXPECT_EQ(p.m.trail.Steps().back().solved, (SolvedUnknown{X, 3, kLeftPan}));
    EXPECT_FALSE(p.m.SolvingGoal());

    // A piece carried from one pan to the other changes both: nothing to ask.
    Pans moved;
    LessonXPlus2(moved);
    OpenAsProblem(moved);
    MoveOver(moved, C(2), kLeftPan, kRightPan);
    moved.Settle();
    ASSERT_EQ(moved.Line(), "X < 7");
    EXPECT_EQ(moved.m.trail.Steps().back().action.verb, ActionVerb::Moved);
    EXPECT_FALSE(moved.m.trail.Steps().back().askTwin);

    // In free play, building a scene asks nothing; once a move set a solving out, it does.
    Pans free;
    LessonXPlus2(free);
    EXPECT_FALSE(free.m.SolvingGoal());
    DropOver(free, C(1), kLeftPan);
    free.Settle();
    ASSERT_TRUE(free.m.AddToBoth(C(1)).Done());
    free.Settle();
    EXPECT_TRUE(free.m.SolvingGoal());
    DropOver(free, C(1), kLeftPan);
    free.Settle();
    EXPECT_TRUE(free.m.trail.Steps().back().askTwin);

    // Locked pans never ask: the twin comes by itself.
    Pans locked;
    LessonXPlus2(locked);
    OpenAsProblem(locked);
    locked.m.LockPans(true);
    DropOver(locked, C(1), kLeftPan);
    locked.Settle();
    EXPECT_FALSE(locked.m.trail.Steps().back().askTwin);
    EXPECT_EQ(locked.Sign(), "=");
}

} // namespace
} // namespace tarvelo
