// The client area of the scene surface: shows the scene as the model last drew it, and is the
// parent of the controls that stand on the scene.
#pragma once

#include "core/model/Model.h"
#include "ui/painting/PiecePictures.h"
#include "ui/window/PointerSurface.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <vector>

namespace tarvelo {

class Model;

class SceneCanvas : public PointerSurface {
    Q_OBJECT
  public:
    SceneCanvas(const Model& model, QWidget* parent);

    const Model& model() const { return model_; }

    // Asks for a repaint when the model drew something new since the last paint, or when the
    // screen's resolution changed; a still scene costs nothing. No more repaints are asked for
    // than the screen shows frames: one asked for sooner waits for the next frame, and then
    // paints the newest drawing.
    void SyncFromModel();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Render();
    bool NeedsRender() const;
    void AskForRepaint();
    // The time between two frames of the screen the canvas is on.
    int FrameIntervalMs() const;
    // Where the model's list of pictures differs from the one last painted, in scene pixels.
    QRect ChangedArea() const;
    const Model& model_;
    PiecePictures pictures_;
    QImage image_;
    std::vector<DrawItem> painted_; // the list the image shows
    std::uint64_t paintedRevision_ = 0;
    bool everPainted_ = false;
    QElapsedTimer sinceRepaintAsked_;
    QTimer nextFrame_; // a repaint waiting for the next frame
};

} // namespace tarvelo
