#include "ui/window/SelectionFrame.h"

#include <QPainter>

namespace tarvelo {

SelectionFrame::SelectionFrame(QWidget* parent, QColor colour, int lineWidth)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SelectionFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Each line lies wholly inside the widget.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    const QRect r = rect();
    painter.drawRect(r.left(), r.top(), r.width(), lineWidth_);
    painter.drawRect(r.left(), r.bottom() - lineWidth_ + 1, r.width(), lineWidth_);
    painter.drawRect(r.left(), r.top(), lineWidth_, r.height());
    painter.drawRect(r.right() - lineWidth_ + 1, r.top(), lineWidth_, r.height());
}

} // namespace tarvelo
