// The contact rule written as plainly as it reads, for tests to compare the scene's quicker
// search against and for benchmarks to measure what that search saves.
#pragma once

#include <vector>

namespace tarvelo {

class Scene;

// Entry [i][j] is true when object j rests on object i. Every candidate support i in turn, the
// lowest-numbered first, takes every object j that touches its top edge (j's bottom row from
// three rows above i's top edge down to i's bottom edge, one shared pixel column, j's top edge
// strictly higher) and that no support has taken yet. Its cost grows with the cube of the
// number of objects.
std::vector<std::vector<bool>> LiteralContacts(const Scene& scene);

} // namespace tarvelo
