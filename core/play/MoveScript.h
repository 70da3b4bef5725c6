// A script of moves on the pans, as the run without a window takes it: "split right 5 2 3;
// take 2", read into moves and applied to the model one by one.
#pragma once

#include "core/base/PieceKind.h"
#include "core/play/PanMoves.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

class Model;

enum class MoveType {
    Take,   // take K: from both pans
    Add,    // add K: to both pans
    Split,  // split SIDE N A B
    Join,   // join SIDE A B
    Share,  // share N
    Drop,   // drop SIDE K: on one pan
    Remove, // remove SIDE K: from one pan
    Check,  // check V [W]: X = V (and Y = W) against the problem
};

struct ScriptMove {
    MoveType type = MoveType::Take;
    std::string text;                  // as written, without the blanks around it
    std::int32_t pan = 0;              // split, join, drop, remove
    PieceKind kind = PieceKind::kPan;  // take, add, drop, remove
    std::vector<std::int32_t> numbers; // split: N A B; join: A B; share: the groups; check: V [W]
};

// Why a script could not be read.
enum class ScriptFault {
    Empty,       // no move at all
    UnknownMove, // the first word names no move
    WordCount,   // the move takes another number of words
    BadKind,     // `word` is no kind of piece (0 to 9, X, Y, smiley)
    BadSide,     // `word` is neither left nor right
    BadNumber,   // `word` is no cube's number or value (0 to 9), or no number of groups
};

struct ScriptError {
    ScriptFault fault = ScriptFault::Empty;
    std::string move; // the move as written
    std::string word; // the word at fault, if one is
};

struct MoveScript {
    std::vector<ScriptMove> moves;
    std::optional<ScriptError> error; // set: nothing was read
};

// Moves separated by ";", words by blanks; an empty move (a ";" at the end) is nothing.
MoveScript ReadMoveScript(std::string_view script);

// The words that name the moves, as a script writes them: "take, add, …, check".
std::string MoveWordList();

// Makes `move` on `model` through its verbs.
MoveOutcome ApplyMove(Model& model, const ScriptMove& move);

} // namespace tarvelo
