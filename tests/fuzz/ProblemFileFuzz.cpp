// Feeds arbitrary bytes to the problem-file reader and the number reader: whatever the input,
// they must neither crash nor read out of bounds, and an accepted problem must be sound.
#include "core/base/Numeric.h"
#include "core/io/ProblemFile.h"
#include "core/world/SceneObject.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tarvelo::ReadNumber(text);
    const tarvelo::ProblemReading reading = tarvelo::ParseProblem(text);
    if (reading.problem) {
        if (static_cast<double>(reading.problem->pieces.size()) > tarvelo::kMaxProblemPieces) {
            std::abort();
        }
        for (const tarvelo::ProblemPiece& piece : reading.problem->pieces) {
            if (!tarvelo::HasPicture(piece.objKind)) {
                std::abort();
            }
        }
        if (reading.problem->xValue < -12 || reading.problem->xValue > 12) {
            std::abort();
        }
    }
    return 0;
}
