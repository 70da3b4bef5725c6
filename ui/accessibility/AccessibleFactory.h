// Tells Qt's accessibility which interface each of the window's own widgets has: the scene as
// a list of pans and pieces, the palette pictures and the "i" as buttons, the main window as the
// window, the frame around the scene as a mere group, the announcer as a notification.
#pragma once

#include <QAccessible>

class QWidget;

namespace tarvelo {

// The widget is read in `role` by a screen reader.
void ReadAs(QWidget* widget, QAccessible::Role role);
inline void ReadAsButton(QWidget* widget) {
    ReadAs(widget, QAccessible::Button);
}

// Installs the interfaces; harmless to call more than once.
void InstallAccessibleFactory();

} // namespace tarvelo
