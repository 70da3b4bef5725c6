// The object table: appending, removing, emptying the scene, and the hidden values of X and Y.
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tarvelo {

namespace {

// Marks a scene reset as running for as long as it lives.
class CleaningFlag {
  public:
    explicit CleaningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~CleaningFlag() { flag_ = false; }
    CleaningFlag(const CleaningFlag&) = delete;
    CleaningFlag& operator=(const CleaningFlag&) = delete;

  private:
    bool& flag_;
};

constexpr double kValueRange = 10.0;           // X and Y take the values 0 to 9
constexpr double kMicrosecondsPerSecond = 1e6; // seed resolution

} // namespace

bool Model::AddObject(std::int32_t objType, double startX, double StartY) {
    const auto size = PictureSizeOfKind(objType);
    if (!size) {
        return false;
    }
    // Append a record with every field zero.
    ++objCount;
    objects.resize(static_cast<std::size_t>(objCount) + 1);
    SceneObject& o = obj(objCount);
    o = SceneObject{};

    // Box and kind.
    o.objX = RoundToInt32(startX);
    o.objY = RoundToInt32(StartY);
    o.objKind = objType;
    o.objW = size->width;
    o.objH = size->height;

    // Mass by kind; only the pans are fixed.
    if (objType == kind::kPan) {
        o.objMass = 0;
        o.objFixed = true;
    } else if (objType >= kind::kFirstDigit && objType <= kind::kLastDigit) {
        o.objMass = static_cast<float>(objType);
    } else if (objType == kind::kZero) {
        o.objMass = 0;
    } else if (objType == kind::kX) {
        o.objMass = static_cast<float>(xValue);
    } else if (objType == kind::kY) {
        o.objMass = static_cast<float>(yValue);
    } else if (objType == kind::kSmiley) {
        o.objMass = 1;
    }

    RefreshObjects();
    return true;
}

void Model::RemoveBlock(std::int32_t nObj) {
    if (nObj < 1 || nObj > objCount) {
        return;
    }
    // The selection follows the piece it names: gone with it (which ends a drag), or to the
    // freed place with the last record. A held piece must never turn into another one.
    if (selectedObj == nObj) {
        selectedObj = -1;
        draggingObj = false;
    } else if (selectedObj == objCount) {
        selectedObj = nObj;
    }
    // The last record takes the freed place.
    if (nObj < objCount && objCount > 1) {
        obj(nObj) = obj(objCount);
    }
    objects.resize(static_cast<std::size_t>(objCount));
    --objCount;
}

bool Model::CleanProblem() {
    if (cleaning_) {
        return false;
    }
    CleaningFlag flag(cleaning_);

    // Nothing holds any more, not even the pans.
    for (std::int32_t i = 1; i <= objCount; ++i) {
        obj(i).objFixed = false;
    }
    // The reality step deletes every piece that falls out of the scene; the pans are never
    // deleted, so the wait ends with the two of them.
    while (objCount > 2 && processPendingEvents) {
        processPendingEvents();
    }
    return true;
}

std::int32_t Model::ValueFromDraw(double r) {
    return static_cast<std::int32_t>(std::floor(r * kValueRange));
}

void Model::RandomXYvalues() {
    const double seconds = secondsSinceMidnight ? secondsSinceMidnight() : 0.0;
    std::mt19937 generator(
        static_cast<std::uint32_t>(std::llround(seconds * kMicrosecondsPerSecond)));
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    // Some library versions can round a draw up to exactly 1; keep it below.
    const double belowOne = std::nextafter(1.0, 0.0);
    const double r1 = std::min(draw(generator), belowOne);
    const double r2 = std::min(draw(generator), belowOne);
    xValue = ValueFromDraw(r1);
    yValue = ValueFromDraw(r2);
}

} // namespace tarvelo
