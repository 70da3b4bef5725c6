// Speaks a text aloud in the program's language, through the speech service. The speech engine
// is made in a thread of its own, at the first sentence or sooner when warmed up: making it
// starts the speech service and waits for it, seconds the window must not stand still for. Without
// a speech service it says so once on standard error at the first sentence, and stays silent.
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

  private:
    // The speaker's thread, started at the first sentence or the warm-up.
    void Start();

    QThread* thread_ = nullptr;
    Speaker* speaker_ = nullptr; // lives in thread_
    // Set by the speaker once it found no speech service; read here so as to hand it nothing
    // more. Shared, as a speaker still starting the service may outlive the voice (see ~Voice).
    std::shared_ptr<std::atomic<bool>> noService_;
    // Whether the missing speech service was said already, by the voice or the speaker.
    std::shared_ptr<std::atomic<bool>> noServiceSaid_;
};

} // namespace tarvelo
