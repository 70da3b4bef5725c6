// The two pans as the solver sees them: how many pieces of each kind each pan holds, and the
// moves of a script made on those counts by the same rules the model's moves keep.
#pragma once

#include "core/base/PieceKind.h"
#include "core/play/MoveScript.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

namespace tarvelo {

class Scene;

// The kinds a pan can hold, each with a place in a pan's counts: the cubes 0 to 9 at their
// numbers, then X, Y and the smiley.
constexpr std::size_t kSlotX = 10;
constexpr std::size_t kSlotY = 11;
constexpr std::size_t kSlotSmiley = 12;
constexpr std::size_t kSlotCount = 13;

std::size_t SlotOf(PieceKind kind);
PieceKind KindOfSlot(std::size_t slot);
// What a piece in `slot` adds to the number side: a cube its number, a smiley one, else 0.
std::int32_t SlotValue(std::size_t slot);

using PanLoad = std::array<std::uint8_t, kSlotCount>;

// Both pans' counts; index 0 the left pan, 1 the right one.
struct PanCounts {
    std::array<PanLoad, 2> pans{};
    bool operator==(const PanCounts&) const = default;

    PanLoad& Pan(std::int32_t pan);
    const PanLoad& Pan(std::int32_t pan) const;
};

struct PanCountsHash {
    std::size_t operator()(const PanCounts& counts) const;
};

// What the pans of `scene` carry, counted.
PanCounts CountsOnPans(const Scene& scene);

// A move on the counts held without allocating, as the search makes a great many of them: the
// type, pan and kind of a script's move, and its numbers.
struct CountMove {
    MoveType type = MoveType::Take;
    std::int32_t pan = 0;
    PieceKind kind = PieceKind::kPan;
    std::array<std::int32_t, 3> numbers{};
    std::size_t numberCount = 0;

    static CountMove Of(MoveType type, std::int32_t pan, PieceKind kind,
                        std::initializer_list<std::int32_t> numbers);
    // The same move as a script holds it; none for one with more numbers than a move takes.
    static std::optional<CountMove> FromScript(const ScriptMove& move);
    ScriptMove ToScript() const;
};

// The counts after `move` (take, split, join or share), or none when the model would refuse
// it. A share keeps, of each pan's numbers, the cubes and smileys worth its share; which ones
// the model keeps hangs on how they stand when more than one choice is worth it, so such a
// share is made here only when it ends the solving (see SolvedPan), where the choice does not
// matter.
std::optional<PanCounts> AfterMove(const PanCounts& counts, const CountMove& move);
std::optional<PanCounts> AfterMove(const PanCounts& counts, const ScriptMove& move);

// The pan on which a lone X stands against only numbers and smileys, or none.
std::optional<std::int32_t> SolvedPan(const PanCounts& counts);

// The move as a script writes it: "take X", "split right 5 2 3", "share 2".
std::string MoveText(const ScriptMove& move);

} // namespace tarvelo
