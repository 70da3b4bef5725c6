// How the keyboard finds its way among the scene's pieces: the neighbour in each direction, how
// high a piece stands in its stack, and where a piece let go at some place would come to rest.
#pragma once

#include <cstdint>

namespace tarvelo {

class Scene;

enum class Direction { Left, Right, Up, Down };

// The piece the cursor moves to from piece `from` in `direction`: sideways, the lowest piece of
// the nearest column on that side; up or down, the nearest piece of the same column. From no
// piece (or one that is gone), the lowest piece of the leftmost column. Without a piece that
// way, `from` itself; without any piece at all, -1. Fixed objects are never chosen.
std::int32_t NextPiece(const Scene& scene, std::int32_t from, Direction direction);

// Where a piece stands: on which pan (0 for none: falling, or on the scene's floor) and how high
// in its stack, 1 right on the pan, 2 on a piece on the pan, and so on (0 on no pan).
struct StackPlace {
    std::int32_t pan = 0;
    std::int32_t level = 0;
    bool operator==(const StackPlace&) const = default;
};
StackPlace PlaceInStack(const Scene& scene, std::int32_t nObj);

// The top edge of the highest object below a box from `left` of `width` pixels, piece
// `ignored` aside: where a piece let go above it would land. The pans' level line when nothing
// lies below.
std::int32_t LandingTop(const Scene& scene, double left, std::int32_t width, std::int32_t ignored);

// The object such a piece would land on (the highest below it; of equal ones the lowest-numbered,
// as the contacts choose), -1 for none; and the pan it would then weigh on, 0 for none.
std::int32_t LandingObject(const Scene& scene, double left, std::int32_t width,
                           std::int32_t ignored);
std::int32_t LandingPan(const Scene& scene, double left, std::int32_t width, std::int32_t ignored);

} // namespace tarvelo
