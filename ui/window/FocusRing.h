// The keyboard's focus on the main window: the order it goes through the controls, the palette's
// one stop that moves from picture to picture, and the frame that shows where the focus is.
#pragma once

#include "core/play/KeyboardPlay.h"
#include "ui/window/WindowInput.h"

#include <QRect>
#include <QSet>
#include <cstddef>
#include <optional>
#include <vector>

class QWidget;

namespace tarvelo {

class Model;
class PictureBox;
class SceneCanvas;
class SelectionFrame;

class FocusRing {
  public:
    FocusRing(QWidget* window, const Model& model, SceneCanvas* scene, PaletteBoxes palette);

    // The frame shows on `widget` whenever it has the focus.
    void Add(QWidget* widget);
    // The focus goes through the palette's pictures and then through `after`, in that order;
    // the palette is one stop, at its first picture.
    void SetOrder(const std::vector<QWidget*>& after);

    bool InPalette(const QWidget* widget) const;
    // Moves the palette's one focus stop from `box` one picture to the left or the right, or to
    // the first or the last picture, as `key` says. False, and nothing moved, for any other key.
    bool StepInPalette(const PictureBox* box, Key key);

    // Puts the frame around what has the focus: in the scene, around the piece held or under
    // the keyboard's cursor. Hidden while the focus is on none of the controls it frames.
    void Place();

  private:
    // Where the frame goes around `focused`, in the window's pixels.
    QRect FrameAround(const QWidget* focused) const;
    // Moves the palette's one focus stop from the picture at `from` to the one at `to`, if any.
    void MovePaletteFocus(std::size_t from, std::optional<std::size_t> to);

    QWidget* window_;
    const Model& model_;
    SceneCanvas* scene_;
    PaletteBoxes palette_;
    SelectionFrame* frame_;
    QSet<const QWidget*> framed_;
};

} // namespace tarvelo
