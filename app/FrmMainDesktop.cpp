// The main window and the desktop: the file-type registration, a problem named on the command
// line or handed over by a later start, and the information window.
#include "app/CommandLine.h"
#include "app/FrmInfo.h"
#include "app/FrmMain.h"
#include "app/ProblemFile.h"
#include "app/ProblemMessages.h"
#include "app/Registration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

namespace tarvelo {

void FrmMain::lblInfo_Click() {
    if (!frmInfo_) {
        frmInfo_ = new FrmInfo(this);
    }
    frmInfo_->exec();
}

void FrmMain::Form_Initialize() {
    // Registering the file type touches files and starts the desktop's database tools: it runs
    // aside, so that the window does not wait for it, and any failure is silent.
    QFile icon(QStringLiteral(":/pictures/tarvelo.svg"));
    const std::string iconSvg = icon.open(QIODevice::ReadOnly) ? icon.readAll().toStdString() : "";
    const std::string executable = QCoreApplication::applicationFilePath().toStdString();
    registration_ = std::async(std::launch::async, [iconSvg, executable] {
        return RegisterFileTypeForUser(executable, iconSvg);
    });
    model_.Form_Initialize();
}

void FrmMain::procLoadProblemFromInit(const QString& stCommand) {
    model_.programMode = Model::kFreeMode;
    QString refusal;
    const CommandLineFile file = FileFromCommandLine(stCommand.toStdString());
    if (file.kind == CommandLineFile::Kind::Unusable) {
        refusal = UnusableCommandLineMessage(stCommand);
    } else if (file.kind == CommandLineFile::Kind::Path) {
        const QString path = QString::fromStdString(file.path);
        const ProblemReading reading = ReadProblemFile(QFile::encodeName(path).toStdString());
        if (reading.problem) {
            model_.LoadProblem(*reading.problem, file.path);
            model_.programMode = Model::kProblemMode;
        } else {
            refusal = RefusedFileMessage(path, reading.error);
        }
    }
    model_.UpdateProgramMode();
    SyncFromModel();
    // Said once start-up is over and the window shows: a message box waits for the user, and
    // opened during start-up it would hold back start-up and the hand-overs of later starts,
    // which are served only after it.
    if (!refusal.isEmpty()) {
        QTimer::singleShot(0, this,
                           [this, refusal] { QMessageBox::warning(this, tr("Tarvelo"), refusal); });
    }
}

void FrmMain::Form_LinkExecute(const QString& command, std::function<void()> done,
                               const QString& workingDirectory) {
    // The file is read and checked before the scene is cleared: a refused one changes nothing.
    // The other start is told as soon as the command is settled, before any message waits for
    // the user.
    const CommandLineFile file = FileFromCommandLine(command.toStdString());
    if (file.kind == CommandLineFile::Kind::Unusable) {
        done();
        QMessageBox::warning(this, tr("Tarvelo"), UnusableCommandLineMessage(command));
        return;
    }
    std::optional<Problem> problem;
    QString path = QString::fromStdString(file.path);
    if (file.kind == CommandLineFile::Kind::Path) {
        // The other start may have run in another folder than this one.
        if (!workingDirectory.isEmpty() && QDir::isRelativePath(path)) {
            path = QDir(workingDirectory).absoluteFilePath(path);
        }
        ProblemReading reading = ReadProblemFile(QFile::encodeName(path).toStdString());
        if (!reading.problem) {
            done();
            QMessageBox::warning(this, tr("Tarvelo"), RefusedFileMessage(path, reading.error));
            return;
        }
        problem = std::move(reading.problem);
    }
    ResetScene([this, problem, path = path.toStdString(), done = std::move(done)] {
        model_.programMode = Model::kFreeMode;
        if (problem) {
            model_.LoadProblem(*problem, path);
            model_.programMode = Model::kProblemMode;
        }
        model_.UpdateProgramMode();
        done();
    });
}

} // namespace tarvelo
