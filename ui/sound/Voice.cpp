// The speech engine, made at the warm-up or the first sentence in the voice's own thread, and
// each sentence handed to it there.
#include "ui/sound/Voice.h"

#include "ui/sound/Tones.h"

#include <QTextToSpeech>
#include <QThread>
#include <cstdio>

namespace tarvelo {

namespace {

// The engine that reaches speech-dispatcher, which has voices for every language Tarvelo speaks.
const QString kSpeechEngine = QStringLiteral("speechd");

// How long the program, as it ends, waits for the speaker's thread; a speaker still waiting for
// the speech service to start is left to the end of the process.
constexpr unsigned long kEndWaitMs = 2000;

// Said once, at the first sentence that finds no speech service.
void SayNoService(std::atomic<bool>& said) {
    if (!said.exchange(true)) {
        std::fputs("tarvelo: no speech service was found; the equation is not read aloud.\n",
                   stderr);
    }
}

} // namespace

// Owns the engine, in the voice's thread.
class Speaker : public QObject {
  public:
    Speaker(std::shared_ptr<std::atomic<bool>> noService,
            std::shared_ptr<std::atomic<bool>> noServiceSaid)
        : noService_(std::move(noService)), noServiceSaid_(std::move(noServiceSaid)) {}

    void Say(const QString& text, const QLocale& language) {
        if (QTextToSpeech* engine = Engine()) {
            engine->stop();
            engine->setLocale(language);
            engine->say(text);
        } else {
            SayNoService(*noServiceSaid_);
        }
    }

    void WarmUp(const QLocale& language) {
        // The voice of the language is chosen now too, which loads it in the speech service.
        if (QTextToSpeech* engine = Engine()) {
            engine->setLocale(language);
        }
    }

  private:
    // The engine, made now if it is not yet; none when there is no speech service.
    QTextToSpeech* Engine() {
        if (engine_ == nullptr && !*noService_) {
            // Starts the speech service, if it is not running, and waits for it.
            engine_ = new QTextToSpeech(kSpeechEngine, this);
            if (engine_->state() == QTextToSpeech::Error) {
                *noService_ = true;
            } else {
                // As gentle as the program's own sounds, where the service speaks at full scale.
                engine_->setVolume(kGentleVolume);
            }
        }
        return *noService_ ? nullptr : engine_;
    }

    std::shared_ptr<std::atomic<bool>> noService_;
    std::shared_ptr<std::atomic<bool>> noServiceSaid_;
    QTextToSpeech* engine_ = nullptr;
};

Voice::Voice(QObject* parent)
    : QObject(parent), noService_(std::make_shared<std::atomic<bool>>(false)),
      noServiceSaid_(std::make_shared<std::atomic<bool>>(false)) {}

Voice::~Voice() {
    if (thread_ == nullptr) {
        return;
    }
    thread_->quit();
    if (thread_->wait(kEndWaitMs)) {
        delete thread_; // the speaker went with the thread's end (see Start)
    }
    // Otherwise the speaker still waits for the speech service: the thread and the speaker are
    // left to the process's end, which comes next.
}

void Voice::Start() {
    thread_ = new QThread; // no parent: it may have to outlive the voice
    thread_->setObjectName(QStringLiteral("voice"));
    speaker_ = new Speaker(noService_, noServiceSaid_);
    speaker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, speaker_, &QObject::deleteLater);
    thread_->start();
}

void Voice::Say(const QString& text, const QLocale& language) {
    if (text.isEmpty()) {
        return;
    }
    emit spoken(text);
    if (*noService_) {
        SayNoService(*noServiceSaid_);
        return;
    }
    if (thread_ == nullptr) {
        Start();
    }
    Speaker* speaker = speaker_;
    QMetaObject::invokeMethod(
        speaker, [speaker, text, language] { speaker->Say(text, language); }, Qt::QueuedConnection);
}

void Voice::WarmUp(const QLocale& language) {
    if (thread_ != nullptr || *noService_) {
        return;
    }
    Start();
    Speaker* speaker = speaker_;
    QMetaObject::invokeMethod(
        speaker, [speaker, language] { speaker->WarmUp(language); }, Qt::QueuedConnection);
}

} // namespace tarvelo
