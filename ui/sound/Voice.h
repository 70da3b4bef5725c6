// Speaks a text aloud in the program's language, through the speech service. The speech engine
// is made at the first sentence, not before: making it starts the speech service. Without a
// speech service it says so once on standard error and stays silent.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

class QTextToSpeech;

namespace tarvelo {

class Voice : public QObject {
    Q_OBJECT
  public:
    explicit Voice(QObject* parent) : QObject(parent) {}

    // Says `text` in `language`, cutting short what it was saying.
    void Say(const QString& text, const QLocale& language);

  signals:
    // Each sentence as it is handed to the speech engine (for tests, which start no service).
    void spoken(const QString& text);

  private:
    // The engine, made now if it is not yet; none when there is no speech service.
    QTextToSpeech* Engine();

    QTextToSpeech* engine_ = nullptr;
    bool failed_ = false;
};

} // namespace tarvelo
