// Each sound on an audio sink of its own, fed from a buffer and let go once it has played.
#include "ui/sound/SoundPlayer.h"

#include "ui/sound/Tones.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cstdio>

namespace tarvelo {

namespace {

QAudioFormat SampleFormat() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

bool SoundPlayer::HasOutput() {
    if (!hasOutput_) {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        hasOutput_ = !output.isNull() && output.isFormatSupported(SampleFormat());
        if (!*hasOutput_) {
            std::fputs("tarvelo: no sound output was found; the program plays on without sound.\n",
                       stderr);
        }
    }
    return *hasOutput_;
}

void SoundPlayer::Play(const SoundCue& cue, std::int64_t nowMs) {
    if (cue.sound == Sound::Landing) {
        if (lastLandingMs_ && nowMs - *lastLandingMs_ < kLandingGapMs) {
            return;
        }
        lastLandingMs_ = nowMs;
    }
    if (!on_) {
        return;
    }
    emit played(cue);
    PlaySamples(SoundSamples(cue));
}

void SoundPlayer::PlayReward(Reward reward) {
    if (on_) {
        emit rewardPlayed(reward);
        PlaySamples(RewardSamples(reward));
    }
}

void SoundPlayer::PlaySamples(const std::vector<std::int16_t>& samples) {
    if (samples.empty() || !HasOutput()) {
        return;
    }
    auto* buffer = new QBuffer(this);
    buffer->setData(QByteArray(reinterpret_cast<const char*>(samples.data()),
                               static_cast<qsizetype>(samples.size() * sizeof(std::int16_t))));
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), SampleFormat(), this);
    // Played to its end, the sink and its buffer go.
    connect(sink, &QAudioSink::stateChanged, this, [sink, buffer](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            sink->stop();
            sink->deleteLater();
            buffer->deleteLater();
        }
    });
    sink->start(buffer);
}

} // namespace tarvelo
