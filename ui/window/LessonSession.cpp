// Opening, following and reaching the goals of the window's lessons.
#include "ui/window/LessonSession.h"

#include "core/play/Model.h"

#include <algorithm>
#include <filesystem>

namespace tarvelo {

namespace {

std::optional<std::size_t> RunOf(const std::vector<LessonRun>& runs, const std::string& path) {
    const auto found = std::find_if(runs.begin(), runs.end(), [&](const LessonRun& run) {
        return run.entry.problemPath == path;
    });
    if (found == runs.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - runs.begin());
}

} // namespace

void LessonSession::Start(const LessonEntry& entry, LessonSet set) {
    LessonRun run{entry, set, GoalFromWord(entry.lesson.goal), false, std::nullopt};
    if (const std::optional<std::size_t> known = RunOf(runs_, entry.problemPath)) {
        runs_[*known] = std::move(run);
    } else {
        runs_.push_back(std::move(run));
    }
}

void LessonSession::Follow(ProgramMode mode, const std::string& problemFile) {
    current_ = mode == ProgramMode::Problem ? RunOf(runs_, problemFile) : std::nullopt;
}

const LessonRun* LessonSession::Current() const {
    return current_ ? &runs_[*current_] : nullptr;
}

const LessonRun* LessonSession::Opened(const std::string& problemFile) const {
    const std::optional<std::size_t> run = RunOf(runs_, problemFile);
    return run ? &runs_[*run] : nullptr;
}

bool LessonSession::Reach(const Model& model) {
    if (!current_) {
        return false;
    }
    LessonRun& run = runs_[*current_];
    if (run.met || !run.goal || !model.trail.Started() || !GoalMet(*run.goal, model)) {
        return false;
    }
    run.met = true;
    store_.KeepDone(run.set, run.entry.problemPath);
    const LessonListing listing =
        ListLessons(std::filesystem::path(run.entry.problemPath).parent_path().string());
    if (const LessonEntry* next = LessonAfter(listing, run.entry.problemPath)) {
        run.next = *next;
    }
    return true;
}

} // namespace tarvelo
