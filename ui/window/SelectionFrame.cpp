#include "ui/window/SelectionFrame.h"

#include <QPainter>

namespace tarvelo {

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SelectionFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::yellow, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tarvelo
