// The client area of the scene surface: shows the scene as the model last drew it, and is the
// parent of the controls that stand on the scene.
#pragma once

#include "core/play/Model.h"
#include "ui/painting/PiecePictures.h"
#include "ui/painting/PointerSurface.h"

#include <QElapsedTimer>
#include <QImage>
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
    // screen's resolution changed; a still scene costs nothing. A frame repaints the whole
    // scene: a frame costs about the same whatever its area, and a part repainted can miss a
    // pixel that a picture painted before. `lively` says the user is moving something: then the
    // scene keeps the screen's own rate; pieces that only fall are shown at a calmer rate. A
    // repaint asked for sooner waits for its frame, and then paints the newest drawing.
    void SyncFromModel(bool lively);

    // The list of pictures the scene on the screen shows: the model's list at the last paint.
    const std::vector<DrawItem>& shownDrawList() const { return painted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Render();
    bool NeedsRender() const;
    void AskForRepaint();
    // The time between two frames of the screen the canvas is on.
    int FrameIntervalMs() const;
    const Model& model_;
    PiecePictures pictures_;
    QImage image_;
    std::vector<DrawItem> painted_; // the list the image shows
    std::uint64_t paintedRevision_ = 0;
    bool everPainted_ = false;
    bool lively_ = false; // the pace asked for at the last sync
    QElapsedTimer sinceRepaintAsked_;
    QTimer nextFrame_; // a repaint waiting for the next frame
};

} // namespace tarvelo
