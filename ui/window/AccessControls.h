// What the parts of the main window's keyboard and screen-reader access share: the controls they
// look after, and the one context their texts are translated in.
#pragma once

#include "ui/window/WindowInput.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace tarvelo {

class SceneCanvas;

struct AccessControls {
    PaletteBoxes palette;
    SceneCanvas* scene = nullptr;
    // The buttons from left to right, each with its shortcut.
    std::vector<std::pair<QPushButton*, QKeySequence>> buttons;
    QLabel* info = nullptr;
    QKeySequence infoShortcut;
    QLabel* sign = nullptr;
    QLabel* equation = nullptr;
};

// A text of the access, marked with QT_TRANSLATE_NOOP("tarvelo::AccessLayer", ...), translated:
// its translations have always kept them under that name.
inline QString AccessText(const char* text) {
    return QCoreApplication::translate("tarvelo::AccessLayer", text);
}

} // namespace tarvelo
