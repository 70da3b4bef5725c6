// The main window's problem files: Save, Load and Restart.
#include "core/io/FileReplace.h"
#include "core/io/ProblemFile.h"
#include "core/io/SaveTarget.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FileDialogs.h"
#include "ui/window/FileSaving.h"
#include "ui/window/FrmMain.h"
#include "ui/window/PlainText.h"
#include "ui/window/ProblemMessages.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRandomGenerator>
#include <cerrno>
#include <optional>
#include <string>

namespace tarvelo {

// The header carries the time and the date as the user's regional settings write them.
std::string ProblemText(const Model& model) {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    const QString time = locale.toString(now.time(), timeFormat.trimmed());
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    constexpr int kMaskRange = 100;
    const int kX = static_cast<int>(QRandomGenerator::global()->bounded(kMaskRange));
    const int kY = static_cast<int>(QRandomGenerator::global()->bounded(kMaskRange));
    return WriteProblem(model.scene.SavedProblem(), time.toStdString(), date.toStdString(), kX, kY);
}

void FrmMain::OpenWithDialog() {
    if (SceneEmptying()) {
        return;
    }
    const QString path = ShowFileDialog(this, FileDialogMode::Open, tr("Open"),
                                        tr("MyFileName") + QStringLiteral(".trv"), ProblemFilter(),
                                        ProblemFolder(CurrentProblemFile()), QStringLiteral("trv"));
    if (!path.isEmpty()) {
        OpenProblem(path);
    }
}

void FrmMain::Save() {
    if (SceneEmptying()) {
        return;
    }
    SaveWithDialog();
}

bool FrmMain::SaveWithDialog() {
    const QString path = ShowFileDialog(this, FileDialogMode::Save, tr("Save"),
                                        tr("problem") + QStringLiteral(".trv"), ProblemFilter(),
                                        ProblemFolder(CurrentProblemFile()), QStringLiteral("trv"));
    return !path.isEmpty() && SaveProblemAs(path);
}

bool FrmMain::HoldsUnsavedBuiltScene() const {
    return model_.controls.programMode() == ProgramMode::Free &&
           model_.scene.objCount() > kPanCount && sceneKeptAt_ != model_.scene.Changes();
}

bool FrmMain::MayLeaveBuiltScene(BuiltSceneLeft why) {
    if (!HoldsUnsavedBuiltScene()) {
        return true;
    }
    bool mayLeave = false;
    switch (AskAsWritten(this, QMessageBox::Question, tr("Tarvelo"), DiscardBuiltSceneQuestion(),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                         DiscardBuiltSceneDetail(why), QMessageBox::Cancel)) {
    case QMessageBox::Discard:
        mayLeave = true;
        break;
    case QMessageBox::Save:
        mayLeave = SaveWithDialog();
        break;
    default:
        break;
    }
    if (mayLeave) {
        // Given up or saved: the same scene is not asked about again (a window closed by the
        // end of a session the user has answered already).
        sceneKeptAt_ = model_.scene.Changes();
    }
    return mayLeave;
}

bool FrmMain::SaveProblemAs(const QString& path) {
    QString reason;
    SaveTarget replaced;
    if (!SaveProblem(path, &reason, &replaced)) {
        AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"), SaveFailedMessage(path, reason));
        return false;
    }
    model_.controls.SetProblemFile(BytesOfText(path));
    // The file holds the scene as it is now: closing loses nothing until it changes.
    sceneKeptAt_ = model_.scene.Changes();
    if (replaced.links > 1) {
        AskAsWritten(this, QMessageBox::Information, tr("Tarvelo"),
                     SavedOverLinkedFileMessage(path));
    }
    return true;
}

void FrmMain::Restart() {
    if (SceneEmptying() || RestartChallenge()) {
        return;
    }
    OpenProblem(CurrentProblemFile(), SceneChange::Restarted);
}

QString FrmMain::CurrentProblemFile() const {
    // The name as the file system has it, bytes that are not UTF-8 included.
    return TextOfBytes(model_.controls.stProblemFile());
}

QString FrmMain::ProblemFilter() {
    return tr("Tarvelo problem") + QStringLiteral(" (*.trv)");
}

bool FrmMain::OpenProblem(const QString& path, SceneChange change) {
    // The whole file is read and checked before the scene is touched: a refused file leaves the
    // scene, the caption, the current file and the mode as they were.
    std::optional<Problem> read =
        ReadProblemOrWarn(BytesOfText(path), path, [this](const QString& message) {
            AskAsWritten(this, QMessageBox::Warning, tr("Tarvelo"), message);
        });
    if (!read) {
        return false;
    }
    ResetScene([this, problem = std::move(*read), path, change] {
        // Load and Restart keep the mode they were asked in.
        model_.PutProblem(&problem, BytesOfText(path), model_.controls.programMode());
        access_->SceneReplaced(SceneReplacedSentence(change, QFileInfo(path).completeBaseName()));
    });
    return true;
}

bool FrmMain::SaveProblem(const QString& path, QString* reason, SaveTarget* replaced) {
    SaveTarget target;
    const std::optional<QString> failure = ReplaceFile(path, ProblemText(model_), target);
    if (replaced != nullptr) {
        *replaced = target;
    }
    if (failure) {
        *reason = *failure;
        return false;
    }
    return true;
}

} // namespace tarvelo
