// How whole scenes settle: ordinary scenes come to rest exactly where they always did.
#include "core/base/Rest.h"
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tarvelo {
namespace {

// FNV-1a over the final state of a scene: every object's box, kind, speed and support, and the
// two lines the child reads.
class Digest {
  public:
    void Add(std::int64_t v) {
        for (int b = 0; b < 8; ++b) {
            hash_ = (hash_ ^ static_cast<std::uint8_t>(v >> (8 * b))) * kPrime;
        }
    }
    void Add(const std::string& text) {
        Add(static_cast<std::int64_t>(text.size()));
        for (char c : text) {
            Add(c);
        }
    }
    std::uint64_t Value() const { return hash_; }

  private:
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    std::uint64_t hash_ = 14695981039346656037ull;
};

std::uint64_t FinalState(const Model& m) {
    Digest d;
    d.Add(m.scene.objCount());
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        d.Add(o.objX);
        d.Add(o.objY);
        d.Add(KindNumber(o.objKind));
        d.Add(static_cast<std::int64_t>(o.objVY * 2));
        d.Add(m.scene.topContact().SupportOf(i));
    }
    d.Add(m.equation.lblComparison().Caption);
    d.Add(m.equation.lblEquazione().Caption);
    return d.Value();
}

// An ordinary scene: pieces dropped one after another where they overlap nothing, each wholly
// within the columns of one pan (so no piece can come to stand on both) or into the gap or
// beside the pans (where they fall out); now and then a piece is deleted or everything jumps.
void PlayOrdinaryScene(SceneHarness& h, std::uint32_t seed) {
    Model& m = h.model;
    std::mt19937 random(seed);
    const auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const SceneObject left = m.scene.obj(1);
    const SceneObject right = m.scene.obj(2);
    const int drops = pick(3, 24);
    for (int n = 0; n < drops; ++n) {
        const PieceKind k =
            pick(1, 13) == 13 ? PieceKind::kSmiley : PieceKindFromNumber(pick(1, 12)).value();
        const std::int32_t w = PictureSizeOfKind(k)->width;
        const std::int32_t h2 = PictureSizeOfKind(k)->height;
        int x = 0;
        switch (pick(0, 9)) {
        case 0: // into the gap or beside the pans
            x = pick(0, 1) ? pick(left.objX + left.objW, right.objX - w)
                           : pick(right.objX + right.objW, right.objX + right.objW + w);
            break;
        case 1:
        case 2:
        case 3:
        case 4:
            x = pick(left.objX - w + 1, left.objX + left.objW - w);
            break;
        default:
            x = pick(right.objX, right.objX + right.objW - 1);
            break;
        }
        const int y = pick(-80, 150);
        if (m.scene.CheckOverlap(-1, x, y, w, h2) >= 0) {
            continue;
        }
        m.AddObject(k, x, y);
        h.RunMs(10 * pick(0, 60));
        if (pick(0, 14) == 0 && m.scene.objCount() > 2) {
            m.RemoveBlock(pick(3, m.scene.objCount()));
        }
        if (pick(0, 19) == 0) {
            m.scene.Event_Jump_Up_All();
        }
    }
    h.RunMs(30000);
}

// Recorded from the falling rules as they stood before any piece could be lifted clear of
// another or a pan held by a piece standing on both pans.
constexpr std::uint64_t kOrdinaryScenes[] = {
    0x2dd542226aa05a1bull, // 15 objects, 26 < X + 28
    0xb1bd3a7227ea42caull, // 12 objects, X + 22 = 2X + 17
    0xe01c229d3a4024fdull, // 13 objects, 11 < X + 38
    0xe25755689868916eull, // 14 objects, 52 > 14
    0x8f390e8b2d7ddb08ull, // 23 objects, X + 35 < X + 4Y + 40
    0xc1a3fac595325a54ull, // 9 objects, X + 23 > X
    0xd91ae2d47addde79ull, // 20 objects, 35 < 53
    0x6d7c90e1a12a0a05ull, // 6 objects, 7 = 7
    0x6955733ee5e16924ull, // 21 objects, 2Y + 21 < Y + 60
    0x23d1af654619912aull, // 5 objects, 12 > 3
    0xbbd2000a82c6dc19ull, // 16 objects, Y + 24 > 2X + 17
    0xa7983fdd513ef7cdull, // 8 objects, 7 < 2X + Y + 1
    0xbf6d8d92006e2d6aull, // 6 objects, 5 < 11
    0x998f17d088f8e9efull, // 20 objects, X + 23 < 41
    0x303957584d52c1dbull, // 13 objects, Y + 5 < X + Y + 17
    0xaa058f5ad2af2a26ull, // 21 objects, X + Y + 28 < 50
    0x6ebc766324aad706ull, // 6 objects, 0 < 8
    0x23693839bbf65933ull, // 6 objects, 8 < 14
    0xf7fc8fd4d29dd2f5ull, // 17 objects, 24 < Y + 22
    0x934a18fc2e5d358full, // 6 objects, 23 > 0
    0x121476476b57fbacull, // 15 objects, 38 > 2X + Y + 4
    0x8195f48db29ec7ccull, // 6 objects, 12 > 4
    0x2fb0dd45e59bf3d9ull, // 6 objects, Y + 3 > 6
    0xefc3d043efb7820dull, // 16 objects, Y + 30 > 37
    0xaf32726fccd68cceull, // 21 objects, Y + 25 < 2X + Y + 42
    0x95ee2642e4965f18ull, // 20 objects, X + Y + 42 > X + 19
    0xa52c6dab5d42657aull, // 10 objects, 16 < 23
    0x337e5d9304e7e38dull, // 13 objects, 2X + Y + 14 > Y + 16
    0xbd4681ff12de05ccull, // 18 objects, 18 < X + 15
    0xae2498cebb30c7a0ull, // 19 objects, X + Y + 26 < 2Y + 28
    0x3d8a3eb843a6a276ull, // 16 objects, 19 < Y + 37
    0xe02d9800060713eaull, // 11 objects, Y + 20 > 16
    0x46028f0aa0084899ull, // 22 objects, X + Y + 53 > 19
    0xfd76b3768fe46192ull, // 10 objects, 24 > 15
    0x61d7281a5cec414eull, // 5 objects, 0 < Y + 5
    0xe4b25777552d9473ull, // 13 objects, 3X < Y + 21
    0xbb7b993be14f772aull, // 15 objects, 24 < 31
    0x3677df4dd00bf84full, // 21 objects, X + Y + 41 > Y + 37
    0x6588a317e2580084ull, // 11 objects, 18 < X + 19
    0x40201ec4cd4cd7b2ull, // 15 objects, 45 > X + Y + 5
};

TEST(SettlingTest, OrdinaryScenesSettleExactlyAsTheyAlwaysDid) {
    for (std::uint32_t seed = 0; seed < std::size(kOrdinaryScenes); ++seed) {
        SceneHarness h;
        PlayOrdinaryScene(h, seed);
        EXPECT_EQ(FinalState(h.model), kOrdinaryScenes[seed]) << "seed " << seed;
    }
}

// One scripted busy scene, with everything that bends the plain rules (pieces put into one
// another, a tower above the scene, a piece on both pans, a jump), must end in the same state
// with every compiler and build: the digest is fixed here once and for all.
TEST(SettlingTest, AScriptedBusySceneEndsInTheSameStateOnEveryBuild) {
    SceneHarness h;
    Model& m = h.model;
    const auto drop = [&m](PieceKind k, float x, float y) {
        m.PickUpCopy(k, 10, 10);
        m.FollowPointer(x + 10, y + 10);
        m.DropCopy();
    };
    for (int n = 0; n < 8; ++n) {
        drop(CubeBearing(1 + n).value(), 100, 150); // at one spot
    }
    h.RunMs(500);
    for (int n = 0; n < 4; ++n) {
        drop(PieceKind::kX, 420, 200);
        drop(PieceKind::kY, 480, 200);
    }
    h.RunMs(300);
    drop(PieceKind::kNine, 445, 100); // over both columns
    drop(PieceKind::kSmiley, 700, 280);
    h.RunMs(2000);
    m.SetUnknown(PieceKind::kX, "6");
    h.RunMs(200);
    drop(PieceKind::kSeven, 600, 50);
    const SettleResult rest = SettleOnClock(h.clock, m, 120000);
    ASSERT_TRUE(rest.rested);
    EXPECT_EQ(rest.lastChangeMs, 3940);
    EXPECT_EQ(m.equation.lblEquazione().Caption, "4X + 36 > 4Y + 17");
    EXPECT_EQ(FinalState(m), 15817712982949160784u);
    // At rest is for good: nothing changes however long the scene runs on.
    const std::uint64_t atRest = m.Changes();
    h.RunMs(10000);
    EXPECT_EQ(m.Changes(), atRest);
}

} // namespace
} // namespace tarvelo
