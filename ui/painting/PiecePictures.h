// The pictures of the pieces and the pan, drawn from their vector sources at the resolution of
// the screen they are shown on, pure white around every shape.
#pragma once

#include "core/base/PieceKind.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <map>
#include <utility>

namespace tarvelo {

class PiecePictures {
  public:
    // A picture at a device pixel ratio (2 on a display scaled to 200 %): the picture of a kind
    // of piece, or a cube bearing a number from kNumberCubePicture on; a null image for any other
    // number. Its logical size is the piece's size.
    const QImage& Picture(std::int32_t picture, qreal devicePixelRatio);

    // The resource holding the vector source of a kind, or an empty string.
    static QString SourceOf(PieceKind objKind);

  private:
    QImage Render(std::int32_t picture, qreal ratio) const;
    std::map<std::pair<std::int32_t, int>, QImage> cache_;
    QImage none_;
};

} // namespace tarvelo
