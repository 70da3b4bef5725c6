// What the window says to a screen reader out of turn: what a key did, the settled balance. Each
// sentence shows as a notification, the one kind of news the screen reader Debian ships speaks
// from a Qt 6.4 program (it cannot read the new text of a name or description change there).
#pragma once

#include <QString>
#include <QWidget>

namespace tarvelo {

class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* window);

    // Says `text`: the notification takes it as its name and shows anew, so a sentence said
    // twice is heard twice.
    void Say(const QString& text);
    // The last sentence said; empty before the first.
    QString LastSaid() const { return accessibleName(); }

  signals:
    // Each sentence as it is said.
    void said(const QString& text);
};

} // namespace tarvelo
