// What the main window's pointer and keyboard input share: the way into the model, and the
// palette's pictures.
#pragma once

#include "core/base/PieceKind.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace tarvelo {

class PictureBox;

// Runs a verb of the model, then brings the widgets up to date: all input goes this way.
using InputHandler = std::function<void(const std::function<void()>&)>;

// The palette's pictures, each with the kind of piece it adds, left to right.
using PaletteBoxes = std::vector<std::pair<PictureBox*, PieceKind>>;

} // namespace tarvelo
