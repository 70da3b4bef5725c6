// The program's own sounds, made here as samples rather than read from files: a blip for a
// pick-up, a thud for a landing as loud as it was hard, a tone for the balance at rest whose
// pitch says where it stands, a low buzz for a refusal, and rising notes for an unknown found
// and for the rewards.
#pragma once

#include "core/play/SoundCue.h"

#include <cstdint>
#include <vector>

namespace tarvelo {

// Mono, 16-bit samples at this rate: enough for tones up to a few kilohertz.
constexpr int kSampleRate = 22050;
// The loudest any sound is, as a share of full scale: gentle beside other programs.
constexpr double kGentleVolume = 0.3;

// Where the balance stands, as the rest tone's pitch in hertz: lower when the left pan is down,
// higher when the right is; level is a chime of two notes, the lower of them this one.
double RestPitch(Tilt tilt);

// The samples of `cue`'s sound.
std::vector<std::int16_t> SoundSamples(const SoundCue& cue);
// What a reward is for: a challenge or a lesson done, or a whole level of challenges won.
enum class Reward { TaskDone, LevelWon };

// The samples of `reward`.
std::vector<std::int16_t> RewardSamples(Reward reward);

} // namespace tarvelo
