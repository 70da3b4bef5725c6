// Tells Qt's accessibility which interface each of the window's own widgets has: the scene as
// a list of pans and pieces, the palette pictures and the "i" as buttons.
#pragma once

class QWidget;

namespace tarvelo {

// The widget is read as a button by a screen reader.
void ReadAsButton(QWidget* widget);

// Installs the interfaces; harmless to call more than once.
void InstallAccessibleFactory();

} // namespace tarvelo
