// Moves on the pans: each move's rules and refusals as tables, the answer read off the balance,
// each move one step to undo, and random scenes whose sign no move changes.
#include "PansFixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

MoveOutcome Refusal(MoveRefusal refusal, std::int32_t pan, PieceKind kind = PieceKind::kPan,
                    std::int32_t amount = 0, std::int32_t wanted = 0) {
    return {refusal, pan, kind, amount, wanted};
}

// One move on a scene: what each pan then holds, or the refusal (and nothing changed).
struct MoveCase {
    std::string name;
    Kinds left, right;
    std::function<MoveOutcome(Model&)> move;
    MoveOutcome outcome;
    Kinds leftAfter, rightAfter; // when done
};

void RunCases(const std::vector<MoveCase>& cases) {
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pans p;
        p.Put(c.left, c.right);
        ASSERT_TRUE(p.rested);
        const bool couldUndo = p.m.history().CanUndo();
        const MoveOutcome outcome = c.move(p.m);
        EXPECT_EQ(outcome, c.outcome);
        p.Settle();
        ASSERT_TRUE(p.rested);
        if (outcome.Done()) {
            EXPECT_EQ(p.On(kLeftPan), Sorted(c.leftAfter));
            EXPECT_EQ(p.On(kRightPan), Sorted(c.rightAfter));
        } else {
            EXPECT_EQ(p.On(kLeftPan), Sorted(c.left));
            EXPECT_EQ(p.On(kRightPan), Sorted(c.right));
            EXPECT_EQ(p.m.history().CanUndo(), couldUndo) << "a refused move left a step";
        }
    }
}

auto Take(PieceKind k) {
    return [k](Model& m) { return m.TakeFromBoth(k); };
}
auto Add(PieceKind k) {
    return [k](Model& m) { return m.AddToBoth(k); };
}
auto Drop(std::int32_t pan, PieceKind k) {
    return [pan, k](Model& m) { return m.DropOnPan(pan, k); };
}
auto Remove(std::int32_t pan, PieceKind k) {
    return [pan, k](Model& m) { return m.TakeFromPan(pan, k); };
}
auto Split(std::int32_t pan, std::int32_t n, std::int32_t a, std::int32_t b) {
    return [=](Model& m) { return m.SplitCube(pan, n, a, b); };
}
auto Join(std::int32_t pan, std::int32_t a, std::int32_t b) {
    return [=](Model& m) { return m.JoinCubes(pan, a, b); };
}
auto Share(std::int32_t groups) {
    return [groups](Model& m) { return m.Share(groups); };
}

TEST(PanMovesTest, TakeAndAddOnBothPans) {
    RunCases({
        {"a cube from both", {X, C(2)}, {C(5), C(2)}, Take(C(2)), {}, {X}, {C(5)}},
        {"X from both", {X, X, C(1)}, {X, C(4)}, Take(X), {}, {X, C(1)}, {C(4)}},
        {"one of two alike", {C(2), C(2)}, {C(2), C(2)}, Take(C(2)), {}, {C(2)}, {C(2)}},
        {"the zero cube", {X, C(0)}, {C(3), C(0)}, Take(C(0)), {}, {X}, {C(3)}},
        {"smileys", {S, S, C(1)}, {S, C(2)}, Take(S), {}, {S, C(1)}, {C(2)}},
        {"no twin on the right",
         {X, C(2)},
         {C(5)},
         Take(C(2)),
         Refusal(MoveRefusal::NoSuchPiece, kRightPan, C(2)),
         {},
         {}},
        {"none on the left",
         {C(5)},
         {X},
         Take(X),
         Refusal(MoveRefusal::NoSuchPiece, kLeftPan, X),
         {},
         {}},
        {"a cube 5 is no cube 2",
         {C(5)},
         {C(5)},
         Take(C(2)),
         Refusal(MoveRefusal::NoSuchPiece, kLeftPan, C(2)),
         {},
         {}},
        {"the pan is no piece",
         {C(5)},
         {C(5)},
         Take(PieceKind::kPan),
         Refusal(MoveRefusal::NotAPiece, 0),
         {},
         {}},
        {"a cube on both", {X}, {C(3)}, Add(C(4)), {}, {X, C(4)}, {C(3), C(4)}},
        {"X on both, on empty pans", {}, {}, Add(X), {}, {X}, {X}},
        {"a smiley on a tilted balance", {C(9), C(9)}, {}, Add(S), {}, {C(9), C(9), S}, {S}},
        {"the zero cube on both", {C(1)}, {C(1)}, Add(C(0)), {}, {C(1), C(0)}, {C(1), C(0)}},
    });
}

