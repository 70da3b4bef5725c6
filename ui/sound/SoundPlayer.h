// Plays the program's sounds on the default sound output, if there is one: each sound as it is
// asked for, a landing no sooner than kLandingGapMs after the last, so that a crowd landing over
// many steps is heard as a few thuds rather than a burst. Without a sound output it says so once
// on standard error and stays silent.
#pragma once

#include "core/play/SoundCue.h"
#include "ui/sound/Tones.h"

#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelo {

// The least time between two landing sounds.
constexpr std::int64_t kLandingGapMs = 80;

class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(QObject* parent);

    // Whether sounds are played; on as the program starts, unless the settings say otherwise.
    void SetOn(bool on) { on_ = on; }
    bool On() const { return on_; }
    // Whether there is a sound output to play on; looked for at the first sound played, so that
    // a run that plays none never reaches for the sound system.
    bool HasOutput();

    // Plays `cue`'s sound at `nowMs` of the window's timer time, which paces the landings.
    void Play(const SoundCue& cue, std::int64_t nowMs);
    void PlayReward(Reward reward);

  signals:
    // Each sound as it starts to play (for tests, which hear no sound device).
    void played(const tarvelo::SoundCue& cue);
    void rewardPlayed(tarvelo::Reward reward);

  private:
    void PlaySamples(const std::vector<std::int16_t>& samples);

    bool on_ = true;
    std::optional<bool> hasOutput_;             // not looked for yet
    std::optional<std::int64_t> lastLandingMs_; // none played yet
};

} // namespace tarvelo
