// Save then Load: a scene at rest, written to a problem file and read back, comes to rest as the
// same pieces at the same places with the same equation, after any play that led to it.
#include "core/base/Rest.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/testing/SceneBuilders.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tarvelo {
namespace {

// Far more than any of these scenes needs to come to rest.
constexpr std::int64_t kSettleBudgetMs = 120000;

// What a child sees of a scene at rest: the pans and every piece where they lie, with their
// masses, and the sign and the line.
struct Seen {
    std::vector<std::tuple<PieceKind, float, std::int32_t, std::int32_t>> objects;
    std::string sign, equation;
    bool operator==(const Seen&) const = default;
};

Seen SeenIn(const Model& m) {
    Seen seen;
    for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
        const SceneObject& o = m.scene.obj(i);
        seen.objects.emplace_back(o.objKind, o.objMass, o.objX, o.objY);
    }
    seen.sign = m.equation.lblComparison().Caption;
    seen.equation = m.equation.lblEquazione().Caption;
    return seen;
}

void PrintTo(const Seen& seen, std::ostream* out) {
    *out << seen.equation << " (" << seen.sign << "), " << seen.objects.size() << " objects";
    if (seen.objects.size() > kPanCount) {
        *out << ", pans at " << std::get<3>(seen.objects[0]) << " and "
             << std::get<3>(seen.objects[1]);
    }
}

// The scene in `m` saved, then loaded into a new window state and let come to rest.
std::unique_ptr<SceneHarness> SavedAndLoaded(const Model& m) {
    const ProblemReading reading =
        ParseProblem(WriteProblem(m.scene.SavedProblem(), "10:00:00", "01/02/2026",
                                  /*kX=*/42, /*kY=*/5));
    auto loaded = std::make_unique<SceneHarness>();
    if (!reading.problem) {
        ADD_FAILURE() << "the written file was refused at line " << reading.error.line;
        return loaded;
    }
    loaded->model.CleanProblem();
    loaded->model.NewScene();
    loaded->model.PutProblem(&*reading.problem, "saved.trv", ProgramMode::Free);
    EXPECT_TRUE(SettleOnClock(loaded->clock, loaded->model, kSettleBudgetMs).rested);
    return loaded;
}

// A child at play with pointer and keyboard: drops anywhere over the scene (on a pan, between
// them, beside them, onto stacks), drags, deletions, new values of X and Y, undo and redo, and
// the next action now and then before the scene has come to rest.
class RandomPlay {
  public:
    RandomPlay(SceneHarness& h, std::uint32_t seed) : h_(h), m_(h.model), random_(seed) {
        m_.inputBox = [this](const std::string&, const std::string&, const std::string&) {
            return std::optional<std::string>(std::to_string(Draw(0, 9)));
        };
    }

    void Play(int actions) {
        for (int a = 0; a < actions; ++a) {
            Act();
            // Mostly a short pause, sometimes long enough for the scene to come to rest.
            h_.RunMs(Draw(0, 3) == 0 ? 2000 : Draw(0, 300));
        }
    }

  private:
    int Draw(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }
    float DrawX() { return static_cast<float>(Draw(0, m_.scene.pictDraw().ScaleWidth)); }
    float DrawY() { return static_cast<float>(Draw(40, 300)); }
    std::int32_t DrawPiece() { return Draw(kFirstPiece, m_.scene.objCount()); }
    PieceKind DrawKind() {
        constexpr PieceKind kinds[] = {PieceKind::kOne,   PieceKind::kTwo,   PieceKind::kThree,
                                       PieceKind::kFour,  PieceKind::kFive,  PieceKind::kSix,
                                       PieceKind::kSeven, PieceKind::kEight, PieceKind::kNine,
                                       PieceKind::kZero,  PieceKind::kX,     PieceKind::kY,
                                       PieceKind::kSmiley};
        return kinds[Draw(0, std::size(kinds) - 1)];
    }
    void HoverOver(std::int32_t i) {
        const SceneObject& o = m_.scene.obj(i);
        m_.PointAt(static_cast<float>(o.objX + 5), static_cast<float>(o.objY + 5));
    }

    void Act() {
        const bool anyPiece = m_.scene.objCount() >= kFirstPiece;
        switch (Draw(0, 9)) {
        case 0:
        case 1:
        case 2: // a copy from the palette, dropped with the pointer
            m_.PickUpCopy(DrawKind(), 0, 0);
            m_.FollowPointer(DrawX(), DrawY());
            m_.DropCopy();
            break;
        case 3: // a copy from the palette, carried over a pan and dropped with the keyboard
            m_.PaletteKey(DrawKind(), Key::Activate, false);
            for (int k = Draw(0, 12); k > 0; --k) {
                m_.PaletteKey(PieceKind::kOne, Draw(0, 1) ? Key::Left : Key::Right, false);
            }
            m_.PaletteKey(PieceKind::kOne, Key::Activate, false);
            break;
        case 4: // a piece dragged somewhere else in a few pointer ticks
            if (anyPiece) {
                Drag(DrawPiece(), DrawX(), DrawY());
            }
            break;
        case 5: // a piece deleted with the pointer
            if (anyPiece) {
                HoverOver(DrawPiece());
                m_.RemoveFramed();
            }
            break;
        case 6: // new value of X or Y: every piece jumps and falls again
            m_.AskUnknownValue(Draw(0, 1) ? PieceKind::kX : PieceKind::kY);
            break;
        case 7:
        case 8:
            m_.Undo();
            break;
        default:
            m_.Redo();
            break;
        }
    }

