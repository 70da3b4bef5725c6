// Speaks a text aloud in the program's language, through the speech service. The speech engine
// is made in a thread of its own, at the first sentence or sooner when warmed up: making it
// starts the speech service and waits for it, seconds the window must not stand still for. A
// service that died is started again at the next sentence (the engine, which would go on talking
// to it, is made anew), and while none would start each sentence tries again; a sentence no voice
// could say is told to the window, and said once on standard error.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

namespace tarvelo {

class Speaker;

class Voice : public QObject {
    Q_OBJECT
  public:
    explicit Voice(QObject* parent);
    ~Voice() override;

    // Says `text` in `language`, cutting short what it was saying.
    void Say(const QString& text, const QLocale& language);
    // Makes the speech engine now, in its thread, ready for `language`, so that the first
    // sentence is heard without waiting for the speech service to start. Nothing is said.
    void WarmUp(const QLocale& language);

  signals:
    // Each sentence as it is handed to the speech engine (for tests, which start no service).
    void spoken(const QString& text);
    // A sentence was not said: no speech engine could be made. Emitted for each such sentence,
    // some time after Say.
    void unavailable();

  private:
    // The speaker's thread, started at the first sentence or the warm-up.
    void Start();

    QThread* thread_ = nullptr;
    Speaker* speaker_ = nullptr; // lives in thread_
    // The number of the last sentence handed over: a speaker that was held up starting the
    // service says only the last one. Shared, as the speaker may outlive the voice (see ~Voice).
    std::shared_ptr<std::atomic<int>> lastSentence_;
};

} // namespace tarvelo
