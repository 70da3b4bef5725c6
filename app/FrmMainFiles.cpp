// The main window's problem files: Save, Load and Restart.
#include "app/FileDialogs.h"
#include "app/FrmMain.h"
#include "app/ProblemFile.h"
#include "app/ProblemMessages.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSaveFile>

namespace tarvelo {

void FrmMain::Command3_Click() {
    if (SceneEmptying()) {
        return;
    }
    const QString path =
        ShowFileDialog(this, kOpenDialog, tr("Open"), QStringLiteral("MyFileName.trv"),
                       ProblemFilter(), ProblemFolder(CurrentProblemFile()), QStringLiteral("trv"));
    if (!path.isEmpty()) {
        OpenProblem(path);
    }
}

void FrmMain::Command4_Click() {
    if (SceneEmptying()) {
        return;
    }
    const QString path =
        ShowFileDialog(this, 0, tr("Save"), QStringLiteral("problem.trv"), ProblemFilter(),
                       ProblemFolder(CurrentProblemFile()), QStringLiteral("trv"));
    if (!path.isEmpty()) {
        SaveProblemAs(path);
    }
}

bool FrmMain::SaveProblemAs(const QString& path) {
    QString reason;
    if (!SaveProblem(path, &reason)) {
        QMessageBox::warning(this, tr("Tarvelo"), SaveFailedMessage(path, reason));
        return false;
    }
    model_.stProblemFile = path.toStdString();
    return true;
}

void FrmMain::Command5_Click() {
    if (SceneEmptying()) {
        return;
    }
    OpenProblem(CurrentProblemFile());
}

QString FrmMain::CurrentProblemFile() const {
    return QString::fromStdString(model_.stProblemFile);
}

QString FrmMain::ProblemFilter() {
    return tr("Tarvelo problem") + QStringLiteral(" (*.trv)");
}

bool FrmMain::OpenProblem(const QString& path) {
    // The whole file is read and checked before the scene is touched: a refused file leaves the
    // scene, the caption, the current file and the mode as they were.
    ProblemReading reading = ReadProblemFile(QFile::encodeName(path).toStdString());
    if (!reading.problem) {
        QMessageBox::warning(this, tr("Tarvelo"), RefusedFileMessage(path, reading.error));
        return false;
    }
    ResetScene([this, problem = std::move(*reading.problem), path] {
        model_.LoadProblem(problem, path.toStdString());
    });
    return true;
}

bool FrmMain::SaveProblem(const QString& path, QString* reason) {
    // The header carries the time and the date as the user's regional settings write them.
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    const QString time = locale.toString(now.time(), timeFormat.trimmed());
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    constexpr int kMaskRange = 100;
    const int kX = static_cast<int>(QRandomGenerator::global()->bounded(kMaskRange));
    const int kY = static_cast<int>(QRandomGenerator::global()->bounded(kMaskRange));
    const std::string text = WriteProblem(model_, time.toStdString(), date.toStdString(), kX, kY);

    // Written aside and put in place only when complete: a failed save leaves any file that
    // was there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace tarvelo
