// The main window's lessons: the Lessons window, a lesson put on the pans with its instruction,
// the star once the balance shows its goal, the next lesson, and a scene saved as a lesson.
#include "core/io/ProblemFile.h"
#include "core/teach/Goal.h"
#include "ui/instance/HandOverMessage.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/ChallengeTexts.h"
#include "ui/window/FileDialogs.h"
#include "ui/window/FileSaving.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/LessonSession.h"
#include "ui/window/LessonTexts.h"
#include "ui/window/LessonsWindow.h"
#include "ui/window/ModelTexts.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/PlainText.h"
#include "ui/window/ProblemMessages.h"
#include "ui/window/SaveLessonDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QShortcut>

namespace tarvelo {

namespace {

constexpr std::int32_t kLessonStars = 1;

// The lesson file beside the problem file at `problemPath`.
QString LessonPathOf(const QString& problemPath) {
    const QFileInfo problem(problemPath);
    return problem.dir().filePath(problem.completeBaseName() +
                                  QString::fromLatin1(kLessonExtension));
}

} // namespace

void FrmMain::BuildLessons() {
    lessons_ = std::make_unique<LessonSession>();
    auto* key = new QShortcut(kLessonsKey, this);
    connect(key, &QShortcut::activated, this, [this] { ShowLessons(); });
}

const LessonSession& FrmMain::lessons() const {
    return *lessons_;
}

void FrmMain::ShowLessons() {
    if (lessonsWindow_ == nullptr) {
        lessonsWindow_ =
            new LessonsWindow(this, lessons_->Store(), LessonsFolder(), OwnLessonsFolder());
        connect(lessonsWindow_, &LessonsWindow::openRequested, this,
                [this](const LessonEntry& entry, LessonSet set) { OpenLesson(entry, set); });
        connect(lessonsWindow_, &LessonsWindow::saveRequested, this,
                [this] { SaveSceneAsLesson(); });
    }
    lessonsWindow_->Open();
}

bool FrmMain::OpenLesson(const LessonEntry& entry, LessonSet set) {
    if (SceneEmptying() || !MayLeaveBuiltScene(BuiltSceneLeft::ForLesson)) {
        return false;
    }
    const QString path = TextOfBytes(entry.problemPath);
    std::optional<Problem> read =
        ReadProblemOrWarn(entry.problemPath, path, [this](const QString& message) {
            AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"), message);
        });
    if (!read) {
        return false;
    }
    lessons_->Start(entry, set);
    // A lesson is a goal to reach: it plays in problem mode, as a file opened from the desktop.
    ResetScene([this, problem = std::move(*read), entry] {
        model_.PutTask(problem, entry.problemPath);
        access_->SceneReplaced(QString());
    });
    SetMovesPanelOpen(true);
    movesPanel_->FirstControl()->setFocus(Qt::OtherFocusReason);
    SayOnceActive(LessonOpenedSentence(entry.lesson));
    return true;
}

void FrmMain::NoteLessonDone() {
    if (!lessons_->Reach(model_)) {
        return;
    }
    access_->Announce(LessonDoneSentence());
    sound_->PlayReward(Reward::TaskDone);
    SetMovesPanelOpen(true);
    SyncMovesPanel();
    movesPanel_->FocusNext();
    // A hidden Lessons window is read again as it opens. Filled while hidden, its list would
    // tell a screen reader of its chosen lesson as though it had the keyboard.
    if (lessonsWindow_ != nullptr && lessonsWindow_->isVisible()) {
        lessonsWindow_->Refresh();
    }
}

void FrmMain::NextLesson() {
    const LessonRun* run = lessons_->Current();
    if (run != nullptr && run->next) {
        // A copy: opening it starts a run of its own.
        const LessonEntry next = *run->next;
        OpenLesson(next, run->set);
    }
}

void FrmMain::ShowNext() {
    if (lessons_->Current() != nullptr) {
        NextLesson();
    } else {
        NextChallenge();
    }
}

void FrmMain::SyncTitle() {
    // The caption names the problem file last opened, which a free scene after it keeps: a
    // lesson's file is named by the lesson's title, as long as the window keeps the caption.
    const std::string& caption = model_.controls.Caption();
    const std::string prefix = std::string(kProgramName) + kCaptionSeparator;
    const LessonRun* lesson = lessons_ != nullptr && caption.starts_with(prefix)
                                  ? lessons_->Opened(caption.substr(prefix.size()))
                                  : nullptr;
    std::pair<bool, std::string> madeFor{lesson != nullptr, caption};
    if (titleMadeFor_ == madeFor) {
        return;
    }
    titleMadeFor_ = std::move(madeFor);
    setWindowTitle(lesson != nullptr ? WindowTitleNaming(LessonTitle(lesson->entry.lesson))
                                     : WindowTitle(caption));
}

std::optional<PanelTask> FrmMain::LessonShown() const {
    const LessonRun* run = lessons_->Current();
    if (run == nullptr) {
        return std::nullopt;
    }
    PanelTask shown;
    shown.title = LessonTitle(run->entry.lesson);
    shown.goal = LessonInstruction(run->entry.lesson);
    if (run->met) {
        shown.stars = StarsShown(kLessonStars);
        shown.praise = LessonDoneSentence();
        if (run->next) {
            shown.next = NextLessonCaption();
        }
    }
    return shown;
}

void FrmMain::SaveSceneAsLesson() {
    if (SceneEmptying()) {
        return;
    }
    QWidget* owner = lessonsWindow_ != nullptr && lessonsWindow_->isVisible()
                         ? static_cast<QWidget*>(lessonsWindow_)
                         : this;
    const std::optional<Lesson> lesson =
        AskForLesson(owner, GoalSuggestedBy(model_.scene),
                     [this](const QString& choice) { access_->Announce(choice); });
    if (!lesson) {
        return;
    }
    const QString title = QString::fromStdString(lesson->titles.at(""));
    const QDir folder(OwnLessonsFolder());
    const QString problem =
        folder.filePath(QString::fromStdString(LessonFileStem(lesson->titles.at(""))) +
                        QString::fromLatin1(kProblemExtension));
    // Either file of the pair there already is a lesson to replace, or what is left of one.
    if ((QFileInfo::exists(problem) || QFileInfo::exists(LessonPathOf(problem))) &&
        AskAsWritten(owner, QMessageBox::Question, tr("Tarvelo"), LessonExistsQuestion(title),
                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    SaveFailure failure;
    if (!SaveLesson(problem, *lesson, &failure)) {
        // Named by the file that failed: the lesson file, where that was refused.
        AskAsWritten(owner, QMessageBox::Warning, tr("Tarvelo"),
                     LessonSaveFailedMessage(failure.path, failure.reason));
        return;
    }
    access_->Announce(LessonSavedSentence(title));
    if (lessonsWindow_ != nullptr) {
        lessonsWindow_->Refresh();
    }
}

bool FrmMain::SaveLesson(const QString& problemPath, const Lesson& lesson, SaveFailure* failure,
                         const ReplaceSteps& steps) {
    const QString folder = QFileInfo(problemPath).path();
    if (!QDir().mkpath(folder)) {
        *failure = {folder, LessonFolderNotMadeReason()};
        return false;
    }
    // Both files or neither: a problem without its lesson file is no lesson, and a lesson file
    // beside another lesson's problem pairs a goal with a scene not made for it.
    const std::optional<SaveFailure> failed = ReplaceFiles(
        {{problemPath, ProblemText(model_)}, {LessonPathOf(problemPath), WriteLesson(lesson)}},
        steps);
    if (failed) {
        *failure = *failed;
        return false;
    }
    return true;
}

} // namespace tarvelo