TEST(PanMovesTest, DropAndRemoveOnOnePan) {
    RunCases({
        {"drop on the left", {X}, {C(4)}, Drop(kLeftPan, C(1)), {}, {X, C(1)}, {C(4)}},
        {"drop Y on the right", {X}, {}, Drop(kRightPan, Y), {}, {X}, {Y}},
        {"remove from the right", {X}, {C(4), S}, Remove(kRightPan, S), {}, {X}, {C(4)}},
        {"remove the zero cube", {X, C(0)}, {C(4)}, Remove(kLeftPan, C(0)), {}, {X}, {C(4)}},
        {"nothing such on that pan",
         {X},
         {C(4)},
         Remove(kLeftPan, C(4)),
         Refusal(MoveRefusal::NoSuchPiece, kLeftPan, C(4)),
         {},
         {}},
        {"no pan 3", {X}, {C(4)}, Drop(3, C(4)), Refusal(MoveRefusal::NoSuchPan, 3), {}, {}},
        {"no pan 0", {X}, {C(4)}, Remove(0, X), Refusal(MoveRefusal::NoSuchPan, 0), {}, {}},
        {"the pan is no piece to drop",
         {X},
         {C(4)},
         Drop(kLeftPan, PieceKind::kPan),
         Refusal(MoveRefusal::NotAPiece, kLeftPan),
         {},
         {}},
    });
}

TEST(PanMovesTest, SplitAndJoinCubes) {
    RunCases({
        {"5 into 2 and 3",
         {X, C(2)},
         {C(5)},
         Split(kRightPan, 5, 2, 3),
         {},
         {X, C(2)},
         {C(2), C(3)}},
        {"8 into 4 and 4", {X, X}, {C(8)}, Split(kRightPan, 8, 4, 4), {}, {X, X}, {C(4), C(4)}},
        {"into 0 and itself", {C(6)}, {C(6)}, Split(kLeftPan, 6, 0, 6), {}, {C(0), C(6)}, {C(6)}},
        {"a sum that is not the cube",
         {X},
         {C(5)},
         Split(kRightPan, 5, 2, 2),
         Refusal(MoveRefusal::WrongSum, kRightPan, C(5), 4, 5),
         {},
         {}},
        {"no such cube on that pan",
         {C(5)},
         {X},
         Split(kRightPan, 5, 2, 3),
         Refusal(MoveRefusal::NoSuchPiece, kRightPan, C(5)),
         {},
         {}},
        {"no cube 12",
         {C(5)},
         {X},
         Split(kLeftPan, 12, 9, 3),
         Refusal(MoveRefusal::NotAPiece, kLeftPan, PieceKind::kPan, 12),
         {},
         {}},
        {"no cube -1",
         {C(5)},
         {X},
         Split(kLeftPan, 5, 6, -1),
         Refusal(MoveRefusal::NotAPiece, kLeftPan, PieceKind::kPan, -1),
         {},
         {}},
        {"split on no pan",
         {C(5)},
         {X},
         Split(7, 5, 2, 3),
         Refusal(MoveRefusal::NoSuchPan, 7),
         {},
         {}},
        {"2 and 3 into 5", {C(2), X, C(3)}, {C(5)}, Join(kLeftPan, 2, 3), {}, {X, C(5)}, {C(5)}},
        {"twins into 8", {C(4), C(4)}, {C(8)}, Join(kLeftPan, 4, 4), {}, {C(8)}, {C(8)}},
        {"a zero cube joins", {C(0), C(7)}, {C(7)}, Join(kLeftPan, 0, 7), {}, {C(7)}, {C(7)}},
        {"no twin",
         {C(4), C(1)},
         {C(5)},
         Join(kLeftPan, 4, 4),
         Refusal(MoveRefusal::NoSuchPiece, kLeftPan, C(4)),
         {},
         {}},
        {"above nine",
         {C(5), C(7)},
         {C(9), C(3)},
         Join(kLeftPan, 5, 7),
         Refusal(MoveRefusal::SumAboveNine, kLeftPan, PieceKind::kPan, 12),
         {},
         {}},
        {"the cubes are on the other pan",
         {X},
         {C(2), C(3)},
         Join(kLeftPan, 2, 3),
         Refusal(MoveRefusal::NoSuchPiece, kLeftPan, C(2)),
         {},
         {}},
    });
}

