// The main window's events by the window's own names, with its rules for which button does what:
// the one adapter from those events to the model's verbs. The tests of the window's exact
// behaviour play through it; the program's own input goes to the verbs directly.
#pragma once

#include "core/play/Model.h"

#include <cstdint>

namespace tarvelo {

// A pointer button as the window's pointer events give it.
enum class PointerButton : int { None = 0, Left = 1, Right = 2, Middle = 4 };

class WindowEvents {
  public:
    explicit WindowEvents(Model& model) : model_(model) {}

    // ---- Start-up ----
    void Form_Initialize() { model_.InitializeControls(); }
    void Form_Load() { model_.NewScene(); }

    // ---- The three timers' handlers, outside any clock: no rest is watched ----
    void realityTimer_Timer() { model_.StepReality(); }
    void balanceTimer_Timer() { model_.WeighBalance(); }
    // The pointer tick, given where the pointer is in the scene's client pixels.
    void MouseTimer_Timer(float cursorX, float cursorY) { model_.FollowPointer(cursorX, cursorY); }

    // ---- Buttons ----
    void Command1_Click() { model_.ToggleSolution(); }

    // ---- Pointer: `Button` is the one that changed in a press or release, and the one held
    // (None: none) in a move; `Shift` is never read ----
    // A press on the palette picture of kind `Index`, at (X, Y) in the picture's own pixels: the
    // left button picks up a copy, the right one asks for the value of X or Y.
    void img_MouseDown(PieceKind Index, PointerButton Button, int Shift, float X, float Y);
    // The first move of a carried copy with no button held drops it.
    void dragImg_MouseMove(PointerButton Button, int Shift, float X, float Y);
    void dragImgInt_MouseMove(PointerButton Button, int Shift, float X, float Y);
    void pictDraw_MouseMove(PointerButton Button, int Shift, float X, float Y);
    // Left: grab the framed piece; right: remove it.
    void pictDraw_MouseDown(PointerButton Button, int Shift, float X, float Y);
    // Left: let go of the held piece.
    void pictDraw_MouseUp(PointerButton Button, int Shift, float X, float Y);

  private:
    Model& model_;
};

} // namespace tarvelo
