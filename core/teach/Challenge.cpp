// Making a challenge: X from the seed so that neighbouring seeds differ, the rest of the
// problem drawn for the level, set out on the pans and solved; a draw that the solver finds too
// easy, or cannot solve, is drawn again.
#include "core/teach/Challenge.h"

#include "core/teach/PanCounts.h"
#include "core/teach/PanLayout.h"
#include "core/teach/Solver.h"
#include "core/teach/SplitMix.h"
#include "core/world/EquationDisplay.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tarvelo {

namespace {

constexpr std::int32_t kHighestCube = 9;
constexpr std::int32_t kMostDraws = 64; // draws tried before the most demanding one found is taken

// What a level asks for: the values X takes, the fewest moves its challenges need.
struct LevelRule {
    std::int32_t lowestX;
    std::int32_t highestX;
    std::int32_t fewestMoves;
};

constexpr std::array<LevelRule, kLastLevel> kLevelRules{{
    {1, 8, 2}, // X + b = c with c one cube: X is at most 8
    {1, 9, 2},
    {1, 9, 3},
    {1, 9, 3},
    {1, 9, 4},
}};

// The salt that keeps the draws of the rest of a problem apart from the draw of its X.
constexpr std::uint64_t kRestSalt = 0x74617276656C6FULL;

std::int32_t ClampLevel(std::int32_t level) {
    return std::clamp(level, kFirstLevel, kLastLevel);
}

const LevelRule& RuleOf(std::int32_t level) {
    return kLevelRules[static_cast<std::size_t>(ClampLevel(level) - kFirstLevel)];
}

std::uint64_t Draw(std::int32_t level, std::uint64_t seed) {
    return MixSeeds(static_cast<std::uint64_t>(level), seed);
}

// A value for an even seed, drawn freely.
std::int32_t XOfEvenSeed(std::int32_t level, std::uint64_t seed) {
    const LevelRule& rule = RuleOf(level);
    const auto span = static_cast<std::uint64_t>(rule.highestX - rule.lowestX + 1);
    return rule.lowestX + static_cast<std::int32_t>(Draw(level, seed) % span);
}

// The problem's pieces and terms, before they are set out.
struct Drawn {
    PanPieces pieces;
    Terms left;
    Terms right;
};

// `total` in `count` cubes of 1 to 9, each drawn from what the others still allow.
void AddCubes(std::int32_t total, std::int32_t count, SplitMix& rng, std::vector<PieceKind>& pan) {
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t rest = count - i - 1;
        const std::int32_t n = rng.Between(std::max(1, total - kHighestCube * rest),
                                           std::min(kHighestCube, total - rest));
        pan.push_back(*CubeBearing(n));
        total -= n;
    }
}

// `total` in as few cubes as it takes, or (`extra`) in one more.
void AddNumber(std::int32_t total, bool extra, SplitMix& rng, std::vector<PieceKind>& pan) {
    const std::int32_t fewest = (total + kHighestCube - 1) / kHighestCube;
    AddCubes(total, std::min(total, fewest + (extra ? 1 : 0)), rng, pan);
}

void AddXs(std::int32_t count, std::vector<PieceKind>& pan) {
    pan.insert(pan.end(), static_cast<std::size_t>(count), PieceKind::kX);
}

// aX + b = mX + n with n = (a - m)X + b: `a` X and `b` on the left, `m` X and the rest on the
// right; b and the right's number as cubes (b in `bCubes` of them), with a smiley added to both
// sides when `smileys`; the sides swapped when `swap`.
struct Sides {
    std::int32_t a = 1;
    std::int32_t b = 0;
    std::int32_t bCubes = 1;
    std::int32_t m = 0;
    bool extraCube = false;
    bool smileys = false;
    bool swap = false;
};

Drawn Build(const Sides& s, std::int32_t x, SplitMix& rng) {
    Drawn drawn;
    std::vector<PieceKind>& left = drawn.pieces[0];
    std::vector<PieceKind>& right = drawn.pieces[1];
    const std::int32_t n = (s.a - s.m) * x + s.b;
    AddXs(s.a, left);
    if (s.b > 0) {
        AddCubes(s.b, s.bCubes, rng, left);
    }
    AddXs(s.m, right);
    AddNumber(n, s.extraCube, rng, right);
    const std::int32_t smileys = s.smileys ? 1 : 0;
    if (s.smileys) {
        left.push_back(PieceKind::kSmiley);
        right.push_back(PieceKind::kSmiley);
    }
    drawn.left = {s.b + smileys, s.a, 0};
    drawn.right = {n + smileys, s.m, 0};
    if (s.swap) {
        std::swap(drawn.pieces[0], drawn.pieces[1]);
        std::swap(drawn.left, drawn.right);
    }
    return drawn;
}

