// Random crowded scenes, played through the same operations as the pointer and the problem
// files, must end as a child would expect: boxes apart, nothing lost from the pans, every piece
// standing on the pan it counts for, an equation that counts exactly those pieces, and rest.
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/play/WindowEvents.h"
#include "core/testing/SceneBuilders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

constexpr std::int64_t kBudgetMs = 120000;
constexpr PointerButton kLeftButton = PointerButton::Left;
constexpr PointerButton kRightButton = PointerButton::Right;

float MassOf(PieceKind k, const Problem& p) {
    switch (k) {
    case PieceKind::kX:
        return static_cast<float>(p.xValue);
    case PieceKind::kY:
        return static_cast<float>(p.yValue);
    case PieceKind::kSmiley:
        return 1;
    case PieceKind::kZero:
        return 0;
    default:
        return static_cast<float>(KindNumber(k)); // a cube 1 to 9 weighs its number
    }
}

class CrowdedScene {
  public:
    CrowdedScene(std::uint32_t seed, bool onlyOverPans) : random_(seed), overPans_(onlyOverPans) {}

    void Play() {
        const int actions = Pick(5, 40);
        for (int a = 0; a < actions; ++a) {
            switch (Pick(0, 19)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
                Drop(RandomKind(), SpotX(), Pick(-20, 260));
                break;
            case 6:
            case 7: { // a burst at one spot, or in a row a few pixels apart
                const int x = SpotX();
                const int y = Pick(0, 200);
                const int apart = Pick(0, 1) ? 0 : Pick(5, 25);
                const int count = Pick(2, 9);
                for (int n = 0; n < count; ++n) {
                    Drop(RandomKind(), x + n * apart, y);
                }
                break;
            }
            case 8:
            case 9:
            case 10:
                Drag();
                break;
            case 11:
                if (!overPans_) {
                    Delete();
                }
                break;
            case 12:
                model().SetUnknown(Pick(0, 1) ? PieceKind::kX : PieceKind::kY,
                                   std::to_string(Pick(0, 9)));
                break;
            case 13:
                if (a == 0 || Pick(0, 3) == 0) {
                    LoadFile();
                }
                break;
            default:
                break;
            }
            h_.RunMs(10 * Pick(0, 80));
        }
    }

    void RunMs(int ms) { h_.RunMs(ms); }
    SettleResult Settle() { return SettleOnClock(h_.clock, model(), kBudgetMs); }

    Model& model() { return h_.model; }
    int placed() const { return placed_; }

  private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    PieceKind RandomKind() {
        const int k = Pick(1, 13);
        return k == 13 ? PieceKind::kSmiley : PieceKindFromNumber(k).value();
    }

    // Over either pan, near the gap between them, or (unless only the pans are wanted) anywhere.
    int SpotX() {
        const SceneObject& left = model().scene.obj(1);
        const SceneObject& right = model().scene.obj(2);
        switch (Pick(0, 4)) {
        case 0:
            return Pick(left.objX + left.objW - 40, left.objX + left.objW - 1);
        case 1:
            return Pick(right.objX - 20, right.objX + 10);
        case 2:
            return Pick(left.objX, left.objX + left.objW - 45);
        case 3:
            return Pick(right.objX, right.objX + right.objW - 45);
        default:
            return overPans_ ? Pick(left.objX, right.objX + right.objW - 45) : Pick(-30, 940);
        }
    }

    bool OverAPan(int x, int w) const {
        for (std::int32_t pan : {1, 2}) {
            const SceneObject& p = h_.model.scene.obj(pan);
            if (x < p.objX + p.objW && p.objX < x + w) {
                return true;
            }
        }
        return false;
    }

    // The palette's drag-in: press on the picture, the pointer at (x, y) less the grab offset,
    // then the first movement with no button drops the copy.
    void Drop(PieceKind k, int x, int y) {
        const int w = PictureSizeOfKind(k)->width;
        if (overPans_ && !OverAPan(x, w)) {
            return;
        }
        const int grabX = Pick(0, w - 1);
        const int grabY = Pick(0, 30);
        Model& m = model();
        const std::int32_t before = m.scene.objCount();
        WindowEvents(m).img_MouseDown(k, kLeftButton, 0, static_cast<float>(grabX),
                                      static_cast<float>(grabY));
        m.FollowPointer(static_cast<float>(x + grabX), static_cast<float>(y + grabY));
        WindowEvents(m).dragImgInt_MouseMove(PointerButton::None, 0, 1, 1);
        placed_ += m.scene.objCount() - before;
    }

