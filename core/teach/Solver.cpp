// Breadth-first search over the pans' counts: every move the counts allow, nearest states first,
// so the first solved state found is one of the fewest moves.
#include "core/teach/Solver.h"

#include "core/world/Scene.h"

#include <algorithm>
#include <array>
#include <numeric>
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

void AddTakes(const PanCounts& counts, std::vector<CountMove>& moves) {
    for (const std::size_t slot : kTakeOrder) {
        if (counts.pans[0][slot] > 0 && counts.pans[1][slot] > 0) {
            moves.push_back(CountMove::Of(MoveType::Take, 0, KindOfSlot(slot), {}));
        }
    }
}

void AddShares(const PanCounts& counts, std::vector<CountMove>& moves) {
    const std::int32_t divisor = SharedDivisor(counts);
    for (std::int32_t groups = kMinGroups; groups <= divisor; ++groups) {
        if (divisor % groups == 0) {
            moves.push_back(CountMove::Of(MoveType::Share, 0, PieceKind::kPan, {groups}));
        }
    }
}

void AddSplits(const PanCounts& counts, std::vector<CountMove>& moves) {
    for (const std::int32_t pan : kPans) {
        for (std::int32_t n = 2 * kLowestPart; n <= kHighestCube; ++n) {
            if (counts.Pan(pan)[static_cast<std::size_t>(n)] == 0) {
                continue;
            }
            for (std::int32_t a = kLowestPart; a <= n / 2; ++a) {
                moves.push_back(
                    CountMove::Of(MoveType::Split, pan, PieceKind::kPan, {n, a, n - a}));
            }
        }
    }
}

void AddJoins(const PanCounts& counts, std::vector<CountMove>& moves) {
    for (const std::int32_t pan : kPans) {
        const PanLoad& load = counts.Pan(pan);
        for (std::int32_t a = kLowestPart; 2 * a <= kHighestCube; ++a) {
            for (std::int32_t b = a; a + b <= kHighestCube; ++b) {
                const auto first = static_cast<std::size_t>(a);
                const auto second = static_cast<std::size_t>(b);
                if (load[first] > 0 && load[second] >= (a == b ? 2 : 1)) {
                    moves.push_back(CountMove::Of(MoveType::Join, pan, PieceKind::kPan, {a, b}));
                }
            }
        }
    }
}

// The moves to try from `counts`, into `moves` (emptied first, its room kept from state to state).
void CandidateMoves(const PanCounts& counts, std::vector<CountMove>& moves) {
    moves.clear();
    AddTakes(counts, moves);
    AddShares(counts, moves);
    AddSplits(counts, moves);
    AddJoins(counts, moves);
}

// A state the search reached, and the move from the state it came from.
struct Reached {
    PanCounts counts;
    std::size_t from = 0;
    CountMove move;
    std::int32_t depth = 0;
};

// The states reached, each once: an open-addressing table of their places in `reached`, so that
// a state looked at costs no allocation of its own (the search looks at a great many).
class ReachedSet {
  public:
    explicit ReachedSet(const std::vector<Reached>& reached)
        : reached_(reached), slots_(kFirstSlots, kEmpty) {}

    // Whether `counts` was reached already; if not, it is taken as the state at `index`.
    bool Seen(const PanCounts& counts, std::size_t index) {
        if ((taken_ + 1) * kMostFullOf > slots_.size() * kMostFullIn) {
            Grow();
        }
        for (std::size_t at = PanCountsHash{}(counts)&Mask();; at = (at + 1) & Mask()) {
            if (slots_[at] == kEmpty) {
                slots_[at] = index;
                ++taken_;
                return false;
            }
            if (reached_[slots_[at]].counts == counts) {
                return true;
            }
        }
    }

  private:
    static constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
    static constexpr std::size_t kFirstSlots = 1024; // a power of two, as Mask needs
    // Grown once more than 1/2 of the slots are taken, so that probes stay short.
    static constexpr std::size_t kMostFullIn = 1;
    static constexpr std::size_t kMostFullOf = 2;

    std::size_t Mask() const { return slots_.size() - 1; }
    void Grow() {
        std::vector<std::size_t> old(slots_.size() * 2, kEmpty);
        old.swap(slots_);
        for (const std::size_t index : old) {
            if (index == kEmpty) {
                continue;
            }
            std::size_t at = PanCountsHash{}(reached_[index].counts) & Mask();
            while (slots_[at] != kEmpty) {
                at = (at + 1) & Mask();
            }
            slots_[at] = index;
        }
    }

    const std::vector<Reached>& reached_;
    std::vector<std::size_t> slots_;
    std::size_t taken_ = 0;
};

Solution SolutionEndingAt(const std::vector<Reached>& reached, std::size_t last) {
    Solution solution;
    for (std::size_t at = last; at != 0; at = reached[at].from) {
        solution.moves.push_back(reached[at].move.ToScript());
    }
    std::reverse(solution.moves.begin(), solution.moves.end());
    solution.script = ScriptOf(solution.moves);
    return solution;
}

} // namespace

std::optional<Solution> SolveForX(const PanCounts& start, const SolverLimits& limits) {
    if (SolvedPan(start)) {
        return Solution{};
    }
    std::vector<Reached> reached{{start, 0, {}, 0}};
    ReachedSet seen(reached);
    seen.Seen(start, 0);
    std::vector<CountMove> candidates;
    for (std::size_t at = 0; at < reached.size(); ++at) {
        if (reached[at].depth >= limits.mostMoves) {
            break;
        }
        const PanCounts counts = reached[at].counts;
        CandidateMoves(counts, candidates);
        for (const CountMove& move : candidates) {
            const std::optional<PanCounts> next = AfterMove(counts, move);
            if (!next || seen.Seen(*next, reached.size())) {
                continue;
            }
            reached.push_back({*next, at, move, reached[at].depth + 1});
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
