// Brings the main window's widgets up to the model's control properties: the sign and the
// equation, the frames and drag boxes, the buttons, and the scene's repaint.
#pragma once

#include "core/play/Model.h"

#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

namespace tarvelo {

class PictureBox;
class SceneCanvas;
class SelectionFrame;

class WidgetSync {
  public:
    // The widgets that show the model's control properties.
    struct Widgets {
        SceneCanvas* scene = nullptr;
        QLabel* lblComparison = nullptr;
        QLabel* lblEquazione = nullptr;
        SelectionFrame* selObj = nullptr;
        QLabel* lblMassa = nullptr;
        PictureBox* dragImg = nullptr;
        PictureBox* dragImgInt = nullptr;
        QPushButton* Command1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command3 = nullptr;
        QPushButton* Command4 = nullptr;
        QPushButton* Command5 = nullptr;
    };

    WidgetSync(const Model& model, Widgets widgets);

    // Copies what changed in the model's control properties onto the widgets, and asks the
    // scene for a repaint if the model drew something new. `afterInput`: right after the user's
    // own input, which the scene shows at the screen's full frame rate.
    void Sync(bool afterInput);

  private:
    // The control properties as last copied onto the widgets: only what changed is copied again,
    // so a still window does next to nothing on each tick.
    struct ShownControls {
        LabelState lblComparison;
        LabelState lblEquazione;
        ControlBox selObj;
        ControlBox lblMassa;
        ControlBox dragImg;
        ControlBox dragImgInt;
        ButtonState Command1, Command2, Command3, Command4, Command5;
    };

    // Each brings its widgets up to `shown`; `all`: every one of them, changed or not.
    void SyncTexts(ShownControls& shown, bool all);
    void SyncBoxes(ShownControls& shown, bool all);
    void SyncButtons(ShownControls& shown, bool all);
    // Whether the user is moving something: a held or carried piece, or a copy being dragged
    // in. The scene then keeps the screen's full frame rate.
    bool UserMovesSomething() const;

    const Model& model_;
    Widgets widgets_;
    std::optional<ShownControls> shown_;
};

} // namespace tarvelo