    // Grab a piece and move it about, the scene running, then let go (over a pan when only the
    // pans are wanted); now and then a right press deletes it while held.
    void Drag() {
        Model& m = model();
        if (m.scene.objCount() <= 2) {
            return;
        }
        const SceneObject& piece = m.scene.obj(Pick(3, m.scene.objCount()));
        float px = static_cast<float>(piece.objX + piece.objW / 2);
        float py = static_cast<float>(piece.objY + piece.objH / 2);
        m.FollowPointer(px, py);
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, px, py);
        if (m.pointer.selectedObj() == -1) {
            return;
        }
        WindowEvents(m).pictDraw_MouseDown(kLeftButton, 0, px, py);
        const int moves = Pick(1, 12);
        const bool deleteIt = !overPans_ && Pick(0, 9) == 0;
        for (int n = 0; n < moves; ++n) {
            // Over the pans only, the pieces move up and down and are let go above the pans, so
            // none is carried off them.
            const bool last = n + 1 == moves;
            if (!overPans_) {
                px = static_cast<float>(last ? SpotX() + 20 : Pick(0, 940));
            }
            py = static_cast<float>(overPans_ && last ? Pick(-40, 200) : Pick(-40, 330));
            m.FollowPointer(px, py);
            WindowEvents(m).pictDraw_MouseMove(kLeftButton, 0, px, py);
            h_.RunMs(10 * Pick(0, 3));
        }
        if (deleteIt) {
            WindowEvents(m).pictDraw_MouseDown(kRightButton, 0, px, py);
            --placed_;
        }
        WindowEvents(m).pictDraw_MouseUp(kLeftButton, 0, px, py);
        m.FollowPointer(-10000, -10000);
    }

    void Delete() {
        Model& m = model();
        if (m.scene.objCount() <= 2) {
            return;
        }
        const SceneObject& piece = m.scene.obj(Pick(3, m.scene.objCount()));
        const float px = static_cast<float>(piece.objX + 1);
        const float py = static_cast<float>(piece.objY + 1);
        WindowEvents(m).pictDraw_MouseMove(PointerButton::None, 0, px, py);
        if (m.pointer.selectedObj() != -1) {
            WindowEvents(m).pictDraw_MouseDown(kRightButton, 0, px, py);
            --placed_;
        }
    }

    // A hand-written file: pieces anywhere over the pans, into one another and into the pans.
    void LoadFile() {
        Problem problem;
        problem.xValue = Pick(0, 9);
        problem.yValue = Pick(0, 9);
        const int count = Pick(1, 30);
        for (int n = 0; n < count; ++n) {
            const PieceKind k = RandomKind();
            const int x = SpotX();
            if (overPans_ && !OverAPan(x, PictureSizeOfKind(k)->width)) {
                continue;
            }
            problem.pieces.push_back({x, Pick(-60, 300), MassOf(k, problem), k});
        }
        Model& m = model();
        m.NewScene();
        m.FollowPointer(-10000, -10000);
        m.LoadProblem(problem, "crowded.trv");
        placed_ = static_cast<int>(problem.pieces.size());
    }

    SceneHarness h_;
    std::mt19937 random_;
    bool overPans_;
    int placed_ = 0;
};

bool Overlap(const SceneObject& a, const SceneObject& b) {
    return OverlapsBox(a, b.objX, b.objY, static_cast<double>(b.objX) + b.objW,
                       static_cast<double>(b.objY) + b.objH);
}

// ---- What the pans carry, worked out from the boxes of the pieces alone ----
//
// The scene's own weighing walks the contact matrix it keeps; this works from nothing but where
// the boxes lie, so that a fault in the scene's rule for contacts, pans or terms shows up as a
// difference here instead of being repeated.