TEST(PanMovesTest, ShareIntoGroups) {
    RunCases({
        {"2X = 4 + 4 by 2", {X, X}, {C(4), C(4)}, Share(2), {}, {X}, {C(4)}},
        {"3X + 1 + 2 = 6 + 3 by 3",
         {X, X, X, C(1), C(2)},
         {C(6), C(3)},
         Share(3),
         {},
         {X, C(1)},
         {C(3)}},
        {"X and Y by 2",
         {X, X, Y, Y},
         {C(2), C(2), C(2), C(2)},
         Share(2),
         {},
         {X, Y},
         {C(2), C(2)}},
        {"smileys count one", {X, X, S, S}, {C(3), C(3)}, Share(2), {}, {X, S}, {C(3)}},
        {"a cube made up of others", {X, X}, {C(1), C(2), C(3)}, Share(2), {}, {X}, {C(1), C(2)}},
        {"a zero cube stays", {X, X, C(0)}, {C(4), C(4)}, Share(2), {}, {X, C(0)}, {C(4)}},
        {"an empty side", {X, X}, {}, Share(2), {}, {X}, {}},
        {"8 alone needs an exchange",
         {X, X},
         {C(8)},
         Share(2),
         Refusal(MoveRefusal::ExchangeFirst, kRightPan, PieceKind::kPan, 4, 2),
         {},
         {}},
        {"5 1 2 make no 4",
         {X, X},
         {C(5), C(1), C(2)},
         Share(2),
         Refusal(MoveRefusal::ExchangeFirst, kRightPan, PieceKind::kPan, 4, 2),
         {},
         {}},
        {"3 X into 2",
         {X, X, X},
         {C(9)},
         Share(2),
         Refusal(MoveRefusal::UnknownNotShared, kLeftPan, X, 3, 2),
         {},
         {}},
        {"one Y into 2",
         {X, X, Y},
         {C(4), C(4)},
         Share(2),
         Refusal(MoveRefusal::UnknownNotShared, kLeftPan, Y, 1, 2),
         {},
         {}},
        {"7 into 2",
         {X, X},
         {C(7)},
         Share(2),
         Refusal(MoveRefusal::NumberNotShared, kRightPan, PieceKind::kPan, 7, 2),
         {},
         {}},
        {"one group",
         {X},
         {C(4)},
         Share(1),
         Refusal(MoveRefusal::TooFewGroups, 0, PieceKind::kPan, 0, 1),
         {},
         {}},
    });
}

// What stood on a piece taken away falls; a split cube's halves stand where it stood, the
// second on the first, and what stood on it now stands on them.
TEST(PanMovesTest, StacksKeepTheirOrder) {
    Pans p;
    p.Stack(kLeftPan, {C(2), C(5), C(3)});
    p.Stack(kRightPan, {C(2), X});
    p.Settle();
    ASSERT_TRUE(p.m.TakeFromBoth(C(2)).Done());
    p.Settle();
    EXPECT_EQ(p.ColumnOf(kLeftPan), (Kinds{C(5), C(3)}));
    EXPECT_EQ(p.ColumnOf(kRightPan), (Kinds{X}));

    ASSERT_TRUE(p.m.SplitCube(kLeftPan, 5, 1, 4).Done());
    p.Settle();
    EXPECT_EQ(p.ColumnOf(kLeftPan), (Kinds{C(1), C(4), C(3)}));
    ASSERT_TRUE(p.m.JoinCubes(kLeftPan, 3, 1).Done());
    p.Settle();
    EXPECT_EQ(p.ColumnOf(kLeftPan), (Kinds{C(4), C(4)})); // where the lower of them was
}

// Of two pieces alike, the one on top leaves: what lies between stays where it was.
TEST(PanMovesTest, TheTopmostOfAKindLeaves) {
    Pans p;
    p.Stack(kLeftPan, {C(3), C(5), C(3)});
    p.Settle();
    ASSERT_TRUE(p.m.TakeFromPan(kLeftPan, C(3)).Done());
    p.Settle();
    EXPECT_EQ(p.ColumnOf(kLeftPan), (Kinds{C(3), C(5)}));
}

// A pan stacked up to the top of the scene has no room for another piece.
TEST(PanMovesTest, NoRoomAboveAFullPan) {
    Pans p;
    constexpr std::int32_t kLevelsPastTheTop = 9;
    BuildStacksOnPans(p.m, 2 * kColumnsPerPan * kLevelsPastTheTop);
    const std::int32_t before = p.m.scene.objCount();
    EXPECT_EQ(p.m.AddToBoth(X), Refusal(MoveRefusal::NoRoom, kLeftPan, X));
    EXPECT_EQ(p.m.DropOnPan(kRightPan, S), Refusal(MoveRefusal::NoRoom, kRightPan, S));
    EXPECT_EQ(p.m.scene.objCount(), before);
}

