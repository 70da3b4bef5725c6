#include "ui/painting/SceneCanvas.h"

#include "core/base/Layout.h"
#include "core/play/Model.h"
#include "ui/painting/ScenePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {

// The rate at which pieces that only fall are shown: smooth enough for a fall, and a frame costs
// the same whatever little it shows.
constexpr double kFallingFramesPerSecond = 30;
constexpr double kMillisecondsPerSecond = 1000;

} // namespace

SceneCanvas::SceneCanvas(const Model& model, QWidget* parent)
    : PointerSurface(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    nextFrame_.setSingleShot(true);
    connect(&nextFrame_, &QTimer::timeout, this, &SceneCanvas::AskForRepaint);
}

int SceneCanvas::FrameIntervalMs() const {
    constexpr double kUsualRefreshRate = 60;
    const QScreen* shownOn = screen();
    const double screenRate = shownOn != nullptr && shownOn->refreshRate() > 1
                                  ? shownOn->refreshRate()
                                  : kUsualRefreshRate;
    const double rate = lively_ ? screenRate : std::min(screenRate, kFallingFramesPerSecond);
    return static_cast<int>(kMillisecondsPerSecond / rate);
}

void SceneCanvas::Render() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(layout::kSceneWidth * ratio)),
                       static_cast<int>(std::ceil(layout::kSceneHeight * ratio)));
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    PaintScene(image_, model_.drawing.drawList(), pictures_);
    painted_ = model_.drawing.drawList();
    paintedRevision_ = model_.drawing.sceneRevision();
    everPainted_ = true;
}

void SceneCanvas::SyncFromModel(bool lively) {
    if (lively != lively_) {
        lively_ = lively;
        // The user's own move is shown at the next frame of the screen, not of the calmer pace.
        if (lively && nextFrame_.isActive()) {
            nextFrame_.stop();
        }
    }
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
    // Painted when the screen asks for it: ticks in between cost nothing, and a run without a
    // window paints only the picture it is asked for.
    update();
}

bool SceneCanvas::NeedsRender() const {
    return !everPainted_ || paintedRevision_ != model_.drawing.sceneRevision() ||
           image_.devicePixelRatio() != devicePixelRatioF();
}

void SceneCanvas::paintEvent(QPaintEvent* event) {
    // A new drawing goes onto the screen whole. Qt also asks for parts (where a control on the
    // scene moved or was hidden): those are painted from the picture the rest of the screen
    // shows, and the new drawing follows in a whole frame.
    if (NeedsRender()) {
        if ((QRegion(rect()) - event->region()).isEmpty() || image_.isNull()) {
            Render();
        } else {
            update();
        }
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), image_);
}

} // namespace tarvelo
