// An outline that lets the pointer through to whatever lies beneath it: the yellow frame around
// the piece under the pointer, and the frame that shows where the keyboard's focus is.
#pragma once

#include <QColor>
#include <QWidget>

namespace tarvelo {

class SelectionFrame : public QWidget {
  public:
    explicit SelectionFrame(QWidget* parent, QColor colour = Qt::yellow, int lineWidth = 1);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int lineWidth_;
};

} // namespace tarvelo
