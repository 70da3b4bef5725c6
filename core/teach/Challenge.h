// Challenges made by level from a seed: a problem whose X the child finds with the moves on the
// pans, with the fewest moves it takes and a script that makes them, found by the solver.
#pragma once

#include "core/base/PieceKind.h"
#include "core/world/Problem.h"
#include "core/world/Scene.h"

#include <cstdint>
#include <string>

namespace tarvelo {

// 1: X + b = c; 2: aX = c; 3: aX + b = c; 4: aX + b = mX + n; 5: larger numbers that need
// exchanges and shares, X on one side or on both.
constexpr std::int32_t kFirstLevel = 1;
constexpr std::int32_t kLastLevel = 5;

struct Challenge {
    std::int32_t level = kFirstLevel;
    std::uint64_t seed = 0;
    Problem problem;                // X's hidden value and the pieces resting on the pans
    PieceKind goal = PieceKind::kX; // the unknown to find
    Terms left;                     // the equation the pans show
    Terms right;
    std::string equation; // written as the balance writes it: "2X + 5 = 9"
    std::int32_t fewestMoves = 0;
    std::string solution; // a script of that many moves: "split right 5 2 3; take 2"
};

// The challenge of `level` (kFirstLevel to kLastLevel; others are taken as the nearest) made
// from `seed`: always the same for the same level and seed, and never with the same X as the
// challenge of the next seed.
Challenge MakeChallenge(std::int32_t level, std::uint64_t seed);

// The goal as the report of a challenge names it, the same in every language: "find X".
std::string GoalText(PieceKind goal);

// The value X has in `seed`'s challenge of `level`.
std::int32_t ChallengeX(std::int32_t level, std::uint64_t seed);

} // namespace tarvelo
