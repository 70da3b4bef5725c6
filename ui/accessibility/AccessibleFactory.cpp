// The interfaces of the window's own widgets for a screen reader.
#include "ui/accessibility/AccessibleFactory.h"

#include "ui/accessibility/SceneAccessible.h"
#include "ui/window/SceneCanvas.h"

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
}

void InstallAccessibleFactory() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(MakeInterface);
}

} // namespace tarvelo
