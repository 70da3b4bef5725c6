// The solver: the pans' counts moved as the model moves its pieces, the fewest moves of scenes
// counted by hand, and its scripts played on the real model, which must then show the answer.
#include "core/teach/Solver.h"

#include "PansFixture.h"
#include "core/play/MoveScript.h"
#include "core/teach/SplitMix.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

PanCounts CountsOf(const Kinds& left, const Kinds& right) {
    PanCounts counts;
    for (const PieceKind kind : left) {
        ++counts.Pan(kLeftPan)[SlotOf(kind)];
    }
    for (const PieceKind kind : right) {
        ++counts.Pan(kRightPan)[SlotOf(kind)];
    }
    return counts;
}

ScriptMove MoveOf(const std::string& text) {
    const MoveScript script = ReadMoveScript(text);
    EXPECT_FALSE(script.error) << text;
    return script.moves.empty() ? ScriptMove{} : script.moves.front();
}

// The counts as the solver can know them: once X stands alone, the numbers facing it only by
// their value, as the model's choice among cubes of the same worth is not the solver's.
std::vector<std::int32_t> Knowable(const PanCounts& counts) {
    std::vector<std::int32_t> knowable;
    for (const PanLoad& load : counts.pans) {
        std::int32_t value = 0;
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            value += SlotValue(slot) * load[slot];
            if (!SolvedPan(counts) || SlotValue(slot) == 0) {
                knowable.push_back(load[slot]);
            }
        }
        knowable.push_back(value);
    }
    return knowable;
}

