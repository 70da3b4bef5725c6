// The sounds the model asks for as things happen, named, so that the window plays each in its own
// way and tests can listen in: a piece picked up, pieces landing, the balance come to rest, a
// move refused, an unknown found.
#pragma once

namespace tarvelo {

enum class Sound {
    PickUp,  // a piece or a copy taken up, by the pointer or the keys
    Landing, // pieces landed in a step: one cue however many, as loud as the hardest
    Rest,    // the balance came to rest after moving; `tilt` says where it stands
    Refused, // a move that could not be made
    Solved,  // the balance shows an unknown alone against numbers
};

// Where the balance stands as it comes to rest.
enum class Tilt { LeftDown, Level, RightDown };

struct SoundCue {
    Sound sound = Sound::PickUp;
    double strength = 1; // 0 to 1: how hard the hardest landing was; 1 for the other sounds
    Tilt tilt = Tilt::Level;
    bool operator==(const SoundCue&) const = default;
};

// The speed of a landing heard at full strength, in pixels per reality step: a piece dropped
// from the top of the scene lands about this fast.
constexpr double kHardestLandingSpeed = 20;

} // namespace tarvelo
