// The open and save dialogs for problem files.
#pragma once

#include <QString>

class QWidget;

namespace tarvelo {

enum class FileDialogMode {
    Open, // accepts only a file that exists, and offers the lessons
    Save, // asks before it replaces a file
};

// Shows the dialog and returns the chosen path, or an empty string when it was cancelled.
// `filter` names one file type, as "Tarvelo problem (*.trv)". An open dialog accepts only a file
// that exists; a save dialog asks before it replaces one, and adds `defaultExtension` to a name
// typed without one.
QString ShowFileDialog(QWidget* ownerWindow, FileDialogMode dialogMode, const QString& title,
                       const QString& defaultName, const QString& filter,
                       const QString& initialFolder, const QString& defaultExtension);

// The folder of the lessons that come with the program, the first of: installed in a data folder
// (tarvelo/lessons there, for the system or the user), installed beside the program
// (`programFolder`/../share/tarvelo/lessons), and for a program run from its build folder the
// source tree's lessons. Empty when there is none.
QString LessonsFolder(const QString& programFolder);
// The same for the running program.
QString LessonsFolder();

// The folder of the teacher's own lessons, "Tarvelo lessons" in the user's documents. It may not
// exist yet: the first lesson saved makes it.
QString OwnLessonsFolder();

// Where the dialogs start: the folder of the current problem file when it has one that exists,
// else the user's documents folder.
QString ProblemFolder(const QString& currentProblemFile);

} // namespace tarvelo