bool Coin(SplitMix& rng) {
    return rng.Between(0, 1) == 1;
}

// X + b = c, c one cube.
Sides DrawLevel1(std::int32_t x, SplitMix& rng) {
    return {1, rng.Between(1, kHighestCube - x), 1, 0, false, false, false};
}

// aX = c.
Sides DrawLevel2(std::int32_t, SplitMix& rng) {
    return {rng.Between(2, 3), 0, 0, 0, Coin(rng), false, false};
}

// aX + b = c.
Sides DrawLevel3(std::int32_t, SplitMix& rng) {
    return {rng.Between(2, 3), rng.Between(1, 6), 1, 0, Coin(rng), false, false};
}

// aX + b = mX + n, X on both sides.
Sides DrawLevel4(std::int32_t, SplitMix& rng) {
    const std::int32_t m = rng.Between(1, 2);
    return {m + rng.Between(1, 2), rng.Between(1, 6), 1, m, false, false, Coin(rng)};
}

// Larger numbers: three or four X, b in two cubes, X on both sides or not, smileys.
Sides DrawLevel5(std::int32_t, SplitMix& rng) {
    const std::int32_t a = rng.Between(3, 4);
    return {a, rng.Between(4, 12), 2, rng.Between(0, 1), Coin(rng), Coin(rng), Coin(rng)};
}

Sides DrawSides(std::int32_t level, std::int32_t x, SplitMix& rng) {
    switch (level) {
    case 1:
        return DrawLevel1(x, rng);
    case 2:
        return DrawLevel2(x, rng);
    case 3:
        return DrawLevel3(x, rng);
    case 4:
        return DrawLevel4(x, rng);
    default:
        return DrawLevel5(x, rng);
    }
}

// The counts the solver starts from: what the problem sets on each pan.
PanCounts CountsOf(const PanPieces& pieces) {
    PanCounts counts;
    for (std::size_t pan = 0; pan < pieces.size(); ++pan) {
        for (const PieceKind kind : pieces[pan]) {
            ++counts.pans[pan][SlotOf(kind)];
        }
    }
    return counts;
}

// One draw made into a challenge, or none when it does not fit on the pans or has no solution.
std::optional<Challenge> Attempt(std::int32_t level, std::uint64_t seed, std::int32_t x,
                                 SplitMix& rng) {
    const Drawn drawn = Build(DrawSides(level, x, rng), x, rng);
    std::optional<Problem> problem = ProblemOnPans(drawn.pieces, x, 0);
    if (!problem) {
        return std::nullopt;
    }
    const std::optional<Solution> solution = SolveForX(CountsOf(drawn.pieces));
    if (!solution) {
        return std::nullopt;
    }
    return Challenge{level,
                     seed,
                     std::move(*problem),
                     PieceKind::kX,
                     drawn.left,
                     drawn.right,
                     EquationDisplay::SideText(drawn.left) + " = " +
                         EquationDisplay::SideText(drawn.right),
                     static_cast<std::int32_t>(solution->moves.size()),
                     solution->script};
}

} // namespace

std::string GoalText(PieceKind goal) {
    return goal == PieceKind::kY ? "find Y" : "find X";
}

std::int32_t ChallengeX(std::int32_t level, std::uint64_t seed) {
    level = ClampLevel(level);
    if (seed % 2 == 0) {
        return XOfEvenSeed(level, seed);
    }
    // An odd seed takes a value that neither neighbour has; a level has at least three.
    const std::int32_t before = XOfEvenSeed(level, seed - 1);
    const std::int32_t after = XOfEvenSeed(level, seed + 1);
    const LevelRule& rule = RuleOf(level);
    std::vector<std::int32_t> free;
    for (std::int32_t v = rule.lowestX; v <= rule.highestX; ++v) {
        if (v != before && v != after) {
            free.push_back(v);
        }
    }
    return free[Draw(level, seed) % free.size()];
}

Challenge MakeChallenge(std::int32_t level, std::uint64_t seed) {
    level = ClampLevel(level);
    const std::int32_t x = ChallengeX(level, seed);
    SplitMix rng(Draw(level, seed) ^ kRestSalt);
    std::optional<Challenge> best;
    for (std::int32_t draw = 0; draw < kMostDraws; ++draw) {
        std::optional<Challenge> made = Attempt(level, seed, x, rng);
        if (made && (!best || made->fewestMoves > best->fewestMoves)) {
            best = std::move(made);
        }
        if (best && best->fewestMoves >= RuleOf(level).fewestMoves) {
            break;
        }
    }
    return *best;
}

} // namespace tarvelo
