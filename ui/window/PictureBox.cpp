#include "ui/window/PictureBox.h"

#include "core/world/SceneObject.h"
#include "ui/painting/PiecePictures.h"

#include <QPainter>

namespace tarvelo {

PictureBox::PictureBox(PiecePictures& pictures, QColor background, QWidget* parent)
    : PointerSurface(parent), pictures_(pictures), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
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

} // namespace tarvelo
