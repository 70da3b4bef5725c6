#include "ui/window/PictureBox.h"

#include "core/scene/SceneObject.h"
#include "ui/painting/PiecePictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvelo {

PictureBox::PictureBox(PiecePictures& pictures, QColor background, QWidget* parent)
    : QWidget(parent), pictures_(pictures), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Drag boxes must hear the pointer move with no button held.
    setMouseTracking(true);
}

void PictureBox::SetPictureKind(int objKind) {
    if (objKind == kind_) {
        return;
    }
    kind_ = objKind;
    if (const auto size = PictureSizeOfKind(objKind)) {
        resize(size->width, size->height);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const QImage& picture = pictures_.Picture(kind_, devicePixelRatioF());
    if (!picture.isNull()) {
        painter.drawImage(QPoint(0, 0), picture);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->buttons(), event->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position());
}

} // namespace tarvelo
