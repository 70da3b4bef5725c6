// The main window: its parts wired at start-up, the ticks and the syncs, and the scene's verbs.
#include "ui/window/FrmMain.h"

#include "ui/window/AccessLayer.h"
#include "ui/window/ChallengeSession.h"
#include "ui/window/LessonSession.h"
#include "ui/window/ModelTexts.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/PlainText.h"
#include "ui/window/PointerInput.h"
#include "ui/window/ProblemMessages.h"
#include "ui/window/TickTimers.h"
#include "ui/window/WidgetSync.h"
#include "ui/window/WindowZoom.h"

#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>
#include <utility>

namespace tarvelo {

namespace {

double SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace

FrmMain::FrmMain(QString commandLine, QWidget* parent)
    : QWidget(parent), commandLine_(std::move(commandLine)) {
    SetUpWindow();

    model_.secondsSinceMidnight = SecondsSinceMidnight;
    model_.inputBox = [this](const std::string& title, const std::string& prompt,
                             const std::string& defaultText) {
        return InputBox(title, prompt, defaultText);
    };
    model_.unknownValueRefused = [this](PieceKind unknownKind, const std::string& answer) {
        const QString letter =
            unknownKind == PieceKind::kX ? QStringLiteral("X") : QStringLiteral("Y");
        AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"),
                     UnknownValueRefusedMessage(letter, QString::fromStdString(answer)));
    };

    BuildControls();
    // With the pans locked, a change to one pan that finds no twin on the other is refused.
    model_.twinRefused = [this](const MoveOutcome& outcome) {
        TellMoveOutcome(LockedRefusalSentence(outcome));
    };
    pointerPosition = [this] { return pointer_->LastInScene(); };
    timers_ = new TickTimers(this, model_, [this](WindowTimer timer) { Tick(timer); });
    // Ctrl+Plus, Ctrl+Minus, Ctrl+0 and F11, at the zoom the user's settings keep.
    // Each change is said, since a screen reader's user may not see it.
    zoom_ = new WindowZoom(this);
    connect(zoom_, &WindowZoom::zoomed, this, [this](int percent, bool fullScreen, ZoomEdge edge) {
        access_->Announce(ZoomSentence(percent, fullScreen, edge));
    });
    BuildMovesPanelKey();
    BuildChallenges();
    BuildLessons();
    BuildSound();
    BuildDesktop();
    SyncFromModel();
}

FrmMain::~FrmMain() {
    if (registration_.valid()) {
        registration_.wait();
    }
}

std::optional<std::string> FrmMain::InputBox(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText) {
    QString label = ModelText(prompt);
    label.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QInputDialog dialog(this);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(label);
    dialog.setTextValue(QString::fromStdString(defaultText));
    // A screen reader names the field by the question it answers.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setAccessibleName(label);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

void FrmMain::Handle(const std::function<void()>& handler) {
    handler();
    SyncFromModel(true);
}

InputHandler FrmMain::Handler() {
    return [this](const std::function<void()>& handler) { Handle(handler); };
}

void FrmMain::Tick(WindowTimer timer) {
    timers_->Count(timer);
    const QPointF p = timer == WindowTimer::Pointer && pointerPosition
                          ? pointerPosition()
                          : QPointF(model_.pointer.pointerX(), model_.pointer.pointerY());
    model_.Tick(timer, timers_->NowMs(), ModelCoordinate(p.x()), ModelCoordinate(p.y()));
    SyncFromModel();
    timers_->SleepIfAtRest();
}

void FrmMain::SetTimersRunning(bool running) {
    timers_->SetRunning(running);
}

void FrmMain::RunOnClock(VirtualClock& clock) {
    timers_->RunOnClock(clock);
}

bool FrmMain::TimersResting() const {
    return timers_->Resting();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    const bool leftClick = event->type() == QEvent::MouseButtonRelease &&
                           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == lblInfo_ && leftClick) {
        ShowInformation();
        return true;
    }
    if (watched == lblEquazione_ && leftClick) {
        SetMovesPanelOpen(!MovesPanelOpen());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !sayOnceActive_.isEmpty()) {
        SayOnceActive(sayOnceActive_);
    }
}

void FrmMain::SayOnceActive(const QString& sentence) {
    sayOnceActive_ = sentence;
    if (!isActiveWindow()) {
        return;
    }
    // After the events of the activation and the focus, which are queued before this.
    QTimer::singleShot(0, this, [this] {
        if (!sayOnceActive_.isEmpty()) {
            access_->Announce(std::exchange(sayOnceActive_, QString()));
        }
    });
}

void FrmMain::SyncFromModel(bool afterInput) {
    sync_->Sync(afterInput);
    model_.WatchState(timers_->NowMs());
    // Before the announcements: an answer said is praised for the challenge the pans show now.
    if (challenge_ != nullptr) {
        challenge_->Follow(model_.controls.programMode(), model_.controls.stProblemFile());
    }
    if (lessons_ != nullptr) {
        lessons_->Follow(model_.controls.programMode(), model_.controls.stProblemFile());
    }
    SyncTitle();
    if (access_ != nullptr) {
        access_->AfterSync(timers_->NowMs());
    }
    // After the announcements: the praise for a lesson done follows what the balance shows.
    if (lessons_ != nullptr && access_ != nullptr) {
        NoteLessonDone();
    }
    SyncMovesPanel();
}

void FrmMain::BuildScene() {
    model_.NewScene();
    // Start-up drew the pans where it created them, before putting them on the level line; show
    // them where they now stand rather than for one frame in the corner.
    model_.RefreshObjects();
    SyncFromModel();
    timers_->Wake();
    // The command line is looked at only while the window has not been shown yet.
    if (!commandLine_.isEmpty() && !isVisible()) {
        LoadCommandLine(commandLine_);
    }
}

void FrmMain::ToggleSolution() {
    model_.ToggleSolution();
    SyncFromModel();
    // A challenge solved after its X was seen wins no star for the fewest moves.
    if (model_.controls.showSolution()) {
        challenge_->NoteSolutionShown();
    }
    access_->Announce(SolutionSentence(model_.controls.showSolution(), model_.scene.xValue(),
                                       model_.scene.yValue()));
    timers_->Wake();
}

void FrmMain::ResetScene(std::function<void()> afterRebuild) {
    // A reset asked for while another waits for the scene to empty comes after it, in the
    // order asked. (Starting a second wait inside the first would let the first find a rebuilt
    // scene and wait for ever.)
    pendingResets_.push_back(std::move(afterRebuild));
    if (model_.IsCleaning()) {
        return;
    }
    while (!pendingResets_.empty()) {
        const std::function<void()> next = std::move(pendingResets_.front());
        pendingResets_.pop_front();
        // The wait needs the reality step running.
        timers_->Wake();
        if (!model_.CleanProblem()) {
            return;
        }
        BuildScene();
        if (movesPanel_ != nullptr) {
            movesPanel_->StartAfresh();
        }
        if (next) {
            next();
        }
        SyncFromModel();
    }
}

void FrmMain::StartNewScene() {
    if (SceneEmptying()) {
        return;
    }
    ResetScene([this] { access_->SceneReplaced(SceneReplacedSentence(SceneChange::New, {})); });
}

bool FrmMain::SceneEmptying() const {
    // While the scene falls out for a new one, the buttons that start or save a scene wait for
    // nothing: a save would write the falling pans, and a second reset asks for the same.
    return model_.IsCleaning();
}

} // namespace tarvelo
