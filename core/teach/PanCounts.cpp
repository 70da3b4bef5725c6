// The moves of a script made on the pans' counts, as the model makes them on its pieces
// (core/play/PanMoves.cpp), and the counts of a scene.
#include "core/teach/PanCounts.h"

#include "core/world/Scene.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tarvelo {

namespace {

constexpr std::size_t kPanCount = 2;
constexpr std::int32_t kMinGroups = 2;
constexpr std::size_t kLastCube = 9;
constexpr std::size_t kHashFactor = 131;

std::size_t IndexOf(std::int32_t pan) {
    return pan == kLeftPan ? 0 : 1;
}

bool IsPan(std::int32_t pan) {
    return pan == kLeftPan || pan == kRightPan;
}

std::int32_t NumberValue(const PanLoad& load) {
    std::int32_t value = 0;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        value += SlotValue(slot) * load[slot];
    }
    return value;
}

// The choices of cubes and smileys on a pan that are worth a given sum: the first one found,
// and whether there is another.
struct NumberChoices {
    std::optional<PanLoad> first;
    bool more = false;
};

// Looks for choices of the valued numbers of `load` from `slot` on worth `left`, adding to
// `chosen`; stops once two are found.
void FindChoices(const PanLoad& load, std::size_t slot, std::int32_t left, PanLoad& chosen,
                 NumberChoices& found) {
    if (found.more) {
        return;
    }
    if (left == 0) {
        if (found.first) {
            found.more = true;
        } else {
            found.first = chosen;
        }
        return;
    }
    if (slot == kSlotCount) {
        return;
    }
    const std::int32_t value = SlotValue(slot);
    // The cubes bearing 0 weigh nothing: no share takes or keeps them.
    const std::int32_t most = value == 0 ? 0 : std::min<std::int32_t>(load[slot], left / value);
    for (std::int32_t n = most; n >= 0; --n) {
        chosen[slot] = static_cast<std::uint8_t>(n);
        FindChoices(load, slot + 1, left - n * value, chosen, found);
    }
    chosen[slot] = 0;
}

// One pan shared into `groups`: what it keeps, and whether the model could keep another choice
// of numbers; none when the model refuses.
struct SharedPan {
    PanLoad kept{};
    bool choiceOpen = false;
};

std::optional<SharedPan> SharePan(const PanLoad& load, std::int32_t groups) {
    const std::int32_t value = NumberValue(load);
    if (load[kSlotX] % groups != 0 || load[kSlotY] % groups != 0 || value % groups != 0) {
        return std::nullopt;
    }
    PanLoad chosen{};
    NumberChoices choices;
    FindChoices(load, 0, value / groups, chosen, choices);
    if (!choices.first) {
        return std::nullopt;
    }
    SharedPan shared{*choices.first, choices.more};
    shared.kept[0] = load[0];
    shared.kept[kSlotX] = static_cast<std::uint8_t>(load[kSlotX] / groups);
    shared.kept[kSlotY] = static_cast<std::uint8_t>(load[kSlotY] / groups);
    return shared;
}

std::optional<PanCounts> Share(const PanCounts& counts, std::int32_t groups) {
    if (groups < kMinGroups) {
        return std::nullopt;
    }
    PanCounts after;
    bool choiceOpen = false;
    for (std::size_t pan = 0; pan < kPanCount; ++pan) {
        const std::optional<SharedPan> shared = SharePan(counts.pans[pan], groups);
        if (!shared) {
            return std::nullopt;
        }
        after.pans[pan] = shared->kept;
        choiceOpen = choiceOpen || shared->choiceOpen;
    }
    if (choiceOpen && !SolvedPan(after)) {
        return std::nullopt;
    }
    return after;
}

std::optional<PanCounts> Take(const PanCounts& counts, PieceKind kind) {
    const std::size_t slot = SlotOf(kind);
    if (slot == kSlotCount) {
        return std::nullopt;
    }
    PanCounts after = counts;
    for (PanLoad& load : after.pans) {
        if (load[slot] == 0) {
            return std::nullopt;
        }
        --load[slot];
    }
    return after;
}

bool IsCubeNumber(std::int32_t n) {
    return n >= 0 && n <= static_cast<std::int32_t>(kLastCube);
}

std::optional<PanCounts> Split(const PanCounts& counts, std::int32_t pan, std::int32_t n,
                               std::int32_t a, std::int32_t b) {
    if (!IsPan(pan) || !IsCubeNumber(n) || !IsCubeNumber(a) || !IsCubeNumber(b) || a + b != n) {
        return std::nullopt;
    }
    PanCounts after = counts;
    PanLoad& load = after.Pan(pan);
    if (load[static_cast<std::size_t>(n)] == 0) {
        return std::nullopt;
    }
    --load[static_cast<std::size_t>(n)];
    ++load[static_cast<std::size_t>(a)];
    ++load[static_cast<std::size_t>(b)];
    return after;
}

std::optional<PanCounts> Join(const PanCounts& counts, std::int32_t pan, std::int32_t a,
                              std::int32_t b) {
    if (!IsPan(pan) || !IsCubeNumber(a) || !IsCubeNumber(b) || !IsCubeNumber(a + b)) {
        return std::nullopt;
    }
    PanCounts after = counts;
    PanLoad& load = after.Pan(pan);
    const auto first = static_cast<std::size_t>(a);
    const auto second = static_cast<std::size_t>(b);
    if (load[first] == 0 || load[second] < (first == second ? 2 : 1)) {
        return std::nullopt;
    }
    --load[first];
    --load[second];
    ++load[static_cast<std::size_t>(a + b)];
    return after;
}

