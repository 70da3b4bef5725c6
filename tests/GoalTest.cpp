// The lessons' goals: their words in lesson files, and the scenes at rest that meet each or not.
#include "core/teach/Goal.h"

#include "PansFixture.h"
#include "core/io/LessonFile.h"
#include "core/play/MoveScript.h"

#include <gtest/gtest.h>
#include <string>

namespace tarvelo {
namespace {

constexpr Goal kBalance{GoalKind::Balance};
constexpr Goal kFindX{GoalKind::FindX};
constexpr Goal kFindY{GoalKind::FindY};
constexpr Goal kFindXAndY{GoalKind::FindXAndY};
constexpr Goal kLeftHeavier{GoalKind::LeftHeavier};
constexpr Goal kRightHeavier{GoalKind::RightHeavier};

// Makes the moves of `script` on the pans, each settled.
void Play(Pans& p, const std::string& script) {
    if (script.empty()) {
        return;
    }
    const MoveScript read = ReadMoveScript(script);
    ASSERT_FALSE(read.error);
    for (const ScriptMove& move : read.moves) {
        ASSERT_TRUE(ApplyMove(p.m, move).Done()) << move.text;
        p.Settle();
        ASSERT_TRUE(p.rested);
    }
}

TEST(GoalTest, EachGoalIsMetByItsScenesAndByNoOther) {
    // X weighs 3 and Y 2 in every scene (the fixture's values).
    const struct {
        const char* name;
        Goal goal;
        Kinds left, right;
        std::string script; // moves made before the goal is judged
        bool met;
    } cases[] = {
        {"level", kBalance, {C(4)}, {C(4)}, "", true},
        {"level by different cubes", kBalance, {C(2), C(3)}, {C(5)}, "", true},
        {"left down", kBalance, {C(7)}, {C(3)}, "", false},
        {"right down", kBalance, {C(2)}, {C(6)}, "", false},
        {"emptied", kBalance, {C(4)}, {C(4)}, "take 4", false},
        {"one pan empty", kBalance, {C(0)}, {}, "", false},
        {"X alone on the left", kFindX, {X}, {C(3)}, "", true},
        {"X alone on the right", kFindX, {C(1), C(2)}, {X}, "", true},
        {"X solved by moves", kFindX, {X, C(2)}, {C(5)}, "split right 5 2 3; take 2", true},
        {"X with a number", kFindX, {X, C(2)}, {C(5)}, "", false},
        {"two X", kFindX, {X, X}, {C(6)}, "", false},
        {"Y alone", kFindX, {Y}, {C(2)}, "", false},
        {"X against X", kFindX, {X}, {X}, "", false},
        {"a check that balanced", kFindX, {X, C(2)}, {C(5)}, "add 1; check 3", true},
        {"a check that did not", kFindX, {X, C(2)}, {C(5)}, "add 1; check 4", false},
        {"a move after the check", kFindX, {X, C(2)}, {C(5)}, "add 1; check 3; add 1", false},
        {"Y alone on the left", kFindY, {Y}, {C(2)}, "", true},
        {"Y with a smiley", kFindY, {Y, S}, {C(3)}, "", false},
        {"X alone, not Y", kFindY, {X}, {C(3)}, "", false},
        {"a check of Y that balanced", kFindY, {Y, C(1)}, {C(3)}, "add 1; check 0 2", true},
        {"a check of X alone", kFindY, {Y, C(1)}, {C(3)}, "add 1; check 0", false},
        {"a check of both that balanced", kFindXAndY, {X, Y}, {C(5)}, "add 1; check 3 2", true},
        {"another pair that balanced", kFindXAndY, {X, Y}, {C(5)}, "add 1; check 1 4", true},
        {"a pair that did not", kFindXAndY, {X, Y}, {C(5)}, "add 1; check 4 4", false},
        {"Y left unchecked", kFindXAndY, {X, Y}, {C(5)}, "add 1; check 3", false},
        {"no check", kFindXAndY, {X, Y}, {C(5)}, "", false},
        {"left down", kLeftHeavier, {C(7)}, {C(3)}, "", true},
        {"left down by X", kLeftHeavier, {X, X}, {C(5)}, "", true},
        {"level", kLeftHeavier, {C(4)}, {C(4)}, "", false},
        {"right down", kLeftHeavier, {C(3)}, {C(7)}, "", false},
        {"right down", kRightHeavier, {C(3)}, {C(7)}, "", true},
        {"right down by a smiley", kRightHeavier, {C(3)}, {C(3), S}, "", true},
        {"level", kRightHeavier, {C(4)}, {C(4)}, "", false},
        {"left down", kRightHeavier, {C(7)}, {C(3)}, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(GoalWord(c.goal)) + ": " + c.name);
        Pans p;
        p.Put(c.left, c.right);
        ASSERT_TRUE(p.rested);
        Play(p, c.script);
        EXPECT_EQ(GoalMet(c.goal, p.m), c.met) << p.Line();
    }
}

TEST(GoalTest, ALessonMadeOfAScenePromptsFindingItsUnknowns) {
    const struct {
        Kinds left, right;
        Goal suggested;
    } cases[] = {
        {{C(4)}, {C(4)}, kBalance}, {{}, {}, kBalance},    {{X, C(2)}, {C(5)}, kFindX},
        {{C(5)}, {X, X}, kFindX},   {{Y}, {C(2)}, kFindY}, {{X}, {Y, S}, kFindXAndY},
    };
    for (const auto& c : cases) {
        Pans p;
        p.Put(c.left, c.right);
        SCOPED_TRACE(p.Line());
        EXPECT_EQ(GoalSuggestedBy(p.m.scene), c.suggested);
    }
}

TEST(GoalTest, NothingIsMetWhileTheBalanceMoves) {
    const struct {
        const char* name;
        Goal goal;
        Kinds left, right;
        PieceKind dropped; // on the left pan, then judged before and after it settles
    } cases[] = {
        {"tipped to the left", kLeftHeavier, {C(3)}, {C(5)}, C(4)},
        {"brought level", kBalance, {C(3)}, {C(5)}, C(2)},
        {"X left alone", kFindX, {}, {C(3)}, X},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pans p;
        p.Put(c.left, c.right);
        ASSERT_TRUE(p.m.DropOnPan(kLeftPan, c.dropped).Done());
        EXPECT_FALSE(GoalMet(c.goal, p.m));
        p.Settle();
        ASSERT_TRUE(p.rested);
        EXPECT_TRUE(GoalMet(c.goal, p.m)) << p.Line();
    }
}

TEST(GoalTest, EachGoalHasAWordThatReadsBack) {
    const struct {
        Goal goal;
        const char* word;
    } cases[] = {
        {kBalance, "balance"},
        {kFindX, "find-x"},
        {kFindY, "find-y"},
        {kFindXAndY, "find-x-and-y"},
        {kLeftHeavier, "left-heavier"},
        {kRightHeavier, "right-heavier"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(GoalWord(c.goal), c.word);
        EXPECT_EQ(GoalFromWord(c.word), c.goal);
    }
}

// The lesson file's reader accepts the goal words this table reads, and no others.
TEST(GoalTest, TheLessonFilesGoalWordsAreTheGoals) {
    for (const std::string_view word : kGoalWords) {
        SCOPED_TRACE(word);
        ASSERT_TRUE(GoalFromWord(word));
        EXPECT_EQ(GoalWord(*GoalFromWord(word)), word);
    }
    // Right heavier is the last kind of goal.
    EXPECT_EQ(kGoalWords.size(), static_cast<std::size_t>(GoalKind::RightHeavier) + 1);
}

TEST(GoalTest, AWordNoGoalHasReadsAsNone) {
    const char* const words[] = {"",        "Balance", "find x",  "find-X",  " find-x",
                                 "find-x ", "find-z",  "heavier", "balanced"};
    for (const char* word : words) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(GoalFromWord(word));
    }
}

} // namespace
} // namespace tarvelo
