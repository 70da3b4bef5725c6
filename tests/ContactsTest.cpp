// Who rests on whom: the contacts between pieces and pans, and overlaps.
#include "core/play/Model.h"
#include "core/testing/LiteralContacts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tarvelo {
namespace {

// A bare table: a pan at (100, 200) as object 1, then whatever a test adds.
class ContactsTest : public ::testing::Test {
  protected:
    void SetUp() override { m.AddObject(PieceKind::kPan, kPanX, kPanY); }
    std::int32_t Add(PieceKind k, std::int32_t x, std::int32_t y) {
        m.AddObject(k, x, y);
        return m.scene.objCount();
    }
    static constexpr std::int32_t kPanX = 100;
    static constexpr std::int32_t kPanY = 200;
    Model m;
};

TEST_F(ContactsTest, ABlockRestsOnAPanUpToOnePixelAboveIt) {
    const struct {
        std::int32_t gap; // pixels between the block's bottom edge and the pan's top edge
        bool rests;
    } cases[] = {{0, true}, {1, true}, {2, false}, {-11, true}, {-12, false}};
    for (const auto& c : cases) {
        Model fresh;
        fresh.AddObject(PieceKind::kPan, kPanX, kPanY);
        fresh.AddObject(PieceKind::kFive, kPanX + 100, kPanY - kCubeSize.height - c.gap);
        fresh.scene.RefreshObjTopContact();
        EXPECT_EQ(fresh.scene.topContact()(1, 2), c.rests) << "gap " << c.gap;
        EXPECT_FALSE(fresh.scene.topContact()(2, 1));
    }
}

TEST_F(ContactsTest, OneSharedPixelColumnIsEnough) {
    const std::int32_t y = kPanY - kCubeSize.height;
    const std::int32_t touching =
        Add(PieceKind::kFive, kPanX - kCubeSize.width + 1, y); // shares column 100
    const std::int32_t beside =
        Add(PieceKind::kFive, kPanX - kCubeSize.width - 1, y); // no common column
    const std::int32_t rightEdge =
        Add(PieceKind::kFive, kPanX + kPanSize.width - 1, y); // shares column 514
    m.scene.RefreshObjTopContact();
    EXPECT_TRUE(m.scene.topContact()(1, touching));
    EXPECT_FALSE(m.scene.topContact()(1, beside));
    EXPECT_TRUE(m.scene.topContact()(1, rightEdge));
}

TEST_F(ContactsTest, BlocksWithTheSameTopEdgeNeverRestOnEachOther) {
    const std::int32_t a = Add(PieceKind::kFive, 300, 100);
    const std::int32_t b = Add(PieceKind::kSix, 320, 100);
    m.scene.RefreshObjTopContact();
    EXPECT_FALSE(m.scene.topContact()(a, b));
    EXPECT_FALSE(m.scene.topContact()(b, a));
}

TEST_F(ContactsTest, ABlockOnTwoSupportsRestsOnTheLowerNumberedOneOnly) {
    const std::int32_t y = kPanY - kCubeSize.height;
    const std::int32_t left = Add(PieceKind::kOne, 200, y);
    const std::int32_t right = Add(PieceKind::kTwo, 250, y);
    const std::int32_t top = Add(PieceKind::kThree, 225, y - kCubeSize.height);
    m.scene.RefreshObjTopContact();
    EXPECT_TRUE(m.scene.topContact()(left, top));
    EXPECT_FALSE(m.scene.topContact()(right, top));
    EXPECT_EQ(m.scene.topContact().SupportOf(top), left);

    // Raising the other support does not lift it; raising its own does.
    m.scene.MoveObjects(right, 0, -3);
    EXPECT_EQ(m.scene.obj(top).objY, y - kCubeSize.height);
    m.scene.MoveObjects(left, 0, -3);
    EXPECT_EQ(m.scene.obj(top).objY, y - kCubeSize.height - 3);
}

TEST_F(ContactsTest, CheckOverlapFindsTheHighestNumberedOverlapWithPositiveArea) {
    const std::int32_t a = Add(PieceKind::kOne, 300, 50);   // object 2
    const std::int32_t b = Add(PieceKind::kTwo, 400, 50);   // object 3
    const std::int32_t c = Add(PieceKind::kThree, 310, 60); // object 4, overlaps object 2
    (void)b;
    // Touching along an edge or a corner is no overlap.
    EXPECT_EQ(m.scene.CheckOverlap(-1, 255, 50, 45, 40), -1);
    EXPECT_EQ(m.scene.CheckOverlap(-1, 300, 10, 45, 40), -1);
    EXPECT_EQ(m.scene.CheckOverlap(-1, 255, 10, 45, 40), -1);
    // Half a pixel is enough.
    EXPECT_EQ(m.scene.CheckOverlap(-1, 300, 10.5, 45, 40), a);
    // Both a and c overlap: the later one wins; the object asked about is never returned.
    EXPECT_EQ(m.scene.CheckOverlap(-1, 305, 55, 45, 40), c);
    EXPECT_EQ(m.scene.CheckOverlap(c, 305, 55, 45, 40), a);
    // The pan counts like anything else.
    EXPECT_EQ(m.scene.CheckOverlap(-1, kPanX, kPanY + 5, 10, 10), 1);
}

TEST_F(ContactsTest, MovingAPanUpCarriesTheStackAndMovingItDownLeavesIt) {
    std::int32_t y = kPanY;
    std::int32_t stack[3];
    for (std::int32_t& piece : stack) {
        y -= kCubeSize.height;
        piece = Add(PieceKind::kFour, 150, y);
    }
    const std::int32_t free = Add(PieceKind::kFour, 400, 0);
    m.scene.RefreshObjTopContact();

    m.scene.MoveObjects(1, 0, -1);
    EXPECT_EQ(m.scene.obj(1).objY, kPanY - 1);
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(m.scene.obj(stack[level]).objY, kPanY - (level + 1) * kCubeSize.height - 1);
    }
    EXPECT_EQ(m.scene.obj(free).objY, 0);

