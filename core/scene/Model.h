// The state of the main window and the operations on it, without any window.
//
// Every variable and operation keeps the name the window uses for it. The properties of the
// controls that the operations read and write (captions, the selection frame, the drag boxes,
// the buttons) are plain values here; the window copies them onto its widgets after each event.
// The operations are defined in the files of their concerns: the object table, contacts, placement
// and the reality step under core/scene/, the balance, drawing and equation line under
// core/balance/, the pointer under core/pointer/.
#pragma once

#include "core/scene/ContactMatrix.h"
#include "core/scene/OverlapIndex.h"
#include "core/scene/SceneObject.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

struct Problem;

// Terms of one side of the equation, entries 1 to 3 (0 unused): the sum of the number pieces,
// the count of X pieces, the count of Y pieces.
using Terms = std::array<std::int32_t, 4>;
constexpr std::size_t kConstantTerm = 1;
constexpr std::size_t kXTerm = 2;
constexpr std::size_t kYTerm = 3;

// A picture box or shape: position in its container's pixels, size, visibility.
struct ControlBox {
    float Left = 0;
    float Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool Visible = false;
    std::int32_t Picture = -1; // for picture boxes: the picture shown, -1 for none
    bool operator==(const ControlBox&) const = default;
};

struct LabelState {
    std::string Caption;
    float Left = 0;
    float Top = 0;
    std::int32_t Width = 0;
    bool operator==(const LabelState&) const = default;
};

struct ButtonState {
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    bool operator==(const ButtonState&) const = default;
};

// The coordinate system of the scene surface's client area, in pixels.
struct SurfaceScale {
    std::int32_t ScaleLeft = 0;
    std::int32_t ScaleTop = 0;
    std::int32_t ScaleWidth = 0;
    std::int32_t ScaleHeight = 0;
};

// One picture painted by the scene drawing: which picture, where its top-left corner goes.
struct DrawItem {
    std::int32_t picture = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const DrawItem&) const = default;
};

class Model {
  public:
    Model();

    // ---- Window-level variables ----
    std::int32_t objCount = 0;
    std::vector<SceneObject> objects; // indices 0..objCount; element 0 never holds an object
    std::int32_t xValue = 0;
    std::int32_t yValue = 0;
    ContactMatrix topContact;
    float leftPanLoad = 0;
    float rightPanLoad = 0;
    Terms sideTerms{};
    Terms leftTerms{};
    Terms rightTerms{};
    bool showSolution = false;
    std::int32_t programMode = 0;
    static constexpr std::int32_t kFreeMode = 0;
    static constexpr std::int32_t kProblemMode = 1;
    std::int32_t selectedObj = -1;
    bool draggingObj = false;
    float pointerX = 0; // pointer in the scene's client pixels, as its pointer events give it
    float pointerY = 0;
    std::int32_t grabX = 0;
    std::int32_t grabY = 0;
    std::int16_t dragKind = 0;
    std::string stProblemFile;

    // ---- Properties of the controls ----
    std::string Caption;
    SurfaceScale pictDraw;
    LabelState lblComparison;
    LabelState lblEquazione;
    ControlBox selObj;
    ControlBox lblMassa;
    ControlBox dragImg;    // on the window
    ControlBox dragImgInt; // on the scene surface
    ButtonState Command1;  // Show solution
    ButtonState Command2;  // New
    ButtonState Command3;  // Load
    ButtonState Command4;  // Save
    ButtonState Command5;  // Restart

    // ---- What the scene drawing painted last ----
    std::vector<DrawItem> drawList;
    // Grows whenever a redraw paints something different from the one before.
    std::uint64_t sceneRevision = 0;

    // The reality step looks up overlaps in a grid; off, it scans the whole table as the plain
    // rule says. Both give the same answers; tests and benchmarks compare them.
    bool useOverlapIndex = true;

    // ---- Hooks to the platform ----
    // Serves pending events (timer ticks, input) while the scene empties itself; must let time
    // pass, or the wait never ends.
    std::function<void()> processPendingEvents;
    // Seconds since midnight, with their fraction, for seeding the random values of X and Y.
    std::function<double()> secondsSinceMidnight;

    // ---- Object table ----
    SceneObject& obj(std::int32_t nObj) { return objects[static_cast<std::size_t>(nObj)]; }
    const SceneObject& obj(std::int32_t nObj) const {
        return objects[static_cast<std::size_t>(nObj)];
    }
    // Appends an object; false (and nothing added) for a kind that has no picture.
    bool AddObject(std::int32_t objType, double startX, double StartY);
    void RemoveBlock(std::int32_t nObj);
    // Lets every object fall out of the scene and waits until only the two pans are left. Returns
    // false, without waiting, when another such wait is already running further down the call
    // stack: the caller must then drop its scene reset, or the outer wait could never end.
    bool CleanProblem();
    bool IsCleaning() const { return cleaning_; }
    void RandomXYvalues();
    // floor(r x 10) for a draw r in [0, 1).
    static std::int32_t ValueFromDraw(double r);

    // ---- Contacts, overlap and moves ----
    void RefreshObjTopContact();
    std::int32_t CheckOverlap(std::int32_t objIndex, double objX, double objY, double objW,
                              double objH) const;
    void MoveObjects(std::int32_t nObj, double shiftX, double shiftY);
    void Event_Jump_Up_All();

