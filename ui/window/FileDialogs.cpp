// The open and save dialogs, and where they start: the lessons offered beside the user's places.
#include "ui/window/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QList>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>

namespace tarvelo {

namespace {

constexpr QLatin1StringView kLessonsData("tarvelo/lessons"); // in a data folder
constexpr QLatin1StringView kLessonsBesideProgram("../share/tarvelo/lessons");
constexpr QLatin1StringView kOwnLessons("Tarvelo lessons"); // in the user's documents

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

// The kinds of file the dialog lists, in the program's own words: Qt's translations of some of
// the languages Tarvelo speaks leave them in English.
class FileKindNames : public QFileIconProvider {
  public:
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) {
            return Tr(QT_TRANSLATE_NOOP("tarvelo::FileDialogs", "Folder"));
        }
        if (info.suffix().compare(QStringLiteral("trv"), Qt::CaseInsensitive) == 0) {
            return Tr(QT_TRANSLATE_NOOP("tarvelo::FileDialogs", "Tarvelo problem"));
        }
        return info.suffix().isEmpty()
                   ? Tr(QT_TRANSLATE_NOOP("tarvelo::FileDialogs", "File"))
                   : Tr(QT_TRANSLATE_NOOP("tarvelo::FileDialogs", "%1 file")).arg(info.suffix());
    }

  private:
    static QString Tr(const char* text) {
        return QCoreApplication::translate("tarvelo::FileDialogs", text);
    }
};

// Every column of the detailed view as wide as its title and contents, in any language.
void FitColumns(QFileDialog& dialog) {
    for (auto* tree : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = tree->header();
        for (int section = 1; section < header->count(); ++section) {
            header->setSectionResizeMode(section, QHeaderView::ResizeToContents);
        }
    }
}

} // namespace

QString ShowFileDialog(QWidget* ownerWindow, FileDialogMode dialogMode, const QString& title,
                       const QString& defaultName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension) {
    FileKindNames kindNames; // outlives the dialog that uses it
    QFileDialog dialog(ownerWindow, title, initialFolder, filter);
    dialog.setObjectName(QStringLiteral("ShowFileDialog"));
    dialog.setIconProvider(&kindNames);
    FitColumns(dialog);
    dialog.setDefaultSuffix(defaultExtension);
    QList<QUrl> places = dialog.sidebarUrls();
    if (dialogMode == FileDialogMode::Open) {
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

QString OwnLessonsFolder() {
    // In the documents, where a teacher finds the files to copy and share; the same name in
    // every language, so that the program finds it whatever language it speaks.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(kOwnLessons);
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
