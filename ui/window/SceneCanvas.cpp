#include "ui/window/SceneCanvas.h"

#include "core/scene/Layout.h"
#include "core/scene/Model.h"
#include "ui/painting/ScenePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace tarvelo {

SceneCanvas::SceneCanvas(const Model& model, QWidget* parent)
    : PointerSurface(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SceneCanvas::Render() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(layout::kSceneWidth * ratio)),
                       static_cast<int>(std::ceil(layout::kSceneHeight * ratio)));
    if (image_.size() != pixels) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    PaintScene(image_, model_.drawList, pictures_);
    paintedRevision_ = model_.sceneRevision;
    painted_ = true;
}

void SceneCanvas::SyncFromModel() {
    if (!NeedsRender()) {
        return;
    }
    // Painted when the screen asks for it: ticks in between cost nothing, and a run without a
    // window paints only the picture it is asked for.
    update();
}

bool SceneCanvas::NeedsRender() const {
    return !painted_ || paintedRevision_ != model_.sceneRevision ||
           image_.devicePixelRatio() != devicePixelRatioF();
}

void SceneCanvas::paintEvent(QPaintEvent* event) {
    if (NeedsRender()) {
        Render();
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), image_);
}

} // namespace tarvelo
