// Paints the scene from its list of pictures.
#pragma once

#include "core/play/Model.h"

#include <QImage>
#include <vector>

namespace tarvelo {

class PiecePictures;

// The light yellow of the empty scene.
inline constexpr QRgb kSceneBackground = 0xFFFFFFC0;

// Clears `target` to the scene's background and paints every picture at its place, combining
// each with what is already there by a bitwise AND: white leaves the scene as it is, and where
// two pieces overlap the dark parts of both stay visible. `target` measures in scene pixels
// (its device pixel ratio tells how many image pixels make one).
void PaintScene(QImage& target, const std::vector<DrawItem>& drawList, PiecePictures& pictures);

} // namespace tarvelo