TEST(PanCountsTest, MovesAsTheModelMakesThem) {
    struct Case {
        std::string what;
        Kinds left, right;
        std::string move;
        std::optional<std::pair<Kinds, Kinds>> after; // none: refused
    };
    const std::vector<Case> cases{
        {"take from both", {X, C(2)}, {C(2), C(3)}, "take 2", {{{X}, {C(3)}}}},
        {"take X", {X, X}, {X, C(4)}, "take X", {{{X}, {C(4)}}}},
        {"take smiley", {X, S}, {C(3), S}, "take smiley", {{{X}, {C(3)}}}},
        {"take what one pan lacks", {X, C(2)}, {C(5)}, "take 2", std::nullopt},
        {"split", {X}, {C(5)}, "split right 5 2 3", {{{X}, {C(2), C(3)}}}},
        {"split a missing cube", {X}, {C(5)}, "split left 5 2 3", std::nullopt},
        {"split to another sum", {X}, {C(5)}, "split right 5 2 2", std::nullopt},
        {"join", {X}, {C(2), C(3)}, "join right 2 3", {{{X}, {C(5)}}}},
        {"join two alike", {X}, {C(4), C(4)}, "join right 4 4", {{{X}, {C(8)}}}},
        {"join one cube with itself", {X}, {C(4), C(1)}, "join right 4 4", std::nullopt},
        {"join above nine", {X}, {C(5), C(5)}, "join right 5 5", std::nullopt},
        {"share", {X, X}, {C(4), C(4)}, "share 2", {{{X}, {C(4)}}}},
        {"share an odd count of X", {X, X, X}, {C(6)}, "share 2", std::nullopt},
        {"share a value into too few", {X, X}, {C(7)}, "share 2", std::nullopt},
        {"share needing an exchange", {X, X}, {C(8)}, "share 2", std::nullopt},
        {"share keeps the cubes bearing 0",
         {X, X, C(0)},
         {C(3), C(3)},
         "share 2",
         {{{X, C(0)}, {C(3)}}}},
        {"share with one choice, not solved",
         {X, X, C(2), C(2)},
         {C(7), C(7)},
         "share 2",
         {{{X, C(2)}, {C(7)}}}},
        // Two 2s or one 4: which the model keeps hangs on how the cubes stand, and either ends it.
        {"share with a choice that ends it",
         {X, X},
         {C(4), C(2), C(2)},
         "share 2",
         {{{X}, {C(4)}}}},
        {"share with a choice that goes on",
         {X, X, C(2), C(2)},
         {C(4), C(4), C(2), C(2), C(2), C(2)},
         "share 2",
         std::nullopt},
        {"share smileys and ones", {X, X}, {S, C(1)}, "share 2", {{{X}, {C(1)}}}},
        {"add is no solving move", {X}, {C(3)}, "add 2", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<PanCounts> after = AfterMove(CountsOf(c.left, c.right), MoveOf(c.move));
        ASSERT_EQ(after.has_value(), c.after.has_value());
        if (after) {
            EXPECT_EQ(Knowable(*after), Knowable(CountsOf(c.after->first, c.after->second)));
        }
    }
}

TEST(PanCountsTest, WritesMovesAsScriptsReadThem) {
    for (const std::string text :
         {"take X", "take smiley", "take 0", "split right 5 2 3", "join left 4 4", "share 3",
          "drop left Y", "remove right 7", "add 9", "check 3 2"}) {
        EXPECT_EQ(MoveText(MoveOf(text)), text);
    }
}

// Scenes whose fewest moves were counted by hand; X is the value that balances them.
struct HandCase {
    std::string equation;
    std::int32_t x;
    Kinds left, right;
    std::optional<std::int32_t> fewest; // none: no solution within the bound
    std::string script;                 // the one the solver gives, when it is the only short one
};

const std::vector<HandCase>& HandCases() {
    static const std::vector<HandCase> cases{
        {"X = 4", 4, {X}, {C(4)}, 0, ""},
        {"X + 4 = 4 + 4", 4, {X, C(4)}, {C(4), C(4)}, 1, "take 4"},
        {"X + 1 = 3 + 1 with smileys", 3, {X, S}, {C(3), S}, 1, "take smiley"},
        {"X + 2 = 5", 3, {X, C(2)}, {C(5)}, 2, "split right 5 2 3; take 2"},
        {"2X = 8", 4, {X, X}, {C(8)}, 2, "split right 8 4 4; share 2"},
        {"2X = 4 + 2 + 2", 4, {X, X}, {C(4), C(2), C(2)}, 1, "share 2"},
        {"3X = 9 + 3", 4, {X, X, X}, {C(9), C(3)}, 2, ""},
        {"2X + 1 = X + 4", 3, {X, X, C(1)}, {X, C(4)}, 3, ""},
        {"2X + 2 = 8", 3, {X, X, C(2)}, {C(8)}, 4, ""},
        {"8 = X + 5, X on the right", 3, {C(8)}, {X, C(5)}, 2, "split left 8 3 5; take 5"},
        {"X + a smiley = 4: the smiley never leaves", 3, {X, S}, {C(4)}, std::nullopt, ""},
        {"Y = X + 1: X never stands alone", 2, {Y}, {X, C(1)}, std::nullopt, ""},
    };
    return cases;
}

TEST(SolverTest, FindsTheFewestMoves) {
    for (const HandCase& c : HandCases()) {
        SCOPED_TRACE(c.equation);
        const std::optional<Solution> solution = SolveForX(CountsOf(c.left, c.right));
        ASSERT_EQ(solution.has_value(), c.fewest.has_value());
        if (!solution) {
            continue;
        }
        EXPECT_EQ(static_cast<std::int32_t>(solution->moves.size()), *c.fewest);
        if (!c.script.empty()) {
            EXPECT_EQ(solution->script, c.script);
        }
    }
}

TEST(SolverTest, GivesUpBeyondItsBound) {
    const PanCounts twoXPlusTwo = CountsOf({X, X, C(2)}, {C(8)});
    EXPECT_FALSE(SolveForX(twoXPlusTwo, {3, SolverLimits{}.mostStates}));
    EXPECT_TRUE(SolveForX(twoXPlusTwo, {4, SolverLimits{}.mostStates}));
    EXPECT_FALSE(SolveForX(twoXPlusTwo, {SolverLimits{}.mostMoves, 10}));
}

// Plays `solution` on the settled scene `pans`: each move is done, leaves the counts the solver
// expected, and the last leaves X alone against its value.
void PlayOnModel(Pans& pans, const Solution& solution, std::int32_t x) {
    PanCounts expected = CountsOnPans(pans.m.scene);
    for (const ScriptMove& move : solution.moves) {
        SCOPED_TRACE(move.text);
        ASSERT_TRUE(ApplyMove(pans.m, move).Done());
        pans.Settle();
        ASSERT_TRUE(pans.rested);
        expected = *AfterMove(expected, move);
        ASSERT_EQ(Knowable(CountsOnPans(pans.m.scene)), Knowable(expected));
    }
    const std::optional<SolvedUnknown> solved = pans.m.Solved();
    ASSERT_TRUE(solved);
    EXPECT_EQ(solved->unknown, PieceKind::kX);
    EXPECT_EQ(solved->value, x);
}

TEST(SolverTest, ItsScriptsSolveTheModel) {
    for (const HandCase& c : HandCases()) {
        if (!c.fewest) {
            continue;
        }
        SCOPED_TRACE(c.equation);
        Pans pans(c.x);
        pans.Put(c.left, c.right);
        ASSERT_TRUE(pans.rested);
        const std::optional<Solution> solution = SolveForX(CountsOnPans(pans.m.scene));
        ASSERT_TRUE(solution);
        PlayOnModel(pans, *solution, c.x);
    }
}

// aX + b = mX + n with the numbers in random cubes and an odd smiley on both sides: scenes no
// one counted, solved on the model by whatever script the solver gives.
TEST(SolverTest, ItsScriptsSolveRandomScenes) {
    constexpr std::int32_t kScenes = 30;
    SplitMix rng(2024);
    for (std::int32_t n = 0; n < kScenes; ++n) {
        const std::int32_t x = rng.Between(1, 9);
        const std::int32_t m = rng.Between(0, 1);
        const std::int32_t a = m + rng.Between(1, 3);
        Kinds left(static_cast<std::size_t>(a), X);
        Kinds right(static_cast<std::size_t>(m), X);
        left.push_back(C(rng.Between(1, 9)));
        std::int32_t rest = (a - m) * x + NumberValueOf(left.back());
        while (rest > 0) {
            const std::int32_t cube = rng.Between(std::min(rest, 4), std::min(9, rest));
            right.push_back(C(cube));
            rest -= cube;
        }
        if (rng.Between(0, 1) == 1) {
            left.push_back(S);
            right.push_back(S);
        }
        SCOPED_TRACE("scene " + std::to_string(n));
        Pans pans(x);
        pans.Put(left, right);
        ASSERT_TRUE(pans.rested);
        const std::optional<Solution> solution = SolveForX(CountsOnPans(pans.m.scene));
        ASSERT_TRUE(solution);
        PlayOnModel(pans, *solution, x);
    }
}

} // namespace
} // namespace tarvelo
