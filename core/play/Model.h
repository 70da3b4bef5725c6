// The state of the main window without any window: its parts, each owning its data, and the
// window's events, which are the operations that touch more than one part.
//
// The parts are the scene (core/scene), the pointer (core/pointer), the keyboard's cursor and
// what it carries (core/keyboard), the comparison sign and equation line (core/balance), the
// window's own controls (core/controls) and what the scene drawing paints (core/drawing). The
// window reads them and copies them onto its widgets after each event. Every variable and operation
// keeps the name the window uses for it.
#pragma once

#include "core/base/Rest.h"
#include "core/play/History.h"
#include "core/play/KeyboardPlay.h"
#include "core/play/PointerState.h"
#include "core/play/WindowControls.h"
#include "core/world/EquationDisplay.h"
#include "core/world/Scene.h"
#include "core/world/SceneDrawing.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarvelo {

struct Problem;

class Model {
  public:
    Scene scene;
    PointerState pointer;
    KeyboardPlay keyboard;
    EquationDisplay equation;
    WindowControls controls;
    SceneDrawing drawing;

    // Grows with every change to any part: equal counts before and after a tick mean the tick
    // changed nothing.
    std::uint64_t Changes() const {
        return scene.Changes() + pointer.Changes() + keyboard.Changes() + equation.Changes() +
               controls.Changes() + drawing.Changes();
    }

    // ---- Hooks to the platform ----
    // Serves pending events (timer ticks, input) while the scene empties itself; must let time
    // pass, or the wait never ends.
    std::function<void()> processPendingEvents;
    // Seconds since midnight, with their fraction, for seeding the random values of X and Y.
    std::function<double()> secondsSinceMidnight;
    // The modal prompt: title, prompt text (lines separated by CR LF), default text; returns
    // what was typed, or nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText)>
        inputBox;
    // Tells the user that `answer` for the unknown X or Y was refused, and why.
    std::function<void(PieceKind unknownKind, const std::string& answer)> unknownValueRefused;

    // ---- Start-up ----
    void Form_Initialize() { controls.Form_Initialize(); }
    // Rebuilds the scene: two empty pans on the level line, new X and Y, "=" between the pans.
    void Form_Load();
    // Puts a problem read from the file `sFileName` into a freshly built scene: the file's X, Y
    // and pieces. Draws nothing; the next ticks bring the scene up to date.
    void LoadProblem(const Problem& problem, const std::string& sFileName);
    // The one way a problem enters a freshly built scene: the problem read from `sFileName`
    // (none: the scene stays empty) and the program mode `mode`, with the buttons it shows.
    void PutProblem(const Problem* problem, const std::string& sFileName, ProgramMode mode);
    void RandomXYvalues();

    // ---- The scene's table ----
    // Appends an object and draws the scene with it; false (and nothing added) for a kind that
    // has no picture.
    bool AddObject(PieceKind objType, double startX, double StartY);
    // Removes an object; the pointer's selection follows the piece it names.
    void RemoveBlock(std::int32_t nObj);
    // Lets every object fall out of the scene and waits until only the two pans are left. Returns
    // false, without waiting, when another such wait is already running further down the call
    // stack: the caller must then drop its scene reset, or the outer wait could never end.
    bool CleanProblem();
    bool IsCleaning() const { return cleaning_; }
    void RefreshObjects() { drawing.RefreshObjects(scene, controls.showSolution()); }
    // The piece the pointer holds, or none.
    std::int32_t HeldPiece() const { return pointer.HeldPiece(scene.objCount()); }

    // ---- The three timers ----
    void RefreshReality();
    void realityTimer_Timer();
    void UpdateBalance();
    void balanceTimer_Timer() { UpdateBalance(); }
    // The pointer tick, given where the pointer is in the scene's client pixels.
    void MouseTimer_Timer(float cursorX, float cursorY);

    // ---- Buttons ----
    void Command1_Click();

    // ---- Pointer ----
    // Buttons as pointer events give them: in a move, the sum of those held down; in a press or
    // release, the one that changed.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;

    // A press on the palette picture of kind `Index`, at (X, Y) in the picture's own pixels.
    void img_MouseDown(PieceKind Index, int Button, int Shift, float X, float Y);
    // Takes an answer to the prompt for the unknown X or Y: a whole number from 0 to 9.
    // False, and nothing changed, when it was refused.
    bool SetUnknownFromAnswer(PieceKind unknownKind, const std::string& answer);
    void dragImg_MouseMove(int Button, int Shift, float X, float Y);
    void dragImgInt_MouseMove(int Button, int Shift, float X, float Y);
    void pictDraw_MouseMove(int Button, int Shift, float X, float Y);
    void pictDraw_MouseDown(int Button, int Shift, float X, float Y);
    void pictDraw_MouseUp(int Button, int Shift, float X, float Y);

    // ---- Undo ----
    // Back to the scene as it was at rest before the last action, or forward again; false when
    // there is no such step (or it would leave problem mode) or the scene is being emptied.
    bool Undo();
    bool Redo();
    const History& history() const { return history_; }

    // ---- Keyboard ----
    // The keyboard does what the pointer does, through the same steps: a copy picked up from
    // the palette and dropped, a scene piece picked up, carried and put down. While it carries
    // something, its point stands in for the pointer's at the pointer tick.
    //
    // `key` on the palette picture of kind `kind`; `fine` (Shift) moves by 5 pixels instead of
    // a piece's size. True when the key did something here.
    bool PaletteKey(PieceKind kind, Key key, bool fine);
    // `key` on the scene, where the keyboard's cursor picks out a piece.
    bool SceneKey(Key key, bool fine);
    // What the keyboard carries: nothing once the pointer took it over or it is gone.
    KeyboardPlay::Carrying KeyboardCarrying() const;
    // The keyboard's focus left what it carries: a copy goes back, a piece is put down.
    void KeyboardFocusLost();

  private:
    // One of the user's actions starts changing the scene: the scene's last rest becomes a
    // step to undo.
    void BeginAction() { history_.BeginAction(); }
    // After each reality step: a scene at rest, nothing held or carried, is kept as the state
    // the next action can be undone to.
    void NoteRestForUndo();
    SceneState CaptureState() const { return {scene, equation, controls}; }
    // Undo or redo, as `move` of the history says.
    bool Step(std::optional<SceneState> (History::*move)(SceneState));
    void RestoreState(const SceneState& state);

    // Moves what the keyboard carries so that its top-left corner is at (x, y), as the pointer
    // tick would.
    void CarryTo(float x, float y);
    // Where a carried thing of `width` goes over a pan: centred on it.
    float OverPan(std::int32_t pan, std::int32_t width) const;
    // How high a copy of `height` hovers over the place where it would land, left at `x`.
    float HoverTop(float x, std::int32_t width, std::int32_t height) const;
    bool CopyKey(Key key, bool fine);
    bool CarriedPieceKey(Key key, bool fine);
    bool CursorKey(Key key);
    void PutDownCarriedPiece();

    bool cleaning_ = false;
    History history_;
    RestWatch undoRest_;
    std::int64_t realityMs_ = 0;   // reality steps run, in timer time
    std::uint64_t restKeptAt_ = 0; // the change count of the rest last kept
};

} // namespace tarvelo
