// What a run without a window reports about a scene once it has settled, as one JSON object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

class Model;

// {"equation": ..., "rested": ..., "sceneMilliseconds": ..., "pans": [left, right],
//  "pieces": [{"kind", "x", "y", "width", "height", "pan": "left" | "right" | null}, ...]}
// where a piece's pan is the one whose load it counts in, and pieces come in table order.
// With the moves of a script (`moves` given), it also holds "moves": [{"move", "equation",
// "refused": null | why}, ...] and "solved": null | {"unknown": "X", "value": 3, "side": "left"}.
struct MoveReport {
    std::string move;                   // as written
    std::string equation;               // the line once the scene rested after it
    std::optional<std::string> refused; // why it was refused, in words
    std::optional<bool> balances;       // a check: whether the problem balanced with its values
};
// What a made challenge adds to the report of its scene: "level", "goal" (such as "find X"),
// "fewestMoves" and "solution" (a script of that many moves).
struct ChallengeFacts {
    std::int32_t level = 0;
    std::string goal;
    std::int32_t fewestMoves = 0;
    std::string solution;
};
std::string SettleReportJson(const Model& model, bool rested, std::int64_t sceneMilliseconds,
                             const std::vector<MoveReport>* moves = nullptr,
                             const ChallengeFacts* challenge = nullptr);

} // namespace tarvelo
