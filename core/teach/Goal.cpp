// The goals of the lessons: their words in lesson files, and the balance that meets each.
#include "core/teach/Goal.h"

#include "core/play/Model.h"
#include "core/teach/PanCounts.h"

#include <array>
#include <utility>

namespace tarvelo {

namespace {

// Every goal with its word: the one table both ways of naming read.
constexpr std::array<std::pair<GoalKind, std::string_view>, 6> kGoalWords{{
    {GoalKind::Balance, "balance"},
    {GoalKind::FindX, "find-x"},
    {GoalKind::FindY, "find-y"},
    {GoalKind::FindXAndY, "find-x-and-y"},
    {GoalKind::LeftHeavier, "left-heavier"},
    {GoalKind::RightHeavier, "right-heavier"},
}};

constexpr std::string_view kLevel = "=";
constexpr std::string_view kLeftDown = ">";
constexpr std::string_view kRightDown = "<";

// How many values a check gave: X alone, or X and Y.
constexpr std::size_t kValuesOfX = 1;
constexpr std::size_t kValuesOfXAndY = 2;

bool PanCarriesSomething(const Scene& scene, std::int32_t pan) {
    for (std::int32_t i = kFirstPiece; i <= scene.objCount(); ++i) {
        if (scene.PanCarrying(i) == pan) {
            return true;
        }
    }
    return false;
}

// Two empty pans are level too; a lesson is not done by clearing the balance.
bool LoadedAndLevel(const Model& model) {
    return model.equation.lblComparison().Caption == kLevel &&
           PanCarriesSomething(model.scene, kLeftPan) &&
           PanCarriesSomething(model.scene, kRightPan);
}

// The trail ends with a check that gave at least `values` values and balanced.
bool CheckBalanced(const Model& model, std::size_t values) {
    const std::vector<TrailStep>& steps = model.trail.Steps();
    if (steps.empty()) {
        return false;
    }
    const TrailStep& last = steps.back();
    return last.action.verb == ActionVerb::Checked && last.rested && last.sign == kLevel &&
           last.detail.numbers.size() >= values;
}

bool ShowsAlone(const Model& model, PieceKind unknown) {
    const std::optional<SolvedUnknown> solved = model.Solved();
    return solved && solved->unknown == unknown;
}

} // namespace

std::string_view GoalWord(const Goal& goal) {
    for (const auto& [kind, word] : kGoalWords) {
        if (kind == goal.kind) {
            return word;
        }
    }
    return {};
}

std::optional<Goal> GoalFromWord(std::string_view word) {
    for (const auto& [kind, known] : kGoalWords) {
        if (known == word) {
            return Goal{kind};
        }
    }
    return std::nullopt;
}

Goal GoalSuggestedBy(const Scene& scene) {
    const PanCounts counts = CountsOnPans(scene);
    const auto holds = [&](PieceKind kind) {
        const std::size_t slot = SlotOf(kind);
        return counts.pans[0][slot] + counts.pans[1][slot] > 0;
    };
    const bool x = holds(PieceKind::kX);
    const bool y = holds(PieceKind::kY);
    if (x && y) {
        return {GoalKind::FindXAndY};
    }
    if (x || y) {
        return {x ? GoalKind::FindX : GoalKind::FindY};
    }
    return {GoalKind::Balance};
}

bool GoalMet(const Goal& goal, const Model& model) {
    if (!model.AtRest()) {
        return false;
    }
    const std::string& sign = model.equation.lblComparison().Caption;
    switch (goal.kind) {
    case GoalKind::Balance:
        return LoadedAndLevel(model);
    case GoalKind::FindX:
        return ShowsAlone(model, PieceKind::kX) || CheckBalanced(model, kValuesOfX);
    case GoalKind::FindY:
        return ShowsAlone(model, PieceKind::kY) || CheckBalanced(model, kValuesOfXAndY);
    case GoalKind::FindXAndY:
        return CheckBalanced(model, kValuesOfXAndY);
    case GoalKind::LeftHeavier:
        return sign == kLeftDown;
    case GoalKind::RightHeavier:
        return sign == kRightDown;
    }
    return false;
}

} // namespace tarvelo
