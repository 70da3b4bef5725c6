// The main window and the desktop: the file-type registration, a problem named on the command
// line or handed over by a later start, and the information window.
#include "core/desktop/CommandLine.h"
#include "core/io/ProblemFile.h"
#include "ui/instance/InstanceMessages.h"
#include "ui/instance/Registration.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FrmInfo.h"
#include "ui/window/FrmMain.h"
#include "ui/window/ProblemMessages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace tarvelo {

namespace {

// Command-line text as the user reads it: bytes that are not UTF-8 show as replacement marks.
QString Shown(const QString& text) {
    return QString::fromStdString(BytesOfText(text));
}

QString ShownPath(const std::string& path) {
    return QString::fromStdString(path);
}

// A relative path handed over is meant from the folder the other start ran in.
std::string FromFolder(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.starts_with('/')) {
        return path;
    }
    return folder.ends_with('/') ? folder + path : folder + '/' + path;
}

// How often a waiting hand-over looks again whether the window is free for it.
constexpr int kHandOverRetryMs = 100;

} // namespace

void FrmMain::ReceiveHandOver(const QString& commandLine, const QString& workingDirectory) {
    if (pendingHandOver_) {
        ++handOversPassedOver_;
    }
    pendingHandOver_.emplace(commandLine, workingDirectory);
    if (handOverRetry_ == nullptr) {
        handOverRetry_ = new QTimer(this);
        handOverRetry_->setSingleShot(true);
        connect(handOverRetry_, &QTimer::timeout, this, &FrmMain::ServeHandOver);
    }
    // From the event loop, never inside whatever received it.
    handOverRetry_->start(0);
}

void FrmMain::ServeHandOver() {
    if (!pendingHandOver_) {
        return;
    }
    // Not under a dialog, a prompt or a message (their answer belongs to the scene the user
    // sees), and not while a scene empties itself for another. The window's notices (about
    // hand-overs and the start) only tell something, and hold nothing up.
    const QMessageBox* notice = notices_->shownBox();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool dialogOpen = std::any_of(windows.begin(), windows.end(), [notice](QWidget* w) {
        return w->isVisible() && w->isModal() && w != notice;
    });
    if (dialogOpen || model_.IsCleaning()) {
        handOverRetry_->start(kHandOverRetryMs);
        return;
    }
    const auto [commandLine, folder] = *std::exchange(pendingHandOver_, std::nullopt);
    const int passedOver = std::exchange(handOversPassedOver_, 0);
    ExecuteHandOver(
        commandLine, [] {}, folder);
    if (passedOver > 0) {
        notices_->Post(HandOversPassedOverMessage(passedOver));
    }
}

void FrmMain::ShowInformation() {
    if (!frmInfo_) {
        frmInfo_ = new FrmInfo(this);
    }
    frmInfo_->exec();
}

void FrmMain::Initialize(BuildTreeRegistration buildTree) {
    // Registering the file type touches files and starts the desktop's database tools: it runs
    // aside, so that the window does not wait for it, and any failure is silent.
    QFile icon(QStringLiteral(":/pictures/tarvelo.svg"));
    const std::string iconSvg = icon.open(QIODevice::ReadOnly) ? icon.readAll().toStdString() : "";
    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    registration_ = std::async(std::launch::async, [iconSvg, executable, buildTree] {
        return RegisterFileTypeForUser(executable, iconSvg, buildTree);
    });
    model_.InitializeControls();
}

void FrmMain::LoadCommandLine(const QString& stCommand) {
    QString refusal;
    std::optional<Problem> problem;
    const CommandLineFile file = FileFromCommandLine(BytesOfText(stCommand));
    if (NamesNoFile(file)) {
        refusal = UnusableCommandLineMessage(Shown(stCommand));
    } else if (file.kind == CommandLineFile::Kind::Path) {
        problem = ReadProblemOrWarn(file.path, ShownPath(file.path),
                                    [&refusal](const QString& message) { refusal = message; });
    }
    // A problem from outside opens in problem mode; without one the program is in free mode.
    model_.PutProblem(problem ? &*problem : nullptr, file.path,
                      problem ? ProgramMode::Problem : ProgramMode::Free);
    SyncFromModel();
    // Shown from the event loop once start-up is over: start-up and the hand-overs of later
    // starts never wait for the user to read it.
    if (!refusal.isEmpty()) {
        notices_->Post(refusal);
    }
}

void FrmMain::ExecuteHandOver(const QString& command, std::function<void()> done,
                              const QString& workingDirectory) {
    // The file is read and checked before the scene is cleared: a refused one changes nothing.
    // A refusal is a notice in the window's queue: whatever number of later starts hand over
    // files that cannot be opened, one box says so at a time.
    const CommandLineFile file = FileFromCommandLine(BytesOfText(command));
    if (NamesNoFile(file)) {
        done();
        notices_->Post(HandedOverNoFileMessage(Shown(command)));
        return;
    }
    std::optional<Problem> problem;
    std::string path = file.path;
    if (file.kind == CommandLineFile::Kind::Path) {
        path = FromFolder(BytesOfText(workingDirectory), path);
        problem = ReadProblemOrWarn(path, ShownPath(path),
                                    [this](const QString& message) { notices_->Post(message); });
        if (!problem) {
            done();
            return;
        }
    }
    if (problem && !MayLeaveBuiltScene()) {
        done();
        return;
    }
    // From free play into a lesson no undo goes back.
    const bool intoLesson = problem && model_.controls.programMode() == ProgramMode::Free;
    ResetScene([this, problem, path, intoLesson, done = std::move(done)] {
        model_.PutProblem(problem ? &*problem : nullptr, path,
                          problem ? ProgramMode::Problem : ProgramMode::Free);
        const QString name = QFileInfo(ShownPath(path)).completeBaseName();
        access_->SceneReplaced(!problem     ? SceneReplacedSentence(SceneChange::New, {})
                               : intoLesson ? SceneReplacedSentence(SceneChange::OpenedLesson, name)
                                            : SceneReplacedSentence(SceneChange::Opened, name));
        done();
    });
}

} // namespace tarvelo
