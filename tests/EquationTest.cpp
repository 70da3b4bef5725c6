// The equation line: each side's terms in words, from the pieces on the pans.
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(EquationTest, EachSideReadsXThenYThenTheConstant) {
    const struct {
        Terms left;
        const char* sign;
        Terms right;
        const char* line;
    } cases[] = {
        // {constant, x, y}
        {{0, 0, 0}, "=", {0, 0, 0}, "0 = 0"},
        {{0, 0, 0}, "<", {4, 0, 0}, "0 < 4"},
        {{0, 1, 0}, "=", {0, 1, 0}, "X = X"},
        {{12, 1, 3}, ">", {0, 0, 0}, "X + 3Y + 12 > 0"},
        {{5, 2, 0}, "=", {9, 0, 1}, "2X + 5 = Y + 9"},
        {{0, 0, 2}, "<", {10, 0, 0}, "2Y < 10"},
        {{0, 10, 1}, ">", {1, 0, 0}, "10X + Y > 1"},
    };
    for (const auto& c : cases) {
        Model m;
        m.equation.ShowSign(c.sign[0] == '>' ? 1 : (c.sign[0] == '<' ? -1 : 0));
        m.equation.UpdateEquazione(c.left, c.right);
        EXPECT_EQ(m.equation.lblEquazione().Caption, c.line);
    }
}

// Pieces on the pans read as the terms of the line, whatever they are and however stacked.
TEST(EquationTest, ThePiecesOnThePansMakeTheLine) {
    const struct {
        std::vector<PieceKind> left;
        std::vector<PieceKind> right;
        const char* line;
    } cases[] = {
        {{PieceKind::kSmiley, PieceKind::kTwo}, {}, "3 > 0"},
        {{PieceKind::kZero, PieceKind::kZero}, {PieceKind::kZero}, "0 = 0"},
        // The sample scene: X = 6 and Y = 8, both pans weigh 17.
        {{PieceKind::kX, PieceKind::kX, PieceKind::kThree, PieceKind::kTwo},
         {PieceKind::kY, PieceKind::kNine},
         "2X + 5 = Y + 9"},
        {{PieceKind::kX, PieceKind::kX, PieceKind::kX, PieceKind::kThree, PieceKind::kTwo},
         {PieceKind::kY, PieceKind::kNine},
         "3X + 5 > Y + 9"},
    };
    for (const auto& c : cases) {
        SceneHarness h;
        Model& m = h.model;
        m.scene.SetXYvalues(6, 8);

        for (const auto& [pieces, x] : {std::pair{&c.left, 100}, std::pair{&c.right, 600}}) {
            std::int32_t y = 0;
            for (PieceKind k : *pieces) {
                m.AddObject(k, x, y);
                y -= 60; // each falls onto the one before
            }
        }
        h.RunMs(4000);
        EXPECT_EQ(m.equation.lblEquazione().Caption, c.line);
    }
}

} // namespace
} // namespace tarvelo
