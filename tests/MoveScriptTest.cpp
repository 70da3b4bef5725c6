// Reading a script of moves: every move's words, blanks and case, and each way a script is
// refused; and a script made on a lesson's scene.
#include "core/play/MoveScript.h"

#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

struct Read {
    MoveType type;
    std::int32_t pan;
    PieceKind kind;
    std::vector<std::int32_t> numbers;
    std::string text;
};

TEST(MoveScriptTest, ReadsEveryMove) {
    const MoveScript script = ReadMoveScript(
        " take 2;add X ;split right 5 2 3;join LEFT 4 4; share 3;drop left smiley;remove "
        "right Y; take 0 ;check 3; check 3 2");
    ASSERT_FALSE(script.error);
    const std::vector<Read> expected{
        {MoveType::Take, 0, PieceKind::kTwo, {}, "take 2"},
        {MoveType::Add, 0, PieceKind::kX, {}, "add X"},
        {MoveType::Split, kRightPan, PieceKind::kPan, {5, 2, 3}, "split right 5 2 3"},
        {MoveType::Join, kLeftPan, PieceKind::kPan, {4, 4}, "join LEFT 4 4"},
        {MoveType::Share, 0, PieceKind::kPan, {3}, "share 3"},
        {MoveType::Drop, kLeftPan, PieceKind::kSmiley, {}, "drop left smiley"},
        {MoveType::Remove, kRightPan, PieceKind::kY, {}, "remove right Y"},
        {MoveType::Take, 0, PieceKind::kZero, {}, "take 0"},
        {MoveType::Check, 0, PieceKind::kPan, {3}, "check 3"},
        {MoveType::Check, 0, PieceKind::kPan, {3, 2}, "check 3 2"},
    };
    ASSERT_EQ(script.moves.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        const ScriptMove& m = script.moves[i];
        EXPECT_EQ(m.type, expected[i].type);
        EXPECT_EQ(m.pan, expected[i].pan);
        EXPECT_EQ(m.kind, expected[i].kind);
        EXPECT_EQ(m.numbers, expected[i].numbers);
        EXPECT_EQ(m.text, expected[i].text);
    }
}

TEST(MoveScriptTest, RefusesWhatIsNoMove) {
    struct Case {
        std::string script;
        ScriptFault fault;
        std::string move, word;
    };
    const std::vector<Case> cases{
        {"", ScriptFault::Empty, "", ""},
        {" ; ;", ScriptFault::Empty, "", ""},
        {"take 2; swap 3", ScriptFault::UnknownMove, "swap 3", "swap"},
        {"take", ScriptFault::WordCount, "take", ""},
        {"take 2 3", ScriptFault::WordCount, "take 2 3", ""},
        {"split right 5 2", ScriptFault::WordCount, "split right 5 2", ""},
        {"take 10", ScriptFault::BadKind, "take 10", "10"},
        {"add Z", ScriptFault::BadKind, "add Z", "Z"},
        {"add -1", ScriptFault::BadKind, "add -1", "-1"},
        {"drop middle 3", ScriptFault::BadSide, "drop middle 3", "middle"},
        {"split right 5 2 x", ScriptFault::BadNumber, "split right 5 2 x", "x"},
        {"join left 12 1", ScriptFault::BadNumber, "join left 12 1", "12"},
        {"share two", ScriptFault::BadNumber, "share two", "two"},
        {"share 100", ScriptFault::BadNumber, "share 100", "100"},
        {"share -2", ScriptFault::BadNumber, "share -2", "-2"},
        {"split 5 2 3", ScriptFault::WordCount, "split 5 2 3", ""},
        {"check", ScriptFault::WordCount, "check", ""},
        {"check 3 2 1", ScriptFault::WordCount, "check 3 2 1", ""},
        {"check 10", ScriptFault::BadNumber, "check 10", "10"},
        {"check X", ScriptFault::BadNumber, "check X", "X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const MoveScript script = ReadMoveScript(c.script);
        ASSERT_TRUE(script.error);
        EXPECT_TRUE(script.moves.empty()) << "a refused script reads as nothing";
        EXPECT_EQ(script.error->fault, c.fault);
        EXPECT_EQ(script.error->move, c.move);
        EXPECT_EQ(script.error->word, c.word);
    }
}

// The list of moves a refusal quotes names every move, each a word the script reads as one.
TEST(MoveScriptTest, TheListOfMovesNamesEveryMove) {
    const std::string list = MoveWordList();
    std::size_t words = 0;
    for (std::size_t start = 0; start < list.size(); ++words) {
        const std::size_t end = std::min(list.find(", ", start), list.size());
        // A move's word alone lacks its numbers; a word that is no move would be unknown.
        const MoveScript script = ReadMoveScript(list.substr(start, end - start));
        ASSERT_TRUE(script.error);
        EXPECT_EQ(script.error->fault, ScriptFault::WordCount) << script.error->move;
        start = end + 2;
    }
    // Check is the last of the moves.
    EXPECT_EQ(words, static_cast<std::size_t>(MoveType::Check) + 1) << list;
}

// A script read and made on X + 2 = 5 (X = 3) solves it.
TEST(MoveScriptTest, AScriptSolvesAScene) {
    SceneHarness h;
    Model& m = h.model;
    m.scene.SetXYvalues(3, 0);
    for (const auto& [pan, kind] :
         {std::pair{kLeftPan, PieceKind::kX}, std::pair{kLeftPan, PieceKind::kTwo},
          std::pair{kRightPan, PieceKind::kFive}}) {
        ASSERT_TRUE(m.DropOnPan(pan, kind).Done());
    }
    constexpr std::int64_t kBudgetMs = 20000;
    ASSERT_TRUE(SettleOnClock(h.clock, m, kBudgetMs).rested);
    const MoveScript script = ReadMoveScript("split right 5 2 3; take 2");
    ASSERT_FALSE(script.error);
    for (const ScriptMove& move : script.moves) {
        EXPECT_TRUE(ApplyMove(m, move).Done()) << move.text;
        ASSERT_TRUE(SettleOnClock(h.clock, m, kBudgetMs).rested);
    }
    EXPECT_EQ(m.equation.lblEquazione().Caption, "X = 3");
    EXPECT_EQ(m.Solved(), (SolvedUnknown{PieceKind::kX, 3, kLeftPan}));
}

} // namespace
} // namespace tarvelo
