// The user's actions as undo names them and the trail of equations lists them.
#pragma once

#include "core/base/PieceKind.h"

namespace tarvelo {

// What a user's action did, by which its undo step is named: "Undone: dropped cube 5".
enum class ActionVerb {
    Dropped,        // a copy from the palette became a piece
    Moved,          // a piece was picked up and put down
    Removed,        // a piece was deleted
    ValueSet,       // X or Y was given a value
    SolutionShown,  // the solution was shown
    SolutionHidden, // the solution was hidden
    SceneReplaced,  // a new scene, a problem loaded or restarted, a hand-over
    TakenFromBoth,  // a piece of the kind taken from each pan
    AddedToBoth,    // a piece of the kind dropped on each pan
    DroppedOnPan,   // a piece of the kind dropped on one pan
    TakenFromPan,   // a piece of the kind taken from one pan
    Split,          // a cube (of the kind) split into two
    Joined,         // two cubes joined into one (of the kind)
    Shared,         // both pans shared into equal groups, one kept
    Checked,        // the problem put back with X (and Y) given the values to check
};
struct UndoAction {
    ActionVerb verb = ActionVerb::SceneReplaced;
    PieceKind kind = PieceKind::kPan; // the kind of piece acted on, where there is one
    bool operator==(const UndoAction&) const = default;
};

} // namespace tarvelo
