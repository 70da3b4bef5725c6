// The notification that carries the window's sentences to a screen reader.
#include "ui/accessibility/Announcer.h"

#include "ui/accessibility/AccessibleFactory.h"

#include <QAccessible>

namespace tarvelo {

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("announcer"));
    // Nothing to see or to press: one transparent pixel in the corner, never the focus.
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    ReadAs(this, QAccessible::Notification);
    hide();
}

void Announcer::Say(const QString& text) {
    // A screen reader speaks a notification when it starts showing.
    hide();
    setAccessibleName(text);
    show();
    emit said(text);
}

} // namespace tarvelo
