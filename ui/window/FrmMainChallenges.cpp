// The main window's challenges: the Challenges window, a challenge put on the pans and started
// again, and the praise and stars once it is solved.
#include "ui/accessibility/PieceNames.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/ChallengeSession.h"
#include "ui/window/ChallengeTexts.h"
#include "ui/window/ChallengesWindow.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/ProblemMessages.h"

#include <QShortcut>

namespace tarvelo {

void FrmMain::BuildChallenges() {
    challenge_ = std::make_unique<ChallengeSession>();
    auto* key = new QShortcut(kChallengesKey, this);
    connect(key, &QShortcut::activated, this, [this] { ShowChallenges(); });
    access_->SayAnswersThrough(
        [this](const SolvedUnknown& answer) { return PraiseAnswer(answer); });
}

const ChallengeSession& FrmMain::challenges() const {
    return *challenge_;
}

void FrmMain::ShowChallenges() {
    if (challengesWindow_ == nullptr) {
        challengesWindow_ = new ChallengesWindow(this, challenge_->Store());
        connect(challengesWindow_, &ChallengesWindow::startRequested, this,
                [this](std::int32_t level) { StartChallenge(level); });
    }
    challengesWindow_->Open();
}

void FrmMain::StartChallenge(std::int32_t level) {
    if (SceneEmptying() || !MayLeaveBuiltScene(BuiltSceneLeft::ForLesson)) {
        return;
    }
    const ChallengeRun run = challenge_->Start(level);
    PutChallenge(run, QString());
    SetMovesPanelOpen(true);
    movesPanel_->FirstControl()->setFocus(Qt::OtherFocusReason);
    SayOnceActive(ChallengeStartedSentence(level, run.challenge.fewestMoves));
}

bool FrmMain::RestartChallenge() {
    const ChallengeRun* run = challenge_->Current();
    if (run == nullptr) {
        return false;
    }
    PutChallenge(
        *run, SceneReplacedSentence(SceneChange::Restarted, ChallengeTitle(run->challenge.level)));
    return true;
}

void FrmMain::PutChallenge(const ChallengeRun& run, const QString& sentence) {
    // The challenge's name goes in as the problem file's: the session follows it (see
    // ChallengeSession::Follow), and the caption shows it.
    ResetScene([this, problem = run.challenge.problem, name = run.name, sentence] {
        model_.PutTask(problem, name);
        access_->SceneReplaced(sentence);
    });
}

std::optional<QString> FrmMain::PraiseAnswer(const SolvedUnknown& answer) {
    const std::optional<ChallengeWin> win = challenge_->Solve(answer, MovesMade(model_.trail));
    if (!win) {
        return std::nullopt;
    }
    SetMovesPanelOpen(true);
    SyncMovesPanel();
    movesPanel_->FocusNext();
    CelebrateAnswer(answer, win->levelWon != 0 ? Reward::LevelWon : Reward::TaskDone);
    if (challengesWindow_ != nullptr) {
        challengesWindow_->Refresh();
    }
    return PraiseSentence(*win);
}

void FrmMain::NextChallenge() {
    if (const ChallengeRun* run = challenge_->Current()) {
        StartChallenge(run->challenge.level);
    }
}

PanelTask FrmMain::TaskShown() const {
    if (std::optional<PanelTask> lesson = LessonShown()) {
        return *lesson;
    }
    const ChallengeRun* run = challenge_->Current();
    if (run == nullptr) {
        return {};
    }
    PanelTask shown;
    shown.title = ChallengeTitle(run->challenge.level);
    shown.goal = ChallengeGoal(run->challenge.fewestMoves);
    if (run->won) {
        shown.stars = StarsShown(run->won->stars);
        shown.praise = PraiseSentence(*run->won);
        shown.next = NextChallengeCaption();
    }
    return shown;
}

} // namespace tarvelo