TEST(PanMovesTest, SolvedWhenAnUnknownStandsAloneAgainstNumbers) {
    struct Case {
        std::string name;
        std::int32_t x, y;
        Kinds left, right;
        std::optional<SolvedUnknown> solved;
    };
    const std::vector<Case> cases{
        {"X on the left", 3, 2, {X}, {C(3)}, SolvedUnknown{X, 3, kLeftPan}},
        {"X on the right", 5, 2, {C(2), C(3)}, {X}, SolvedUnknown{X, 5, kRightPan}},
        {"Y against a smiley and 2", 2, 3, {Y}, {S, C(2)}, SolvedUnknown{Y, 3, kLeftPan}},
        {"X is 0 against a zero cube", 0, 2, {X}, {C(0)}, SolvedUnknown{X, 0, kLeftPan}},
        {"X is 0 against nothing", 0, 2, {X}, {}, SolvedUnknown{X, 0, kLeftPan}},
        {"a zero cube beside X", 3, 2, {X, C(0)}, {C(3)}, std::nullopt},
        {"not balanced", 4, 2, {X}, {C(3)}, std::nullopt},
        {"two X", 3, 2, {X, X}, {C(6)}, std::nullopt},
        {"X against Y", 3, 3, {X}, {Y}, std::nullopt},
        {"X and a number", 3, 2, {X, C(1)}, {C(4)}, std::nullopt},
        {"numbers only", 3, 2, {C(4)}, {C(4)}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pans p(c.x, c.y);
        p.Put(c.left, c.right);
        ASSERT_TRUE(p.rested);
        EXPECT_EQ(p.m.Solved(), c.solved);
    }
    // Only at rest: the move that solves it does not show the answer until the pans stop.
    Pans p(3, 2);
    p.Put({X, C(1)}, {C(3), C(1)});
    ASSERT_TRUE(p.m.TakeFromBoth(C(1)).Done());
    EXPECT_EQ(p.m.Solved(), std::nullopt);
    p.Settle();
    EXPECT_EQ(p.m.Solved(), (SolvedUnknown{X, 3, kLeftPan}));
}

// Each move is one step to undo, named by what it did, back to the scene before it.
TEST(PanMovesTest, EachMoveIsOneStepToUndo) {
    struct Case {
        std::function<MoveOutcome(Model&)> move;
        UndoAction action;
    };
    const std::vector<Case> cases{
        {Take(C(4)), {ActionVerb::TakenFromBoth, C(4)}},
        {Add(S), {ActionVerb::AddedToBoth, S}},
        {Drop(kLeftPan, C(2)), {ActionVerb::DroppedOnPan, C(2)}},
        {Remove(kLeftPan, X), {ActionVerb::TakenFromPan, X}},
        {Split(kRightPan, 4, 1, 3), {ActionVerb::Split, C(4)}},
        {Join(kLeftPan, 2, 2), {ActionVerb::Joined, C(4)}},
        {Share(2), {ActionVerb::Shared}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.action.verb));
        Pans p(4, 2);
        p.Put({X, X, C(2), C(2), C(4)}, {C(4), C(4), C(4), C(4)});
        const Kinds left = p.On(kLeftPan);
        const Kinds right = p.On(kRightPan);
        ASSERT_TRUE(c.move(p.m).Done());
        p.Settle();
        EXPECT_EQ(p.m.Undo(), c.action);
        p.Settle();
        EXPECT_EQ(p.On(kLeftPan), left);
        EXPECT_EQ(p.On(kRightPan), right);
        EXPECT_EQ(p.m.Redo(), c.action);
    }
}

// Random scenes for the sign test: unknowns and numbers on each pan, the numbers chosen so
// that the pans balance, or nearly.
class RandomScenes {
  public:
    static constexpr std::int32_t kHighest = 9;

