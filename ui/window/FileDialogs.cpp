#include "ui/window/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QUrl>

namespace tarvelo {

namespace {

constexpr QLatin1StringView kLessonsData("tarvelo/lessons"); // in a data folder
constexpr QLatin1StringView kLessonsBesideProgram("../share/tarvelo/lessons");

// Shows the lessons in the open dialog's sidebar, after the places it already has. Returns the
// places as they were.
QList<QUrl> OfferLessons(QFileDialog& dialog) {
    const QList<QUrl> places = dialog.sidebarUrls();
    const QString lessons = LessonsFolder();
    const QUrl lessonsUrl = QUrl::fromLocalFile(lessons);
    if (!lessons.isEmpty() && !places.contains(lessonsUrl)) {
        dialog.setSidebarUrls(places + QList<QUrl>{lessonsUrl});
    }
    return places;
}

} // namespace

QString ShowFileDialog(QWidget* ownerWindow, int dialogMode, const QString& title,
                       const QString& defaultName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension) {
    QFileDialog dialog(ownerWindow, title, initialFolder, filter);
    dialog.setObjectName(QStringLiteral("ShowFileDialog"));
    dialog.setDefaultSuffix(defaultExtension);
    QList<QUrl> places = dialog.sidebarUrls();
    if (dialogMode == kOpenDialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        places = OfferLessons(dialog);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.selectFile(defaultName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog keeps its places in the settings that every Qt program of the user shares: the
    // lessons are left out of them.
    dialog.setSidebarUrls(places);
    if (!accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString LessonsFolder(const QString& programFolder) {
    const QStringList candidates{
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, kLessonsData,
                               QStandardPaths::LocateDirectory),
        QDir(programFolder).filePath(kLessonsBesideProgram),
        QStringLiteral(TARVELO_SOURCE_LESSONS),
    };
    for (const QString& folder : candidates) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir()) {
            return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return {};
}

QString LessonsFolder() {
    return LessonsFolder(QCoreApplication::applicationDirPath());
}

QString ProblemFolder(const QString& currentProblemFile) {
    const QFileInfo current(currentProblemFile);
    if (current.isAbsolute() && current.absoluteDir().exists()) {
        return current.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace tarvelo
