// The scene: the object table with the two pans, who rests on whom, the falling step, keeping
// boxes apart, the hidden values of X and Y, and what each pan weighs.
//
// Every operation that changes the scene is a member and counts its change, so the window can
// tell a scene at rest without listing what it holds. The names are those the window uses.
#pragma once

#include "core/base/ChangeCounter.h"
#include "core/world/ContactMatrix.h"
#include "core/world/OverlapIndex.h"
#include "core/world/SceneObject.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelo {

struct Problem;

// The pans are always objects 1 and 2 of the table; pieces follow from 3 on.
constexpr std::int32_t kLeftPan = 1;
constexpr std::int32_t kRightPan = 2;
constexpr std::int32_t kPanCount = 2;
constexpr std::int32_t kFirstPiece = 3;

// The terms of one side of the equation.
struct Terms {
    std::int32_t constant = 0; // what the number cubes bear and the smileys count, summed
    std::int32_t x = 0;        // how many X
    std::int32_t y = 0;        // how many Y
    bool operator==(const Terms&) const = default;
};

// The coordinate system of the scene surface's client area, in pixels.
struct SurfaceScale {
    std::int32_t ScaleLeft = 0;
    std::int32_t ScaleTop = 0;
    std::int32_t ScaleWidth = 0;
    std::int32_t ScaleHeight = 0;
};

// The longest the pans wait for a loaded file's pieces, in falling steps (ten seconds of scene
// time). A scene saved at rest lands within a second or two: the loading lift takes 35 steps to
// fall, and a stack whose higher pieces come first in the table falls a little slower. The wait
// ends when everything lies still; this bound only keeps a file that is far from at rest from
// holding the pans long after pieces landed on them.
constexpr std::int32_t kLandingHoldSteps = 1000;
// Once every piece lies still, the pans wait this many falling steps more: the balance tilts by
// the loads it weighed at its tick before, and its ticks come every five steps, so two of them
// pass and the pans never start by the loads of pieces still in the air.
constexpr std::int32_t kLandingWeighingSteps = 10;
// The speed (pixels per reality step) a piece must fall faster than for its stop to count as a
// landing, about a fall from 10 pixels: a piece riding on a sinking pan, or dropping back after
// the weighing lifts it, catches up with the pan slower than this and is not heard again.
constexpr double kLandingSpeed = 3;

// "No object", for the piece held by the pointer and for a piece just placed.
constexpr std::int32_t kNoObject = -1;

class Scene : public ChangeCounter {
  public:
    Scene();

    // ---- Reading ----
    std::int32_t objCount() const { return objCount_; }
    // Indices 0..objCount; element 0 never holds an object.
    const std::vector<SceneObject>& objects() const { return objects_; }
    const SceneObject& obj(std::int32_t nObj) const {
        return objects_[static_cast<std::size_t>(nObj)];
    }
    std::int32_t xValue() const { return xValue_; }
    std::int32_t yValue() const { return yValue_; }
    const ContactMatrix& topContact() const { return topContact_; }
    // The pans' loads as the balance tilts by them: copied after each reality step.
    float leftPanLoad() const { return leftPanLoad_; }
    float rightPanLoad() const { return rightPanLoad_; }
    // The terms on each pan at the last weighing.
    const Terms& leftTerms() const { return leftTerms_; }
    const Terms& rightTerms() const { return rightTerms_; }
    const SurfaceScale& pictDraw() const { return pictDraw_; }
    // The level line of the pans: 0.7 of the scene's height from its top.
    std::int32_t LevelLine() const;
    // Where the pans stand apart when at rest for a load difference d (left minus right).
    std::int32_t BalanceTarget(float d) const;
    // The tilt of the pans (the left pan's height less the right one's) for the largest load
    // difference; no load tilts them further.
    std::int32_t FullTilt() const;
    // Whether the pans wait where a loaded file's pieces were saved until those pieces landed.
    bool PansWaitForLanding() const { return landingStepsLeft_ > 0; }

    // ---- Changing one object by hand (tests and hand-made scenes) ----
    SceneObject& Edit(std::int32_t nObj) {
        NoteChange();
        overlapIndex_.Clear(); // the box may change: the grid is built again when next needed
        return objects_[static_cast<std::size_t>(nObj)];
    }

