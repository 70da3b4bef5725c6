#include "ui/painting/ScenePainter.h"

#include "ui/painting/PiecePictures.h"

#include <QRect>
#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {

// destination = picture AND destination, pixel by pixel, with the picture's top-left corner at
// `topLeft`, within `clip`; all in device pixels. Both images hold 32-bit pixels whose alpha is
// always opaque.
void AndPaint(QImage& target, const QImage& picture, QPoint topLeft, const QRect& clip) {
    const QRect area = QRect(topLeft, picture.size()).intersected(clip);
    if (area.isEmpty()) {
        return;
    }
    const int fromX = area.x() - topLeft.x();
    const int fromY = area.y() - topLeft.y();
    for (int row = 0; row < area.height(); ++row) {
        auto* destination = reinterpret_cast<QRgb*>(target.scanLine(area.y() + row)) + area.x();
        const auto* source =
            reinterpret_cast<const QRgb*>(picture.constScanLine(fromY + row)) + fromX;
        for (int column = 0; column < area.width(); ++column) {
            destination[column] &= source[column];
        }
    }
}

void Clear(QImage& target, const QRect& area) {
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(row));
        std::fill(line + area.left(), line + area.left() + area.width(), kSceneBackground);
    }
}

} // namespace

void PaintScene(QImage& target, const std::vector<DrawItem>& drawList, PiecePictures& pictures) {
    if (target.format() != QImage::Format_RGB32) {
        target = target.convertToFormat(QImage::Format_RGB32);
    }
    const QRect area = target.rect();
    if (area.isEmpty()) {
        return;
    }
    Clear(target, area);
    const qreal ratio = target.devicePixelRatio();
    for (const DrawItem& item : drawList) {
        const QImage& picture = pictures.Picture(item.picture, ratio);
        if (!picture.isNull()) {
            AndPaint(target, picture,
                     QPoint(static_cast<int>(std::lround(item.x * ratio)),
                            static_cast<int>(std::lround(item.y * ratio))),
                     area);
        }
    }
}

} // namespace tarvelo