    std::int32_t Pick(std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(random_);
    }
    // Cubes (and now and then a smiley) worth `value`.
    Kinds Numbers(std::int32_t value) {
        Kinds kinds;
        while (value > 0) {
            const std::int32_t n = Pick(1, std::min(value, kHighest));
            kinds.push_back(n == 1 && Pick(0, 1) == 0 ? S : C(n));
            value -= n;
        }
        if (Pick(0, 3) == 0) {
            kinds.push_back(C(0));
        }
        return kinds;
    }
    // `left` and `right` with X = x and Y = y: the left pan heavier by `lean` (-1, 0 or 1).
    void Fill(std::int32_t x, std::int32_t y, std::int32_t lean, Kinds& left, Kinds& right) {
        constexpr std::int32_t kMostOfAnUnknown = 2;
        std::int32_t unknowns[2] = {0, 0};
        Kinds* sides[2] = {&left, &right};
        for (std::int32_t side = 0; side < 2; ++side) {
            const std::int32_t xs = Pick(0, kMostOfAnUnknown);
            const std::int32_t ys = Pick(0, kMostOfAnUnknown);
            sides[side]->insert(sides[side]->end(), static_cast<std::size_t>(xs), X);
            sides[side]->insert(sides[side]->end(), static_cast<std::size_t>(ys), Y);
            unknowns[side] = xs * x + ys * y;
        }
        const std::int32_t base = Pick(1, kHighest) + 1; // room for a lean either way
        const std::int32_t leftValue = base + std::max(0, unknowns[1] - unknowns[0]) + lean;
        const std::int32_t rightValue = base + std::max(0, unknowns[0] - unknowns[1]);
        const Kinds l = Numbers(leftValue);
        const Kinds r = Numbers(rightValue);
        left.insert(left.end(), l.begin(), l.end());
        right.insert(right.end(), r.begin(), r.end());
    }
    // A kind some pan holds, mostly; now and then any kind at all.
    PieceKind SomeKind(const Kinds& left, const Kinds& right) {
        const Kinds all{X, Y, S, C(0), C(1), C(2), C(3), C(4), C(5), C(6), C(7), C(8), C(9)};
        const Kinds& from =
            Pick(0, 3) == 0 ? all : (Pick(0, 1) == 0 || right.empty() ? left : right);
        const Kinds& pool = from.empty() ? all : from;
        return pool[static_cast<std::size_t>(Pick(0, static_cast<std::int32_t>(pool.size()) - 1))];
    }

  private:
    std::mt19937 random_{20261211};
};

// One random move made on both pans alike, or a split or a join on one pan.
MoveOutcome RandomMove(RandomScenes& r, Pans& p) {
    constexpr std::int32_t kMostGroups = 3;
    const std::int32_t pan = r.Pick(kLeftPan, kRightPan);
    const std::int32_t a = r.Pick(0, RandomScenes::kHighest);
    const std::int32_t b = r.Pick(0, RandomScenes::kHighest - a);
    switch (r.Pick(0, 4)) {
    case 0:
        return p.m.TakeFromBoth(r.SomeKind(p.On(kLeftPan), p.On(kRightPan)));
    case 1:
        return p.m.AddToBoth(r.SomeKind(p.On(kLeftPan), p.On(kRightPan)));
    case 2:
        return p.m.Share(r.Pick(2, kMostGroups));
    case 3:
        return p.m.SplitCube(pan, a + b, a, b);
    default:
        return p.m.JoinCubes(pan, a, b);
    }
}

// Random scenes, balanced or leaning either way, for every X and Y from 0 to 9: no move made
// on both pans alike, and no split or join on one pan, changes the sign, done or refused.
TEST(PanMovesTest, NoMoveChangesTheSign) {
    constexpr std::int32_t kMovesPerScene = 5;
    RandomScenes r;
    std::int32_t made = 0;
    for (std::int32_t x = 0; x <= RandomScenes::kHighest; ++x) {
        for (std::int32_t y = 0; y <= RandomScenes::kHighest; ++y) {
            Kinds left, right;
            const std::int32_t lean = r.Pick(-1, 1);
            r.Fill(x, y, lean, left, right);
            Pans p(x, y);
            p.Put(left, right);
            ASSERT_TRUE(p.rested);
            const std::string sign = p.Sign();
            SCOPED_TRACE("X = " + std::to_string(x) + ", Y = " + std::to_string(y) + ": " +
                         p.Line());
            ASSERT_EQ(sign, lean == 0 ? "=" : (lean > 0 ? ">" : "<"));
            for (std::int32_t i = 0; i < kMovesPerScene; ++i) {
                const MoveOutcome outcome = RandomMove(r, p);
                made += outcome.Done() ? 1 : 0;
                p.Settle();
                ASSERT_TRUE(p.rested);
                EXPECT_EQ(p.Sign(), sign) << p.Line();
                printf("%s %d\n", p.Line().c_str(), (int)outcome.refusal);
            }
        }
    }
    // Most moves are made, not refused: the sign was put to the test.
    EXPECT_GT(made, (RandomScenes::kHighest + 1) * (RandomScenes::kHighest + 1));
}

} // namespace
} // namespace tarvelo
