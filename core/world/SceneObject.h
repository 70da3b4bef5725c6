// One object of the scene, and the pictures of the kinds of pieces with their sizes.
#pragma once

#include "core/base/PieceKind.h"

#include <cstdint>
#include <optional>

namespace tarvelo {

// An object of the scene: its box in scene pixels, its kind and mass, and its motion state.
struct SceneObject {
    std::int32_t objX = 0; // left edge
    std::int32_t objY = 0; // top edge; y grows downward
    PieceKind objKind = PieceKind::kPan;
    std::int32_t objW = 0;
    std::int32_t objH = 0;
    float objMass = 0;
    float objLoad = 0; // mass of the object and of everything resting on it, as last weighed
    float objVX = 0;   // speeds in pixels per reality step
    float objVY = 0;
    float objAX = 0; // accelerations to apply in the next reality step
    float objAY = 0;
    bool objFixed = false; // the pans: never simulated, carried, picked or saved
    // The pan (1 or 2) whose load the object counted in at the last contact rebuild, the pan's
    // own number for a pan, or 0. It keeps a piece standing on stacks of both pans with the
    // pan it had, rather than handing it back and forth.
    std::int32_t objPan = 0;
    bool operator==(const SceneObject&) const = default;
};

// Whether the box of `o` and the box from (x0, y0) to (x1, y1), right and bottom edges
// excluded, share some area; boxes that only touch along an edge or at a corner do not.
inline bool OverlapsBox(const SceneObject& o, double x0, double y0, double x1, double y1) {
    const double bx0 = o.objX;
    const double bx1 = static_cast<double>(o.objX) + o.objW;
    const double by0 = o.objY;
    const double by1 = static_cast<double>(o.objY) + o.objH;
    return (x0 > bx0 ? x0 : bx0) < (x1 < bx1 ? x1 : bx1) &&
           (y0 > by0 ? y0 : by0) < (y1 < by1 ? y1 : by1);
}

// Pictures are numbers of their own. Those below kNumberCubePicture are the pictures of the
// kinds, each numbered as its kind; from kNumberCubePicture on they are cubes bearing the number
// (picture - kNumberCubePicture): the solution shows an unknown whose value has no cube of its
// own (10, say, or -3) this way.
constexpr std::int32_t kNumberCubePicture = 1000000;
constexpr std::int32_t kLowestNumberOnCube = -32768;
constexpr std::int32_t kHighestNumberOnCube = 32767;

struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

constexpr PictureSize kPanSize{415, 11};
constexpr PictureSize kCubeSize{45, 40};
constexpr PictureSize kSmileySize{36, 35};

// The picture a kind of piece is drawn with.
constexpr std::int32_t PictureOf(PieceKind kind) {
    return KindNumber(kind);
}

// The kind whose picture `picture` is, or nothing for a cube made for a number and for a number
// that is no picture.
constexpr std::optional<PieceKind> KindPictured(std::int32_t picture) {
    return PieceKindFromNumber(picture);
}

// The size of the picture of a kind, or nothing for a value that names no kind of piece.
std::optional<PictureSize> PictureSizeOfKind(PieceKind objKind);

inline bool HasPicture(PieceKind objKind) {
    return PictureSizeOfKind(objKind).has_value();
}

} // namespace tarvelo