// A piece at rest may float this many pixels above what carries it: the balance moves its pans
// in whole pixels and can leave one between a pan and its load.
constexpr std::int32_t kRestingGap = 1;

// Whether `upper` rests on `lower`: the bottom edge of `upper` is on the top edge of `lower` or
// at most kRestingGap above it, and the two share at least one column of pixels.
bool RestsOn(const SceneObject& upper, const SceneObject& lower) {
    const std::int32_t gap = lower.objY - (upper.objY + upper.objH);
    const bool besideEachOther =
        upper.objX + upper.objW <= lower.objX || lower.objX + lower.objW <= upper.objX;
    return gap >= 0 && gap <= kRestingGap && !besideEachOther;
}

// What one piece puts on its side of the line, as a child counts it: a number cube the number
// it bears, the smiley one, an X or a Y one of that unknown.
struct Worth {
    std::int32_t number = 0;
    std::int32_t xs = 0;
    std::int32_t ys = 0;
};

Worth WorthOf(PieceKind k) {
    struct Face {
        PieceKind kind;
        Worth worth;
    };
    static constexpr Face kFaces[] = {
        {PieceKind::kOne, {1, 0, 0}},    {PieceKind::kTwo, {2, 0, 0}},
        {PieceKind::kThree, {3, 0, 0}},  {PieceKind::kFour, {4, 0, 0}},
        {PieceKind::kFive, {5, 0, 0}},   {PieceKind::kSix, {6, 0, 0}},
        {PieceKind::kSeven, {7, 0, 0}},  {PieceKind::kEight, {8, 0, 0}},
        {PieceKind::kNine, {9, 0, 0}},   {PieceKind::kZero, {0, 0, 0}},
        {PieceKind::kSmiley, {1, 0, 0}}, {PieceKind::kX, {0, 1, 0}},
        {PieceKind::kY, {0, 0, 1}},
    };
    for (const Face& face : kFaces) {
        if (face.kind == k) {
            return face.worth;
        }
    }
    ADD_FAILURE() << "a piece of kind " << KindNumber(k) << " has no worth in the table";
    return {};
}

// The pan (kLeftPan or kRightPan) each object counts for, by following who rests on whom down to
// a pan, or 0 for one that reaches no pan; indexed by object number.
//
// A piece that reaches both pans (one lying across stacks of both) could count for either; the
// scene keeps it with the pan it counted for before, which only its history tells, so the pan
// the table gives it is taken when that is one of the pans it reaches through what it rests on.
std::vector<std::int32_t> PansByGeometry(const Scene& scene) {
    const std::int32_t count = scene.objCount();
    std::vector<std::int32_t> pan(static_cast<std::size_t>(count) + 1, 0);
    pan[kLeftPan] = kLeftPan;
    pan[kRightPan] = kRightPan;
    // What carries a piece lies lower: going up from the lowest top edge, every support has its
    // pan before the pieces on it are looked at.
    std::vector<std::int32_t> upwards;
    for (std::int32_t i = kFirstPiece; i <= count; ++i) {
        upwards.push_back(i);
    }
    std::stable_sort(upwards.begin(), upwards.end(), [&scene](std::int32_t a, std::int32_t b) {
        return scene.obj(a).objY > scene.obj(b).objY;
    });
    for (std::int32_t i : upwards) {
        bool onLeft = false;
        bool onRight = false;
        for (std::int32_t j = 1; j <= count; ++j) {
            if (j != i && RestsOn(scene.obj(i), scene.obj(j))) {
                onLeft = onLeft || pan[static_cast<std::size_t>(j)] == kLeftPan;
                onRight = onRight || pan[static_cast<std::size_t>(j)] == kRightPan;
            }
        }
        std::int32_t& mine = pan[static_cast<std::size_t>(i)];
        if (onLeft && onRight) {
            const std::int32_t kept = scene.obj(i).objPan;
            mine = kept == kLeftPan || kept == kRightPan ? kept : 0;
        } else {
            mine = onLeft ? kLeftPan : (onRight ? kRightPan : 0);
        }
    }
    return pan;
}

