// What a lesson asks the child to reach on the balance, the word a lesson file names it by, and
// whether a scene at rest has reached it.
#pragma once

#include <optional>
#include <string_view>

namespace tarvelo {

class Model;
class Scene;

enum class GoalKind {
    Balance,      // both pans loaded and level: "="
    FindX,        // the balance shows X alone against numbers, or a check of X balanced
    FindY,        // the same for Y
    FindXAndY,    // a check of values for both X and Y balanced
    LeftHeavier,  // the left pan down: ">"
    RightHeavier, // the right pan down: "<"
};

struct Goal {
    GoalKind kind = GoalKind::Balance;
    bool operator==(const Goal&) const = default;
};

// The goal's word in a lesson file, the same in every language: "find-x".
std::string_view GoalWord(const Goal& goal);
// The goal a lesson file's word names, or none for a word no goal has.
std::optional<Goal> GoalFromWord(std::string_view word);

// The goal a lesson made of `scene` most likely has: finding its unknowns, else balancing.
Goal GoalSuggestedBy(const Scene& scene);

// Whether `model` has reached `goal`. Only a scene at rest has: a moving balance says nothing yet.
bool GoalMet(const Goal& goal, const Model& model);

} // namespace tarvelo
