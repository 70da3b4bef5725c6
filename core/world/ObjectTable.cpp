// The object table: appending, removing, emptying the scene, and the hidden values of X and Y.
#include "core/base/Numeric.h"
#include "core/world/Problem.h"
#include "core/world/Scene.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tarvelo {

namespace {

constexpr double kValueRange = 10.0;                 // X and Y take the values 0 to 9
constexpr std::int32_t kHighestLoadedStart = 100000; // pixels above the scene's top edge
constexpr double kMicrosecondsPerSecond = 1e6;       // seed resolution
constexpr double kPanStartX = 100;
constexpr double kPanStartY = 30;

} // namespace

bool Scene::AddObject(PieceKind objType, double startX, double StartY) {
    const auto size = PictureSizeOfKind(objType);
    if (!size) {
        return false;
    }
    // Append a record with every field zero.
    NoteChange();
    ++objCount_;
    objects_.resize(static_cast<std::size_t>(objCount_) + 1);
    SceneObject& o = object(objCount_);
    o = SceneObject{};

    // Box and kind.
    o.objX = RoundToInt32(startX);
    o.objY = RoundToInt32(StartY);
    o.objKind = objType;
    o.objW = size->width;
    o.objH = size->height;

    // Mass by kind; only the pans are fixed.
    if (objType == PieceKind::kPan) {
        o.objMass = 0;
        o.objFixed = true;
    } else if (IsNumberCube(objType)) {
        o.objMass = static_cast<float>(NumberOnCube(objType));
    } else if (objType == PieceKind::kX) {
        o.objMass = static_cast<float>(xValue_);
    } else if (objType == PieceKind::kY) {
        o.objMass = static_cast<float>(yValue_);
    } else if (objType == PieceKind::kSmiley) {
        o.objMass = 1;
    }
    overlapIndex_.NoteAdded(objects_, objCount_);
    return true;
}

void Scene::RemoveBlock(std::int32_t nObj) {
    if (nObj < 1 || nObj > objCount_) {
        return;
    }
    NoteChange();
    overlapIndex_.NoteRemoving(nObj, objCount_);
    // The last record takes the freed place.
    if (nObj < objCount_ && objCount_ > 1) {
        object(nObj) = obj(objCount_);
    }
    objects_.resize(static_cast<std::size_t>(objCount_));
    --objCount_;
}

void Scene::ResetToPans() {
    NoteChange();
    overlapIndex_.Clear();
    objCount_ = 0;
    objects_.resize(1);
    landingStepsLeft_ = 0;
    AddObject(PieceKind::kPan, kPanStartX, kPanStartY);
    AddObject(PieceKind::kPan, kPanStartX, kPanStartY);
    topContact_.Resize(objCount_);
}

void Scene::PutPansOnLevelLine() {
    const std::int32_t level = LevelLine();
    PlaceAt(kLeftPan, obj(kLeftPan).objX, level);
    PlaceAt(kRightPan, obj(kRightPan).objX, level);
}

Problem Scene::SavedProblem() const {
    Problem problem{xValue(), yValue(), {}};
    for (std::int32_t i = 1; i <= objCount(); ++i) {
        const SceneObject& o = obj(i);
        if (!o.objFixed) {
            problem.pieces.push_back({o.objX, o.objY, o.objMass, o.objKind});
        }
    }
    return problem;
}

void Scene::LoadPieces(const Problem& problem) {
    NoteChange();
    overlapIndex_.Clear();
    xValue_ = problem.xValue;
    yValue_ = problem.yValue;

    // Keep the two pans and put every piece where the file saved it. The mass comes from the
    // file, not from the kind.
    objects_.resize(kPanCount + 1);
    objCount_ = kPanCount;
    for (const ProblemPiece& piece : problem.pieces) {
        SceneObject o;
        o.objX = piece.objX;
        o.objY = piece.objY;
        o.objMass = piece.objMass;
        o.objKind = piece.objKind;
        o.objFixed = false;
        const auto size = PictureSizeOfKind(piece.objKind);
        o.objW = size ? size->width : 0;
        o.objH = size ? size->height : 0;
        objects_.push_back(o);
        ++objCount_;
    }
    // Pieces saved at rest lay on pans that stood tilted by their loads. The pans stand so again
    // until the pieces land, or the pieces would land on level pans, and one lying over the
    // other pan's stack could land on that stack instead and change the equation.
    if (const std::optional<std::int32_t> drop = SavedPanDrop()) {
        HoldPansForLanding(*drop);
    }
    // Every piece starts the loading lift above its saved place and the next ticks let it fall
    // back. A piece saved absurdly high starts no higher than kHighestLoadedStart above the
    // scene: from millions of pixels up it would fall for many minutes, and the scene would
    // never come to rest in any time a child waits.
    for (std::int32_t i = kFirstPiece; i <= objCount_; ++i) {
        SceneObject& o = object(i);
        o.objY = std::max(RoundToInt32(static_cast<double>(o.objY) - kLoadLift),
                          pictDraw_.ScaleTop - kHighestLoadedStart);
    }
    // A file may put pieces into one another or into a pan; each such piece starts on top.
    LiftClearOfOverlaps();
}

void Scene::LetEverythingFall() {
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        Set(object(i).objFixed, false);
    }
}

std::int32_t Scene::ValueFromDraw(double r) {
    return static_cast<std::int32_t>(std::floor(r * kValueRange));
}

void Scene::RandomXYvalues(double secondsSinceMidnight) {
    std::mt19937 generator(
        static_cast<std::uint32_t>(std::llround(secondsSinceMidnight * kMicrosecondsPerSecond)));
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    // Some library versions can round a draw up to exactly 1; keep it below.
    const double belowOne = std::nextafter(1.0, 0.0);
    const double r1 = std::min(draw(generator), belowOne);
    const double r2 = std::min(draw(generator), belowOne);
    Set(xValue_, ValueFromDraw(r1));
    Set(yValue_, ValueFromDraw(r2));
}

void Scene::SetUnknownValue(PieceKind unknownKind, std::int32_t v, std::int32_t held) {
    Set(unknownKind == PieceKind::kX ? xValue_ : yValue_, v);
    for (std::int32_t i = 1; i <= objCount_; ++i) {
        if (obj(i).objKind == unknownKind) {
            Set(object(i).objMass, static_cast<float>(v));
        }
    }
    Event_Jump_Up_All(held);
}

} // namespace tarvelo