bool OnlyNumbers(const PanLoad& load) {
    return load[kSlotX] == 0 && load[kSlotY] == 0;
}

bool LoneX(const PanLoad& load) {
    return load[kSlotX] == 1 && std::accumulate(load.begin(), load.end(), 0) == 1;
}

std::string KindWord(PieceKind kind) {
    switch (kind) {
    case PieceKind::kX:
        return "X";
    case PieceKind::kY:
        return "Y";
    case PieceKind::kSmiley:
        return "smiley";
    default:
        return std::to_string(NumberOnCube(kind));
    }
}

std::string SideWord(std::int32_t pan) {
    return pan == kLeftPan ? "left" : "right";
}

std::string NumbersText(const std::vector<std::int32_t>& numbers) {
    std::string text;
    for (const std::int32_t n : numbers) {
        text += " " + std::to_string(n);
    }
    return text;
}

} // namespace

std::size_t SlotOf(PieceKind kind) {
    switch (kind) {
    case PieceKind::kX:
        return kSlotX;
    case PieceKind::kY:
        return kSlotY;
    case PieceKind::kSmiley:
        return kSlotSmiley;
    default:
        return IsNumberCube(kind) ? static_cast<std::size_t>(NumberOnCube(kind)) : kSlotCount;
    }
}

PieceKind KindOfSlot(std::size_t slot) {
    switch (slot) {
    case kSlotX:
        return PieceKind::kX;
    case kSlotY:
        return PieceKind::kY;
    case kSlotSmiley:
        return PieceKind::kSmiley;
    default:
        return CubeBearing(static_cast<std::int32_t>(slot)).value_or(PieceKind::kPan);
    }
}

std::int32_t SlotValue(std::size_t slot) {
    return NumberValueOf(KindOfSlot(slot));
}

PanLoad& PanCounts::Pan(std::int32_t pan) {
    return pans[IndexOf(pan)];
}

const PanLoad& PanCounts::Pan(std::int32_t pan) const {
    return pans[IndexOf(pan)];
}

std::size_t PanCountsHash::operator()(const PanCounts& counts) const {
    std::size_t hash = 0;
    for (const PanLoad& load : counts.pans) {
        for (const std::uint8_t n : load) {
            hash = hash * kHashFactor + n;
        }
    }
    return hash;
}

PanCounts CountsOnPans(const Scene& scene) {
    PanCounts counts;
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        const std::int32_t pan = scene.PanCarrying(i);
        const std::size_t slot = SlotOf(scene.obj(i).objKind);
        if (IsPan(pan) && slot < kSlotCount) {
            ++counts.Pan(pan)[slot];
        }
    }
    return counts;
}

CountMove CountMove::Of(MoveType type, std::int32_t pan, PieceKind kind,
                        std::initializer_list<std::int32_t> numbers) {
    CountMove move{type, pan, kind, {}, 0};
    for (const std::int32_t n : numbers) {
        move.numbers.at(move.numberCount++) = n;
    }
    return move;
}

std::optional<CountMove> CountMove::FromScript(const ScriptMove& script) {
    CountMove move{script.type, script.pan, script.kind, {}, script.numbers.size()};
    if (move.numberCount > move.numbers.size()) {
        return std::nullopt;
    }
    std::copy(script.numbers.begin(), script.numbers.end(), move.numbers.begin());
    return move;
}

ScriptMove CountMove::ToScript() const {
    ScriptMove script{type, {}, pan, kind, {numbers.begin(), numbers.begin() + numberCount}};
    script.text = MoveText(script);
    return script;
}

std::optional<PanCounts> AfterMove(const PanCounts& counts, const CountMove& move) {
    const auto& n = move.numbers;
    switch (move.type) {
    case MoveType::Take:
        return Take(counts, move.kind);
    case MoveType::Split:
        return move.numberCount == 3 ? Split(counts, move.pan, n[0], n[1], n[2]) : std::nullopt;
    case MoveType::Join:
        return move.numberCount == 2 ? Join(counts, move.pan, n[0], n[1]) : std::nullopt;
    case MoveType::Share:
        return move.numberCount == 1 ? Share(counts, n[0]) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<PanCounts> AfterMove(const PanCounts& counts, const ScriptMove& move) {
    const std::optional<CountMove> compact = CountMove::FromScript(move);
    return compact ? AfterMove(counts, *compact) : std::nullopt;
}

std::optional<std::int32_t> SolvedPan(const PanCounts& counts) {
    for (const std::int32_t pan : {kLeftPan, kRightPan}) {
        const std::int32_t other = pan == kLeftPan ? kRightPan : kLeftPan;
        if (LoneX(counts.Pan(pan)) && OnlyNumbers(counts.Pan(other))) {
            return pan;
        }
    }
    return std::nullopt;
}

std::string MoveText(const ScriptMove& move) {
    switch (move.type) {
    case MoveType::Take:
        return "take " + KindWord(move.kind);
    case MoveType::Add:
        return "add " + KindWord(move.kind);
    case MoveType::Drop:
        return "drop " + SideWord(move.pan) + " " + KindWord(move.kind);
    case MoveType::Remove:
        return "remove " + SideWord(move.pan) + " " + KindWord(move.kind);
    case MoveType::Split:
        return "split " + SideWord(move.pan) + NumbersText(move.numbers);
    case MoveType::Join:
        return "join " + SideWord(move.pan) + NumbersText(move.numbers);
    case MoveType::Share:
        return "share" + NumbersText(move.numbers);
    case MoveType::Check:
        return "check" + NumbersText(move.numbers);
    }
    return {};
}

} // namespace tarvelo
