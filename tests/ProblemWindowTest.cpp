// Save, Load and Restart on the real window, offscreen: the dialogs, the messages, and that a
// refused file or a failed save changes nothing, down to a save on a full or read-only disk.
#include "WindowFixture.h"
#include "ui/accessibility/Announcer.h"
#include "ui/instance/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using tarvelo::PieceKind;
using tarvelo::test::AnswerNextDialog;
using tarvelo::test::CatchMessage;
using tarvelo::test::ChooseFile;
using tarvelo::test::ClockedWindow;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kProblem = "# Tarvelo file - 10:00:00 - 01/02/2026\r\n"
                            "722\r\n237\r\n2\r\n"
                            "150\r\n252\r\n5\r\n5\r\n"
                            "600\r\n252\r\n7\r\n11\r\n";

// A file system of a few pages of the test's own, mounted on a temporary folder, for saves that
// run out of space or meet a disk that may only be read. Mounting needs the superuser. The mount
// ends with the object and, where the system allows it, lives in a mount namespace of this
// process alone, so that not even a crashed test leaves it behind.
class SmallDisk {
  public:
    SmallDisk() {
        if (!folder_.isValid()) {
            whyNot_ = QStringLiteral("no temporary folder to mount on");
            return;
        }
        KeepMountsToThisProcess();
        if (::mount("tarvelo-test", Path(), "tmpfs", 0, kOptions) != 0) {
            whyNot_ = QStringLiteral("a small tmpfs cannot be mounted here (%1); it takes the "
                                     "superuser and a system that allows mounts")
                          .arg(qt_error_string(errno));
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(Path(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    QStringList Files() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Fills the disk with one file until only `bytesLeft` are free; false if it cannot.
    bool FillLeaving(qint64 bytesLeft) {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return false;
        }
        const QByteArray page(kPage, '\0');
        while (FreeBytes() > bytesLeft) {
            const qint64 chunk = std::min<qint64>(kPage, FreeBytes() - bytesLeft);
            if (filler.write(page.constData(), chunk) != chunk) {
                return false;
            }
        }
        return FreeBytes() == bytesLeft;
    }
    bool MakeReadOnly() {
        return ::mount("tarvelo-test", Path(), "tmpfs", MS_REMOUNT | MS_RDONLY, kOptions) == 0;
    }

  private:
    static constexpr const char* kOptions = "size=64k";
    static constexpr int kPage = 4096;

    static void KeepMountsToThisProcess() {
        // Without a namespace of its own the mount is simply unmounted at the end.
        if (::unshare(CLONE_NEWNS) == 0) {
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        }
    }
    QByteArray Path() const { return QFile::encodeName(folder_.path()); }
    qint64 FreeBytes() const {
        struct statvfs fs {};
        if (::statvfs(Path().constData(), &fs) != 0) {
            return -1;
        }
        return static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
    }

    QTemporaryDir folder_; // outlives the mount on it
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace

class ProblemWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void saveThenLoadThroughTheDialogs();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void aFailedSaveKeepsTheFileThatWasThere_data();
    void aFailedSaveKeepsTheFileThatWasThere();
    void aSaveOnAFullOrReadOnlyDiskChangesNothing_data();
    void aSaveOnAFullOrReadOnlyDiskChangesNothing();
    void placesASaveMustNotWriteAreRefused_data();
    void placesASaveMustNotWriteAreRefused();
    void aReplacedFileKeepsItsOwnerModeAndOtherNames();
    void restartReadsTheFileAgain();
    void aLoadAskedForDuringNewComesAfterIt();
    void everyWayOfReplacingTheSceneCanBeUndone_data();
    void everyWayOfReplacingTheSceneCanBeUndone();
};

void ProblemWindowTest::saveThenLoadThroughTheDialogs() {
    QTemporaryDir folder;
    ClockedWindow w;
    auto& m = w.window.model();
    m.scene.SetXYvalues(6, 2);

    m.AddObject(PieceKind::kFour, 100, 150);
    m.AddObject(PieceKind::kY, 600, 150);
    w.RunMs(3000);
    const std::string line = m.equation.lblEquazione().Caption;

    // Save: the dialog offers problem.trv in the documents folder; the extension is added.
    QString title, offered, startFolder, suffix;
    QStringList filters;
    AnswerNextDialog([&](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        startFolder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        ChooseFile(dialog, folder.filePath(QStringLiteral("lesson")));
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(w.child<QPushButton>("Command4"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Save"));
    QCOMPARE(offered, QStringLiteral("problem.trv"));
    QCOMPARE(filters, QStringList{QStringLiteral("Tarvelo problem (*.trv)")});
    QCOMPARE(suffix, QStringLiteral("trv"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(startFolder, QDir(documents).exists() ? documents : QDir::homePath());
    const QString saved = folder.filePath(QStringLiteral("lesson.trv"));
    QVERIFY(QFile::exists(saved));
    QCOMPARE(QString::fromStdString(m.controls.stProblemFile()), saved);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo")); // a save leaves the caption
    const QByteArray bytes = ReadAll(saved);
    QVERIFY(bytes.startsWith("# Tarvelo file - "));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 4 + 2 * 4);

    // New, then Load: the dialog starts in the folder of the file just saved.
    QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m.scene.objCount(), 2);
    AnswerNextDialog([&](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        startFolder = dialog->directory().absolutePath();
        ChooseFile(dialog, saved);
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(w.child<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Open"));
    QCOMPARE(offered, QStringLiteral("MyFileName.trv"));
    QCOMPARE(startFolder, QFileInfo(saved).absolutePath());
    QCOMPARE(m.scene.objCount(), 4);
    QCOMPARE(m.scene.xValue(), 6);
    QCOMPARE(m.scene.yValue(), 2);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + saved);
    QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Free); // Load keeps the mode
    w.RunMs(4000);
    QCOMPARE(m.equation.lblEquazione().Caption, line);
}

void ProblemWindowTest::refusedFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("content"); // empty name: no file at all
    QTest::addColumn<QString>("mentions");
    QTest::newRow("missing") << QByteArray() << "cannot be opened";
    QTest::newRow("empty") << QByteArray("") << "ends before line 1";
    QTest::newRow("truncated") << QByteArray("h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n") << "line 7";
    QTest::newRow("count -1") << QByteArray("h\r\n7\r\n3\r\n-1\r\n") << "Line 4";
    QTest::newRow("count 2.5") << QByteArray("h\r\n7\r\n3\r\n2.5\r\n") << "2.5";
    QTest::newRow("count 1e12") << QByteArray("h\r\n7\r\n3\r\n1e12\r\n") << "Line 4";
    QTest::newRow("kind 15") << QByteArray("h\r\n7\r\n3\r\n1\r\n150\r\n252\r\n5\r\n15\r\n")
                             << "Line 8";
}

void ProblemWindowTest::refusedFilesChangeNothing() {
    QFETCH(QByteArray, content);
    QFETCH(QString, mentions);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.trv"));
    if (!content.isNull()) {
        Write(path, content);
    }
    ClockedWindow w;
    auto& m = w.window.model();
    m.AddObject(PieceKind::kThree, 100, 150);
    w.RunMs(2000);
    m.controls.SetProblemFile("/somewhere/current.trv");
    const std::uint64_t before = m.Changes();

    QString message;
    CatchMessage(&message);
    QVERIFY(!w.window.OpenProblem(path));
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(mentions), qPrintable(message));
    QCOMPARE(m.Changes(), before); // the scene, the caption and the values untouched
    QCOMPARE(m.controls.stProblemFile(), std::string("/somewhere/current.trv"));
    QCOMPARE(m.scene.objCount(), 3);
}

void ProblemWindowTest::aFailedSaveKeepsTheFileThatWasThere_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("mentions"); // why, in the message
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "permission denied";
    QTest::newRow("read-only file system") << "read-only file system"
                                           << "";
    QTest::newRow("a folder in the way") << "folder in the way"
                                         << "a folder of that name";
    QTest::newRow("no such folder") << "no such folder"
                                    << "the folder does not exist";
}

void ProblemWindowTest::aFailedSaveKeepsTheFileThatWasThere() {
    QFETCH(QString, how);
    QFETCH(QString, mentions);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("kept.trv"));
    if (how == QLatin1String("read-only folder")) {
        if (geteuid() == 0) {
            QSKIP("the superuser writes into read-only folders; see the read-only file system");
        }
        Write(path, kProblem);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    } else if (how == QLatin1String("read-only file system")) {
        path = QStringLiteral("/proc/version"); // read-only even for the superuser
        if (!QFile::exists(path)) {
            QSKIP("no /proc here");
        }
    } else if (how == QLatin1String("folder in the way")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("kept.trv")));
    } else {
        path = folder.filePath(QStringLiteral("missing/kept.trv"));
    }
    const QByteArray before = ReadAll(path);

    ClockedWindow w;
    auto& m = w.window.model();
    m.AddObject(PieceKind::kThree, 100, 150);
    m.controls.SetProblemFile("/somewhere/current.trv");
    QString message;
    CatchMessage(&message);
    QVERIFY(!w.window.SaveProblemAs(path));
    QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
    QVERIFY2(message.contains(mentions), qPrintable(message));
    QCOMPARE(ReadAll(path), before);
    QCOMPARE(m.controls.stProblemFile(), std::string("/somewhere/current.trv"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProblemWindowTest::aSaveOnAFullOrReadOnlyDiskChangesNothing_data() {
    // A long problem is written past the 16 KB that Qt buffers, and is larger than the room left.
    constexpr int kLongProblemPieces = 2000;
    constexpr qint64 kAFewPages = 8192;
    constexpr qint64 kReadOnly = -1;
    QTest::addColumn<bool>("existing"); // over an old file, or as a new one
    QTest::addColumn<int>("pieces");
    QTest::addColumn<qint64>("bytesLeft");
    QTest::addColumn<QString>("mentions");
    const QString noSpace = QStringLiteral("there is no space left on the disk");
    const QString readOnly = QStringLiteral("the disk may only be read");
    QTest::newRow("full, over an old file") << true << 1 << qint64{0} << noSpace;
    QTest::newRow("full, a new file") << false << 1 << qint64{0} << noSpace;
    QTest::newRow("a few pages left, a long problem over an old file")
        << true << kLongProblemPieces << kAFewPages << noSpace;
    QTest::newRow("a few pages left, a long problem as a new file")
        << false << kLongProblemPieces << kAFewPages << noSpace;
    QTest::newRow("read-only, over an old file") << true << 1 << kReadOnly << readOnly;
    QTest::newRow("read-only, a new file") << false << 1 << kReadOnly << readOnly;
}

void ProblemWindowTest::aSaveOnAFullOrReadOnlyDiskChangesNothing() {
    QFETCH(bool, existing);
    QFETCH(int, pieces);
    QFETCH(qint64, bytesLeft);
    QFETCH(QString, mentions);
    SmallDisk disk;
    if (!disk.mounted()) {
        QSKIP(qPrintable(disk.whyNot()));
    }
    const QString path = disk.filePath(QStringLiteral("old.trv"));
    if (existing) {
        Write(path, kProblem);
    }
    QVERIFY(bytesLeft < 0 ? disk.MakeReadOnly() : disk.FillLeaving(bytesLeft));
    const QStringList files = disk.Files();

    ClockedWindow w;
    auto& m = w.window.model();
    for (int i = 0; i < pieces; ++i) {
        m.AddObject(PieceKind::kThree, 100, 150);
    }
    m.controls.SetProblemFile("/somewhere/current.trv");
    QString message;
    CatchMessage(&message);
    QVERIFY(!w.window.SaveProblemAs(path));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(mentions), qPrintable(message));
    QCOMPARE(ReadAll(path), existing ? kProblem : QByteArray());
    QCOMPARE(disk.Files(), files); // no half-written copy left, no empty new file
    QCOMPARE(m.controls.stProblemFile(), std::string("/somewhere/current.trv"));
}

void ProblemWindowTest::placesASaveMustNotWriteAreRefused_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("a link in a shared folder") << "shared link"
                                               << "other users can change";
    QTest::newRow("another user's link") << "planted link"
                                         << "belongs to another user";
    QTest::newRow("a pipe") << "pipe"
                            << "not an ordinary file";
}

// A link in a folder others may write to (as another user could plant in /tmp), a link another
// user owns, and a pipe: nothing is written, the file a link names keeps its text, and the
// message says why.
void ProblemWindowTest::placesASaveMustNotWriteAreRefused() {
    QFETCH(QString, how);
    QFETCH(QString, mentions);
    QTemporaryDir folder;
    const QString notes = folder.filePath(QStringLiteral("notes.txt"));
    Write(notes, "the user's own notes");
    QString path = folder.filePath(QStringLiteral("demo.trv"));
    if (how == QLatin1String("shared link")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("shared")));
        QVERIFY(chmod(QFile::encodeName(folder.filePath(QStringLiteral("shared"))), 01777) == 0);
        path = folder.filePath(QStringLiteral("shared/demo.trv"));
        QVERIFY(QFile::link(notes, path));
    } else if (how == QLatin1String("planted link")) {
        if (geteuid() != 0) {
            QSKIP("giving a link to another user needs the superuser");
        }
        QVERIFY(QFile::link(notes, path));
        QVERIFY(lchown(QFile::encodeName(path), 65534, 65534) == 0);
    } else {
        QVERIFY(mkfifo(QFile::encodeName(path), 0600) == 0);
    }

    ClockedWindow w;
    w.window.model().AddObject(PieceKind::kThree, 100, 150);
    QString message;
    CatchMessage(&message);
    QVERIFY(!w.window.SaveProblemAs(path));
    QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
    QVERIFY2(message.contains(mentions), qPrintable(message));
    QCOMPARE(ReadAll(notes), QByteArray("the user's own notes"));
    const QFileInfo after(path);
    QVERIFY(how == QLatin1String("pipe") ? !after.isFile() : after.isSymLink());
}

// A file replaced keeps its mode (and, for the superuser, its owner); a file with a second name
// is replaced under the name saved to, and the user is told the other name keeps the old text.
void ProblemWindowTest::aReplacedFileKeepsItsOwnerModeAndOtherNames() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kept.trv"));
    const QString twin = folder.filePath(QStringLiteral("twin.trv"));
    Write(path, kProblem);
    QVERIFY(chmod(QFile::encodeName(path), 0444) == 0);
    const bool root = geteuid() == 0;
    if (root) {
        QVERIFY(chown(QFile::encodeName(path), 65534, 65534) == 0);
    }
    QVERIFY(link(QFile::encodeName(path), QFile::encodeName(twin)) == 0);

