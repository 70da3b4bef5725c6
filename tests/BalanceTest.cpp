// The balance: how far the pans tilt for a load, when the sign changes, what a stack weighs.
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::int32_t kLevel = 292;
constexpr std::int32_t kCubeH = kCubeSize.height;

// How far the left pan hangs below the right one.
std::int32_t Tilt(const Model& m) {
    return m.scene.obj(kLeftPan).objY - m.scene.obj(kRightPan).objY;
}

TEST(BalanceTest, TheTiltFollowsTheLoadDifferenceUpToFifteen) {
    Model m; // scene 417 pixels high
    const struct {
        float difference;
        std::int32_t target;
    } cases[] = {{0, 0},     {1, 3},   {-1, -4},   {5, 18},   {15, 54},
                 {-15, -55}, {20, 54}, {-20, -55}, {0.5f, 1}, {-0.01f, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(m.scene.BalanceTarget(c.difference), c.target) << c.difference;
    }
}

TEST(BalanceTest, AFiveOnTheLeftPanTiltsItEighteenPixelsDown) {
    SceneHarness h;
    h.model.AddObject(PieceKind::kFive, 100, 100);
    h.RunMs(3000);
    EXPECT_EQ(Tilt(h.model), 18);
    EXPECT_EQ(h.model.equation.lblComparison().Caption, ">");
    EXPECT_EQ(h.model.equation.lblEquazione().Caption, "5 > 0");
    // The piece went down with the pan and rests on it.
    EXPECT_EQ(h.model.scene.obj(3).objY + kCubeH, h.model.scene.obj(kLeftPan).objY);
}

// The pans come to rest within one pixel of where the loads send them, and never swing.
TEST(BalanceTest, ThePansSettleWhereTheLoadsSendThem) {
    const struct {
        std::vector<std::int32_t> left; // the numbers on the cubes
        std::vector<std::int32_t> right;
        std::int32_t tilt;
        const char* sign;
    } cases[] = {
        {{}, {}, 0, "="},
        {{3, 4}, {7}, 0, "="},
        {{1}, {}, 2, ">"},  // target 3: a remainder of one is left alone
        {{}, {1}, -4, "<"}, // target -4
        {{9, 6}, {}, 54, ">"},
        {{9, 9, 2}, {}, 54, ">"},  // a difference of 20 tilts as far as 15
        {{}, {9, 9, 2}, -54, "<"}, // target -55, odd again
    };
    for (const auto& c : cases) {
        SceneHarness h;
        Model& m = h.model;
        std::int32_t y = kLevel;
        for (std::int32_t k : c.left) {
            y -= kCubeH;
            m.AddObject(CubeBearing(k).value(), 100, y);
        }
        y = kLevel;
        for (std::int32_t k : c.right) {
            y -= kCubeH;
            m.AddObject(CubeBearing(k).value(), 600, y);
        }
        std::vector<std::int32_t> tilts;
        for (int t = 0; t < 60; ++t) {
            h.RunMs(50);
            tilts.push_back(Tilt(m));
        }
        EXPECT_EQ(Tilt(m), c.tilt) << c.tilt;
        EXPECT_EQ(m.equation.lblComparison().Caption, c.sign) << c.tilt;
        // Once there, the pans stay: the last second shows no movement at all.
        for (std::size_t t = tilts.size() - 20; t < tilts.size(); ++t) {
            EXPECT_EQ(tilts[t], c.tilt);
        }
    }
}

TEST(BalanceTest, TheSignChangesAtTheSecondBalanceTickAfterThePieceIsWeighed) {
    SceneHarness h;
    Model& m = h.model;
    m.AddObject(PieceKind::kFive, 100, kLevel - kCubeH); // already resting on the left pan
    std::int64_t weighedAt = -1;
    std::vector<std::pair<std::int64_t, std::string>> signs;
    while (h.clock.NowMs() < 300) {
        h.RunMs(10);
        if (weighedAt < 0 && m.scene.obj(kLeftPan).objLoad == 5) {
            weighedAt = h.clock.NowMs();
        }
        signs.emplace_back(h.clock.NowMs(), m.equation.lblComparison().Caption);
    }
    ASSERT_EQ(weighedAt, 50); // the first balance tick after the contacts know the piece
    for (const auto& [t, sign] : signs) {
        EXPECT_EQ(sign, t < weighedAt + 50 ? "=" : ">") << "at " << t << " ms";
    }
}

TEST(BalanceTest, AStackIsWeighedAndCountedOnceEach) {
    SceneHarness h;
    Model& m = h.model;
    const PieceKind kinds[] = {PieceKind::kX, PieceKind::kThree, PieceKind::kSmiley,
                               PieceKind::kZero};
    std::int32_t y = kLevel;
    for (PieceKind k : kinds) {
        const auto size = PictureSizeOfKind(k);
        y -= size->height;
        m.AddObject(k, 120, y);
    }
    m.scene.SetXYvalues(0, m.scene.yValue()); // rewritten unknowns keep their pieces' own masses
    m.scene.RefreshObjTopContact();
    Terms sideTerms{};
    const float total = m.scene.GetTotalMass(kLeftPan, sideTerms);
    EXPECT_EQ(total, m.scene.obj(3).objMass + 3 + 1 + 0);
    EXPECT_EQ(sideTerms.constant, 4);
    EXPECT_EQ(sideTerms.x, 1);
    EXPECT_EQ(sideTerms.y, 0);
    // Each object of the stack weighs what lies on it as well.
    sideTerms = {};
    EXPECT_EQ(m.scene.GetTotalMass(5, sideTerms), 1);
}

TEST(BalanceTest, AnXOfValueZeroWeighsNothingButStillReadsAsX) {
    SceneHarness h;
    Model& m = h.model;
    m.scene.SetXYvalues(0, m.scene.yValue());
    m.AddObject(PieceKind::kX, 100, kLevel - kCubeH);
    m.AddObject(PieceKind::kZero, 600, kLevel - kCubeH);
    h.RunMs(2000);
    EXPECT_EQ(m.scene.obj(kLeftPan).objLoad, 0);
    EXPECT_EQ(Tilt(m), 0);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "X = 0");
}

