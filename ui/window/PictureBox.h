// A borderless box showing one picture at its own size: the palette pictures and drag boxes.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tarvelo {

class PiecePictures;

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    PictureBox(PiecePictures& pictures, QColor background, QWidget* parent);

    // Shows the picture of a kind; the box takes the picture's size.
    void SetPictureKind(int objKind);

  signals:
    void pressed(Qt::MouseButton button, QPointF position);
    void moved(Qt::MouseButtons buttons, QPointF position);
    void released(Qt::MouseButton button, QPointF position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    PiecePictures& pictures_;
    QColor background_;
    int kind_ = -1;
};

} // namespace tarvelo