    ClockedWindow w;
    w.window.model().AddObject(PieceKind::kThree, 100, 150);
    QString message;
    CatchMessage(&message);
    QVERIFY(w.window.SaveProblemAs(path));
    QVERIFY2(message.contains(QStringLiteral("other names")), qPrintable(message));
    struct stat st {};
    QVERIFY(stat(QFile::encodeName(path), &st) == 0);
    QCOMPARE(st.st_mode & 07777, 0444U);
    QCOMPARE(st.st_uid, root ? 65534U : geteuid());
    QVERIFY(ReadAll(path) != kProblem);
    QCOMPARE(ReadAll(twin), kProblem);
}

void ProblemWindowTest::restartReadsTheFileAgain() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("restart me.trv"));
    Write(path, kProblem);
    ClockedWindow w;
    auto& m = w.window.model();
    QVERIFY(w.window.OpenProblem(path));
    m.controls.UpdateProgramMode(tarvelo::ProgramMode::Problem);
    w.window.SyncFromModel();
    m.scene.SetXYvalues(1, m.scene.yValue()); // as if changed since
    w.RunMs(3000);

    QTest::mouseClick(w.child<QPushButton>("Command5"), Qt::LeftButton);
    QCOMPARE(m.scene.xValue(), 7);
    QCOMPARE(m.scene.yValue(), 3);
    QCOMPARE(m.scene.objCount(), 4);
    QCOMPARE(m.scene.obj(3).objY, -48); // back at the file's start
    QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Problem);

    // A file gone since: Restart says so and leaves the scene.
    QVERIFY(QFile::remove(path));
    w.RunMs(3000);
    const std::uint64_t before = m.Changes();
    QString message;
    CatchMessage(&message);
    QTest::mouseClick(w.child<QPushButton>("Command5"), Qt::LeftButton);
    QVERIFY(message.contains(path));
    QCOMPARE(m.Changes(), before);
}

