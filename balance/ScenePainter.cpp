#include "balance/ScenePainter.h"

#include "balance/PiecePictures.h"

#include <QPainter>

namespace tarvelo {

void PaintScene(QImage& target, const std::vector<DrawItem>& drawList, PiecePictures& pictures) {
    target.fill(kSceneBackground);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const qreal ratio = target.devicePixelRatio();
    const QRectF scene(QPointF(0, 0), target.deviceIndependentSize());
    for (const DrawItem& item : drawList) {
        const QImage& picture = pictures.Picture(item.picture, ratio);
        if (picture.isNull()) {
            continue;
        }
        // Pieces wholly outside the surface (fallen below it, thrown far above) cost nothing.
        const QRectF box(QPointF(item.x, item.y), picture.deviceIndependentSize());
        if (box.intersects(scene)) {
            painter.drawImage(box.topLeft(), picture);
        }
    }
}

} // namespace tarvelo
