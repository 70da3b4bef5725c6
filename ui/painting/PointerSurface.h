// A widget that hands its pointer events on as signals, in its own pixels: the scene's client
// area, the palette pictures and the drag boxes.
#pragma once

#include <QPointF>
#include <QWidget>

namespace tarvelo {

class PointerSurface : public QWidget {
    Q_OBJECT
  public:
    explicit PointerSurface(QWidget* parent);

  signals:
    // The one button that went down or up.
    void pressed(Qt::MouseButton button, QPointF position);
    void released(Qt::MouseButton button, QPointF position);
    // Every button held down during the move.
    void moved(Qt::MouseButtons buttons, QPointF position);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarvelo
