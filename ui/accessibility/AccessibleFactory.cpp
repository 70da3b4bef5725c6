// The interfaces of the window's own widgets for a screen reader.
#include "ui/accessibility/AccessibleFactory.h"

#include "ui/accessibility/SceneAccessible.h"
#include "ui/window/SceneCanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tarvelo {

namespace {

constexpr const char* kReadAsButton = "tarveloReadAsButton";

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    if (auto* canvas = qobject_cast<SceneCanvas*>(object)) {
        return new SceneAccessible(canvas);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(kReadAsButton).toBool()) {
        return new QAccessibleWidget(widget, QAccessible::Button);
    }
    return nullptr;
}

} // namespace

void ReadAsButton(QWidget* widget) {
    widget->setProperty(kReadAsButton, true);
    // With a screen reader listening from the start, the widget may have been given its class's
    // interface (a label's) before it was marked: forget that one, so the next is a button.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && made->role() != QAccessible::Button) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void InstallAccessibleFactory() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(MakeInterface);
}

} // namespace tarvelo
