// The pieces' pictures, rendered from their vector sources and kept per screen resolution.
#include "ui/painting/PiecePictures.h"

#include "core/world/SceneObject.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <optional>

namespace tarvelo {

namespace {

// Ratios are cached in hundredths, enough to tell any two screens apart.
constexpr qreal kRatioKeyScale = 100.0;

// The front face of a cube picture starts here; the digits on it are this many pixels high.
constexpr qreal kCubeFaceLeft = 8;
constexpr qreal kCubeFaceTop = 8;
constexpr int kCubeDigitPixels = 30;

} // namespace

QString PiecePictures::SourceOf(PieceKind objKind) {
    if (objKind == PieceKind::kPan) {
        return QStringLiteral(":/pictures/pan.svg");
    }
    if (IsNumberCube(objKind)) {
        return QStringLiteral(":/pictures/cube%1.svg").arg(NumberOnCube(objKind));
    }
    if (objKind == PieceKind::kX) {
        return QStringLiteral(":/pictures/cubeX.svg");
    }
    if (objKind == PieceKind::kY) {
        return QStringLiteral(":/pictures/cubeY.svg");
    }
    if (objKind == PieceKind::kSmiley) {
        return QStringLiteral(":/pictures/smiley.svg");
    }
    return {};
}

const QImage& PiecePictures::Picture(std::int32_t picture, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const auto key = std::make_pair(picture, static_cast<int>(std::lround(ratio * kRatioKeyScale)));
    auto found = cache_.find(key);
    if (found != cache_.end()) {
        return found->second;
    }
    QImage image = Render(picture, ratio);
    if (image.isNull()) {
        return none_;
    }
    return cache_.emplace(key, std::move(image)).first->second;
}

QImage PiecePictures::Render(std::int32_t picture, qreal ratio) const {
    const bool numberCube = picture >= kNumberCubePicture + kLowestNumberOnCube &&
                            picture <= kNumberCubePicture + kHighestNumberOnCube;
    const std::optional<PieceKind> kind = KindPictured(picture);
    const auto size = numberCube ? std::optional<PictureSize>(kCubeSize)
                                 : (kind ? PictureSizeOfKind(*kind) : std::nullopt);
    if (!size) {
        return {};
    }

    // The vector source, onto white, at the device resolution.
    const QSize pixels(static_cast<int>(std::ceil(size->width * ratio)),
                       static_cast<int>(std::ceil(size->height * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(numberCube ? QStringLiteral(":/pictures/cubeBlank.svg")
                                     : SourceOf(*kind));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));

    if (numberCube) {
        // The number in black on the front face, as large as fits.
        painter.scale(ratio, ratio);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRectF face(kCubeFaceLeft, kCubeFaceTop, size->width - kCubeFaceLeft - 1,
                          size->height - kCubeFaceTop - 1);
        const QString text = QString::number(picture - kNumberCubePicture);
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        font.setBold(true);
        int pixelSize = kCubeDigitPixels;
        font.setPixelSize(pixelSize);
        while (pixelSize > 1 && QFontMetricsF(font).horizontalAdvance(text) > face.width() - 2) {
            font.setPixelSize(--pixelSize);
        }
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(face, Qt::AlignCenter, text);
    }
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace tarvelo
