// A borderless box showing one picture at its own size: the palette pictures and drag boxes.
#pragma once

#include "ui/painting/PointerSurface.h"

#include <QColor>
#include <QImage>
#include <cstdint>

namespace tarvelo {

class PiecePictures;

class PictureBox : public PointerSurface {
    Q_OBJECT
  public:
    PictureBox(PiecePictures& pictures, QColor background, QWidget* parent);

    // Shows picture `picture` (-1: none); the box takes the size of a kind's picture.
    void SetPicture(std::int32_t picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PiecePictures& pictures_;
    QColor background_;
    std::int32_t picture_ = -1;
};

} // namespace tarvelo
