// What a run without a window reports about a scene once it has settled, as one JSON object.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo {

class Model;

// {"equation": ..., "rested": ..., "sceneMilliseconds": ..., "pans": [left, right],
//  "pieces": [{"kind", "x", "y", "width", "height", "pan": "left" | "right" | null}, ...]}
// where a piece's pan is the one whose load it counts in, and pieces come in table order.
std::string SettleReportJson(const Model& model, bool rested, std::int64_t sceneMilliseconds);

} // namespace tarvelo
