// Start-up of the window's state, rebuilding the scene, putting a problem into it, and the
// scene reset that lets everything fall out.
#include "core/io/ProblemFile.h"
#include "core/play/Model.h"

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

} // namespace

void Model::RandomXYvalues() {
    scene.RandomXYvalues(secondsSinceMidnight ? secondsSinceMidnight() : 0.0);
}

void Model::NewScene() {
    // An empty table, then the two pans as objects 1 and 2.
    scene.ResetToPans();
    keyboard.Reset();
    controls.EndCheckedValues();
    RefreshObjects();

    RandomXYvalues();

    // Both pans on the level line, the sign centred across the scene at their height.
    scene.PutPansOnLevelLine();
    equation.PlaceSign(scene.pictDraw(), scene.LevelLine());

    // Centres the pans, sets the sign for the empty pans and writes the equation line.
    WeighBalance();
}

void Model::LoadProblem(const Problem& problem, const std::string& sFileName) {
    controls.ShowProblemFile(sFileName);
    scene.LoadPieces(problem);
}

void Model::PutProblem(const Problem* problem, const std::string& sFileName, ProgramMode mode) {
    if (problem != nullptr) {
        LoadProblem(*problem, sFileName);
    }
    controls.UpdateProgramMode(mode);
}

void Model::PutTask(const Problem& problem, const std::string& name) {
    PutProblem(&problem, name, ProgramMode::Problem);
    controls.HideSolution();
    RefreshObjects();
}

bool Model::AddObject(PieceKind objType, double startX, double StartY) {
    if (!scene.AddObject(objType, startX, StartY)) {
        return false;
    }
    RefreshObjects();
    return true;
}

void Model::RemoveBlock(std::int32_t nObj) {
    if (nObj < 1 || nObj > scene.objCount()) {
        return;
    }
    // The selection follows the piece it names: a held piece must never turn into another one.
    pointer.ObjectRemoved(nObj, scene.objCount());
    keyboard.ObjectRemoved(nObj, scene.objCount());
    scene.RemoveBlock(nObj);
}

bool Model::CleanProblem() {
    if (cleaning_) {
        return false;
    }
    // A new scene, a loaded or restarted problem or one handed over: the scene before it can
    // be gone back to.
    BeginAction({ActionVerb::SceneReplaced});
    CleaningFlag flag(cleaning_);

    // Nothing holds any more, not even the pans. The reality step deletes every piece that
    // falls out of the scene; the pans are never deleted, so the wait ends with the two of them.
    scene.LetEverythingFall();
    // What lies wholly above the scene goes at once: it would only fall through the scene and
    // out, and a tower reaching far up, which starts to fall one piece per step, would keep the
    // reset waiting for minutes. What remains fits in the scene and is gone within a second.
    for (std::int32_t i = scene.objCount(); i >= kFirstPiece; --i) {
        if (scene.AboveScene(i)) {
            RemoveBlock(i);
        }
    }
    while (scene.objCount() > kPanCount && processPendingEvents) {
        processPendingEvents();
    }
    return true;
}

void Model::ToggleSolution() {
    // Showing or hiding the solution moves nothing: a scene at rest before the press is at rest
    // after it at once, and is kept so, or quick presses would all undo as one.
    const bool atRest = restKeptAt_ == Changes();
    BeginAction({controls.showSolution() ? ActionVerb::SolutionHidden : ActionVerb::SolutionShown});
    controls.ToggleSolution();
    RefreshObjects();
    if (atRest) {
        restKeptAt_ = Changes();
        history_.NoteRest(CaptureState());
    }
}

} // namespace tarvelo
