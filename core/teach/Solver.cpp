// Breadth-first search over the pans' counts: every move the counts allow, nearest states first,
// so the first solved state found is one of the fewest moves.
#include "core/teach/Solver.h"

#include "core/world/Scene.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_set>
#include <utility>

namespace tarvelo {

namespace {

constexpr std::int32_t kMinGroups = 2;
constexpr std::int32_t kHighestCube = 9;
constexpr std::int32_t kLowestPart = 1; // a part bearing 0 never helps: splits give none
constexpr std::array kPans{kLeftPan, kRightPan};

// The takes first (the unknowns, the smileys, then the cubes), then the shares, the splits and
// the joins: the order in which the search tries the moves, and so which of equally short
// scripts it gives.
constexpr std::array kTakeOrder{kSlotX,         kSlotY,         kSlotSmiley,    std::size_t{1},
                                std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{5},
                                std::size_t{6}, std::size_t{7}, std::size_t{8}, std::size_t{9},
                                std::size_t{0}};

ScriptMove Move(MoveType type, std::int32_t pan, PieceKind kind,
                std::vector<std::int32_t> numbers) {
    return {type, {}, pan, kind, std::move(numbers)};
}

// The greatest number of groups every pan's X, Y and number value divide into: the shares that
// may be made divide it (0: nothing to share).
std::int32_t SharedDivisor(const PanCounts& counts) {
    std::int32_t divisor = 0;
    for (const PanLoad& load : counts.pans) {
        std::int32_t value = 0;
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
            value += SlotValue(slot) * load[slot];
        }
        divisor = std::gcd(divisor, std::gcd(value, std::gcd(std::int32_t{load[kSlotX]},
                                                             std::int32_t{load[kSlotY]})));
    }
    return divisor;
}

void AddTakes(const PanCounts& counts, std::vector<ScriptMove>& moves) {
    for (const std::size_t slot : kTakeOrder) {
        if (counts.pans[0][slot] > 0 && counts.pans[1][slot] > 0) {
            moves.push_back(Move(MoveType::Take, 0, KindOfSlot(slot), {}));
        }
    }
}

void AddShares(const PanCounts& counts, std::vector<ScriptMove>& moves) {
    const std::int32_t divisor = SharedDivisor(counts);
    for (std::int32_t groups = kMinGroups; groups <= divisor; ++groups) {
        if (divisor % groups == 0) {
            moves.push_back(Move(MoveType::Share, 0, PieceKind::kPan, {groups}));
        }
    }
}

void AddSplits(const PanCounts& counts, std::vector<ScriptMove>& moves) {
    for (const std::int32_t pan : kPans) {
        for (std::int32_t n = 2 * kLowestPart; n <= kHighestCube; ++n) {
            if (counts.Pan(pan)[static_cast<std::size_t>(n)] == 0) {
                continue;
            }
            for (std::int32_t a = kLowestPart; a <= n / 2; ++a) {
                moves.push_back(Move(MoveType::Split, pan, PieceKind::kPan, {n, a, n - a}));
            }
        }
    }
}

void AddJoins(const PanCounts& counts, std::vector<ScriptMove>& moves) {
    for (const std::int32_t pan : kPans) {
        const PanLoad& load = counts.Pan(pan);
        for (std::int32_t a = kLowestPart; 2 * a <= kHighestCube; ++a) {
            for (std::int32_t b = a; a + b <= kHighestCube; ++b) {
                const auto first = static_cast<std::size_t>(a);
                const auto second = static_cast<std::size_t>(b);
                if (load[first] > 0 && load[second] >= (a == b ? 2 : 1)) {
                    moves.push_back(Move(MoveType::Join, pan, PieceKind::kPan, {a, b}));
                }
            }
        }
    }
}

std::vector<ScriptMove> CandidateMoves(const PanCounts& counts) {
    std::vector<ScriptMove> moves;
    AddTakes(counts, moves);
    AddShares(counts, moves);
    AddSplits(counts, moves);
    AddJoins(counts, moves);
    return moves;
}

// A state the search reached, and the move from the state it came from.
struct Reached {
    PanCounts counts;
    std::size_t from = 0;
    ScriptMove move;
    std::int32_t depth = 0;
};

Solution SolutionEndingAt(const std::vector<Reached>& reached, std::size_t last) {
    Solution solution;
    for (std::size_t at = last; at != 0; at = reached[at].from) {
        solution.moves.push_back(reached[at].move);
    }
    std::reverse(solution.moves.begin(), solution.moves.end());
    for (ScriptMove& move : solution.moves) {
        move.text = MoveText(move);
    }
    solution.script = ScriptOf(solution.moves);
    return solution;
}

} // namespace

std::optional<Solution> SolveForX(const PanCounts& start, const SolverLimits& limits) {
    if (SolvedPan(start)) {
        return Solution{};
    }
    std::vector<Reached> reached{{start, 0, {}, 0}};
    std::unordered_set<PanCounts, PanCountsHash> seen{start};
    for (std::size_t at = 0; at < reached.size(); ++at) {
        if (reached[at].depth >= limits.mostMoves) {
            break;
        }
        const PanCounts counts = reached[at].counts;
        for (ScriptMove& move : CandidateMoves(counts)) {
            const std::optional<PanCounts> next = AfterMove(counts, move);
            if (!next || !seen.insert(*next).second) {
                continue;
            }
            reached.push_back({*next, at, std::move(move), reached[at].depth + 1});
            if (SolvedPan(*next)) {
                return SolutionEndingAt(reached, reached.size() - 1);
            }
            if (reached.size() >= limits.mostStates) {
                return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

std::string ScriptOf(const std::vector<ScriptMove>& moves) {
    std::string script;
    for (const ScriptMove& move : moves) {
        script += (script.empty() ? "" : "; ") + MoveText(move);
    }
    return script;
}

} // namespace tarvelo
