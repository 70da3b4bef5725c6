// A move on the pans as the moves panel asks for it: made on the model through its verb, and
// named by the action undo names it by.
#pragma once

#include "core/play/History.h"
#include "core/play/PanMoves.h"

#include <cstdint>

namespace tarvelo {

class Model;

struct PanMoveRequest {
    enum class Verb { TakeFromBoth, AddToBoth, Split, Join, Share };
    Verb verb = Verb::TakeFromBoth;
    PieceKind kind = PieceKind::kOne; // taken from or added to both pans
    std::int32_t pan = 0;             // split and join: kLeftPan or kRightPan
    std::int32_t n = 0;               // split: the cube split
    std::int32_t a = 0;               // split: the cubes it becomes; join: the cubes joined
    std::int32_t b = 0;
    std::int32_t groups = 0; // share
};

// Makes `move` through the model's verb for it: done, or why it was refused.
MoveOutcome MakeMove(Model& model, const PanMoveRequest& move);

// The action `move` is, as undo names it once it is done: "cube 5 split in two".
UndoAction ActionOf(const PanMoveRequest& move);

} // namespace tarvelo
