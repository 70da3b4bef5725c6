// The lessons in the Load dialog: where the program finds their folder, and the dialog's sidebar
// offering it after the places it always shows, without leaving it among the places that the
// Save dialog and every other Qt program of the user read from the shared settings.
#include "WindowFixture.h"
#include "ui/window/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QList>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

using tarvelo::test::AnswerNextDialog;
using tarvelo::test::ClockedWindow;

namespace {

// Sets an environment variable for as long as it lives, then puts back what was there.
class EnvironmentValue {
  public:
    EnvironmentValue(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name_, value.toLocal8Bit());
    }
    ~EnvironmentValue() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// The places in the sidebar of the dialog that `button` opens ("Command3" Load, "Command4" Save),
// which is then cancelled.
QList<QUrl> SidebarOfDialog(ClockedWindow& w, const char* button) {
    QList<QUrl> places;
    AnswerNextDialog([&](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialog);
        places = dialog->sidebarUrls();
        dialog->reject();
    });
    QTest::mouseClick(w.child<QPushButton>(button), Qt::LeftButton);
    return places;
}

} // namespace

class LessonsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void theFirstLessonsFolderThatExistsIsTaken_data();
    void theFirstLessonsFolderThatExistsIsTaken();
    void theLoadDialogOffersTheLessons();

  private:
    QTemporaryDir settings_;
};

void LessonsWindowTest::initTestCase() {
    // The dialogs keep their places in the user's settings: every run starts without any.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void LessonsWindowTest::theFirstLessonsFolderThatExistsIsTaken_data() {
    QTest::addColumn<bool>("inDataFolder");  // installed in the user's data folder
    QTest::addColumn<bool>("besideProgram"); // installed under the program's prefix
    QTest::addColumn<QString>("expected");   // "data", "beside" or "source"
    QTest::newRow("a program run from its build folder") << false << false << "source";
    QTest::newRow("installed beside the program") << false << true << "beside";
    QTest::newRow("installed for the user") << true << false << "data";
    QTest::newRow("installed for the user and beside the program") << true << true << "data";
}

void LessonsWindowTest::theFirstLessonsFolderThatExistsIsTaken() {
    QFETCH(bool, inDataFolder);
    QFETCH(bool, besideProgram);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    // Data folders of the test's own, the system's left out.
    const EnvironmentValue dataHome("XDG_DATA_HOME", root.filePath(QStringLiteral("home")));
    const EnvironmentValue dataDirs("XDG_DATA_DIRS", root.filePath(QStringLiteral("system")));
    const QString data = root.filePath(QStringLiteral("home/tarvelo/lessons"));
    const QString beside = root.filePath(QStringLiteral("prefix/share/tarvelo/lessons"));
    const QString program = root.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(QDir().mkpath(program));
    if (inDataFolder) {
        QVERIFY(QDir().mkpath(data));
    }
    if (besideProgram) {
        QVERIFY(QDir().mkpath(beside));
    }
    const QString source = QStringLiteral(TARVELO_SOURCE_DIR "/lessons");
    const QString wanted = expected == QLatin1String("data")     ? data
                           : expected == QLatin1String("beside") ? beside
                                                                 : source;
    QCOMPARE(tarvelo::LessonsFolder(program), QDir::cleanPath(wanted));
}

void LessonsWindowTest::theLoadDialogOffersTheLessons() {
    const QString lessons = tarvelo::LessonsFolder();
    QVERIFY(QDir(lessons).exists());
    const QUrl lessonsPlace = QUrl::fromLocalFile(lessons);
    const QList<QUrl> always = QFileDialog().sidebarUrls();
    QVERIFY(!always.isEmpty());
    QVERIFY(!always.contains(lessonsPlace));

    // Once after the places it always has, the second opening too.
    ClockedWindow w;
    QCOMPARE(SidebarOfDialog(w, "Command3"), always + QList<QUrl>{lessonsPlace});
    QCOMPARE(SidebarOfDialog(w, "Command3"), always + QList<QUrl>{lessonsPlace});
    // Nowhere else.
    QCOMPARE(SidebarOfDialog(w, "Command4"), always);
    QCOMPARE(QFileDialog().sidebarUrls(), always);
}

QTEST_MAIN(LessonsWindowTest)
#include "LessonsWindowTest.moc"
