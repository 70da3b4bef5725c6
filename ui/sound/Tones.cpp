// Making the sounds: sine notes, each with a quick attack and a decay, laid one after another.
#include "ui/sound/Tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvelo {

namespace {

// One note: its pitch, how long it lasts, how loud it starts (of kGentleVolume), and how
// quickly it dies away (the share of its loudness left at its end).
struct Note {
    double hertz = 0;
    double seconds = 0;
    double loudness = 1;
    double endsAt = 0.05;
    double alsoHertz = 0; // a second pitch sounding with it, for a chime; 0 for none
};

constexpr double kAttackSeconds = 0.004; // no click at the start
constexpr double kFullScale = 32767;

// Musical pitches, in hertz.
constexpr double kA2 = 110.0;
constexpr double kB2 = 123.47;
constexpr double kD3 = 146.83;
constexpr double kE4 = 329.63;
constexpr double kA4 = 440.0;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.25;
constexpr double kG5 = 783.99;
constexpr double kC6 = 1046.5;
constexpr double kE6 = 1318.51;
constexpr double kG6 = 1567.98;

constexpr double kLowestLandingLoudness = 0.25; // the softest landing is still heard

void AddNote(std::vector<std::int16_t>& samples, const Note& note) {
    const int count = static_cast<int>(note.seconds * kSampleRate);
    const double decay = std::log(note.endsAt) / std::max(count, 1);
    const int attack = static_cast<int>(kAttackSeconds * kSampleRate);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double wave = std::sin(2 * std::numbers::pi * note.hertz * t);
        if (note.alsoHertz > 0) {
            wave = (wave + std::sin(2 * std::numbers::pi * note.alsoHertz * t)) / 2;
        }
        const double envelope =
            std::exp(decay * i) * std::min(1.0, static_cast<double>(i) / attack);
        samples.push_back(static_cast<std::int16_t>(
            std::lround(wave * envelope * note.loudness * kGentleVolume * kFullScale)));
    }
}

std::vector<std::int16_t> Notes(std::initializer_list<Note> notes) {
    std::vector<std::int16_t> samples;
    for (const Note& note : notes) {
        AddNote(samples, note);
    }
    return samples;
}

} // namespace

double RestPitch(Tilt tilt) {
    switch (tilt) {
    case Tilt::LeftDown:
        return kE4;
    case Tilt::Level:
        return kC5;
    case Tilt::RightDown:
        return kC6;
    }
    return kC5;
}

std::vector<std::int16_t> SoundSamples(const SoundCue& cue) {
    switch (cue.sound) {
    case Sound::PickUp:
        return Notes({{kA4 * 2, 0.03, 0.5}, {kA4 * 3, 0.03, 0.5}});
    case Sound::Landing:
        return Notes({{kA2, 0.07, std::clamp(cue.strength, kLowestLandingLoudness, 1.0), 0.02}});
    case Sound::Rest:
        if (cue.tilt == Tilt::Level) {
            return Notes({{RestPitch(cue.tilt), 0.35, 0.8, 0.05, kG5}});
        }
        return Notes({{RestPitch(cue.tilt), 0.2, 0.8, 0.1}});
    case Sound::Refused:
        return Notes({{kD3, 0.09, 0.7, 0.5}, {kB2, 0.12, 0.7, 0.3}});
    case Sound::Solved:
        return Notes({{kC5, 0.1, 0.8, 0.5}, {kE5, 0.1, 0.8, 0.5}, {kG5, 0.2, 0.8, 0.1}});
    }
    return {};
}

std::vector<std::int16_t> RewardSamples(Reward reward) {
    if (reward == Reward::LevelWon) {
        // The task's notes climbing twice, a fanfare that lasts: a level is won seldom.
        return Notes({{kC5, 0.1, 0.8, 0.5},
                      {kE5, 0.1, 0.8, 0.5},
                      {kG5, 0.1, 0.8, 0.5},
                      {kC6, 0.15, 0.8, 0.5},
                      {kG5, 0.1, 0.8, 0.5},
                      {kC6, 0.1, 0.8, 0.5},
                      {kE6, 0.1, 0.8, 0.5},
                      {kG6, 0.6, 0.9, 0.02, kC6}});
    }
    return Notes({{kC5, 0.1, 0.8, 0.5},
                  {kE5, 0.1, 0.8, 0.5},
                  {kG5, 0.1, 0.8, 0.5},
                  {kC6, 0.4, 0.9, 0.02, kE5 * 2}});
}

} // namespace tarvelo
