#include "ui/painting/PointerSurface.h"

#include <QMouseEvent>

namespace tarvelo {

PointerSurface::PointerSurface(QWidget* parent) : QWidget(parent) {
    // Moves with no button held matter too: the hover, and the drop of a dragged copy.
    setMouseTracking(true);
}

void PointerSurface::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position());
}

void PointerSurface::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->buttons(), event->position());
}

void PointerSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position());
}

} // namespace tarvelo
