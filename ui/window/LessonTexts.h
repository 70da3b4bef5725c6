// The words of the lessons: a lesson's title and instruction in the program's language, the
// goals a teacher chooses from, and what the Lessons window, the moves panel and a screen reader
// say of a lesson opened, done and saved.
#pragma once

#include "core/io/LessonFile.h"
#include "core/teach/Goal.h"

#include <QString>
#include <QStringList>
#include <string>

namespace tarvelo {

// The tag of the language the program speaks now ("it"), as its translation names it: the
// language a lesson is shown in, and the one a lesson written here is in.
std::string ProgramLanguage();
// The lesson's title and instruction in the program's language, else in the lesson's own.
QString LessonTitle(const Lesson& lesson);
QString LessonInstruction(const Lesson& lesson);
// What a goal asks, for the teacher choosing it: "Find X".
QString GoalName(GoalKind kind);
// Said as a lesson comes onto the pans: "Lesson: Exchange a cube. The right pan has no 2. …"
QString LessonOpenedSentence(const Lesson& lesson);
// Said and shown once the balance shows the lesson's goal.
QString LessonDoneSentence();
// The button to the next lesson.
QString NextLessonCaption();
// A lesson in the Lessons window's list, "11. Exchange a cube", with a star once done; and as a
// screen reader hears it, the star in words.
QString LessonItemText(int number, const QString& title, bool done);
QString LessonItemName(int number, const QString& title, bool done);
// The lesson files of a folder that could not be read, by name.
QString LessonsRefusedText(const QStringList& names);
// A refused lesson file in that list: its name, and the line at fault when one is (`line` > 0).
QString RefusedLessonItem(const QString& name, int line);
// Asked before a lesson saved replaces the teacher's lesson of the same title.
QString LessonExistsQuestion(const QString& title);
// A lesson that could not be saved at `path`, the problem file; `reason` is a sentence fragment
// such as SaveFailureReason gives.
QString LessonSaveFailedMessage(const QString& path, const QString& reason);
// Why: the folder of the teacher's lessons could not be made.
QString LessonFolderNotMadeReason();
// Said once a lesson is saved.
QString LessonSavedSentence(const QString& title);

} // namespace tarvelo
