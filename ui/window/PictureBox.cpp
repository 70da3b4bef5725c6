// A borderless box showing one picture at its own size.
#include "ui/window/PictureBox.h"

#include "core/world/SceneObject.h"
#include "ui/painting/PiecePictures.h"

#include <QPainter>

namespace tarvelo {

PictureBox::PictureBox(PiecePictures& pictures, QColor background, QWidget* parent)
    : PointerSurface(parent), pictures_(pictures), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(std::int32_t picture) {
    if (picture == picture_) {
        return;
    }
    picture_ = picture;
    if (const std::optional<PieceKind> kind = KindPictured(picture)) {
        if (const auto size = PictureSizeOfKind(*kind)) {
            resize(size->width, size->height);
        }
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    const QImage& picture = pictures_.Picture(picture_, devicePixelRatioF());
    if (!picture.isNull()) {
        painter.drawImage(QPoint(0, 0), picture);
    }
}

} // namespace tarvelo
