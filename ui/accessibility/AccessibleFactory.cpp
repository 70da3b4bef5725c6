// The interfaces of the window's own widgets for a screen reader.
#include "ui/accessibility/AccessibleFactory.h"

#include "ui/accessibility/SceneAccessible.h"
#include "ui/painting/SceneCanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tarvelo {

namespace {

constexpr const char* kReadAs = "tarveloReadAs";

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    if (auto* canvas = qobject_cast<SceneCanvas*>(object)) {
        return new SceneAccessible(canvas);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(kReadAs).isValid()) {
        return new QAccessibleWidget(
            widget, static_cast<QAccessible::Role>(widget->property(kReadAs).toInt()));
    }
    return nullptr;
}

} // namespace

void ReadAs(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kReadAs, static_cast<int>(role));
    // With a screen reader listening from the start, the widget may have been given its class's
    // interface before it was marked: forget that one, so the next is made in the role given.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && made->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void InstallAccessibleFactory() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(MakeInterface);
}

} // namespace tarvelo
