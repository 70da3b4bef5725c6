// Text from outside the program shown as written, offscreen: a lesson whose title and
// instruction, and files whose names, look like markup naming a picture. Read as rich text, the
// window would read /dev/zero whole and run out of memory; shown as written, it lives and shows
// the words as they are.
#include "WindowFixture.h"
#include "ui/window/FileDialogs.h"
#include "ui/window/LessonsWindow.h"
#include "ui/window/PlainText.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

using tarvelo::test::AnswerNextDialog;
using tarvelo::test::KeyedWindow;

namespace {

// Markup naming a picture that never ends, in a file's words and, with its slashes written as
// character references, in a file's name.
const QString kMarkup = QStringLiteral("<img src=\"/dev/zero\"><b>bold</b>");
const QString kMarkupName = QStringLiteral("<img src=&#47;dev&#47;zero>");
const QString kLessons = QStringLiteral(TARVELO_SOURCE_DIR "/lessons");

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A lesson of the teacher's own named `name`: the scene of the program's first lesson, and
// `lesson` as its lesson file.
void PutOwnLesson(const QString& name, const QByteArray& lesson) {
    const QDir own(tarvelo::OwnLessonsFolder());
    QVERIFY(own.mkpath(QStringLiteral(".")));
    QVERIFY(QFile::copy(kLessons + QStringLiteral("/01 One cube balances one cube.trv"),
                        own.filePath(name + QStringLiteral(".trv"))));
    Write(own.filePath(name + QStringLiteral(".lesson")), lesson);
}

// What a message box showed: its text, and whether every one of its labels shows as written.
struct Shown {
    QString text;
    bool asWritten = false;
};

Shown ReadBox(const QMessageBox& box) {
    bool plain = box.textFormat() == Qt::PlainText;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        plain = plain && (label->text().isEmpty() || label->textFormat() == Qt::PlainText);
    }
    return {box.text(), plain};
}

} // namespace

class OutsideTextWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void aLessonsWordsAreShownAsWritten();
    void aRefusedFilesNameIsShownAsWritten();
    void aRefusedFileHandedOverIsNamedAsWritten();
    void aRefusedLessonIsNamedAsWritten();
    void outsideTextKeepsTheLinesDirection_data();
    void outsideTextKeepsTheLinesDirection();
    void aTitleTurnedAroundIsListedAsTyped();
    void aLongInstructionLeavesTheWindowsOnTheScreen();
    void manyRefusedLessonsAreCountedNotListed();

  private:
    QTemporaryDir settings_;
    QTemporaryDir files_;
};

void OutsideTextWindowTest::initTestCase() {
    QVERIFY(settings_.isValid() && files_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QVERIFY(tarvelo::OwnLessonsFolder().startsWith(QDir::homePath()));
}

void OutsideTextWindowTest::cleanup() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
    QDir(tarvelo::OwnLessonsFolder()).removeRecursively();
}

void OutsideTextWindowTest::aLessonsWordsAreShownAsWritten() {
    PutOwnLesson(QStringLiteral("Markup"), "[Lesson]\nGoal=balance\nTitle=" + kMarkup.toUtf8() +
                                               "\nInstruction=" + kMarkup.toUtf8() + "\n");
    KeyedWindow w;
    w.window.ShowLessons();
    auto* lessons = w.window.findChild<tarvelo::LessonsWindow*>();
    auto* list = lessons->findChild<QListWidget*>(QStringLiteral("ownLessons"));
    QCOMPARE(list->count(), 1);
    list->setCurrentRow(0);
    auto* instruction = lessons->findChild<QLabel*>(QStringLiteral("lessonInstruction"));
    QVERIFY(instruction != nullptr);
    QCOMPARE(instruction->textFormat(), Qt::PlainText);
    QVERIFY2(instruction->text().contains(kMarkup), qPrintable(instruction->text()));

    // Opened, the lesson's title and instruction stand in the moves panel, as written.
    QTest::mouseClick(lessons->findChild<QPushButton*>(QStringLiteral("openLesson")),
                      Qt::LeftButton);
    w.RunMs(2000);
    QVERIFY(w.window.MovesPanelOpen());
    for (const char* name : {"taskTitle", "taskGoal"}) {
        auto* label = w.InPanel<QLabel>(name);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY2(label->text().contains(kMarkup), qPrintable(label->text()));
    }
}

void OutsideTextWindowTest::aRefusedFilesNameIsShownAsWritten() {
    const QString path = QDir(files_.path()).filePath(kMarkupName + QStringLiteral(".trv"));
    Write(path, "not a problem\n");
    KeyedWindow w;
    Shown shown;
    AnswerNextDialog([&shown](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        shown = ReadBox(*box);
        box->accept();
    });
    QVERIFY(!w.window.OpenProblem(path));
    QVERIFY(shown.asWritten);
    QVERIFY2(shown.text.contains(kMarkupName), qPrintable(shown.text));
}

void OutsideTextWindowTest::aRefusedFileHandedOverIsNamedAsWritten() {
    Write(QDir(files_.path()).filePath(kMarkupName + QStringLiteral(".trv")), "not a problem\n");
    KeyedWindow w;
    w.window.ExecuteHandOver(
        kMarkupName + QStringLiteral(".trv"), [] {}, files_.path());
    // The refusal is a notice of the window's, shown from the event loop.
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = w.window.findChild<QMessageBox*>()) != nullptr);
    const Shown shown = ReadBox(*box);
    QVERIFY(shown.asWritten);
    QVERIFY2(shown.text.contains(kMarkupName), qPrintable(shown.text));
    box->accept();
}

