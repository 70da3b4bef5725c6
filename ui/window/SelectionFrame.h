// The frame drawn around the piece under the pointer: a yellow outline that lets the pointer
// through to the scene beneath it.
#pragma once

#include <QWidget>

namespace tarvelo {

class SelectionFrame : public QWidget {
  public:
    explicit SelectionFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvelo
