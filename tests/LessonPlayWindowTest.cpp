// The lessons on the real widgets, offscreen: the Lessons window by keys, a lesson opened with
// its instruction in the moves panel, its goal reached, praised and kept once, the next lesson,
// the scenes that end a lesson, a scene saved as a teacher's lesson and opened again, the files
// that cannot be read or written, and the window and a lesson in Italian.
#include "WindowFixture.h"
#include "core/io/LessonFolder.h"
#include "core/io/ProblemFile.h"
#include "core/play/MoveScript.h"
#include "ui/accessibility/Announcer.h"
#include "ui/window/FileDialogs.h"
#include "ui/window/FileSaving.h"
#include "ui/window/LessonSession.h"
#include "ui/window/LessonsWindow.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/Translations.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cerrno>

using tarvelo::LessonEntry;
using tarvelo::LessonRun;
using tarvelo::LessonSet;
using tarvelo::LessonsWindow;
using tarvelo::MovesPanel;
using tarvelo::ProgramMode;
using tarvelo::ScriptMove;
using tarvelo::test::AnswerNextDialog;
using tarvelo::test::CatchMessage;
using tarvelo::test::KeyedWindow;

namespace {

constexpr std::int64_t kSettleMs = 3000;
const QString kLessons = QStringLiteral(TARVELO_SOURCE_DIR "/lessons");
constexpr int kShippedLessons = 27;
// Rows of the program's lessons, from 0.
constexpr int kHeavierSideRow = 1; // "The heavier side goes down": 7 against 3, balance it
constexpr int kExchangeRow = 10;   // "Exchange a cube": X + 2 = 5, find X
const QString kDoneSaid = QStringLiteral("Well done! The lesson is done.");

QWidget* Focused() {
    return QApplication::focusWidget();
}

QStringList ItemTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

qsizetype TimesSaid(const QSignalSpy& said, const QString& sentence) {
    return std::count_if(said.begin(), said.end(), [&](const QList<QVariant>& heard) {
        return heard.at(0).toString() == sentence;
    });
}

// Answers the next question whether to discard the scene built in free play: Discard.
void DiscardNextPrompt() {
    AnswerNextDialog([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        box->button(QMessageBox::Discard)->click();
    });
}

// The keyed window with the Lessons window and the lesson on the pans at hand.
struct LessonWindow : KeyedWindow {
    LessonsWindow* Lessons() { return window.findChild<LessonsWindow*>(); }
    template <typename T> T* InLessons(const char* name) {
        auto* found = Lessons()->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(found != nullptr);
        return found;
    }
    QListWidget* Shipped() { return InLessons<QListWidget>("shippedLessons"); }
    QListWidget* Own() { return InLessons<QListWidget>("ownLessons"); }
    // Ctrl+Shift+L: the Lessons window opens and becomes the active window.
    void OpenLessonsByKey() {
        PressOnFocus(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Lessons() != nullptr && Lessons()->isVisible());
        // The offscreen platform has no window manager to activate a window as it shows.
        QVERIFY(QTest::qWaitForWindowExposed(Lessons()));
        Lessons()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), Lessons());
    }
    // Ctrl+Shift+L, then the arrows down to the program's lesson in `row`, and Enter.
    void OpenByKeys(int row) {
        OpenLessonsByKey();
        QCOMPARE(Focused(), Shipped());
        while (Shipped()->currentRow() < row) {
            PressOnFocus(Qt::Key_Down);
        }
        PressOnFocus(Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        RunMs(kSettleMs);
    }
    const LessonRun* Current() { return window.lessons().Current(); }
    void MakeMoves(const std::string& script) {
        const tarvelo::MoveScript read = tarvelo::ReadMoveScript(script);
        QVERIFY(!read.error);
        for (const ScriptMove& move : read.moves) {
            emit Panel()->moveRequested(move);
            RunMs(kSettleMs);
        }
    }
    QString Title() { return InPanel<QLabel>("taskTitle")->text(); }
    QString Praise() { return InPanel<QLabel>("praise")->text(); }
    bool PraiseShown() { return InPanel<QLabel>("praise")->isVisible(); }
};

} // namespace

class LessonPlayWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theLessonsWindowListsTheLessonsInOrder();
    void aLessonOpensWithItsInstructionAndIsDoneAtItsGoal();
    void aFindXLessonIsDoneWhenTheBalanceShowsX();
    void otherScenesEndTheLessonAndUndoComesBack();
    void aSceneSavedAsALessonOpensFromMyLessons();
    void aGoalTheSceneMeetsAlreadyWaitsForTheChildsMove();
    void savingALessonThatCannotBeWrittenLeavesNothing();
    void aLessonReplacedOnAFullDiskKeepsItsOldPair();
    void aLessonFileThatCannotBeReadIsNamed();
    void charactersALessonCannotKeepAreSavedAsSpaces();
    void aLessonFileLeftAloneIsNotReplacedWithoutAsking();
    void everyControlHasAnAccessibleName();
    void theLessonsSpeakItalian();

  private:
    QTemporaryDir settings_;
    QList<QTranslator*> installed_;
};

void LessonPlayWindowTest::initTestCase() {
    // The stars are kept in the user's settings: every run starts without any.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    // The teacher's lessons go into the test's own home, never the real user's.
    QVERIFY(tarvelo::OwnLessonsFolder().startsWith(QDir::homePath()));
    QVERIFY(QDir::homePath().contains(QStringLiteral("lesson_play_window_test")));
}

void LessonPlayWindowTest::cleanup() {
    qDeleteAll(installed_); // uninstalls them
    installed_.clear();
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
    QDir(tarvelo::OwnLessonsFolder()).removeRecursively();
}

void LessonPlayWindowTest::theLessonsWindowListsTheLessonsInOrder() {
    LessonWindow w;
    w.OpenLessonsByKey();
    const QStringList shipped = ItemTexts(w.Shipped());
    QCOMPARE(shipped.size(), kShippedLessons);
    QCOMPARE(shipped.front(), QStringLiteral("1. One cube against one cube"));
    QCOMPARE(shipped.at(kExchangeRow), QStringLiteral("11. Exchange a cube"));
    QCOMPARE(w.Own()->count(), 0);
    // The focus is on the first lesson not done, whose instruction shows below.
    QCOMPARE(Focused(), w.Shipped());
    QCOMPARE(w.Shipped()->currentRow(), 0);
    QVERIFY(w.InLessons<QLabel>("lessonInstruction")
                ->text()
                .startsWith(QStringLiteral("Both pans hold a 4")));
    // Escape closes it, and the main window is as it was.
    w.PressOnFocus(Qt::Key_Escape);
    QVERIFY(!w.Lessons()->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    QCOMPARE(w.window.size(), QSize(tarvelo::layout::kWindowWidth, tarvelo::layout::kWindowHeight));
    QCOMPARE(w.window.model().controls.programMode(), ProgramMode::Free);
}

void LessonPlayWindowTest::aLessonOpensWithItsInstructionAndIsDoneAtItsGoal() {
    LessonWindow w;
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    w.OpenByKeys(kHeavierSideRow);
    QVERIFY(w.Current() != nullptr);
    QCOMPARE(w.window.model().controls.programMode(), ProgramMode::Problem);
    QCOMPARE(w.window.model().equation.lblComparison().Caption, std::string(">"));
    // The panel opened with the lesson above the moves, and the instruction was said.
    QVERIFY(w.window.MovesPanelOpen());
    QCOMPARE(w.Title(), QStringLiteral("The heavier side goes down"));
    const QString instruction = w.InPanel<QLabel>("taskGoal")->text();
    QVERIFY(instruction.startsWith(QStringLiteral("The 7 is heavier than the 3")));
    // Said once the window is active again with the focus in the panel, after those events.
    QTRY_COMPARE(
        TimesSaid(said, QStringLiteral("Lesson: The heavier side goes down. ") + instruction), 1);
    QVERIFY(!w.PraiseShown());
    // A cube that does not balance it yet, then one that does.
    w.MakeMoves("drop right 1");
    QVERIFY(!w.PraiseShown());
    w.MakeMoves("remove right 1; drop right 4");
    QVERIFY(w.PraiseShown());
    QCOMPARE(w.Praise(), QStringLiteral("\u2605 ") + kDoneSaid);
    QCOMPARE(TimesSaid(said, kDoneSaid), 1);
    QVERIFY(
        w.window.lessons().Store().DoneIn(LessonSet::Shipped).Has(w.Current()->entry.problemPath));
    // Unbalanced and balanced again, it is not praised twice.
    w.MakeMoves("drop left 1; drop right 1");
    QCOMPARE(TimesSaid(said, kDoneSaid), 1);
    // The Lessons window shows the star.
    w.window.ShowLessons();
    QCOMPARE(w.Shipped()->item(kHeavierSideRow)->text(),
             QStringLiteral("2. The heavier side goes down \u2605"));
    QCOMPARE(w.Shipped()->item(kHeavierSideRow)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("2. The heavier side goes down, done: one star"));
    w.Lessons()->hide();
    // Next lesson has the focus; Enter opens the next one, not done yet.
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    QCOMPARE(Focused(), w.InPanel<QPushButton>("next"));
    QCOMPARE(w.InPanel<QPushButton>("next")->text(), QStringLiteral("Next lesson"));
    w.PressOnFocus(Qt::Key_Return);
    w.RunMs(kSettleMs);
    QCOMPARE(w.Title(), QStringLiteral("The lighter side goes up"));
    QVERIFY(!w.PraiseShown());
    QCOMPARE(w.window.model().equation.lblComparison().Caption, std::string("<"));
}

void LessonPlayWindowTest::aFindXLessonIsDoneWhenTheBalanceShowsX() {
    LessonWindow w;
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    w.OpenByKeys(kExchangeRow);
    w.MakeMoves("split right 5 2 3");
    QVERIFY(!w.PraiseShown());
    w.MakeMoves("take 2");
    QVERIFY(w.PraiseShown());
    // The answer first, then the praise for the lesson.
    QStringList heard;
    for (const QList<QVariant>& sentence : said) {
        heard << sentence.at(0).toString();
    }
    const auto solved = heard.indexOf(QStringLiteral("Solved: X = 3."));
    QVERIFY(solved >= 0);
    QCOMPARE(heard.indexOf(kDoneSaid), solved + 1);
    // Restart plays the lesson again: still the lesson, done already, not praised again.
    w.window.Restart();
    w.RunMs(kSettleMs);
    QVERIFY(w.Current() != nullptr);
    w.MakeMoves("split right 5 2 3; take 2");
    QCOMPARE(TimesSaid(said, kDoneSaid), 1);
}

void LessonPlayWindowTest::otherScenesEndTheLessonAndUndoComesBack() {
    LessonWindow w;
    w.OpenByKeys(kExchangeRow);
    const std::string lesson = w.Current()->entry.problemPath;
    // The window is named by the lesson's title, not by its file.
    const QString lessonTitle = QStringLiteral("Tarvelo - Exchange a cube");
    QCOMPARE(w.window.windowTitle(), lessonTitle);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w.window)->text(QAccessible::Name),
             lessonTitle);
    // A new scene handed over ends the lesson: nothing of it stays in the panel.
    w.window.ExecuteHandOver(QString(), [] {});
    w.RunMs(kSettleMs);
    QVERIFY(w.Current() == nullptr);
    QVERIFY(!w.InPanel<QWidget>("task")->isVisible());
    // The new scene keeps the caption, which names the lesson as before.
    QCOMPARE(w.window.windowTitle(), lessonTitle);
    // Undo goes back to the lesson, and to its title.
    while (w.Current() == nullptr && w.window.model().history().CanUndo()) {
        w.PressOnFocus(Qt::Key_Z, Qt::ControlModifier);
        w.RunMs(kSettleMs);
    }
    QVERIFY(w.Current() != nullptr);
    QCOMPARE(w.Current()->entry.problemPath, lesson);
    QCOMPARE(w.Title(), QStringLiteral("Exchange a cube"));
    QCOMPARE(w.window.windowTitle(), lessonTitle);
    // A plain problem file is named by its file, as ever.
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.trv"));
    QVERIFY(QFile::copy(QString::fromStdString(lesson), plain));
    w.window.ExecuteHandOver(plain, [] {});
    w.RunMs(kSettleMs);
    QVERIFY(w.Current() == nullptr);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + plain);
}

void LessonPlayWindowTest::aSceneSavedAsALessonOpensFromMyLessons() {
    LessonWindow w;
    // The scene of X + 2 = 5, opened as a problem.
    QVERIFY(
        w.window.OpenProblem(kLessons + QStringLiteral("/11 Find X - X plus 2 balances 5.trv")));
    w.RunMs(kSettleMs);
    w.OpenLessonsByKey();
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    // The dialog offers the goal the scene suggests, and Save waits for a title and an
    // instruction.
    AnswerNextDialog([](QWidget* dialog) {
        auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        QVERIFY(!save->isEnabled());
        QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("lessonGoal"))->currentText(),
                 QStringLiteral("Find X"));
        dialog->findChild<QLineEdit*>(QStringLiteral("lessonTitle"))
            ->setText(QStringLiteral(" My X / lesson "));
        QVERIFY(!save->isEnabled());
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("lessonInstruction"))
            ->setPlainText(QStringLiteral("Find X.\nUse the moves."));
        QVERIFY(save->isEnabled());
        save->click();
    });
    w.InLessons<QPushButton>("saveAsLesson")->click();
    QCOMPARE(TimesSaid(said, QStringLiteral("Lesson saved: My X / lesson.")), 1);
    // Both files are in the teacher's folder, named by the title.
    const QDir own(tarvelo::OwnLessonsFolder());
    const QString problem = own.filePath(QStringLiteral("My X   lesson.trv"));
    const tarvelo::ProblemReading read = tarvelo::ReadProblemFile(problem.toStdString());
    QVERIFY(read.problem);
    const tarvelo::LessonReading lesson =
        tarvelo::ReadLessonFile(own.filePath(QStringLiteral("My X   lesson.lesson")).toStdString());
    QVERIFY(lesson.lesson);
    QCOMPARE(lesson.lesson->goal, std::string("find-x"));
    QCOMPARE(lesson.lesson->language, std::string("en"));
    QCOMPARE(lesson.lesson->titles.at(""), std::string("My X / lesson"));
    QCOMPARE(lesson.lesson->instructions.at(""), std::string("Find X.\nUse the moves."));
    // My lessons list it at once; it opens as any lesson, and is done by solving it.
    QCOMPARE(ItemTexts(w.Own()), QStringList{QStringLiteral("1. My X / lesson")});
    w.Own()->setCurrentRow(0);
    // The scene was opened in free play, where a lesson asks before it replaces it.
    DiscardNextPrompt();
    QTest::keyClick(w.Own(), Qt::Key_Return);
    w.RunMs(kSettleMs);
    QVERIFY(w.Current() != nullptr);
    QCOMPARE(w.Current()->set, LessonSet::Own);
    QCOMPARE(w.Title(), QStringLiteral("My X / lesson"));
    QCOMPARE(w.InPanel<QLabel>("taskGoal")->text(), QStringLiteral("Find X.\nUse the moves."));
    w.MakeMoves("split right 5 2 3; take 2");
    QVERIFY(w.PraiseShown());
    // The only lesson of its folder has no next one.
    QVERIFY(!w.InPanel<QWidget>("next")->isVisible());
    // Saved again under the same title, it asks before it replaces the lesson.
    QString asked;
    AnswerNextDialog([&asked](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("lessonTitle"))
            ->setText(QStringLiteral("My X / lesson"));
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("lessonInstruction"))
            ->setPlainText(QStringLiteral("Another."));
        CatchMessage(&asked); // answers No
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    w.window.SaveSceneAsLesson();
    QCOMPARE(asked, QStringLiteral("Your lessons already hold a lesson called \u201cMy X / "
                                   "lesson\u201d. Replace it?"));
    QCOMPARE(
        tarvelo::ReadLessonFile(own.filePath(QStringLiteral("My X   lesson.lesson")).toStdString())
            .lesson->instructions.at(""),
        std::string("Find X.\nUse the moves."));
}

void LessonPlayWindowTest::aGoalTheSceneMeetsAlreadyWaitsForTheChildsMove() {
    LessonWindow w;
    // 4 against 4, saved as "make it balance": balanced as it opens.
    QVERIFY(w.window.OpenProblem(kLessons + QStringLiteral("/01 One cube balances one cube.trv")));
    w.RunMs(kSettleMs);
    tarvelo::Lesson lesson;
    lesson.goal = "balance";
    lesson.titles[""] = "Level";
    lesson.instructions[""] = "Make it balance again.";
    const QString problem = QDir(tarvelo::OwnLessonsFolder()).filePath(QStringLiteral("Level.trv"));
    tarvelo::SaveFailure failure;
    QVERIFY2(w.window.SaveLesson(problem, lesson, &failure), qPrintable(failure.reason));
    DiscardNextPrompt();
    QVERIFY(w.window.OpenLesson({problem.toStdString(), lesson}, LessonSet::Own));
    w.RunMs(kSettleMs);
    QVERIFY(!w.PraiseShown());
    // Tipped and balanced again by the child: done.
    w.MakeMoves("drop left 1");
    QVERIFY(!w.PraiseShown());
    w.MakeMoves("drop right 1");
    QVERIFY(w.PraiseShown());
}

void LessonPlayWindowTest::savingALessonThatCannotBeWrittenLeavesNothing() {
    LessonWindow w;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    tarvelo::Lesson lesson;
    lesson.goal = "balance";
    lesson.titles[""] = "T";
    lesson.instructions[""] = "I";
    // A file where the folder would be made.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    tarvelo::SaveFailure failure;
    QVERIFY(!w.window.SaveLesson(blocked + QStringLiteral("/T.trv"), lesson, &failure));
    QCOMPARE(failure.reason, QStringLiteral("its folder could not be made"));
    // A folder where the lesson file would go: the new problem is not left behind alone, and the
    // failure names the lesson file.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("T.lesson")));
    failure = {};
    QVERIFY(!w.window.SaveLesson(dir.filePath(QStringLiteral("T.trv")), lesson, &failure));
    QVERIFY(!failure.reason.isEmpty());
    QCOMPARE(failure.path, dir.filePath(QStringLiteral("T.lesson")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("T.trv"))));
}

// The whole of a file, or an empty text when there is none.
QByteArray FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void LessonPlayWindowTest::aLessonReplacedOnAFullDiskKeepsItsOldPair() {
    LessonWindow w;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(w.window.OpenProblem(kLessons + QStringLiteral("/01 One cube balances one cube.trv")));
    w.RunMs(kSettleMs);
    tarvelo::Lesson lesson;
    lesson.goal = "balance";
    lesson.titles[""] = "T";
    lesson.instructions[""] = "Old.";
    const QString problem = dir.filePath(QStringLiteral("T.trv"));
    const QString lessonFile = dir.filePath(QStringLiteral("T.lesson"));
    tarvelo::SaveFailure failure;
    QVERIFY2(w.window.SaveLesson(problem, lesson, &failure), qPrintable(failure.reason));
    const QByteArray oldProblem = FileText(problem);
    const QByteArray oldLesson = FileText(lessonFile);
    QVERIFY(!oldProblem.isEmpty() && !oldLesson.isEmpty());
    // Another scene and goal over it, on a disk that fills up as the lesson file is written.
    QVERIFY(
        w.window.OpenProblem(kLessons + QStringLiteral("/12 Find X - X plus 4 balances 9.trv")));
    w.RunMs(kSettleMs);
    lesson.goal = "find-x";
    lesson.instructions[""] = "New.";
    tarvelo::ReplaceSteps full;
    full.write = [writes = 0](int fd, std::string_view text) mutable {
        return ++writes == 2 ? ENOSPC : tarvelo::WriteWhole(fd, text);
    };
    QVERIFY(!w.window.SaveLesson(problem, lesson, &failure, full));
    QCOMPARE(failure.reason, QStringLiteral("there is no space left on the disk"));
    QCOMPARE(failure.path, lessonFile);
    QCOMPARE(FileText(problem), oldProblem);
    QCOMPARE(FileText(lessonFile), oldLesson);
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        2);
}

