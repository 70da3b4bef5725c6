// Putting a problem read from a file into the scene, in a program mode.
#include "core/files/ProblemFile.h"
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

namespace tarvelo {

namespace {

constexpr std::int32_t kPans = 2;

} // namespace

void Model::LoadProblem(const Problem& problem, const std::string& sFileName) {
    stProblemFile = sFileName;
    Caption = "Tarvelo - " + stProblemFile;
    xValue = problem.xValue;
    yValue = problem.yValue;

    // Keep the two pans; every loaded piece starts 300 pixels above its saved place and the
    // next ticks let it fall back. The mass comes from the file, not from the kind.
    objects.resize(kPans + 1);
    objCount = kPans;
    for (const ProblemPiece& piece : problem.pieces) {
        SceneObject o;
        o.objX = piece.objX;
        o.objY = RoundToInt32(static_cast<double>(piece.objY) - kLoadLift);
        o.objMass = piece.objMass;
        o.objKind = piece.objKind;
        o.objFixed = false;
        const auto size = PictureSizeOfKind(piece.objKind);
        o.objW = size ? size->width : 0;
        o.objH = size ? size->height : 0;
        objects.push_back(o);
        ++objCount;
    }
    // A file may put pieces into one another or into a pan; each such piece starts on top.
    LiftClearOfOverlaps();
}

void Model::PutProblem(const Problem* problem, const std::string& sFileName, std::int32_t mode) {
    if (problem != nullptr) {
        LoadProblem(*problem, sFileName);
    }
    programMode = mode;
    UpdateProgramMode();
}

} // namespace tarvelo
