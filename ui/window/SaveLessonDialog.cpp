// The fields of a new lesson, and the lesson they make.
#include "ui/window/SaveLessonDialog.h"

#include "ui/accessibility/ChoiceTeller.h"
#include "ui/window/LessonTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvelo {

namespace {

// The goals in the order offered.
constexpr GoalKind kGoals[] = {GoalKind::Balance,   GoalKind::FindX,       GoalKind::FindY,
                               GoalKind::FindXAndY, GoalKind::LeftHeavier, GoalKind::RightHeavier};

constexpr int kInstructionLines = 4; // seen at once; more scroll

std::string Trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

} // namespace

SaveLessonDialog::SaveLessonDialog(QWidget* owner, Goal goal,
                                   std::function<void(const QString&)> tell)
    : QDialog(owner) {
    setObjectName(QStringLiteral("saveLessonDialog"));
    setWindowTitle(tr("Save as lesson"));
    auto* form = new QFormLayout(this);
    title_ = new QLineEdit;
    title_->setObjectName(QStringLiteral("lessonTitle"));
    instruction_ = new QPlainTextEdit;
    instruction_->setObjectName(QStringLiteral("lessonInstruction"));
    // Tab goes on to the next field, as in the rest of the form.
    instruction_->setTabChangesFocus(true);
    instruction_->setFixedHeight(instruction_->fontMetrics().lineSpacing() * kInstructionLines +
                                 2 * instruction_->frameWidth());
    goal_ = new QComboBox;
    goal_->setObjectName(QStringLiteral("lessonGoal"));
    for (const GoalKind kind : kGoals) {
        goal_->addItem(GoalName(kind), static_cast<int>(kind));
        if (kind == goal.kind) {
            goal_->setCurrentIndex(goal_->count() - 1);
        }
    }
    TellChoices(goal_, std::move(tell));
    form->addRow(tr("&Title:"), title_);
    form->addRow(tr("&Instruction for the child:"), instruction_);
    form->addRow(tr("&Goal the program checks:"), goal_);
    // Said only while a field holds what a lesson cannot keep (pasted with the text, often).
    unkept_ = new QLabel(tr("Characters a lesson cannot keep will be saved as spaces."));
    unkept_->setObjectName(QStringLiteral("unkeptCharacters"));
    unkept_->setWordWrap(true);
    form->addRow(unkept_);
    // The rows' captions name the fields for a screen reader too (QFormLayout makes them buddies).
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons_);
    connect(title_, &QLineEdit::textChanged, this, [this] { AllowSave(); });
    connect(instruction_, &QPlainTextEdit::textChanged, this, [this] { AllowSave(); });
    AllowSave();
}

void SaveLessonDialog::AllowSave() {
    buttons_->button(QDialogButtonBox::Save)
        ->setEnabled(!title_->text().trimmed().isEmpty() &&
                     !instruction_->toPlainText().trimmed().isEmpty());
    const std::string title = Trimmed(title_->text());
    const std::string instruction = Trimmed(instruction_->toPlainText());
    unkept_->setVisible(KeepableText(title, false) != title ||
                        KeepableText(instruction, true) != instruction);
}

Lesson SaveLessonDialog::Filled() const {
    Lesson lesson;
    lesson.goal = std::string(GoalWord(Goal{static_cast<GoalKind>(goal_->currentData().toInt())}));
    lesson.language = ProgramLanguage();
    lesson.titles[""] = KeepableText(Trimmed(title_->text()), false);
    lesson.instructions[""] = KeepableText(Trimmed(instruction_->toPlainText()), true);
    return lesson;
}

std::optional<Lesson> AskForLesson(QWidget* owner, Goal goal,
                                   std::function<void(const QString&)> tell) {
    SaveLessonDialog dialog(owner, goal, std::move(tell));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Filled();
}

} // namespace tarvelo