void ProblemWindowTest::aLoadAskedForDuringNewComesAfterIt() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("later.trv"));
    Write(path, kProblem);
    ClockedWindow w;
    auto& m = w.window.model();
    for (int i = 0; i < 5; ++i) {
        m.AddObject(tarvelo::CubeBearing(1 + i).value(), 60 + 80 * i, 100);
    }
    w.RunMs(2000);
    // While New waits for the pieces to fall out, the file is opened.
    bool asked = false;
    w.clock.AddTimer(30, [&] {
        if (!asked && m.IsCleaning()) {
            asked = true;
            QVERIFY(w.window.OpenProblem(path));
        }
    });
    QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(asked);
    QCOMPARE(m.scene.objCount(), 4);
    QCOMPARE(m.scene.xValue(), 7);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + path);
}

void ProblemWindowTest::everyWayOfReplacingTheSceneCanBeUndone_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("built"); // whether the child had built a scene before
    for (const char* way : {"New", "Load", "Restart"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 over a built scene").arg(way)))
            << QString::fromLatin1(way) << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 over an untouched scene").arg(way)))
            << QString::fromLatin1(way) << false;
    }
}

void ProblemWindowTest::everyWayOfReplacingTheSceneCanBeUndone() {
    // Nothing a child built is lost without asking: New, Load and Restart each replace the
    // scene in one step that Ctrl+Z takes back, and the window says so. (A lesson handed over
    // from the desktop, which no undo leaves, asks first: see the desktop tests.)
    QFETCH(QString, way);
    QFETCH(bool, built);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.trv"));
    Write(path, kProblem);
    ClockedWindow w;
    auto& m = w.window.model();
    if (built) {
        for (int i = 0; i < 4; ++i) {
            m.AddObject(tarvelo::CubeBearing(2 + i).value(), 60 + 220 * i, 100);
        }
    }
    w.RunMs(3000);
    const auto seen = [&] {
        QStringList pieces;
        for (std::int32_t i = 1; i <= m.scene.objCount(); ++i) {
            const auto& o = m.scene.obj(i);
            pieces << QStringLiteral("%1@%2,%3")
                          .arg(tarvelo::KindNumber(o.objKind))
                          .arg(o.objX)
                          .arg(o.objY);
        }
        return QString::fromStdString(m.equation.lblEquazione().Caption) + QLatin1Char('|') +
               pieces.join(QLatin1Char(' '));
    };
    const QString before = seen();

    if (way == QStringLiteral("New")) {
        QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_N));
    } else if (way == QStringLiteral("Load")) {
        QVERIFY(w.window.OpenProblem(path));
    } else {
        m.controls.SetProblemFile(tarvelo::BytesOfText(path));
        w.window.Restart();
    }
    const QString said = w.window.findChild<tarvelo::Announcer*>()->LastSaid();
    QVERIFY2(said.contains(QStringLiteral("Ctrl+Z brings back")), qPrintable(said));
    // Of the balance, only the one the new scene rests with is told, not the pans on the way.
    QStringList saidSince;
    QObject::connect(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said,
                     [&](const QString& text) { saidSince << text; });
    w.RunMs(3000);
    QCOMPARE(saidSince.size(), 1);
    QVERIFY2(
        saidSince.constFirst().contains(QString::fromStdString(m.equation.lblEquazione().Caption)),
        qPrintable(saidSince.join(QLatin1Char('|'))));
    // A new scene over an untouched one looks the same: two empty pans.
    QVERIFY(seen() != before || (!built && !way.startsWith(QStringLiteral("Load")) &&
                                 !way.startsWith(QStringLiteral("Restart"))));

    QTest::keySequence(&w.window, QKeySequence(Qt::CTRL | Qt::Key_Z));
    w.RunMs(3000);
    QCOMPARE(seen(), before);
}

QTEST_MAIN(ProblemWindowTest)
#include "ProblemWindowTest.moc"
