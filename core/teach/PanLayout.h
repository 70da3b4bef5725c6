// Pieces put on the two pans of a problem as a child would set them out: side by side in
// columns over each pan, stacked when a pan has more pieces than columns.
#pragma once

#include "core/base/PieceKind.h"
#include "core/world/Problem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelo {

// The kinds each pan gets: index 0 the left pan, 1 the right one, in the order they are set out.
using PanPieces = std::array<std::vector<PieceKind>, 2>;

// The stacks are kept this low, so that the splits a solving makes still fit under the top.
constexpr std::int32_t kMostLayers = 2;

// The problem with X weighing `x` and Y `y` and `pieces` resting on the level pans, each where
// it falls straight onto the pan or the piece below; none when a pan has more pieces than its
// columns hold in kMostLayers layers.
std::optional<Problem> ProblemOnPans(const PanPieces& pieces, std::int32_t x, std::int32_t y);

} // namespace tarvelo
