// The challenge the window plays: started by level, followed through restarts, undo and redo,
// and solved once for its stars, which the store keeps.
#pragma once

#include "core/play/PanMoves.h"
#include "core/play/Trail.h"
#include "core/play/WindowControls.h"
#include "core/teach/Challenge.h"
#include "ui/window/ChallengeStore.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// A star for solving a challenge, and one more for solving it in no more than its fewest moves
// without the solution shown: a child who saw X found it in the pieces, not by the balance.
constexpr std::int32_t kStarForSolving = 1;
constexpr std::int32_t kStarForFewest = 1;
// A level is won, with a reward of its own, as this many of its challenges are solved.
constexpr std::int32_t kSolvedToWinALevel = 5;

// A challenge solved: the answer, the stars it won and the moves it took.
struct ChallengeWin {
    SolvedUnknown answer;
    std::int32_t stars = kStarForSolving;
    std::int32_t movesMade = 0;
    std::int32_t fewestMoves = 0;
    std::int32_t levelWon = 0;  // the level this win won, as its last challenge to solve; 0: none
    bool solutionShown = false; // whether Show solution was used on the way
    bool operator==(const ChallengeWin&) const = default;
};

// A challenge started in the window.
struct ChallengeRun {
    Challenge challenge;
    // The problem's name while it is on the pans: the model's controls carry it as the problem
    // file, so that undo and redo, which put the controls back, tell which challenge is shown.
    std::string name;
    std::optional<ChallengeWin> won; // once solved; later solvings of it win nothing more
    bool solutionShown = false;      // once Show solution was used on it, even if undone
};

class ChallengeSession {
  public:
    explicit ChallengeSession(ChallengeStore store = {}) : store_(std::move(store)) {}

    // A new challenge of `level`, made from the seed after the last one played there. It is the
    // current one once the model shows its name (see Follow).
    ChallengeRun Start(std::int32_t level);
    // Follows what the model shows: the challenge named `problemFile` in problem mode, or none.
    // Whatever replaced the scene (a challenge, a file, a new scene, undo or redo) decides.
    void Follow(ProgramMode mode, const std::string& problemFile);
    // The challenge on the pans; none outside the challenge mode.
    const ChallengeRun* Current() const;
    // The balance shows `answer` after `movesMade` moves: the win, when it solves the current
    // challenge for the first time; its stars are kept in the store.
    std::optional<ChallengeWin> Solve(const SolvedUnknown& answer, std::int32_t movesMade);
    // The user showed the solution while the current challenge was on the pans.
    void NoteSolutionShown();

    const ChallengeStore& Store() const { return store_; }

  private:
    ChallengeStore store_;
    // Every challenge started in this window, for undo and redo to come back to.
    std::vector<ChallengeRun> runs_;
    std::optional<std::size_t> current_;
};

// The moves made since the challenge came onto the pans: the trail's steps, checks excepted.
std::int32_t MovesMade(const Trail& trail);

} // namespace tarvelo