void OutsideTextWindowTest::aRefusedLessonIsNamedAsWritten() {
    PutOwnLesson(kMarkupName, "[Lesson]\nGoal=balance\n");
    KeyedWindow w;
    w.window.ShowLessons();
    auto* refused = w.window.findChild<tarvelo::LessonsWindow*>()->findChild<QLabel*>(
        QStringLiteral("refusedLessons"));
    QCOMPARE(refused->textFormat(), Qt::PlainText);
    QVERIFY2(refused->text().contains(kMarkupName), qPrintable(refused->text()));
}

void OutsideTextWindowTest::outsideTextKeepsTheLinesDirection_data() {
    QTest::addColumn<QString>("outside");
    QTest::addColumn<QString>("inLine");
    const QString hebrew = QStringLiteral("\u05E9\u05DC\u05D5\u05DD");
    const QString isolated = QStringLiteral("\u2068") + hebrew + QStringLiteral("\u2069");
    QTest::newRow("left to right: as it is") << "Find X"
                                             << "Find X";
    QTest::newRow("an override: taken out") << QStringLiteral("\u202Elive") << "live";
    QTest::newRow("an embedding and its end: taken out")
        << QStringLiteral("a\u202Bb\u202Cc") << "abc";
    QTest::newRow("isolates: taken out") << QStringLiteral("a\u2067b\u2069c") << "abc";
    QTest::newRow("right to left: set apart") << hebrew << isolated;
    QTest::newRow("right to left with an override")
        << QStringLiteral("\u202E") + hebrew << isolated;
    // Marks that say a direction without turning anything stay.
    QTest::newRow("a left-to-right mark stays") << QStringLiteral("X\u200E") << "X\u200E";
}

void OutsideTextWindowTest::outsideTextKeepsTheLinesDirection() {
    QFETCH(QString, outside);
    QFETCH(QString, inLine);
    QCOMPARE(tarvelo::InLine(outside), inLine);
}

void OutsideTextWindowTest::aTitleTurnedAroundIsListedAsTyped() {
    PutOwnLesson(
        QStringLiteral("Turned"),
        QStringLiteral("[Lesson]\nGoal=balance\nTitle=\u202Elive\nInstruction=Go.\n").toUtf8());
    KeyedWindow w;
    w.window.ShowLessons();
    auto* list = w.window.findChild<tarvelo::LessonsWindow*>()->findChild<QListWidget*>(
        QStringLiteral("ownLessons"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1. live"));
}

void OutsideTextWindowTest::aLongInstructionLeavesTheWindowsOnTheScreen() {
    constexpr int kLines = 2000;
    // A line break in a lesson's value is written \n.
    QByteArray instruction;
    for (int line = 0; line < kLines; ++line) {
        instruction += "Line " + QByteArray::number(line) + "\\n";
    }
    PutOwnLesson(QStringLiteral("Long"),
                 "[Lesson]\nGoal=balance\nTitle=Long\nInstruction=" + instruction + "\n");
    KeyedWindow w;
    w.window.ShowLessons();
    auto* lessons = w.window.findChild<tarvelo::LessonsWindow*>();
    auto* list = lessons->findChild<QListWidget*>(QStringLiteral("ownLessons"));
    QCOMPARE(list->count(), 1);
    list->setCurrentRow(0);
    QCoreApplication::processEvents();
    const int room = lessons->screen()->availableGeometry().height();
    QVERIFY2(lessons->sizeHint().height() < room,
             qPrintable(QString::number(lessons->sizeHint().height())));
    const QString shown = lessons->findChild<QLabel*>(QStringLiteral("lessonInstruction"))->text();
    QVERIFY(shown.startsWith(QStringLiteral("Line 0\nLine 1\n")));
    QVERIFY(shown.endsWith(QChar(0x2026)));

    // In the moves panel too, the instruction is cut and the panel needs no scrolling.
    QTest::mouseClick(lessons->findChild<QPushButton*>(QStringLiteral("openLesson")),
                      Qt::LeftButton);
    w.RunMs(2000);
    QVERIFY(w.InPanel<QLabel>("taskGoal")->text().endsWith(QChar(0x2026)));
    QVERIFY(w.window.size().height() < room);
}

void OutsideTextWindowTest::manyRefusedLessonsAreCountedNotListed() {
    constexpr int kRefused = 40;
    constexpr int kNamed = 5;
    for (int i = 0; i < kRefused; ++i) {
        PutOwnLesson(QStringLiteral("Broken %1").arg(i, 2, 10, QLatin1Char('0')),
                     "[Lesson]\nGoal=balance\n");
    }
    KeyedWindow w;
    w.window.ShowLessons();
    auto* lessons = w.window.findChild<tarvelo::LessonsWindow*>();
    const QString refused = lessons->findChild<QLabel*>(QStringLiteral("refusedLessons"))->text();
    QVERIFY2(refused.endsWith(QStringLiteral(", and %1 more").arg(kRefused - kNamed)),
             qPrintable(refused));
    QCOMPARE(refused.count(QStringLiteral(".lesson")), kNamed);
    QVERIFY(lessons->sizeHint().height() < lessons->screen()->availableGeometry().height());
}

QTEST_MAIN(OutsideTextWindowTest)
#include "OutsideTextWindowTest.moc"
