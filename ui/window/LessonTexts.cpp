// The lessons' words, each marked for translation here and nowhere else.
#include "ui/window/LessonTexts.h"

#include "ui/window/ChallengeTexts.h"
#include "ui/window/PlainText.h"

#include <QCoreApplication>
#include <QDir>
#include <array>
#include <utility>

namespace tarvelo {

namespace {

// The refused lesson files named in the Lessons window; the others are counted.
constexpr qsizetype kRefusedNamesShown = 5;

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::LessonTexts", text);
}

constexpr std::int32_t kDoneStars = 1;

// Every goal with what it asks, in the order a teacher chooses from.
constexpr std::array<std::pair<GoalKind, const char*>, 6> kGoalNames{{
    {GoalKind::Balance, QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Make both pans balance")},
    {GoalKind::FindX, QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Find X")},
    {GoalKind::FindY, QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Find Y")},
    {GoalKind::FindXAndY, QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Find X and Y")},
    {GoalKind::LeftHeavier, QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Make the left pan heavier")},
    {GoalKind::RightHeavier,
     QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Make the right pan heavier")},
}};

} // namespace

std::string ProgramLanguage() {
    return QCoreApplication::translate(
               "tarvelo::LessonTexts", "en",
               "The tag of the language of this translation, as a lesson file writes it: it, "
               "de, fr or es.")
        .toStdString();
}

QString LessonTitle(const Lesson& lesson) {
    return InLine(QString::fromStdString(TextFor(lesson, lesson.titles, ProgramLanguage()).text));
}

QString LessonInstruction(const Lesson& lesson) {
    return InLine(
        QString::fromStdString(TextFor(lesson, lesson.instructions, ProgramLanguage()).text));
}

QString GoalName(GoalKind kind) {
    for (const auto& [goal, name] : kGoalNames) {
        if (goal == kind) {
            return Tr(name);
        }
    }
    return {};
}

QString LessonOpenedSentence(const Lesson& lesson) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Lesson: %1. %2"))
        .arg(LessonTitle(lesson), LessonInstruction(lesson));
}

QString LessonDoneSentence() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Well done! The lesson is done."));
}

QString NextLessonCaption() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Next lesson"));
}

QString LessonItemText(int number, const QString& title, bool done) {
    const QString item =
        Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "%1. %2")).arg(number).arg(title);
    return done ? item + QLatin1Char(' ') + StarsShown(kDoneStars) : item;
}

QString LessonItemName(int number, const QString& title, bool done) {
    if (!done) {
        return LessonItemText(number, title, false);
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "%1. %2, done: one star"))
        .arg(number)
        .arg(title);
}

QString LessonsRefusedText(const QStringList& names) {
    // The first few by name, the rest counted: ten thousand names would push the window's
    // lists off the screen.
    QString named = InLine(names.mid(0, kRefusedNamesShown).join(QStringLiteral(", ")));
    const auto more = static_cast<int>(names.size() - kRefusedNamesShown);
    if (more > 0) {
        named =
            QCoreApplication::translate("tarvelo::LessonTexts", "%1, and %n more", nullptr, more)
                .arg(named);
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "These lesson files could not be read: %1"))
        .arg(named);
}

QString RefusedLessonItem(const QString& name, int line) {
    if (line <= 0) {
        return name;
    }
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "%1 (line %2)"))
        .arg(name, QString::number(line));
}

QString LessonExistsQuestion(const QString& title) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts",
                                "Your lessons already hold a lesson called \u201c%1\u201d. "
                                "Replace it?"))
        .arg(InLine(title));
}

QString LessonSaveFailedMessage(const QString& path, const QString& reason) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts",
                                "The lesson could not be saved as \u201c%1\u201d: %2."))
        .arg(InLine(QDir::toNativeSeparators(path)), reason);
}

QString LessonFolderNotMadeReason() {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "its folder could not be made"));
}

QString LessonSavedSentence(const QString& title) {
    return Tr(QT_TRANSLATE_NOOP("tarvelo::LessonTexts", "Lesson saved: %1.")).arg(InLine(title));
}

} // namespace tarvelo