    // ---- Object table ----
    // An empty table, then the two pans, and no contacts.
    void ResetToPans();
    // Both pans on the level line.
    void PutPansOnLevelLine();
    // Appends an object; false (and nothing added) for a kind that has no picture.
    bool AddObject(PieceKind objType, double startX, double StartY);
    void RemoveBlock(std::int32_t nObj);
    // The pans and the problem's X, Y and pieces, each piece lifted by the loading lift above
    // its saved place and then clear of whatever it overlaps.
    void LoadPieces(const Problem& problem);
    // The scene as a problem to save: X, Y and every piece but the pans, in table order.
    Problem SavedProblem() const;
    // Nothing holds any more, not even the pans: everything falls out of the scene.
    void LetEverythingFall();
    // The hidden values of X and Y as given, with nothing else changed.
    void SetXYvalues(std::int32_t x, std::int32_t y) {
        Set(xValue_, x);
        Set(yValue_, y);
    }
    // New values of X and Y drawn from a generator seeded with the time of day.
    void RandomXYvalues(double secondsSinceMidnight);
    // floor(r x 10) for a draw r in [0, 1).
    static std::int32_t ValueFromDraw(double r);
    // Gives the unknown X or Y the value v, and its pieces that mass; everything but the held
    // piece then jumps and falls again, so that the balance weighs anew.
    void SetUnknownValue(PieceKind unknownKind, std::int32_t v, std::int32_t held);

    // ---- Contacts, overlap and moves ----
    void RefreshObjTopContact();
    std::int32_t CheckOverlap(std::int32_t objIndex, double objX, double objY, double objW,
                              double objH) const;
    // The last object in table order whose box, edges included, holds the point.
    std::int32_t FindObjectByPosition(float mX, float mY) const;
    void MoveObjects(std::int32_t nObj, double shiftX, double shiftY);
    void Event_Jump_Up_All(std::int32_t held = kNoObject);

    // ---- Keeping boxes apart ----
    // Whether piece `nObj`, falling from where it stands to the height `newY`, would run into
    // or pass through an object whose top edge lies lower than its own.
    bool FallBlocked(std::int32_t nObj, double newY) const;
    // Lifts every free piece that overlaps another object straight up until it overlaps none,
    // the lowest first, and `placed` (a piece just dropped or let go, or none) after all the
    // others, so that it ends on top of whatever it overlapped. The piece `held` by the pointer
    // is left where it is and lifts nothing. True when anything moved.
    bool LiftClearOfOverlaps(std::int32_t placed = kNoObject, std::int32_t held = kNoObject);
    // Whether moving pan `nPan` by `shiftY` pixels, with what it carries when the move is level
    // or upward, would push into an object it does not carry (the held piece aside).
    bool PanMoveCollides(std::int32_t nPan, double shiftY, std::int32_t held = kNoObject);
    // Whether the balance's move, the left pan by `leftShiftY` and the right pan the opposite
    // way, would make either pan push into something it does not carry.
    bool BalanceMoveCollides(double leftShiftY, std::int32_t held = kNoObject);
    // Lists in `moving` what moving pan `nPan` by `shiftY` takes along, and in `obstacles` (when
    // given; else the search stops at the first) every object that stops the move. True when
    // anything does.
    bool PanMoveObstacles(std::int32_t nPan, double shiftY, std::int32_t held,
                          std::vector<std::int32_t>& moving, std::vector<std::int32_t>* obstacles);
    // Clears the way for the balance's move (the left pan by `leftShiftY`, the right pan the
    // opposite way): a piece in the way that counts for the other pan slides towards the middle
    // of that pan until it is clear of the rising stack, taking along what stands on it, and then
    // falls onto its own pan's pieces. True when anything moved; the pans move at a later tick.
    bool MakeWayForBalance(double leftShiftY, std::int32_t held = kNoObject);
    // The pan whose load object `nObj` counts in (1 or 2), or -1 when it rests on neither.
    std::int32_t PanCarrying(std::int32_t nObj) const;

    // ---- Reality step ----
    // Motion: every piece that is neither fixed nor held falls unless on its way down it would
    // run into an object lying lower. Later pieces see the moves of earlier ones.
    void FallStep(std::int32_t held);
    // The pieces that landed in the last falling step: stopped by what lay below them after
    // falling faster than kLandingSpeed, and the speed of the hardest of them.
    struct Landings {
        std::int32_t count = 0;
        double hardest = 0; // pixels per reality step
        bool operator==(const Landings&) const = default;
    };
    const Landings& LastLandings() const { return landings_; }
    // Whether object `nObj` has its top edge below the scene and is to be deleted.
    bool FellOutOfScene(std::int32_t nObj) const;
    // Whether object `nObj` is a piece lying wholly above the scene, out of sight.
    bool AboveScene(std::int32_t nObj) const;
    // The balance acts on these copies of the pans' loads at its next tick.
    void CopyPanLoads();

