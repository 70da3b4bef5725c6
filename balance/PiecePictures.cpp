#include "balance/PiecePictures.h"

#include "scene/SceneObject.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace tarvelo {

namespace {

// Ratios are cached in hundredths, enough to tell any two screens apart.
constexpr qreal kRatioKeyScale = 100.0;

} // namespace

QString PiecePictures::SourceOf(std::int32_t objKind) {
    if (objKind == kind::kPan) {
        return QStringLiteral(":/pictures/pan.svg");
    }
    if (objKind >= kind::kFirstDigit && objKind <= kind::kLastDigit) {
        return QStringLiteral(":/pictures/cube%1.svg").arg(objKind);
    }
    if (objKind == kind::kZero) {
        return QStringLiteral(":/pictures/cube0.svg");
    }
    if (objKind == kind::kX) {
        return QStringLiteral(":/pictures/cubeX.svg");
    }
    if (objKind == kind::kY) {
        return QStringLiteral(":/pictures/cubeY.svg");
    }
    if (objKind == kind::kSmiley) {
        return QStringLiteral(":/pictures/smiley.svg");
    }
    return {};
}

const QImage& PiecePictures::Picture(std::int32_t objKind, qreal devicePixelRatio) {
    const auto size = PictureSizeOfKind(objKind);
    if (!size) {
        return none_;
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const auto key = std::make_pair(objKind, static_cast<int>(std::lround(ratio * kRatioKeyScale)));
    auto found = cache_.find(key);
    if (found != cache_.end()) {
        return found->second;
    }

    // Render the vector source onto white at the device resolution.
    const QSize pixels(static_cast<int>(std::ceil(size->width * ratio)),
                       static_cast<int>(std::ceil(size->height * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(SourceOf(objKind));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return cache_.emplace(key, std::move(image)).first->second;
}

} // namespace tarvelo