void LessonPlayWindowTest::aLessonFileThatCannotBeReadIsNamed() {
    const QDir own(tarvelo::OwnLessonsFolder());
    QVERIFY(own.mkpath(QStringLiteral(".")));
    QFile::copy(kLessons + QStringLiteral("/01 One cube balances one cube.trv"),
                own.filePath(QStringLiteral("Broken.trv")));
    QFile broken(own.filePath(QStringLiteral("Broken.lesson")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("[Lesson]\nGoal=balance\n");
    broken.close();
    // A goal no lesson has could never be done: refused, by the line that names it.
    QFile::copy(kLessons + QStringLiteral("/01 One cube balances one cube.trv"),
                own.filePath(QStringLiteral("Unknown goal.trv")));
    QFile unknown(own.filePath(QStringLiteral("Unknown goal.lesson")));
    QVERIFY(unknown.open(QIODevice::WriteOnly));
    unknown.write("[Lesson]\nGoal=findx\nTitle=T\nInstruction=I\n");
    unknown.close();
    LessonWindow w;
    w.window.ShowLessons();
    QCOMPARE(w.Own()->count(), 0);
    QVERIFY(w.InLessons<QLabel>("refusedLessons")->isVisible());
    QCOMPARE(w.InLessons<QLabel>("refusedLessons")->text(),
             QStringLiteral("These lesson files could not be read: Broken.lesson, Unknown "
                            "goal.lesson (line 2)"));
}

void LessonPlayWindowTest::charactersALessonCannotKeepAreSavedAsSpaces() {
    LessonWindow w;
    QVERIFY(
        w.window.OpenProblem(kLessons + QStringLiteral("/11 Find X - X plus 2 balances 5.trv")));
    w.RunMs(kSettleMs);
    w.OpenLessonsByKey();
    // Pasted with a vertical tab, a start of heading and an escape: the dialog says they will
    // not be kept as they are.
    AnswerNextDialog([](QWidget* dialog) {
        auto* unkept = dialog->findChild<QLabel*>(QStringLiteral("unkeptCharacters"));
        QVERIFY(unkept->isHidden());
        dialog->findChild<QLineEdit*>(QStringLiteral("lessonTitle"))
            ->setText(QStringLiteral("Pasted\vtitle\x01with\x1b[1mescapes"));
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("lessonInstruction"))
            ->setPlainText(QStringLiteral("Line one\nLine\x07two"));
        QVERIFY(!unkept->isHidden());
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    w.InLessons<QPushButton>("saveAsLesson")->click();
    // Saved with spaces for them, the lesson is read back, listed and not refused.
    QCOMPARE(w.Own()->count(), 1);
    QVERIFY(w.InLessons<QLabel>("refusedLessons")->text().isEmpty());
    const QString title = QStringLiteral("Pasted title with [1mescapes");
    QCOMPARE(ItemTexts(w.Own()), QStringList{QStringLiteral("1. ") + title});
    const QDir own(tarvelo::OwnLessonsFolder());
    const QStringList files = own.entryList({QStringLiteral("*.lesson")});
    QCOMPARE(files.size(), 1);
    const tarvelo::LessonReading lesson =
        tarvelo::ReadLessonFile(own.filePath(files.front()).toStdString());
    QVERIFY(lesson.lesson);
    QCOMPARE(lesson.lesson->instructions.at(""), std::string("Line one\nLine two"));
}

void LessonPlayWindowTest::aLessonFileLeftAloneIsNotReplacedWithoutAsking() {
    // A lesson file whose problem is gone: saving a lesson of its name asks first.
    const QDir own(tarvelo::OwnLessonsFolder());
    QVERIFY(own.mkpath(QStringLiteral(".")));
    const QByteArray stray = "[Lesson]\nGoal=balance\nTitle=Stray\nInstruction=Kept.\n";
    {
        QFile file(own.filePath(QStringLiteral("Stray.lesson")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stray);
    }
    LessonWindow w;
    QVERIFY(w.window.OpenProblem(kLessons + QStringLiteral("/01 One cube balances one cube.trv")));
    w.RunMs(kSettleMs);
    w.OpenLessonsByKey();
    QString asked;
    AnswerNextDialog([&asked](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("lessonTitle"))
            ->setText(QStringLiteral("Stray"));
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("lessonInstruction"))
            ->setPlainText(QStringLiteral("New."));
        // The question whether to replace it comes next: No.
        AnswerNextDialog([&asked](QWidget* question) {
            auto* box = qobject_cast<QMessageBox*>(question);
            QVERIFY(box);
            asked = box->text();
            box->button(QMessageBox::No)->click();
        });
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    w.InLessons<QPushButton>("saveAsLesson")->click();
    QVERIFY2(asked.contains(QStringLiteral("Stray")), qPrintable(asked));
    QFile file(own.filePath(QStringLiteral("Stray.lesson")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stray);
    QVERIFY(!QFile::exists(own.filePath(QStringLiteral("Stray.trv"))));
}

void LessonPlayWindowTest::everyControlHasAnAccessibleName() {
    LessonWindow w;
    w.window.ShowLessons();
    const std::pair<const char*, const char*> controls[] = {
        {"shippedLessons", "Lessons of the program"},
        {"ownLessons", "My lessons"},
        {"openLesson", "Open"},
        {"saveAsLesson", "Save this scene as a lesson\u2026"},
        {"closeLessons", "Close"},
    };
    for (const auto& [control, name] : controls) {
        QAccessibleInterface* read =
            QAccessible::queryAccessibleInterface(w.InLessons<QWidget>(control));
        QVERIFY(read != nullptr);
        QCOMPARE(read->text(QAccessible::Name), QString::fromUtf8(name));
    }
    // Every control that takes the focus is named.
    for (QWidget* widget : w.Lessons()->findChildren<QWidget*>()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                qPrintable(widget->objectName()));
        }
    }
    // A lesson is heard by its title, and its instruction as its description.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.Shipped());
    QAccessibleInterface* first = list->child(0);
    QVERIFY(first != nullptr);
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("1. One cube against one cube"));
    QVERIFY(first->text(QAccessible::Description).startsWith(QStringLiteral("Both pans hold a 4")));
}

void LessonPlayWindowTest::theLessonsSpeakItalian() {
    installed_ = tarvelo::InstallTranslations(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(!installed_.isEmpty());
    LessonWindow w;
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    w.OpenLessonsByKey();
    QCOMPARE(w.Lessons()->windowTitle(), QStringLiteral("Lezioni"));
    QCOMPARE(w.Shipped()->item(kExchangeRow)->text(), QStringLiteral("11. Cambia un cubo"));
    QCOMPARE(w.InLessons<QPushButton>("openLesson")->text(), QStringLiteral("Apri"));
    w.Lessons()->hide();
    QTRY_COMPARE(QApplication::activeWindow(), &w.window);
    w.OpenByKeys(kExchangeRow);
    QCOMPARE(w.Title(), QStringLiteral("Cambia un cubo"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - Cambia un cubo"));
    QVERIFY(w.InPanel<QLabel>("taskGoal")
                ->text()
                .startsWith(QStringLiteral("Sul piatto di destra non c'è un 2.")));
    w.MakeMoves("split right 5 2 3; take 2");
    QVERIFY(w.PraiseShown());
    QCOMPARE(w.InPanel<QPushButton>("next")->text(), QStringLiteral("Lezione successiva"));
    // A lesson saved in Italian is written in Italian.
    tarvelo::Lesson lesson;
    AnswerNextDialog([&lesson](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Salva come lezione"));
        dialog->findChild<QLineEdit*>(QStringLiteral("lessonTitle"))
            ->setText(QStringLiteral("Trova X"));
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("lessonInstruction"))
            ->setPlainText(QStringLiteral("Usa le mosse."));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    w.window.SaveSceneAsLesson();
    const tarvelo::LessonReading read = tarvelo::ReadLessonFile(
        QDir(tarvelo::OwnLessonsFolder()).filePath(QStringLiteral("Trova X.lesson")).toStdString());
    QVERIFY(read.lesson);
    QCOMPARE(read.lesson->language, std::string("it"));
}

QTEST_MAIN(LessonPlayWindowTest)
#include "LessonPlayWindowTest.moc"
