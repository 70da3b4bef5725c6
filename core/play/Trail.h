// The trail of equations a solving goes through: the equation it set out from, then each action
// with the equation the balance came to rest at after it. It is kept with undo.
#pragma once

#include "core/base/ChangeCounter.h"
#include "core/play/Action.h"
#include "core/play/PanMoves.h"
#include "core/world/Scene.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// What an action was done with, beyond its verb and kind.
struct ActionDetail {
    std::int32_t pan = 0;              // the pan of a one-pan move or an exchange; 0 for both
    std::vector<std::int32_t> numbers; // split: N A B; join: A B; share: groups; check: X [Y]
    bool operator==(const ActionDetail&) const = default;
};

// How the balance came to rest after the actions still waiting in the trail.
struct TrailRest {
    std::string equation; // the equation line
    std::string sign;     // the comparison sign
    // The line with X and Y written as the values they weigh: what a check shows.
    std::string valuedEquation;
    std::optional<SolvedUnknown> solved; // the answer the balance shows, if any
    bool goal = false;                   // a solving goal is set (see Model::SolvingGoal)
    Terms left, right;                   // what each pan carries
};

struct TrailStep {
    UndoAction action;
    ActionDetail detail;
    Terms leftBefore, rightBefore; // what each pan carried as the action began
    bool rested = false;           // the balance came to rest after it; the rest below is filled in
    std::string equation;          // for a check, the line with the values checked
    std::string sign;
    std::optional<SolvedUnknown> solved;
    // It changed one pan only and tipped the balance while a goal is set: "do the same on the
    // other pan".
    bool askTwin = false;
    bool operator==(const TrailStep&) const = default;
};

class Trail : public ChangeCounter {
  public:
    // Whether a solving set out; before, the trail is empty.
    bool Started() const { return origin_ != nullptr; }
    const std::string& StartEquation() const { return start_; }
    // The scene the solving set out from, the problem a check puts back; none before it started.
    const Scene* Origin() const { return origin_.get(); }
    const std::vector<TrailStep>& Steps() const { return steps_; }
    // Some action still waits for the balance to come to rest.
    bool Waiting() const { return !steps_.empty() && !steps_.back().rested; }

    // Sets out from `scene` and its `equation`.
    void Start(const Scene& scene, const std::string& equation);
    // An action made on pans that carried `left` and `right`, its rest to come.
    void Add(UndoAction action, ActionDetail detail, const Terms& left, const Terms& right);
    // The balance came to rest: the waiting actions take its equation. An action that moved a
    // piece and changed nothing leaves no line.
    void Rest(const TrailRest& rest);
    // A new scene: the trail is empty again.
    void Clear();

  private:
    // Shared by the states that undo keeps: they all set out from the same scene.
    std::shared_ptr<const Scene> origin_;
    std::string start_;
    std::vector<TrailStep> steps_;
};

// Whether `verb` is a change made to the pans one piece at a time, with the pointer or the keys.
bool ChangesAPiece(ActionVerb verb);

} // namespace tarvelo
