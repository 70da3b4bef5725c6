// A borderless box showing one picture at its own size: the palette pictures and drag boxes.
#pragma once

#include "ui/painting/PointerSurface.h"

#include <QColor>
#include <QImage>

namespace tarvelo {

class PiecePictures;

class PictureBox : public PointerSurface {
    Q_OBJECT
  public:
    PictureBox(PiecePictures& pictures, QColor background, QWidget* parent);

    // Shows the picture of a kind; the box takes the picture's size.
    void SetPictureKind(int objKind);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PiecePictures& pictures_;
    QColor background_;
    int kind_ = -1;
};

} // namespace tarvelo
