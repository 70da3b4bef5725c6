// The client area of the scene surface: shows the scene as the model last drew it, and is the
// parent of the controls that stand on the scene.
#pragma once

#include "ui/painting/PiecePictures.h"

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace tarvelo {

class Model;

class SceneCanvas : public QWidget {
    Q_OBJECT
  public:
    SceneCanvas(const Model& model, QWidget* parent);

    // Repaints when the model drew something new since the last paint, or when the screen's
    // resolution changed; a still scene costs nothing.
    void SyncFromModel();

  signals:
    void pressed(Qt::MouseButton button, QPointF position);
    void moved(Qt::MouseButtons buttons, QPointF position);
    void released(Qt::MouseButton button, QPointF position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Render();
    const Model& model_;
    PiecePictures pictures_;
    QImage image_;
    std::uint64_t paintedRevision_ = 0;
    bool painted_ = false;
};

} // namespace tarvelo
