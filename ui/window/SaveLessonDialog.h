// The dialog in which a teacher makes the scene a lesson: its title, its instruction and the goal
// the program checks, written in the language the program speaks.
#pragma once

#include "core/io/LessonFile.h"
#include "core/teach/Goal.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarvelo {

class SaveLessonDialog : public QDialog {
    Q_OBJECT
  public:
    // `goal` is chosen to begin with. The goal chosen is told to a screen reader through
    // `tell`, which does not say it itself.
    SaveLessonDialog(QWidget* owner, Goal goal, std::function<void(const QString&)> tell);

    // The lesson as filled in so far, its texts untagged in the program's language.
    Lesson Filled() const;

  private:
    // Save waits for a title and an instruction.
    void AllowSave();

    QLineEdit* title_ = nullptr;
    QPlainTextEdit* instruction_ = nullptr;
    QComboBox* goal_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QLabel* unkept_ = nullptr; // says that some characters will be saved as spaces
};

// Asks for the lesson; none when the teacher cancelled.
std::optional<Lesson> AskForLesson(QWidget* owner, Goal goal,
                                   std::function<void(const QString&)> tell);

} // namespace tarvelo
