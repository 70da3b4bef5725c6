// The speech engine, made at the first sentence, and each sentence handed to it.
#include "ui/sound/Voice.h"

#include "ui/sound/Tones.h"

#include <QTextToSpeech>
#include <cstdio>

namespace tarvelo {

namespace {

// The engine that reaches speech-dispatcher, which has voices for every language Tarvelo speaks.
const QString kSpeechEngine = QStringLiteral("speechd");

} // namespace

QTextToSpeech* Voice::Engine() {
    if (engine_ == nullptr && !failed_) {
        engine_ = new QTextToSpeech(kSpeechEngine, this);
        if (engine_->state() == QTextToSpeech::Error) {
            std::fputs("tarvelo: no speech service was found; the equation is not read aloud.\n",
                       stderr);
            failed_ = true;
        } else {
            // As gentle as the program's own sounds, where the service would speak at full scale.
            engine_->setVolume(kGentleVolume);
        }
    }
    return failed_ ? nullptr : engine_;
}

void Voice::Say(const QString& text, const QLocale& language) {
    if (text.isEmpty()) {
        return;
    }
    emit spoken(text);
    if (QTextToSpeech* engine = Engine()) {
        engine->stop();
        engine->setLocale(language);
        engine->say(text);
    }
}

} // namespace tarvelo
