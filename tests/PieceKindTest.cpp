// The kinds of pieces: the numbers files store for them, and what the program asks of a kind.
#include "core/base/PieceKind.h"

#include "core/world/SceneObject.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace tarvelo {
namespace {

// The numbers problem files hold are fixed for good: a file saved by any version reads the same.
TEST(PieceKindTest, OnlyTheNumbersOfTheKindsBecomeKinds) {
    const struct {
        std::int32_t number;
        std::optional<PieceKind> kind;
    } cases[] = {
        {0, PieceKind::kPan},
        {1, PieceKind::kOne},
        {5, PieceKind::kFive},
        {9, PieceKind::kNine},
        {10, PieceKind::kZero},
        {11, PieceKind::kX},
        {12, PieceKind::kY},
        {21, PieceKind::kSmiley},
        {-1, std::nullopt},
        {13, std::nullopt},
        {19, std::nullopt},
        {20, std::nullopt},
        {22, std::nullopt},
        {kNumberCubePicture + 5, std::nullopt}, // a picture number, not a kind
        {std::numeric_limits<std::int32_t>::min(), std::nullopt},
        {std::numeric_limits<std::int32_t>::max(), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PieceKindFromNumber(c.number), c.kind) << c.number;
        if (c.kind) {
            EXPECT_EQ(KindNumber(*c.kind), c.number);
        }
    }
}

TEST(PieceKindTest, EveryKindComesBackFromItsNumberAndHasAPicture) {
    for (const PieceKind kind : kAllPieceKinds) {
        EXPECT_EQ(PieceKindFromNumber(KindNumber(kind)), kind) << KindNumber(kind);
        EXPECT_TRUE(HasPicture(kind)) << KindNumber(kind);
        EXPECT_EQ(KindPictured(PictureOf(kind)), kind) << KindNumber(kind);
    }
}

// A cube made for a number without a cube of its own pictures no kind.
TEST(PieceKindTest, PicturesOfNumbersAreNoKindsPictures) {
    for (const std::int32_t picture :
         {kNumberCubePicture, kNumberCubePicture + 10, kNumberCubePicture - 12, -1}) {
        EXPECT_EQ(KindPictured(picture), std::nullopt) << picture;
    }
}

TEST(PieceKindTest, WhatEachKindIs) {
    const struct {
        PieceKind kind;
        bool numberCube;
        std::int32_t number; // on the cube
        bool unknown;
    } cases[] = {
        {PieceKind::kPan, false, 0, false},  {PieceKind::kOne, true, 1, false},
        {PieceKind::kTwo, true, 2, false},   {PieceKind::kThree, true, 3, false},
        {PieceKind::kFour, true, 4, false},  {PieceKind::kFive, true, 5, false},
        {PieceKind::kSix, true, 6, false},   {PieceKind::kSeven, true, 7, false},
        {PieceKind::kEight, true, 8, false}, {PieceKind::kNine, true, 9, false},
        {PieceKind::kZero, true, 0, false},  {PieceKind::kX, false, 0, true},
        {PieceKind::kY, false, 0, true},     {PieceKind::kSmiley, false, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberCube(c.kind), c.numberCube) << KindNumber(c.kind);
        EXPECT_EQ(NumberOnCube(c.kind), c.number) << KindNumber(c.kind);
        EXPECT_EQ(IsUnknown(c.kind), c.unknown) << KindNumber(c.kind);
        if (c.numberCube) {
            EXPECT_EQ(CubeBearing(c.number), c.kind) << c.number;
        }
    }
}

TEST(PieceKindTest, OnlyZeroToNineHaveACube) {
    for (const std::int32_t number : {-1, 10, 11, 21, 100}) {
        EXPECT_EQ(CubeBearing(number), std::nullopt) << number;
    }
}

} // namespace
} // namespace tarvelo
