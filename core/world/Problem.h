// A problem as records: the hidden values of X and Y and the pieces with their places, which the
// scene loads and the problem file reads and writes.
#pragma once

#include "core/base/PieceKind.h"

#include <cstdint>
#include <vector>

namespace tarvelo {

// Loading puts every piece this many pixels above its saved place, from where it falls back.
constexpr std::int32_t kLoadLift = 300;

// One piece as a file gives it.
struct ProblemPiece {
    std::int32_t objX = 0;
    std::int32_t objY = 0;
    float objMass = 0;
    PieceKind objKind = PieceKind::kPan;
    bool operator==(const ProblemPiece&) const = default;
};

struct Problem {
    std::int32_t xValue = 0;
    std::int32_t yValue = 0;
    std::vector<ProblemPiece> pieces;
};

} // namespace tarvelo
