// The moves a lesson makes on the pans as wholes: the same piece taken from or added to both,
// a piece dropped on or taken from one, cubes split and joined, both pans shared into groups;
// what each move gives back, done or refused and why, and when a balance shows the answer.
#pragma once

#include "core/base/PieceKind.h"

#include <cstdint>

namespace tarvelo {

// Why a move was refused. The numbers and kinds involved travel in MoveOutcome; the Qt layer
// words them.
enum class MoveRefusal {
    None,             // done
    NoSuchPan,        // `pan` is neither kLeftPan nor kRightPan
    NotAPiece,        // `kind` (or the cube of `amount`) is nothing a pan can hold
    NoSuchPiece,      // pan `pan` holds no piece of `kind`
    NoRoom,           // no room above pan `pan` for a piece of `kind`
    WrongSum,         // split: `amount` (A + B) is not `wanted` (N)
    SumAboveNine,     // join: `amount` (A + B) has no cube of its own
    TooFewGroups,     // share: `wanted` groups, fewer than two
    UnknownNotShared, // share: `amount` pieces of `kind` on pan `pan` make no `wanted` groups
    NumberNotShared,  // share: the number value `amount` on pan `pan` makes no `wanted` groups
    ExchangeFirst,    // share: pan `pan`'s cubes cannot make up `amount` as they are
    NoSuchValue,      // check: `amount` is no value the unknown `kind` can have
};

struct MoveOutcome {
    MoveRefusal refusal = MoveRefusal::None;
    std::int32_t pan = 0;             // the pan concerned (kLeftPan or kRightPan), if any
    PieceKind kind = PieceKind::kPan; // the kind of piece concerned, if any
    std::int32_t amount = 0;          // the count or value that failed
    std::int32_t wanted = 0;          // what it had to be, or the number of groups
    bool Done() const { return refusal == MoveRefusal::None; }
    bool operator==(const MoveOutcome&) const = default;
};

// A balance that shows its answer: at rest, "=", one pan holds a lone X (or Y) and the other
// only numbers and smileys, which weigh `value`.
struct SolvedUnknown {
    PieceKind unknown = PieceKind::kX;
    std::int32_t value = 0;
    std::int32_t pan = 0; // the pan the unknown stands alone on
    bool operator==(const SolvedUnknown&) const = default;
};

} // namespace tarvelo
