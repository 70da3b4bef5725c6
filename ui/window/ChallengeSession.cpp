// Starting, following and solving the window's challenges.
#include "ui/window/ChallengeSession.h"

#include "ui/window/ChallengeTexts.h"

#include <algorithm>

namespace tarvelo {

ChallengeRun ChallengeSession::Start(std::int32_t level) {
    const std::uint64_t seed = store_.TakeNextSeed(level);
    ChallengeRun run{MakeChallenge(level, seed), ChallengeName(level, seed).toStdString(), {}};
    runs_.push_back(run);
    return run;
}

void ChallengeSession::Follow(ProgramMode mode, const std::string& problemFile) {
    if (current_ && mode == ProgramMode::Problem && runs_[*current_].name == problemFile) {
        return;
    }
    current_.reset();
    if (mode != ProgramMode::Problem) {
        return;
    }
    const auto shown = std::find_if(runs_.begin(), runs_.end(), [&](const ChallengeRun& run) {
        return run.name == problemFile;
    });
    if (shown != runs_.end()) {
        current_ = static_cast<std::size_t>(shown - runs_.begin());
    }
}

const ChallengeRun* ChallengeSession::Current() const {
    return current_ ? &runs_[*current_] : nullptr;
}

std::optional<ChallengeWin> ChallengeSession::Solve(const SolvedUnknown& answer,
                                                    std::int32_t movesMade) {
    if (!current_) {
        return std::nullopt;
    }
    ChallengeRun& run = runs_[*current_];
    if (run.won || answer.unknown != run.challenge.goal) {
        return std::nullopt;
    }
    const std::int32_t fewest = run.challenge.fewestMoves;
    const bool fewestWon = movesMade <= fewest && !run.solutionShown;
    const std::int32_t stars = kStarForSolving + (fewestWon ? kStarForFewest : 0);
    const std::int32_t level = run.challenge.level;
    store_.KeepSolved(level, stars);
    const bool levelWon = store_.Record(level).solved == kSolvedToWinALevel;
    run.won =
        ChallengeWin{answer, stars, movesMade, fewest, levelWon ? level : 0, run.solutionShown};
    return run.won;
}

void ChallengeSession::NoteSolutionShown() {
    if (current_) {
        runs_[*current_].solutionShown = true;
    }
}

std::int32_t MovesMade(const Trail& trail) {
    const std::vector<TrailStep>& steps = trail.Steps();
    return static_cast<std::int32_t>(
        std::count_if(steps.begin(), steps.end(), [](const TrailStep& step) {
            return step.action.verb != ActionVerb::Checked;
        }));
}

} // namespace tarvelo