    void Drag(std::int32_t i, float toX, float toY) {
        HoverOver(i);
        m_.Grab(0, 0);
        const SceneObject& o = m_.scene.obj(i);
        const float fromX = static_cast<float>(o.objX + 5);
        const float fromY = static_cast<float>(o.objY + 5);
        constexpr int kTicks = 8;
        for (int t = 1; t <= kTicks; ++t) {
            const float x = fromX + (toX - fromX) * static_cast<float>(t) / kTicks;
            const float y = fromY + (toY - fromY) * static_cast<float>(t) / kTicks;
            m_.FollowPointer(x, y);
            m_.PointAt(x, y);
            h_.RunMs(10);
        }
        m_.LetGo();
    }

    SceneHarness& h_;
    Model& m_;
    std::mt19937 random_;
};

TEST(SaveReloadTest, EveryRestAfterRandomPlayLoadsBackAsItWasSaved) {
    constexpr std::uint32_t kSeeds = 120;
    constexpr int kActions = 120;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SceneHarness h;
        RandomPlay(h, seed).Play(kActions);
        ASSERT_TRUE(SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested);
        const auto loaded = SavedAndLoaded(h.model);
        ASSERT_EQ(SeenIn(loaded->model), SeenIn(h.model));
    }
}

// The smallest scene that loaded to another equation: the left pan down at full tilt with a
// cube reaching past its inner end, and a smiley on the raised right pan reaching over that cube.
// Loaded onto level pans, the smiley met the cube first and counted for the left pan.
TEST(SaveReloadTest, APieceReachingOverTheOtherPansStackStaysOnItsOwnPan) {
    SceneHarness h;
    Model& m = h.model;
    // Copies: the table grows below.
    const SceneObject left = m.scene.obj(kLeftPan);
    const SceneObject right = m.scene.obj(kRightPan);
    // A cube lying on the left pan's last few columns reaches out towards the right pan.
    constexpr std::int32_t kOnPan = 3;
    const std::int32_t reachingCube = left.objX + left.objW - kOnPan;
    for (const std::int32_t x : {reachingCube, left.objX, left.objX + 100}) {
        m.AddObject(PieceKind::kNine, x, 0);
    }
    ASSERT_TRUE(SettleOnClock(h.clock, m, kSettleBudgetMs).rested);
    // A smiley over the right pan's end and over that cube, which lies lower.
    m.AddObject(PieceKind::kSmiley, right.objX - kSmileySize.width + 2 * kOnPan, 0);
    ASSERT_TRUE(SettleOnClock(h.clock, m, kSettleBudgetMs).rested);
    const std::int32_t smiley = m.scene.objCount();
    ASSERT_EQ(m.scene.PanCarrying(smiley), kRightPan);
    ASSERT_LT(m.scene.obj(smiley).objX, reachingCube + kCubeSize.width);

    const auto loaded = SavedAndLoaded(m);
    EXPECT_EQ(loaded->model.scene.PanCarrying(smiley), kRightPan);
    EXPECT_EQ(SeenIn(loaded->model), SeenIn(m));
}

// While the pieces land the pans stand where they were saved, and follow their loads again once
// everything lies still; a file whose pieces lie on no pan starts on level pans.
TEST(SaveReloadTest, ThePansWaitWhereTheyWereSavedOnlyWhileThePiecesLand) {
    SceneHarness h;
    BuildStacksOnPans(h.model, 30);
    h.model.RemoveBlock(kFirstPiece); // a lighter left pan: a tilt
    ASSERT_TRUE(SettleOnClock(h.clock, h.model, kSettleBudgetMs).rested);
    const std::int32_t savedTilt =
        h.model.scene.obj(kLeftPan).objY - h.model.scene.obj(kRightPan).objY;
    ASSERT_NE(savedTilt, 0);

    const ProblemReading reading =
        ParseProblem(WriteProblem(h.model.scene.SavedProblem(), "10:00:00", "01/02/2026", 1, 2));
    ASSERT_TRUE(reading.problem);
    SceneHarness loaded;
    loaded.model.PutProblem(&*reading.problem, "saved.trv", ProgramMode::Free);
    const Scene& scene = loaded.model.scene;
    EXPECT_TRUE(scene.PansWaitForLanding());
    while (scene.PansWaitForLanding()) {
        ASSERT_EQ(scene.obj(kLeftPan).objY - scene.obj(kRightPan).objY, savedTilt);
        loaded.RunMs(10);
    }
    ASSERT_TRUE(SettleOnClock(loaded.clock, loaded.model, kSettleBudgetMs).rested);
    EXPECT_EQ(SeenIn(loaded.model), SeenIn(h.model));

    // The same pieces 200 pixels higher lie on nothing: level pans, no wait, as before.
    Problem floating = *reading.problem;
    for (ProblemPiece& piece : floating.pieces) {
        piece.objY -= 200;
    }
    SceneHarness fresh;
    fresh.model.PutProblem(&floating, "floating.trv", ProgramMode::Free);
    EXPECT_FALSE(fresh.model.scene.PansWaitForLanding());
    EXPECT_EQ(fresh.model.scene.obj(kLeftPan).objY, fresh.model.scene.obj(kRightPan).objY);
}

} // namespace
} // namespace tarvelo
