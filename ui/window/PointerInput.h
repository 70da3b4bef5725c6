// The pointer on the main window: what a move, a press or a release on the scene, the palette
// and the drag boxes does to the model, and where the last pointer event put the pointer.
#pragma once

#include "ui/window/WindowInput.h"

#include <QObject>
#include <QPointF>
#include <vector>

namespace tarvelo {

class Model;
class PointerSurface;
class SceneCanvas;

// Where a pointer event happened, as the model measures it.
inline float ModelCoordinate(double coordinate) {
    return static_cast<float>(coordinate);
}

class PointerInput : public QObject {
    Q_OBJECT
  public:
    // The surfaces that take the pointer.
    struct Surfaces {
        SceneCanvas* scene = nullptr;
        PaletteBoxes palette;
        // The boxes of the copy dragged in, over the window and over the scene.
        std::vector<PointerSurface*> dragBoxes;
    };

    PointerInput(QObject* parent, Model& model, Surfaces surfaces, InputHandler handle);

    // Where the pointer is, in the pixels of the scene's client area, as the last pointer event
    // the program received put it: asking the display server on every tick would cost a round
    // trip a hundred times a second.
    QPointF LastInScene() const;

  protected:
    // Every pointer event anywhere in the program tells where the pointer is.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectScene();
    void ConnectPalette();
    void ConnectDragBoxes();

    Model& model_;
    Surfaces surfaces_;
    InputHandler handle_;
    QPointF lastOnScreen_; // global, as the last pointer event gave it
};

} // namespace tarvelo
