#include "ui/window/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvelo {

QString ShowFileDialog(QWidget* ownerWindow, int dialogMode, const QString& title,
                       const QString& defaultName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension) {
    QFileDialog dialog(ownerWindow, title, initialFolder, filter);
    dialog.setObjectName(QStringLiteral("ShowFileDialog"));
    dialog.setDefaultSuffix(defaultExtension);
    if (dialogMode == kOpenDialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
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
