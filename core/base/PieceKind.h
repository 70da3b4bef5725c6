// The kinds of pieces, and the questions the program asks of a kind.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tarvelo {

// What a piece is. The numbers are those problem files store, so they never change; a kind
// becomes a number only through KindNumber, and a number a kind only through
// PieceKindFromNumber.
enum class PieceKind : std::int32_t {
    kPan = 0,
    kOne = 1,
    kTwo = 2,
    kThree = 3,
    kFour = 4,
    kFive = 5,
    kSix = 6,
    kSeven = 7,
    kEight = 8,
    kNine = 9,
    kZero = 10, // the cube bearing 0
    kX = 11,
    kY = 12,
    kSmiley = 21,
};

// Every kind, in the order of their numbers.
constexpr std::array kAllPieceKinds{
    PieceKind::kPan,  PieceKind::kOne, PieceKind::kTwo,   PieceKind::kThree,  PieceKind::kFour,
    PieceKind::kFive, PieceKind::kSix, PieceKind::kSeven, PieceKind::kEight,  PieceKind::kNine,
    PieceKind::kZero, PieceKind::kX,   PieceKind::kY,     PieceKind::kSmiley,
};

// The number that stands for `kind` in a problem file and in the report of a settled scene.
constexpr std::int32_t KindNumber(PieceKind kind) {
    return static_cast<std::int32_t>(kind);
}

// The kind `number` stands for, or nothing when it stands for none.
constexpr std::optional<PieceKind> PieceKindFromNumber(std::int32_t number) {
    for (const PieceKind kind : kAllPieceKinds) {
        if (KindNumber(kind) == number) {
            return kind;
        }
    }
    return std::nullopt;
}

// The cubes that bear a number: 1 to 9, and the one bearing 0.
constexpr bool IsNumberCube(PieceKind kind) {
    return (kind >= PieceKind::kOne && kind <= PieceKind::kNine) || kind == PieceKind::kZero;
}

// The number a number cube bears, which is also what it weighs when added to the scene and what
// it adds to its side of the equation; 0 for any other kind.
constexpr std::int32_t NumberOnCube(PieceKind kind) {
    return kind >= PieceKind::kOne && kind <= PieceKind::kNine ? KindNumber(kind) : 0;
}

// The cube bearing `number`, or nothing when no cube bears it (only 0 to 9 have one).
constexpr std::optional<PieceKind> CubeBearing(std::int32_t number) {
    if (number == NumberOnCube(PieceKind::kZero)) {
        return PieceKind::kZero;
    }
    // The cubes 1 to 9 are numbered as the number they bear.
    if (number >= NumberOnCube(PieceKind::kOne) && number <= NumberOnCube(PieceKind::kNine)) {
        return PieceKindFromNumber(number);
    }
    return std::nullopt;
}

// The unknowns, whose mass is the hidden value of X or of Y.
constexpr bool IsUnknown(PieceKind kind) {
    return kind == PieceKind::kX || kind == PieceKind::kY;
}

// The pieces that make up the number side of the equation: the cubes and the smileys.
constexpr bool CountsAsNumber(PieceKind kind) {
    return IsNumberCube(kind) || kind == PieceKind::kSmiley;
}

// What a piece adds to the number side of the equation: a cube its number, a smiley one.
constexpr std::int32_t NumberValueOf(PieceKind kind) {
    return kind == PieceKind::kSmiley ? 1 : NumberOnCube(kind);
}

} // namespace tarvelo