TEST(BalanceTest, APieceOnTwoSupportsCountsUnderTheOneTheContactsGiveIt) {
    // A cube on the right pan (object 3) and one on the left pan (object 4) both reach into the
    // gap between the pans; a third lies across the two and rests on object 3, the lower number.
    SceneHarness h;
    Model& m = h.model;
    const std::int32_t y = kLevel - kCubeH;
    m.AddObject(PieceKind::kTwo, 490, y);   // on the right pan, overhanging its left end
    m.AddObject(PieceKind::kThree, 420, y); // on the left pan, overhanging its right end
    m.AddObject(PieceKind::kSeven, 446, y - kCubeH);
    m.scene.RefreshObjTopContact();
    ASSERT_TRUE(m.scene.topContact()(kRightPan, 3));
    ASSERT_TRUE(m.scene.topContact()(kLeftPan, 4));
    ASSERT_TRUE(m.scene.topContact()(3, 5));
    ASSERT_FALSE(m.scene.topContact()(4, 5));

    m.WeighBalance();
    EXPECT_EQ(m.scene.obj(kLeftPan).objLoad, 3);
    EXPECT_EQ(m.scene.obj(kRightPan).objLoad, 9);
    EXPECT_EQ(m.equation.lblEquazione().Caption,
              "3 = 9"); // the sign still reflects the last copies
}

TEST(BalanceTest, ObjectsBeyondTheContactsAreSkipped) {
    SceneHarness h;
    Model& m = h.model;
    m.AddObject(PieceKind::kFive, 100, kLevel - kCubeH);
    m.scene.RefreshObjTopContact();
    m.AddObject(PieceKind::kSix, 100, kLevel - 2 * kCubeH); // not yet known to the contacts
    Terms sideTerms{};
    EXPECT_EQ(m.scene.GetTotalMass(kLeftPan, sideTerms), 5);
    sideTerms = {};
    EXPECT_EQ(m.scene.GetTotalMass(4, sideTerms), 6);
    // A piece removed since the contacts were built is not read past the end of the table.
    m.RemoveBlock(4);
    m.RemoveBlock(3);
    sideTerms = {};
    EXPECT_EQ(m.scene.GetTotalMass(kLeftPan, sideTerms), 0);
}

} // namespace
} // namespace tarvelo
