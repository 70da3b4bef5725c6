// The state of the main window without any window: its parts, each owning its data, and the
// program's verbs, which are the operations that touch more than one part.
//
// The parts are the scene, the comparison sign and equation line and what the scene drawing
// paints (core/world), and the pointer, the keyboard's cursor and what it carries, and the
// window's own controls (core/play). The window reads them and copies them onto its widgets after
// each verb. The pointer, the keyboard and the command line all end in the same verbs;
// core/play/WindowEvents keeps the window's own event names and button rules as one adapter over
// them.
#pragma once

#include "core/base/Rest.h"
#include "core/base/WindowTimers.h"
#include "core/play/History.h"
#include "core/play/KeyboardPlay.h"
#include "core/play/PanMoves.h"
#include "core/play/PointerState.h"
#include "core/play/SoundCue.h"
#include "core/play/Trail.h"
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
    Trail trail;

    // Grows with every change to any part: equal counts before and after a tick mean the tick
    // changed nothing.
    std::uint64_t Changes() const {
        return scene.Changes() + pointer.Changes() + keyboard.Changes() + equation.Changes() +
               controls.Changes() + drawing.Changes() + trail.Changes();
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
    // Tells the user that an action on one pan was refused while the pans are locked, and why.
    std::function<void(const MoveOutcome& outcome)> twinRefused;
    // Asks for a sound as something happens (see SoundCue); nothing is heard without it.
    std::function<void(const SoundCue& cue)> soundCue;

    // ---- Start-up ----
    // The window's controls as the program starts: captions, buttons, free play.
    void InitializeControls() { controls.Initialize(); }
    // Rebuilds the scene: two empty pans on the level line, new X and Y, "=" between the pans.
    // What a check showed ends with the scene it checked; the user's own Show solution stays.
    void NewScene();
    // Puts a problem read from the file `sFileName` into a freshly built scene: the file's X, Y
    // and pieces. Draws nothing; the next ticks bring the scene up to date.
    void LoadProblem(const Problem& problem, const std::string& sFileName);
    // The one way a problem enters a freshly built scene: the problem read from `sFileName`
    // (none: the scene stays empty) and the program mode `mode`, with the buttons it shows.
    void PutProblem(const Problem* problem, const std::string& sFileName, ProgramMode mode);
    // A lesson or a challenge, put in as a problem in problem mode under `name`, with its
    // answers hidden whatever the scene before showed: a child starts it not knowing X.
    void PutTask(const Problem& problem, const std::string& name);
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

    // ---- Time ----
    // One tick of `timer` at `nowMs` of the driver's timer time, the pointer at (pointerX,
    // pointerY) in the scene's client pixels; then the rest watch sees the state, and a scene
    // come to rest is kept for undo. The window's timers and the virtual clock both tick here.
    void Tick(WindowTimer timer, std::int64_t nowMs, float pointerX, float pointerY);
    // The falling step: every free piece falls, what left the scene goes, the hover follows.
    void StepReality();
    // Weighs the pans, sets the sign, moves the pans a pixel and writes the equation line.
    void WeighBalance();
    // The pointer tick: the drag boxes and a held piece follow the pointer (or the keyboard).
    void FollowPointer(float cursorX, float cursorY);

    // ---- Rest ----
    // Whether the scene is at rest, as the last tick left it (see core/base/Rest.h), and when
    // its state last changed. The window's sleeping timers, the screen reader's announcements,
    // undo and settling all read this one watch.
    // Anything changed since the watch last saw the state (a verb, a file) is no rest.
    bool AtRest() const { return atRest_ && MotionChanges() == changesAtTick_; }
    std::int64_t LastChangeMs() const { return rest_.LastChangeMs(); }
    // Watches for rest afresh from `nowMs`: from the state as it is now, or (`fromNextTick`)
    // from the state the next tick leaves, as after the window's sleeping timers wake.
    void WatchRestFrom(std::int64_t nowMs, bool fromNextTick = false);
    // Shows the rest watch the state as it is at `nowMs`, between ticks: after input, so that a
    // change is timed when it was made rather than at the next tick.
    void WatchState(std::int64_t nowMs);

    // A move asked for was refused: heard as such (the verb has said why in its outcome).
    void NoteRefusal() { Cue({Sound::Refused}); }

    // ---- Verbs: the palette ----
    // Picks up a copy of the piece of `kind`, held at (grabX, grabY) of its picture; it follows
    // the pointer from the next tick. Nothing for a kind without a picture.
    void PickUpCopy(PieceKind kind, std::int32_t grabX, std::int32_t grabY);
    // Drops the copy being carried in: it becomes a piece where it is, if that is inside the
    // scene, and goes on top of what it overlaps before it falls.
    void DropCopy();
    // Asks for the value of X or Y (`kind`) through the prompt, in free play only.
    void AskUnknownValue(PieceKind kind);
    // Takes an answer to the prompt for the unknown X or Y: a whole number from 0 to 9.
    // False, and nothing changed, when it was refused.
    bool SetUnknown(PieceKind unknownKind, const std::string& answer);

    // ---- Verbs: scene pieces ----
    // The pointer is at (x, y): frames the piece under it, or follows the held one.
    void PointAt(float x, float y);
    // Holds the framed piece where the pointer at (x, y) grabbed it; the pointer tick carries it.
    void Grab(float x, float y);
    // Removes the framed piece, held or not; with the pans locked, its twin on the other pan
    // too, or nothing when there it has none (told through `twinRefused`).
    void RemoveFramed();
    // Lets go of the held piece; let go inside other pieces, it goes on top of them first.
    void LetGo();

    // ---- Verbs: the window's buttons ----
    // Shows the solution, or hides it again.
    void ToggleSolution();

    // ---- Verbs: moves on the pans ----
    // Each is one step to undo, and is made whole or not at all: a refused move changes nothing.
    // Pieces taken away leave what stood on them to fall; pieces added drop from just above
    // what the pan carries. Best made at rest, when every piece counts for the pan it lies on.
    //
    // The topmost piece of `kind` leaves each pan.
    MoveOutcome TakeFromBoth(PieceKind kind);
    // A piece of `kind` drops onto each pan.
    MoveOutcome AddToBoth(PieceKind kind);
    // A piece of `kind` drops onto pan `pan` (kLeftPan or kRightPan).
    MoveOutcome DropOnPan(std::int32_t pan, PieceKind kind);
    // The topmost piece of `kind` leaves pan `pan`.
    MoveOutcome TakeFromPan(std::int32_t pan, PieceKind kind);
    // On pan `pan`, the topmost cube `n` becomes the cubes `a` and `b` (a + b = n) in its
    // place, `b` on top of `a`.
    MoveOutcome SplitCube(std::int32_t pan, std::int32_t n, std::int32_t a, std::int32_t b);
    // On pan `pan`, the topmost cubes `a` and `b` become one cube a + b (at most 9) where the
    // lower of them was.
    MoveOutcome JoinCubes(std::int32_t pan, std::int32_t a, std::int32_t b);
    // Both pans are shared into `groups` equal groups and one is kept: each pan keeps its
    // lowest 1/groups of the X, of the Y, and cubes and smileys worth 1/groups of its number
    // value (the lowest that make it up). A cube bearing 0 counts for nothing and stays.
    MoveOutcome Share(std::int32_t groups);
    // The answer the balance shows, if it shows one (see SolvedUnknown).
    std::optional<SolvedUnknown> Solved() const;

    // ---- Verbs: solving ----
    // Puts back the problem the trail set out from (the scene as it is, before any move) with
    // X weighing `x` and Y weighing `y`, shown as the solution display shows them; the balance
    // then judges, and the trail ends with the line of values. Refused for a value outside
    // 0 to 9.
    MoveOutcome Check(std::int32_t x, std::optional<std::int32_t> y);
    // While the pans are locked, a copy dropped over one pan drops its twin on the other, and
    // a piece removed from one pan removes its twin from the other.
    void LockPans(bool locked) { pansLocked_ = locked; }
    bool PansLocked() const { return pansLocked_; }
    // A goal is set while a problem is open, or a solving set out with a move, and the balance
    // does not show the answer yet: a change to one pan then asks for the same on the other.
    bool SolvingGoal() const;

    // ---- Undo ----
    // Back to the scene as it was at rest before the last action, or forward again: the action
    // undone or redone; nothing when there is no such step (or it would leave problem mode) or
    // the scene is being emptied.
    std::optional<UndoAction> Undo();
    std::optional<UndoAction> Redo();
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
    // step to undo, and the action a step of the trail.
    void BeginAction(UndoAction action, ActionDetail detail = {});
    // The trail takes the action, setting out first if it is a move on the pans or a goal is
    // set; a new scene empties it.
    void NoteInTrail(UndoAction action, ActionDetail detail);
    // After each tick: the balance come to rest writes its equation into the trail.
    void NoteRestInTrail();
    // Removes the piece `nObj` as the user's action, with its twin while the pans are locked;
    // false, told through `twinRefused`, when the twin is missing. `follow`, a piece's number,
    // goes on naming the same piece as the removals renumber the table (none once removed).
    bool RemovePiece(std::int32_t nObj, std::int32_t& follow);
    // While the pans are locked, the pan that takes the twin of a copy of `kind` dropped with
    // its left edge at `left`: the other pan than the one it lands on; 0 for none.
    std::int32_t TwinPan(PieceKind kind, double left) const;
    // Drops a piece of `kind` onto pan `pan`, or tells through `twinRefused` there is no room.
    bool DropTwin(std::int32_t pan, PieceKind kind);
    // The change count the rest watch sees: the trail is written at rest and moves nothing.
    std::uint64_t MotionChanges() const { return Changes() - trail.Changes(); }
    // The kind of piece `nObj`, which an action names.
    UndoAction ActionOn(ActionVerb verb, std::int32_t nObj) const {
        return {verb, scene.obj(nObj).objKind};
    }
    // After each tick: a scene at rest, nothing held or carried, is kept as the state the next
    // action can be undone to.
    void NoteRestForUndo();
    // After each tick: the balance come to rest after the scene moved is heard, once.
    void CueRest();
    // Hands `cue` to soundCue, if anyone listens.
    void Cue(const SoundCue& cue) const {
        if (soundCue) {
            soundCue(cue);
        }
    }
    // Something is held, carried in or being emptied away: no rest to keep yet.
    bool Busy() const {
        return cleaning_ || HeldPiece() != kNoObject || pointer.dragImgInt().Visible;
    }
    // Nothing stays held or carried across a scene put in place whole: the pointer and the
    // keyboard start afresh.
    void LetGoOfEverything();
    SceneState CaptureState() const { return {scene, equation, controls, trail}; }
    // Undo or redo, as `move` of the history says.
    std::optional<UndoAction> Step(std::optional<History::Move> (History::*move)(SceneState));
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
    bool pansLocked_ = false;
    History history_;
    RestWatch rest_;
    bool atRest_ = false;             // as the last tick found it
    std::uint64_t changesAtTick_ = 0; // the change count the watch last saw
    std::uint64_t restKeptAt_ = 0;    // the change count of the rest last kept
    // The scene's change count at the rest last heard; none before the first.
    std::optional<std::uint64_t> restHeardAt_;
};

} // namespace tarvelo