// Everything a child could see contradict the balance, as a list of faults (empty: none).
std::string FaultsAtRest(Model& m) {
    std::ostringstream faults;
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        for (std::int32_t j = i + 1; j <= m.scene.objCount(); ++j) {
            if (Overlap(m.scene.obj(i), m.scene.obj(j))) {
                faults << "objects " << i << " and " << j << " overlap; ";
            }
        }
    }
    const std::vector<std::int32_t> pans = PansByGeometry(m.scene);
    Terms terms[3]{};
    float load[3]{};
    for (std::int32_t i = kFirstPiece; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        const std::int32_t pan = pans[static_cast<std::size_t>(i)];
        if (pan == 0) {
            faults << "object " << i << " stands on no pan; ";
            continue;
        }
        const std::int32_t s = m.scene.topContact().SupportOf(i);
        if (s == 0 || !RestsOn(o, m.scene.obj(s))) {
            faults << "object " << i << " does not stand on its support " << s << "; ";
        }
        if (m.scene.PanCarrying(i) != pan) {
            faults << "object " << i << " counts for pan " << m.scene.PanCarrying(i)
                   << " but stands on pan " << pan << "; ";
        }
        const Worth worth = WorthOf(o.objKind);
        terms[pan].constant += worth.number;
        terms[pan].x += worth.xs;
        terms[pan].y += worth.ys;
        load[pan] += o.objMass;
    }
    if (terms[1] != m.scene.leftTerms() || terms[2] != m.scene.rightTerms()) {
        faults << "the terms are not those of the pieces on the pans; ";
    }
    const std::int32_t target = m.scene.BalanceTarget(load[1] - load[2]);
    const std::string sign = target > 0 ? ">" : (target < 0 ? "<" : "=");
    if (m.equation.lblEquazione().Caption != EquationDisplay::SideText(terms[1]) + " " + sign +
                                                 " " + EquationDisplay::SideText(terms[2])) {
        faults << "the line reads \"" << m.equation.lblEquazione().Caption << "\"; ";
    }
    // The pans stand as far apart as the loads call for, within the pixel the balance leaves.
    const std::int32_t apart = m.scene.obj(1).objY - m.scene.obj(2).objY;
    if (std::abs(target - apart) > 1) {
        faults << "the pans stand " << apart << " apart where the loads call for " << target
               << "; ";
    }
    return faults.str();
}

struct Tally {
    int scenes = 0;
    int rested = 0;
    std::int64_t slowestMs = 0;
};

void PlayMany(std::uint32_t firstSeed, int count, bool onlyOverPans, Tally& tally) {
    for (std::uint32_t seed = firstSeed; seed < firstSeed + static_cast<std::uint32_t>(count);
         ++seed) {
        CrowdedScene scene(seed, onlyOverPans);
        scene.Play();
        const SettleResult rest = scene.Settle();
        ++tally.scenes;
        tally.rested += rest.rested ? 1 : 0;
        tally.slowestMs = std::max(tally.slowestMs, rest.lastChangeMs);
        EXPECT_TRUE(rest.rested) << "seed " << seed;
        Model& m = scene.model();
        EXPECT_EQ(FaultsAtRest(m), "") << "seed " << seed << (onlyOverPans ? " (pans)" : "");
        // At rest is for good.
        const std::uint64_t atRest = m.Changes();
        scene.RunMs(1000);
        EXPECT_EQ(m.Changes(), atRest) << "seed " << seed;
        if (onlyOverPans) {
            EXPECT_EQ(m.scene.objCount() - 2, scene.placed()) << "seed " << seed << ": pieces lost";
        }
    }
}

TEST(CrowdedScenesTest, AnywhereInTheScene) {
    Tally tally;
    PlayMany(1000, 300, false, tally);
    std::printf("%d of %d scenes rested, the slowest after %lld ms\n", tally.rested, tally.scenes,
                static_cast<long long>(tally.slowestMs));
}

TEST(CrowdedScenesTest, OnlyOverThePansNothingIsLost) {
    Tally tally;
    PlayMany(2000, 300, true, tally);
    std::printf("%d of %d scenes rested, the slowest after %lld ms\n", tally.rested, tally.scenes,
                static_cast<long long>(tally.slowestMs));
}

} // namespace
} // namespace tarvelo
