// The speech engine, made at the warm-up or the first sentence in the voice's own thread, each
// sentence handed to it there, and the engine tried again at each sentence while none could be
// made.
#include "ui/sound/Voice.h"

#include "ui/sound/Tones.h"

#include <QLocalSocket>
#include <QTextToSpeech>
#include <QThread>
#include <cstdio>

namespace tarvelo {

namespace {

// The engine that reaches speech-dispatcher, which has voices for every language Tarvelo speaks.
const QString kSpeechEngine = QStringLiteral("speechd");

// How long the speaker waits to reach the speech service's socket, to tell whether it still runs.
constexpr int kServiceAnswersWithinMs = 200;

// The socket the speech service listens on, as its client library finds it: the address the
// environment gives, or the user's runtime folder's.
QString ServiceSocket() {
    const QString address = qEnvironmentVariable("SPEECHD_ADDRESS");
    const QString unixSocket = QStringLiteral("unix_socket:");
    if (address.startsWith(unixSocket)) {
        return address.mid(unixSocket.size());
    }
    if (!address.isEmpty()) {
        return {}; // another kind of address: not looked at
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QString()
                             : runtime + QStringLiteral("/speech-dispatcher/speechd.sock");
}

// Whether the speech service still answers on its socket. The speech engine keeps its
// connection to a service that died and hands it sentences that go nowhere, saying nothing.
bool ServiceAnswers() {
    const QString path = ServiceSocket();
    if (path.isEmpty()) {
        return true; // nothing to look at: the engine is trusted
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    return socket.waitForConnected(kServiceAnswersWithinMs);
}

// How long the program, as it ends, waits for the speaker's thread; a speaker still waiting for
// the speech service to start is left to the end of the process.
constexpr unsigned long kEndWaitMs = 2000;

} // namespace

// Owns the engine, in the voice's thread.
class Speaker : public QObject {
    Q_OBJECT
  public:
    explicit Speaker(std::shared_ptr<std::atomic<int>> lastSentence)
        : lastSentence_(std::move(lastSentence)) {}

    // Says the sentence numbered `number`, unless a later one waits to be said.
    void Say(int number, const QString& text, const QLocale& language) {
        if (number != *lastSentence_) {
            return;
        }
        text_ = text;
        language_ = language;
        Hand();
    }

    void WarmUp(const QLocale& language) {
        // The voice of the language is chosen now too, which loads it in the speech service.
        if (QTextToSpeech* engine = Engine()) {
            engine->setLocale(language);
        }
    }

  signals:
    // The sentence was not said (see Voice::unavailable).
    void unavailable();

  private:
    // Hands the sentence to the engine, made now if there is none, or anew if the service it
    // spoke to is gone (made, it starts the service again).
    void Hand() {
        if (engine_ != nullptr && !ServiceAnswers()) {
            DropEngine();
        }
        QTextToSpeech* engine = Engine();
        if (engine == nullptr) {
            Unavailable();
            return;
        }
        engine->stop();
        engine->setLocale(language_);
        engine->say(text_);
    }

    void Unavailable() {
        // Said once: the window tells the user in words of their own.
        if (!noServiceSaid_) {
            noServiceSaid_ = true;
            std::fputs("tarvelo: no speech service was found; the equation is not read aloud.\n",
                       stderr);
        }
        emit unavailable();
    }

    // The engine, made now if it is not yet; none when no speech service could be reached, to be
    // tried again at the next sentence.
    QTextToSpeech* Engine() {
        if (engine_ == nullptr) {
            // Starts the speech service, if it is not running, and waits for it.
            engine_ = new QTextToSpeech(kSpeechEngine, this);
            if (engine_->state() == QTextToSpeech::Error) {
                DropEngine();
                return nullptr;
            }
            // As gentle as the program's own sounds, where the service speaks at full scale.
            engine_->setVolume(kGentleVolume);
        }
        return engine_;
    }

    void DropEngine() {
        delete engine_;
        engine_ = nullptr;
    }

    std::shared_ptr<std::atomic<int>> lastSentence_;
    QTextToSpeech* engine_ = nullptr;
    QString text_; // the sentence being said
    QLocale language_;
    bool noServiceSaid_ = false;
};

Voice::Voice(QObject* parent)
    : QObject(parent), lastSentence_(std::make_shared<std::atomic<int>>(0)) {}

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
    speaker_ = new Speaker(lastSentence_);
    speaker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, speaker_, &QObject::deleteLater);
    // Queued: the speaker tells it from its thread, and the voice may be gone by then.
    connect(speaker_, &Speaker::unavailable, this, &Voice::unavailable, Qt::QueuedConnection);
    thread_->start();
}

void Voice::Say(const QString& text, const QLocale& language) {
    if (text.isEmpty()) {
        return;
    }
    emit spoken(text);
    if (thread_ == nullptr) {
        Start();
    }
    Speaker* speaker = speaker_;
    const int number = ++*lastSentence_;
    QMetaObject::invokeMethod(
        speaker, [speaker, number, text, language] { speaker->Say(number, text, language); },
        Qt::QueuedConnection);
}

void Voice::WarmUp(const QLocale& language) {
    if (thread_ != nullptr) {
        return;
    }
    Start();
    Speaker* speaker = speaker_;
    QMetaObject::invokeMethod(
        speaker, [speaker, language] { speaker->WarmUp(language); }, Qt::QueuedConnection);
}

} // namespace tarvelo

#include "Voice.moc"
