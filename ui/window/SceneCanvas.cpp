#include "ui/window/SceneCanvas.h"

#include "core/model/Model.h"
#include "core/scene/Layout.h"
#include "ui/painting/ScenePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace tarvelo {

namespace {

// Where a picture of the list covers the scene, in scene pixels.
QRect BoxOf(const DrawItem& item) {
    const PictureSize size = PictureSizeOfKind(item.picture).value_or(kCubeSize);
    return {item.x, item.y, size.width, size.height};
}

} // namespace

SceneCanvas::SceneCanvas(const Model& model, QWidget* parent)
    : PointerSurface(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    nextFrame_.setSingleShot(true);
    connect(&nextFrame_, &QTimer::timeout, this, &SceneCanvas::AskForRepaint);
}

int SceneCanvas::FrameIntervalMs() const {
    constexpr double kMillisecondsPerSecond = 1000;
    constexpr double kUsualRefreshRate = 60;
    const QScreen* shownOn = screen();
    const double rate = shownOn != nullptr && shownOn->refreshRate() > 1 ? shownOn->refreshRate()
                                                                         : kUsualRefreshRate;
    return static_cast<int>(kMillisecondsPerSecond / rate);
}

QRect SceneCanvas::ChangedArea() const {
    // Item by item in table order: where the painted list and the model's differ, both places.
    const std::vector<DrawItem>& now = model_.drawing.drawList();
    QRect changed;
    for (std::size_t i = 0; i < std::max(painted_.size(), now.size()); ++i) {
        const bool before = i < painted_.size();
        const bool after = i < now.size();
        if (before && after && painted_[i] == now[i]) {
            continue;
        }
        if (before) {
            changed |= BoxOf(painted_[i]);
        }
        if (after) {
            changed |= BoxOf(now[i]);
        }
    }
    return changed.intersected(rect());
}

void SceneCanvas::Render() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(layout::kSceneWidth * ratio)),
                       static_cast<int>(std::ceil(layout::kSceneHeight * ratio)));
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio || !everPainted_) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        PaintScene(image_, model_.drawing.drawList(), pictures_);
    } else {
        // Only where something changed: the rest of the picture is already right.
        const QRectF area = QRectF(ChangedArea());
        PaintSceneArea(image_, model_.drawing.drawList(), pictures_,
                       QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect());
    }
    painted_ = model_.drawing.drawList();
    paintedRevision_ = model_.drawing.sceneRevision();
    everPainted_ = true;
}

void SceneCanvas::SyncFromModel() {
    if (!NeedsRender() || nextFrame_.isActive()) {
        return;
    }
    const qint64 sinceLast = sinceRepaintAsked_.isValid() ? sinceRepaintAsked_.elapsed() : -1;
    const int frame = FrameIntervalMs();
    if (sinceLast >= 0 && sinceLast < frame) {
        nextFrame_.start(static_cast<int>(frame - sinceLast));
        return;
    }
    AskForRepaint();
}

void SceneCanvas::AskForRepaint() {
    if (!NeedsRender()) {
        return;
    }
    sinceRepaintAsked_.start();
    // Painted when the screen asks for it, and only where something changed: ticks in between
    // cost nothing, and a run without a window paints only the picture it is asked for.
    if (everPainted_ && image_.devicePixelRatio() == devicePixelRatioF()) {
        update(ChangedArea());
    } else {
        update();
    }
}

bool SceneCanvas::NeedsRender() const {
    return !everPainted_ || paintedRevision_ != model_.drawing.sceneRevision() ||
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
