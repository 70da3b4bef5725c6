// The challenges of every level: a thousand seeds each, checked against what a challenge
// promises; a sample of them loaded into the model, settled and solved by their own scripts.
#include "core/teach/Challenge.h"

#include "core/base/Layout.h"
#include "core/play/ModelClock.h"
#include "core/play/MoveScript.h"
#include "core/teach/PanCounts.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tarvelo {
namespace {

constexpr std::uint64_t kSeeds = 1000;
constexpr std::uint64_t kPlayEvery = 50; // the sample played on the model
constexpr std::int64_t kSettleBudgetMs = 20000;
constexpr std::int32_t kLowestValue = 0;
constexpr std::int32_t kHighestValue = 9;

std::int32_t Weight(const Terms& side, std::int32_t x) {
    return side.x * x + side.constant;
}

// The terms of the pieces of `problem` lying over the left half of the scene, or the right one.
Terms TermsOfPieces(const Problem& problem, bool leftHalf) {
    const std::int32_t middle = layout::kSceneWidth / 2;
    Terms terms;
    for (const ProblemPiece& piece : problem.pieces) {
        if ((piece.objX < middle) != leftHalf) {
            continue;
        }
        terms.constant += NumberValueOf(piece.objKind);
        terms.x += piece.objKind == PieceKind::kX ? 1 : 0;
        terms.y += piece.objKind == PieceKind::kY ? 1 : 0;
    }
    return terms;
}

// Every promise a challenge makes that needs no scene.
void CheckPromises(const Challenge& c, std::int32_t level, std::uint64_t seed) {
    const std::int32_t x = c.problem.xValue;
    EXPECT_EQ(c.level, level);
    EXPECT_EQ(c.seed, seed);
    EXPECT_EQ(c.goal, PieceKind::kX);
    EXPECT_GE(x, 1);
    EXPECT_LE(x, kHighestValue);
    EXPECT_EQ(x, ChallengeX(level, seed));
    for (std::int32_t v = kLowestValue; v <= kHighestValue; ++v) {
        EXPECT_EQ(Weight(c.left, v) == Weight(c.right, v), v == x) << "X = " << v;
    }
    EXPECT_EQ(c.left.y + c.right.y, 0);
    EXPECT_GT(c.fewestMoves, 0);
    // The script is what it says: that many moves of the solver's own, ending in the answer.
    const MoveScript script = ReadMoveScript(c.solution);
    ASSERT_FALSE(script.error);
    EXPECT_EQ(static_cast<std::int32_t>(script.moves.size()), c.fewestMoves);
}

// The challenge's pieces set out as its terms say.
void CheckPieces(const Challenge& c) {
    EXPECT_EQ(TermsOfPieces(c.problem, true), c.left);
    EXPECT_EQ(TermsOfPieces(c.problem, false), c.right);
}

bool SameChallenge(const Challenge& a, const Challenge& b) {
    return a.problem.xValue == b.problem.xValue && a.problem.pieces == b.problem.pieces &&
           a.equation == b.equation && a.fewestMoves == b.fewestMoves && a.solution == b.solution;
}

// Loaded as a file is, settled with every piece on a pan and the equation as made, and solved
// by its script.
void PlayOnModel(const Challenge& c) {
    SceneHarness h;
    Model& m = h.model;
    m.PutProblem(&c.problem, "challenge", ProgramMode::Problem);
    ASSERT_TRUE(SettleOnClock(h.clock, m, kSettleBudgetMs).rested);
    ASSERT_EQ(m.scene.objCount() - kRightPan, static_cast<std::int32_t>(c.problem.pieces.size()));
    for (std::int32_t i = kFirstPiece; i <= m.scene.objCount(); ++i) {
        EXPECT_NE(m.scene.PanCarrying(i), -1) << "piece " << i;
    }
    EXPECT_EQ(m.equation.lblEquazione().Caption, c.equation);
    for (const ScriptMove& move : ReadMoveScript(c.solution).moves) {
        SCOPED_TRACE(move.text);
        ASSERT_TRUE(ApplyMove(m, move).Done());
        ASSERT_TRUE(SettleOnClock(h.clock, m, kSettleBudgetMs).rested);
    }
    const std::optional<SolvedUnknown> solved = m.Solved();
    ASSERT_TRUE(solved);
    EXPECT_EQ(solved->unknown, PieceKind::kX);
    EXPECT_EQ(solved->value, c.problem.xValue);
}

class LevelTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(LevelTest, KeepsEveryPromise) {
    const std::int32_t level = GetParam();
    Challenge previous = MakeChallenge(level, 0);
    for (std::uint64_t seed = 0; seed < kSeeds; ++seed) {
        SCOPED_TRACE("level " + std::to_string(level) + ", seed " + std::to_string(seed) + ": " +
                     previous.equation);
        const Challenge next = MakeChallenge(level, seed + 1);
        CheckPromises(previous, level, seed);
        CheckPieces(previous);
        EXPECT_NE(previous.problem.xValue, next.problem.xValue);
        if (seed % kPlayEvery == 0) {
            EXPECT_TRUE(SameChallenge(previous, MakeChallenge(level, seed)));
            PlayOnModel(previous);
        }
        previous = next;
    }
}

TEST_P(LevelTest, NeighboursDifferAcrossTheWrap) {
    const std::int32_t level = GetParam();
    constexpr std::uint64_t kLast = std::numeric_limits<std::uint64_t>::max();
    EXPECT_NE(ChallengeX(level, kLast - 1), ChallengeX(level, kLast));
    EXPECT_NE(ChallengeX(level, kLast), ChallengeX(level, 0));
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelTest, ::testing::Range(kFirstLevel, kLastLevel + 1));

TEST(ChallengeTest, EachLevelHasItsShape) {
    struct Case {
        std::int32_t level;
        bool xOnBothSides;
        bool numbersBesideX;
    };
    const std::vector<Case> cases{
        {1, false, true}, {2, false, false}, {3, false, true}, {4, true, true}};
    for (const Case& c : cases) {
        for (std::uint64_t seed = 0; seed < kPlayEvery; ++seed) {
            const Challenge made = MakeChallenge(c.level, seed);
            SCOPED_TRACE(made.equation);
            EXPECT_EQ(made.left.x > 0 && made.right.x > 0, c.xOnBothSides);
            const Terms& xSide = made.left.x > made.right.x ? made.left : made.right;
            EXPECT_EQ(xSide.constant > 0, c.numbersBesideX);
            EXPECT_EQ(made.left.x + made.right.x > 1, c.level > 1);
        }
    }
}

} // namespace
} // namespace tarvelo