    // ---- Balance ----
    // The mass of `nObj` and of everything resting on it, however high the stack, adding what
    // each piece counts for to `sideTerms`.
    float GetTotalMass(std::int32_t nObj, Terms& sideTerms) const;
    // Weighs both pans, keeping the terms of each side for the equation line.
    void WeighPans();
    // Centres each pan in its half of the scene; pieces on them are not moved by this.
    void CentrePans();
    // One pixel per pan towards `target`, unless that would push a pan into something it does
    // not carry; then a piece of the other pan in the way makes way instead.
    void TiltPansTowards(std::int32_t target, std::int32_t held);

    // The reality step looks up overlaps in a grid; off, it scans the whole table as the plain
    // rule says. Both give the same answers; tests and benchmarks compare them.
    bool useOverlapIndex() const { return useOverlapIndex_; }
    void SetUseOverlapIndex(bool on) {
        useOverlapIndex_ = on;
        overlapIndex_.Clear();
    }

  private:
    SceneObject& object(std::int32_t nObj) { return objects_[static_cast<std::size_t>(nObj)]; }
    // Where piece `j`, in the way of `moving` (a pan's move by `shiftY`), can slide to over its
    // own pan: the nearest left edge towards that pan's middle at which it meets nothing; none
    // when there is no such place over the pan.
    std::optional<std::int64_t> SlideTarget(std::int32_t j, double shiftY,
                                            const std::vector<std::int32_t>& moving,
                                            std::int32_t held);
    // Slides piece `j` out of the way of pan `nPan`'s move when it counts for the other pan;
    // true when it moved.
    bool SlideOutOfTheWay(std::int32_t j, std::int32_t nPan, double shiftY,
                          const std::vector<std::int32_t>& moving, std::int32_t held);
    // How far below the level line the left pan stood (and the right one above it) when the
    // pieces of the table, at the places a file gives them, were saved at rest; none when they
    // lie on neither pan.
    std::optional<std::int32_t> SavedPanDrop() const;
    // Puts the pans back where they stood when the file was saved, `drop` apart from the level
    // line, and keeps them there until the pieces landed.
    void HoldPansForLanding(std::int32_t drop);
    // Counts a falling step towards the end of the pans' wait, which ends soon after a step in
    // which nothing moved: every piece lies where it landed.
    void CountLandingStep(bool anythingMoved);
    // Orders byTop_ by top edge, then by number.
    void SortByTop();
    // Puts object `nObj`'s top-left corner at (x, y), keeping the overlap grid up to date.
    void PlaceAt(std::int32_t nObj, std::int32_t x, std::int32_t y);
    // Whether `accept(i)` holds for some object i whose box overlaps the box from (x0, y0) to
    // (x1, y1), looked up in the grid while it is built and by a scan of the table otherwise.
    template <typename Accept>
    bool AnyObjectOverlapping(double x0, double y0, double x1, double y1, Accept&& accept) const {
        if (overlapIndex_.Active()) {
            return overlapIndex_.AnyOverlap(objects_, x0, y0, x1, y1, accept);
        }
        for (std::int32_t i = 1; i <= objCount_; ++i) {
            if (OverlapsBox(obj(i), x0, y0, x1, y1) && accept(i)) {
                return true;
            }
        }
        return false;
    }
    friend class OverlapIndexScope;

    std::int32_t objCount_ = 0;
    std::vector<SceneObject> objects_;
    std::int32_t xValue_ = 0;
    std::int32_t yValue_ = 0;
    ContactMatrix topContact_;
    float leftPanLoad_ = 0;
    float rightPanLoad_ = 0;
    Terms leftTerms_{};
    Terms rightTerms_{};
    SurfaceScale pictDraw_;
    bool useOverlapIndex_ = true;
    // Falling steps the pans still wait for a loaded file's pieces to land; 0 when they follow
    // their loads.
    std::int32_t landingStepsLeft_ = 0;
    Landings landings_; // of the last falling step

    struct ObjectTop {
        std::int32_t top;
        std::int32_t index;
        auto operator<=>(const ObjectTop&) const = default;
    };
    std::vector<ObjectTop> byTop_;    // objects ordered by top edge, for the contacts
    std::vector<std::int32_t> order_; // scratch lists of object numbers
    std::vector<char> marks_;         // scratch flags by object number
    // Built at the first motion pass and kept up to date from then on; built for the length of one
    // operation when none is kept.
    OverlapIndex overlapIndex_;
};

} // namespace tarvelo
