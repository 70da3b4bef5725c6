// The sounds the model asks for: which a scripted scene makes and in which order, one landing
// sound for a crowd landing at once and louder for a harder landing, the balance heard once at
// rest with where it stands, pick-ups by pointer and keys, refusals and the unknown found.
#include "core/play/SoundCue.h"

#include "PansFixture.h"
#include "core/play/MoveScript.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace tarvelo {
namespace {

// Listens to the model's cues from its making on.
struct Heard {
    explicit Heard(Model& m) {
        m.soundCue = [this](const SoundCue& cue) { cues.push_back(cue); };
    }
    std::vector<Sound> Sounds() const {
        std::vector<Sound> sounds;
        for (const SoundCue& cue : cues) {
            sounds.push_back(cue.sound);
        }
        return sounds;
    }
    std::vector<SoundCue> cues;
};

// `count` cubes side by side over `pan`, their bottoms `height` pixels above it.
void DropRow(Pans& p, std::int32_t pan, std::int32_t count, std::int32_t height) {
    const SceneObject under = p.m.scene.obj(pan); // a copy: adding pieces moves the table
    for (std::int32_t i = 0; i < count; ++i) {
        p.m.AddObject(C(1), under.objX + i * kColumnPitch, under.objY - height - kCubeSize.height);
    }
}

constexpr std::int32_t kHigh = 200; // pixels above the pan
constexpr std::int32_t kLow = 30;

TEST(SoundCueTest, ACrowdLandingAtOnceIsOneSoundThenTheRestWithItsTilt) {
    Pans p;
    p.Settle(); // the empty pans come to rest first
    Heard heard(p.m);
    DropRow(p, kLeftPan, kColumnsPerPan, kHigh);
    p.Settle();
    ASSERT_TRUE(p.rested);
    EXPECT_EQ(heard.Sounds(), (std::vector<Sound>{Sound::Landing, Sound::Rest}));
    EXPECT_GT(heard.cues.front().strength, 0);
    EXPECT_LE(heard.cues.front().strength, 1);
    EXPECT_EQ(heard.cues.back().tilt, Tilt::LeftDown);
}

TEST(SoundCueTest, AHarderLandingIsLouder) {
    const auto strengthFrom = [](std::int32_t height) {
        Pans p;
        p.Settle();
        Heard heard(p.m);
        DropRow(p, kRightPan, 1, height);
        p.Settle();
        EXPECT_EQ(heard.Sounds(), (std::vector<Sound>{Sound::Landing, Sound::Rest}));
        return heard.cues.empty() ? 0.0 : heard.cues.front().strength;
    };
    EXPECT_LT(strengthFrom(kLow), strengthFrom(kHigh));
}

TEST(SoundCueTest, PiecesSetDownGentlyOrRidingAPanAreNotHeardLanding) {
    Pans p;
    Heard heard(p.m);
    // Set down just above the pans; the pans then tilt, carrying the pieces down and up.
    p.Put({C(7), C(2)}, {C(3)});
    ASSERT_TRUE(p.rested);
    EXPECT_EQ(heard.Sounds(), std::vector<Sound>{Sound::Rest});
    EXPECT_EQ(heard.cues.back().tilt, Tilt::LeftDown);
}

TEST(SoundCueTest, TheRestIsHeardOnceAndOnlyAfterTheSceneMoved) {
    Pans p;
    p.Put({C(4)}, {C(4)});
    Heard heard(p.m);
    // More ticks at rest, and the pointer moving over the scene, move nothing.
    p.h.clock.Advance(1000);
    p.m.PointAt(10, 10);
    p.h.clock.Advance(1000);
    EXPECT_TRUE(heard.cues.empty());
    // A cube on the left pan moves the scene: its rest is heard once, however long it stays.
    DropRow(p, kLeftPan, 1, kLow);
    p.Settle();
    p.h.clock.Advance(1000);
    const std::vector<Sound> sounds = heard.Sounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Sound::Rest), 1);
    EXPECT_EQ(heard.cues.back().tilt, Tilt::LeftDown);
}

TEST(SoundCueTest, ASolvingIsHeardMoveByMoveAndARefusalAsSuch) {
    Pans p;
    p.Put({X, C(2)}, {C(5)});
    Heard heard(p.m);
    const auto play = [&](const char* script) {
        const MoveScript read = ReadMoveScript(script);
        ASSERT_FALSE(read.error);
        for (const ScriptMove& move : read.moves) {
            ApplyMove(p.m, move);
            p.Settle();
        }
    };
    play("take 7"); // no 7 on either pan
    EXPECT_EQ(heard.Sounds(), std::vector<Sound>{Sound::Refused});
    heard.cues.clear();
    play("split right 5 2 3");
    EXPECT_EQ(heard.Sounds(), std::vector<Sound>{Sound::Rest});
    EXPECT_EQ(heard.cues.back().tilt, Tilt::Level);
    heard.cues.clear();
    // The 3 that stood on the 2 taken lands, the unknown is found, the balance rests.
    play("take 2");
    EXPECT_EQ(heard.Sounds(), (std::vector<Sound>{Sound::Landing, Sound::Solved, Sound::Rest}));
}

TEST(SoundCueTest, APickUpIsHeardByPointerAndByKeys) {
    Pans p;
    p.Put({C(4)}, {C(4)});
    Heard heard(p.m);
    const SceneObject& cube = p.m.scene.obj(kFirstPiece);
    const float x = static_cast<float>(cube.objX) + 1;
    const float y = static_cast<float>(cube.objY) + 1;
    p.m.PointAt(x, y);
    p.m.Grab(x, y);
    EXPECT_EQ(heard.Sounds(), std::vector<Sound>{Sound::PickUp});
    p.m.LetGo();
    heard.cues.clear();
    EXPECT_TRUE(p.m.PaletteKey(C(3), Key::Activate, false));
    EXPECT_EQ(heard.Sounds(), std::vector<Sound>{Sound::PickUp});
}

} // namespace
} // namespace tarvelo
