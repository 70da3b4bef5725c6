// The lesson the window plays: opened from the Lessons window, followed through restarts, undo
// and redo, and done once the balance shows its goal, which the store keeps.
#pragma once

#include "core/io/LessonFolder.h"
#include "core/play/WindowControls.h"
#include "core/teach/Goal.h"
#include "ui/window/LessonStore.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

class Model;

// A lesson opened in the window.
struct LessonRun {
    LessonEntry entry;
    LessonSet set = LessonSet::Shipped;
    std::optional<Goal> goal; // none for a goal word this program does not know
    bool met = false;         // the goal was reached since the lesson was opened
    // The lesson after it in its folder, as the folder was when the goal was reached.
    std::optional<LessonEntry> next;
};

class LessonSession {
  public:
    explicit LessonSession(LessonStore store = {}) : store_(std::move(store)) {}

    // `entry` was opened: the current lesson once the model shows its problem file (see Follow),
    // with its goal to reach again.
    void Start(const LessonEntry& entry, LessonSet set);
    // Follows what the model shows: the lesson whose problem file is `problemFile` in problem
    // mode, or none. Whatever replaced the scene (a lesson, a file, a new scene, undo or redo)
    // decides.
    void Follow(ProgramMode mode, const std::string& problemFile);
    // The lesson on the pans; none outside a lesson.
    const LessonRun* Current() const;
    // The lesson opened in this window whose problem file is `problemFile`, if any.
    const LessonRun* Opened(const std::string& problemFile) const;
    // Whether `model` reached the current lesson's goal just now, for the first time since it
    // was opened: the child changed the pans (its trail started, as in problem mode it does at
    // the first change) and the balance at rest shows the goal. The store keeps it done, and
    // the next lesson of its folder is looked up.
    bool Reach(const Model& model);

    const LessonStore& Store() const { return store_; }

  private:
    LessonStore store_;
    // Every lesson opened in this window, for undo and redo to come back to.
    std::vector<LessonRun> runs_;
    std::optional<std::size_t> current_;
};

} // namespace tarvelo
