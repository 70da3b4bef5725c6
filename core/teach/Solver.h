// The fewest moves that bring a problem's pans to a lone X against numbers: a breadth-first
// search over the pans' counts, within a bound on moves and on the states it looks at.
#pragma once

#include "core/play/MoveScript.h"
#include "core/teach/PanCounts.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

struct SolverLimits {
    std::int32_t mostMoves = 12;     // no script longer than this
    std::size_t mostStates = 400000; // the search gives up after so many different counts
};

struct Solution {
    std::vector<ScriptMove> moves; // each with its text as a script writes it
    std::string script;            // the moves joined: "split right 5 2 3; take 2"
};

// A shortest script of takes, splits, joins and shares that leaves a lone X on one pan against
// only numbers on the other, as the model makes those moves; none when there is none within
// `limits`. Already solved counts give an empty script.
std::optional<Solution> SolveForX(const PanCounts& start, const SolverLimits& limits = {});

// The moves written as one script.
std::string ScriptOf(const std::vector<ScriptMove>& moves);

} // namespace tarvelo
