// The main window and the desktop: the file-type registration, a problem named on the command
// line, handed over by a later start or dropped on the window, the information window, and
// closing (the close box, its keys, the session's end) without losing a scene built.
#include "core/desktop/CommandLine.h"
#include "core/io/ProblemFile.h"
#include "ui/instance/InstanceMessages.h"
#include "ui/instance/Registration.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FrmInfo.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/PlainText.h"
#include "ui/window/ProblemMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
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
    // A refusal is a notice in the window's queue: whatever number of later starts hand over
    // files that cannot be opened, one box says so at a time.
    const CommandLineFile file = FileFromCommandLine(BytesOfText(command));
    if (NamesNoFile(file)) {
        done();
        notices_->Post(HandedOverNoFileMessage(Shown(command)));
        return;
    }
    if (file.kind == CommandLineFile::Kind::Path) {
        OpenFromDesktop(FromFolder(BytesOfText(workingDirectory), file.path), std::move(done));
        return;
    }
    PutFromDesktop(std::nullopt, file.path, std::move(done));
}

void FrmMain::OpenFromDesktop(const std::string& path, std::function<void()> done) {
    // The file is read and checked before the scene is cleared: a refused one changes nothing.
    std::optional<Problem> problem = ReadProblemOrWarn(
        path, ShownPath(path), [this](const QString& message) { notices_->Post(message); });
    if (!problem || !MayLeaveBuiltScene(BuiltSceneLeft::ForLesson)) {
        done();
        return;
    }
    PutFromDesktop(std::move(problem), path, std::move(done));
}

void FrmMain::PutFromDesktop(std::optional<Problem> problem, const std::string& path,
                             std::function<void()> done) {
    // From free play into a lesson no undo goes back.
    const bool intoLesson = problem && model_.controls.programMode() == ProgramMode::Free;
    ResetScene([this, problem = std::move(problem), path, intoLesson, done = std::move(done)] {
        model_.PutProblem(problem ? &*problem : nullptr, path,
                          problem ? ProgramMode::Problem : ProgramMode::Free);
        const QString name = QFileInfo(ShownPath(path)).completeBaseName();
        access_->SceneReplaced(!problem     ? SceneReplacedSentence(SceneChange::New, {})
                               : intoLesson ? SceneReplacedSentence(SceneChange::OpenedLesson, name)
                                            : SceneReplacedSentence(SceneChange::Opened, name));
        done();
    });
}

void FrmMain::BuildDesktop() {
    // Ctrl+Q and Ctrl+W, and whatever keys the platform quits and closes a window with (Ctrl+F4
    // on some); with one window, all of them close it. One shortcut holds them all: a key held
    // by two would start neither.
    QList<QKeySequence> keys{kQuitKey, kCloseKey};
    for (const QKeySequence::StandardKey standard : {QKeySequence::Quit, QKeySequence::Close}) {
        for (const QKeySequence& key : QKeySequence::keyBindings(standard)) {
            if (!keys.contains(key)) {
                keys << key;
            }
        }
    }
    auto* closing = new QShortcut(this);
    closing->setKeys(keys);
    connect(closing, &QShortcut::activated, this, &QWidget::close);
    setAcceptDrops(true);
    // The desktop's logout asks as closing the window does. (The window closed by the session's
    // end afterwards is not asked about again: see MayLeaveBuiltScene.)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!MayEndSession(session.allowsInteraction())) {
            session.cancel();
        }
        session.release();
    });
}

bool FrmMain::MayEndSession(bool mayAsk) {
    // A session manager that lets nobody ask is told to wait rather than lose the scene: the
    // desktop then says that Tarvelo holds the logout up, and the user decides there.
    return mayAsk ? MayLeaveBuiltScene(BuiltSceneLeft::ForClosing) : !HoldsUnsavedBuiltScene();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (MayLeaveBuiltScene(BuiltSceneLeft::ForClosing)) {
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

// The one problem file a drag carries, if that is all it carries.
std::optional<QString> DroppedProblem(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = urls.front().toLocalFile();
    if (QFileInfo(path).suffix().compare(QStringLiteral("trv"), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    return path;
}

// Files from the desktop: the drag is taken, and a drop that is no single problem file is
// answered with a message rather than with a refusal the user may not notice.
bool CarriesFiles(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return !urls.isEmpty() &&
           std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

void FrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (CarriesFiles(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void FrmMain::dropEvent(QDropEvent* event) {
    if (!CarriesFiles(*event->mimeData())) {
        return;
    }
    event->acceptProposedAction();
    const std::optional<QString> path = DroppedProblem(*event->mimeData());
    // Answered from the event loop: the file manager that dragged waits for the drop to end.
    QTimer::singleShot(0, this, [this, path] {
        if (!path) {
            AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"), DroppedFilesRefusedMessage());
            return;
        }
        OpenDroppedFile(*path);
    });
}

void FrmMain::OpenDroppedFile(const QString& path) {
    if (SceneEmptying()) {
        return;
    }
    // In free play a dropped file opens as Load opens it, which Ctrl+Z takes back. In problem
    // mode, where Load is not offered, it opens as a file handed over from the desktop does.
    if (model_.controls.programMode() == ProgramMode::Free) {
        OpenProblem(path);
    } else {
        OpenFromDesktop(BytesOfText(path), [] {});
    }
}

} // namespace tarvelo
