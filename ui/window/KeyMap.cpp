// What each key press means to the palette and the scene.
#include "ui/window/KeyMap.h"

#include <QKeyEvent>

namespace tarvelo {

std::optional<Key> KeyOf(const QKeyEvent& event) {
    // Shift+F10 is the keyboard's right click.
    if (event.key() == Qt::Key_F10 && event.modifiers().testFlag(Qt::ShiftModifier)) {
        return Key::AskValue;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt; // shortcuts, not moves
    }
    switch (event.key()) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return Key::Activate;
    case Qt::Key_Escape:
        return Key::Cancel;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_F2:
    case Qt::Key_Menu:
        return Key::AskValue;
    default:
        return std::nullopt;
    }
}

bool Fine(const QKeyEvent& event) {
    return event.modifiers().testFlag(Qt::ShiftModifier);
}

bool IsActivation(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
           event.key() == Qt::Key_Space;
}

} // namespace tarvelo