    m.scene.MoveObjects(1, 0, 1);
    EXPECT_EQ(m.scene.obj(1).objY, kPanY);
    EXPECT_EQ(m.scene.obj(stack[0]).objY, kPanY - kCubeSize.height - 1);

    // A sideways move also carries; fractional shifts round half to even at each object.
    m.scene.MoveObjects(stack[1], 2.5, 0);
    EXPECT_EQ(m.scene.obj(stack[1]).objX, 152);
    EXPECT_EQ(m.scene.obj(stack[2]).objX, 152);
    EXPECT_EQ(m.scene.obj(stack[0]).objX, 150);
}

TEST_F(ContactsTest, ANewObjectBeyondTheMatrixCarriesNothingAndIsCarriedByNothing) {
    const std::int32_t below = Add(PieceKind::kFive, 150, kPanY - kCubeSize.height);
    m.scene.RefreshObjTopContact();
    const std::int32_t added = Add(PieceKind::kSix, 150, kPanY - 2 * kCubeSize.height);
    ASSERT_GT(added, m.scene.topContact().UpperBound());

    m.scene.MoveObjects(added, 0, -5);
    EXPECT_EQ(m.scene.obj(added).objY, kPanY - 2 * kCubeSize.height - 5);
    m.scene.MoveObjects(below, 0, -5);
    EXPECT_EQ(m.scene.obj(added).objY, kPanY - 2 * kCubeSize.height - 5);
    EXPECT_FALSE(m.scene.topContact()(below, added));
}

TEST_F(ContactsTest, JumpUpLiftsEveryFreePieceButNotThePans) {
    const std::int32_t piece = Add(PieceKind::kSeven, 150, 100);
    m.scene.Edit(piece).objVY = 2.5;
    m.scene.Event_Jump_Up_All();
    EXPECT_EQ(m.scene.obj(1).objY, kPanY);
    EXPECT_EQ(m.scene.obj(piece).objY, -200);
    EXPECT_EQ(m.scene.obj(piece).objVY, 2.5f);
}

TEST(ContactsRuleTest, TheMatrixIsExactlyThatOfThePlainRuleOnCrowdedScenes) {
    std::mt19937 random(7);
    for (int scene = 0; scene < 40; ++scene) {
        Model m;
        m.AddObject(PieceKind::kPan, 30, 292);
        m.AddObject(PieceKind::kPan, 504, 292);
        const int pieces = 5 + scene * 5;
        std::uniform_int_distribution<int> kindOf(1, 13);
        std::uniform_int_distribution<int> x(0, 900);
        std::uniform_int_distribution<int> y(150, 300); // crowded: many touch and overlap
        for (int p = 0; p < pieces; ++p) {
            const int k = kindOf(random);
            m.AddObject(k == 13 ? PieceKind::kSmiley : PieceKindFromNumber(k).value(), x(random),
                        y(random));
        }
        m.scene.RefreshObjTopContact();
        const auto plain = LiteralContacts(m.scene);
        for (std::int32_t a = 0; a <= m.scene.objCount(); ++a) {
            for (std::int32_t b = 0; b <= m.scene.objCount(); ++b) {
                ASSERT_EQ(m.scene.topContact()(a, b),
                          plain[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)])
                    << "scene " << scene << ": " << a << " carries " << b;
            }
        }
        // What each object carries is listed in table order.
        for (std::int32_t a = 1; a <= m.scene.objCount(); ++a) {
            const auto& carried = m.scene.topContact().Carried(a);
            EXPECT_TRUE(std::is_sorted(carried.begin(), carried.end()));
        }
    }
}

TEST_F(ContactsTest, TheMatrixNeverHoldsACycleOrTwoSupportsForOnePiece) {
    // A heap of overlapping pieces in every which way.
    for (int i = 0; i < 60; ++i) {
        Add(PieceKindFromNumber(1 + i % 12).value(), 100 + (i * 37) % 300, 40 + (i * 53) % 150);
    }
    m.scene.RefreshObjTopContact();
    for (std::int32_t b = 1; b <= m.scene.objCount(); ++b) {
        int supports = 0;
        for (std::int32_t a = 1; a <= m.scene.objCount(); ++a) {
            if (m.scene.topContact()(a, b)) {
                ++supports;
                EXPECT_GT(m.scene.obj(a).objY, m.scene.obj(b).objY);
            }
        }
        EXPECT_LE(supports, 1);
        EXPECT_FALSE(m.scene.topContact()(b, b));
    }
}

} // namespace
} // namespace tarvelo