    // ---- Keeping boxes apart ----
    // Whether piece `nObj`, falling from where it stands to the height `newY`, would run into
    // or pass through an object whose top edge lies lower than its own.
    bool FallBlocked(std::int32_t nObj, double newY) const;
    // Lifts every free piece that overlaps another object straight up until it overlaps none,
    // the lowest first, and `placed` (a piece just dropped or let go, or -1) after all the
    // others, so that it ends on top of whatever it overlapped. The piece held by the pointer
    // is left where it is and lifts nothing. True when anything moved.
    bool LiftClearOfOverlaps(std::int32_t placed = -1);
    // Whether moving pan `nPan` by `shiftY` pixels, with what it carries when the move is level
    // or upward, would push into an object it does not carry.
    bool PanMoveCollides(std::int32_t nPan, double shiftY);
    // Whether the balance's move, the left pan by `leftShiftY` and the right pan the opposite
    // way, would make either pan push into something it does not carry.
    bool BalanceMoveCollides(double leftShiftY);
    // The pan whose load object `nObj` counts in (1 or 2), or -1 when it rests on neither.
    std::int32_t PanCarrying(std::int32_t nObj) const;

    // ---- Reality step ----
    void RefreshReality();
    void realityTimer_Timer();

    // ---- Balance ----
    float GetTotalMass(std::int32_t nObj);
    void UpdateBalance();
    void balanceTimer_Timer() { UpdateBalance(); }
    // Where the pans stand apart when at rest for a load difference d (left minus right).
    std::int32_t BalanceTarget(float d) const;

    // ---- Presentation ----
    void RefreshObjects();
    // The picture an object is drawn with, or -1 for none.
    std::int32_t PictureIndexFor(const SceneObject& o) const;
    void UpdateEquazione();
    static std::string SideText(const Terms& t);
    void UpdateProgramMode();
    void Command1_Click();

    // ---- Pointer ----
    // Buttons as pointer events give them: in a move, the sum of those held down; in a press or
    // release, the one that changed.
    static constexpr int kLeftButton = 1;
    static constexpr int kRightButton = 2;
    static constexpr int kMiddleButton = 4;

    // A press on the palette picture of kind `Index`, at (X, Y) in the picture's own pixels.
    void img_MouseDown(int Index, int Button, int Shift, float X, float Y);
    // The modal prompt: title, prompt text (lines separated by CR LF), default text; returns
    // what was typed, or nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText)>
        inputBox;
    // Takes an answer to the prompt for X (kind 11) or Y (kind 12): a whole number from 0 to 9.
    // False, and nothing changed, when it was refused.
    bool SetUnknownFromAnswer(std::int32_t unknownKind, const std::string& answer);
    // Tells the user that `answer` for X (kind 11) or Y (kind 12) was refused, and why.
    std::function<void(std::int32_t unknownKind, const std::string& answer)> unknownValueRefused;
    void dragImg_MouseMove(int Button, int Shift, float X, float Y);
    void dragImgInt_MouseMove(int Button, int Shift, float X, float Y);

    std::int32_t FindObjectByPosition(float mX, float mY) const;
    void pictDraw_MouseMove(int Button, int Shift, float X, float Y);
    void pictDraw_MouseDown(int Button, int Shift, float X, float Y);
    void pictDraw_MouseUp(int Button, int Shift, float X, float Y);
    // The pointer tick, given where the pointer is in the scene's client pixels.
    void MouseTimer_Timer(float cursorX, float cursorY);
    bool HasValidSelection() const { return selectedObj >= 1 && selectedObj <= objCount; }

    // Changes whenever anything that a tick can change has changed: equal fingerprints before
    // and after a tick mean the tick did nothing.
    std::uint64_t Fingerprint() const;

    // ---- Start-up ----
    void Form_Initialize();
    // Rebuilds the scene: two empty pans on the level line, new X and Y, "=" between the pans.
    void Form_Load();
    // Puts a problem read from the file `sFileName` into a freshly built scene: the file's X, Y
    // and pieces. Draws nothing; the next ticks bring the scene up to date.
    void LoadProblem(const Problem& problem, const std::string& sFileName);
    // The one way a problem enters a freshly built scene: the problem read from `sFileName`
    // (none: the scene stays empty) and the program mode `mode`, with the buttons it shows.
    void PutProblem(const Problem* problem, const std::string& sFileName, std::int32_t mode);

    // The level line of the pans: 0.7 of the scene's height from its top.
    std::int32_t LevelLine() const;

  private:
    // Whether `accept(i)` holds for some object i whose box overlaps the box from (x0, y0) to
    // (x1, y1), looked up in the grid while it is built and by a scan of the table otherwise.
    template <typename Accept>
    bool AnyObjectOverlapping(double x0, double y0, double x1, double y1, Accept&& accept) const {
        if (overlapIndex_.Active()) {
            return overlapIndex_.AnyOverlap(objects, x0, y0, x1, y1, accept);
        }
        for (std::int32_t i = 1; i <= objCount; ++i) {
            if (OverlapsBox(obj(i), x0, y0, x1, y1) && accept(i)) {
                return true;
            }
        }
        return false;
    }
    // The piece the pointer holds, or -1.
    std::int32_t HeldPiece() const { return draggingObj && HasValidSelection() ? selectedObj : -1; }
    friend class OverlapIndexScope;

    struct ObjectTop {
        std::int32_t top;
        std::int32_t index;
        auto operator<=>(const ObjectTop&) const = default;
    };
    std::vector<ObjectTop> byTop_;    // objects ordered by top edge, for the contacts
    std::vector<std::int32_t> order_; // scratch lists of object numbers
    std::vector<char> marks_;         // scratch flags by object number
    OverlapIndex overlapIndex_;       // built for the motion pass, a placement or a pan move check
    bool cleaning_ = false;
    std::vector<DrawItem> nextDrawList_;
};

} // namespace tarvelo
