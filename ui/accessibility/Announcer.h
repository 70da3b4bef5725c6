// What the window says to a screen reader out of turn: what a key did, the settled balance. Each
// sentence shows as a notification, the one kind of news the screen reader Debian ships speaks
// from a Qt 6.4 program (it cannot read the new text of a name or description change there).
#pragma once

#include <QString>
#include <QWidget>
#include <array>

namespace tarvelo {

class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* window);

    // Says `text`: the next notification of a small ring takes it as its name and shows anew,
    // so a sentence said twice is heard twice.
    void Say(const QString& text);
    // The last sentence said; empty before the first.
    QString LastSaid() const { return last_; }

  signals:
    // Each sentence as it is said.
    void said(const QString& text);

  private:
    // A screen reader reads a notification's name some moments after it showed. Each sentence
    // keeps a notification of its own until this many more were said, so a sentence said right
    // after another never renames the first before it is read.
    static constexpr std::size_t kVoices = 4;
    std::array<QWidget*, kVoices> voices_{};
    std::size_t next_ = 0;
    QString last_;
};

} // namespace tarvelo
