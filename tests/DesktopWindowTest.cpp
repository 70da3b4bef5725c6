// The window's side of the desktop: a problem named on the command line, command lines handed
// over by later starts, the socket that carries them, and the information window.
#include "WindowFixture.h"
#include "ui/instance/InstanceMessages.h"
#include "ui/instance/NoticeQueue.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/ProblemMessages.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

using tarvelo::PieceKind;
using tarvelo::PieceKindFromNumber;
using tarvelo::test::AnswerNextDialog;
using tarvelo::test::CatchMessage;
using tarvelo::test::ChooseFile;
using tarvelo::test::ClockedWindow;
using tarvelo::test::KeyedWindow;

namespace {

// X = 7, Y = 3 and one piece of the given kind.
QString WriteProblem(const QString& path, int kind) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(
            QStringLiteral("h\r\n7\r\n3\r\n1\r\n100\r\n252\r\n%1\r\n%1\r\n").arg(kind).toLatin1());
    }
    return path;
}

// Every message box that opens while this lives: its text is kept, and it is closed from inside
// its own event loop, after `whileFirstOpen` (when set) has run there for the first box.
class MessageBoxes : public QObject {
  public:
    MessageBoxes() { QCoreApplication::instance()->installEventFilter(this); }
    ~MessageBoxes() override { QCoreApplication::instance()->removeEventFilter(this); }
    QStringList texts;
    std::function<void()> whileFirstOpen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            const bool first = texts.isEmpty();
            texts << box->text();
            QTimer::singleShot(0, box, [this, box, first] {
                if (first && whileFirstOpen) {
                    whileFirstOpen();
                }
                box->accept();
            });
        }
        return false;
    }
};

// A folder of the test's own, where the instance socket lies.
struct OwnRuntimeFolder {
    OwnRuntimeFolder() {
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(tarvelo::kInstanceFolderVariable, QFile::encodeName(folder.path()));
    }
    QTemporaryDir folder;
};

// A later start's side of the socket: connected, with `handOver` sent.
std::unique_ptr<QLocalSocket> HandOverAsALaterStart(const tarvelo::HandOver& handOver) {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(tarvelo::InstanceSocketName());
    if (socket->waitForConnected(1000)) {
        socket->write(tarvelo::EncodeHandOver(handOver));
        socket->flush();
    }
    return socket;
}

// The answer that has come to a later start so far: "D" once its hand-over has been taken.
QByteArray Answer(QLocalSocket& socket) {
    socket.waitForReadyRead(0);
    return socket.peek(1);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// Answers the question to discard a built scene with `answer` whenever it is asked, and a save
// dialog it leads to with `saveAs` (cancelled when empty), for as long as it lives; any other
// message box is closed, its text kept.
struct DiscardQuestionAnswerer {
    explicit DiscardQuestionAnswerer(QMessageBox::StandardButton answer, QString saveAs = {}) {
        QObject::connect(&timer, &QTimer::timeout, [this, answer, saveAs] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal);
                box != nullptr && box->text() == tarvelo::DiscardBuiltSceneQuestion()) {
                ++asked;
                box->button(answer)->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal); files != nullptr) {
                // No name to save as: the user cancels the Save dialog.
                if (saveAs.isEmpty()) {
                    static_cast<QDialog*>(files)->reject();
                } else {
                    ChooseFile(files, saveAs);
                    static_cast<QDialog*>(files)->accept();
                }
            } else if (box != nullptr) {
                warnings << box->text();
                box->accept();
            }
        });
        timer.start(kPollMs);
    }
    static constexpr int kPollMs = 10;
    QTimer timer;
    int asked = 0;
    QStringList warnings;
};

// The message boxes on show.
QList<QMessageBox*> OpenBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            boxes << box;
        }
    }
    return boxes;
}

// Later starts at the level of the system's sockets, so that a test opens many at once from
// one thread while the instance runs on the same thread: connected without waiting for the
// instance to take them (the listen backlog holds them), the hand-over written at once.
// A socket file with nobody behind it, as an instance that crashed leaves it.
void LeaveStaleSocket(const QString& socketName) {
    const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketName);
    std::copy(path.begin(), path.end(), address.sun_path);
    bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address);
    close(descriptor);
}

// Environment variables set for a while, and put back as they were.
class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
    }
    void Set(const char* name, const std::optional<QByteArray>& value) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                      ? std::optional<QByteArray>(qgetenv(name))
                                      : std::nullopt);
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

class RawStarts {
  public:
    RawStarts() = default;
    RawStarts(const RawStarts&) = delete;
    RawStarts& operator=(const RawStarts&) = delete;
    ~RawStarts() {
        for (const int descriptor : descriptors_) {
            close(descriptor);
        }
    }
    // False when the connection was not taken into the backlog at once.
    bool Add(const QString& socketName, const tarvelo::HandOver& handOver) {
        const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        descriptors_.push_back(descriptor);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socketName);
        std::copy(path.begin(), path.end(), address.sun_path);
        if (connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            return false;
        }
        const QByteArray message = tarvelo::EncodeHandOver(handOver);
        return send(descriptor, message.constData(), static_cast<size_t>(message.size()),
                    MSG_NOSIGNAL) == message.size();
    }
    // How many have their answer.
    int Answered() const {
        return static_cast<int>(std::ranges::count_if(descriptors_, [](int descriptor) {
            char answer = 0;
            return recv(descriptor, &answer, 1, MSG_PEEK | MSG_DONTWAIT) == 1 && answer == 'D';
        }));
    }

  private:
    std::vector<int> descriptors_;
};

} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLines_data();
    void commandLines();
    void aFileNameThatIsNotUtf8();
    void handedOverCommandLines();
    void theSocketIgnoresWhatIsNoHandOver();
    void handOversAreAnsweredAtOnceAndServedOnceTheWindowShows();
    void aBurstIsAnsweredWhileTheInstanceIsBusy();
    void thousandsOfRefusedHandOversShowOneNotice();
    void noticesComeOneAtATime();
    void aHandOverWhileTheStartUpMessageIsOpenIsServedOnce();
    void theLockDecidesWhatRuns();
    void thePrivateFolder_data();
    void thePrivateFolder();
    void theFoldersLookedAtDoNotDependOnTheEnvironment();
    void aSecondStartGivesUpWhenNoAnswerComes();
    void aSecondStartSaysWhenTheConnectionClosesUnanswered();
    void infoWindowOpensClosesAndReopens();
    void aHandOverWaitsWhileADialogIsOpen_data();
    void aHandOverWaitsWhileADialogIsOpen();
    void aLessonHandedOverAsksBeforeReplacingABuiltScene_data();
    void aLessonHandedOverAsksBeforeReplacingABuiltScene();
    void ofManyHandOversOnlyTheLastIsOpened();
    void closingAsksBeforeLosingABuiltScene_data();
    void closingAsksBeforeLosingABuiltScene();
    void aLogoutThatMayNotAskWaitsForABuiltScene();
    void aFileDroppedOnTheWindow_data();
    void aFileDroppedOnTheWindow();
};

void DesktopWindowTest::commandLines_data() {
    QTest::addColumn<QString>("commandLine"); // %1 stands for the folder of the test
    QTest::addColumn<QString>("opened");      // the file opened, empty for none
    QTest::addColumn<QString>("said");        // part of the message said, empty for none
    QTest::newRow("quoted path with blanks") << "\"%1/first try.trv\""
                                             << "%1/first try.trv"
                                             << "";
    QTest::newRow("unquoted path with blanks") << "%1/first try.trv"
                                               << "%1/first try.trv"
                                               << "";
    QTest::newRow("leading quote only: loses its last character") << "\"%1/first try.trvv"
                                                                  << "%1/first try.trv"
                                                                  << "";
    QTest::newRow("a single double quote") << "\""
                                           << ""
                                           << "names no problem file";
    QTest::newRow("quotes around nothing: not the working folder") << "\"\""
                                                                   << ""
                                                                   << "names no problem file";
    QTest::newRow("a missing file") << "%1/missing.trv"
                                    << ""
                                    << "missing.trv";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void DesktopWindowTest::commandLines() {
    QFETCH(QString, commandLine);
    QFETCH(QString, opened);
    QFETCH(QString, said);
    QTemporaryDir folder;
    WriteProblem(folder.filePath(QStringLiteral("first try.trv")), 5);
    MessageBoxes boxes;
    ClockedWindow w(commandLine.arg(folder.path()));
    auto& m = w.window.model();
    // A refusal is said once the window shows.
    QTRY_COMPARE(boxes.texts.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty()) {
        QVERIFY2(boxes.texts[0].contains(said), qPrintable(boxes.texts[0]));
    }
    if (opened.isEmpty()) {
        QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Free);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo"));
        QVERIFY(w.child<QPushButton>("Command2")->isVisible());
        QCOMPARE(m.scene.objCount(), 2);
    } else {
        QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Problem);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + opened.arg(folder.path()));
        QVERIFY(!w.child<QPushButton>("Command2")->isVisible());
        QVERIFY(!w.child<QPushButton>("Command3")->isVisible());
        QVERIFY(!w.child<QPushButton>("Command4")->isVisible());
        QVERIFY(w.child<QPushButton>("Command5")->isVisible());
        QCOMPARE(m.scene.objCount(), 3);
        QCOMPARE(m.scene.xValue(), 7);
    }
    // A later New does not read the command line again.
    QTest::mouseClick(w.child<QPushButton>(opened.isEmpty() ? "Command2" : "Command5"),
                      Qt::LeftButton);
    QCOMPARE(m.scene.objCount(), opened.isEmpty() ? 2 : 3);
}

void DesktopWindowTest::aFileNameThatIsNotUtf8() {
    // A name in Latin-1, as an old disk or archive gives it: its bytes reach the file, from the
    // command line as the system passes it and through a hand-over from another folder.
    OwnRuntimeFolder runtime;
    QTemporaryDir folder;
    const std::string folderBytes = QFile::encodeName(folder.path()).toStdString();
    const std::string name = "caf\xE9.trv";
    const std::string path = folderBytes + '/' + name;
    const QByteArray content = "h\r\n7\r\n3\r\n1\r\n100\r\n252\r\n9\r\n9\r\n";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    QVERIFY(out != nullptr);
    std::fwrite(content.constData(), 1, static_cast<size_t>(content.size()), out);
    std::fclose(out);
    // The temporary folder cannot name this file to remove it.
    const std::unique_ptr<const char, void (*)(const char*)> removal(
        path.c_str(), [](const char* file) { std::remove(file); });

    {
        char program[] = "tarvelo";
        std::string quoted = '"' + path + '"';
        char* argv[] = {program, quoted.data()};
        ClockedWindow w(tarvelo::CommandLineOf(2, argv));
        QCOMPARE(w.window.model().controls.programMode(), tarvelo::ProgramMode::Problem);
        QCOMPARE(w.window.model().scene.obj(3).objKind, PieceKind::kNine);
        QCOMPARE(w.window.model().controls.stProblemFile(), path);
        // Restart opens the same bytes again.
        w.window.model().RemoveBlock(3);
        w.window.Restart();
        QCOMPARE(w.window.model().scene.objCount(), 3);
        QCOMPARE(w.window.model().controls.stProblemFile(), path);
    }

    ClockedWindow w;
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    server.Serve([&](const tarvelo::HandOver& handOver) {
        w.window.ExecuteHandOver(
            handOver.commandLine, [] {}, handOver.workingDirectory);
    });
    auto later = HandOverAsALaterStart(
        {tarvelo::TextOfBytes('"' + name + '"'), tarvelo::TextOfBytes(folderBytes)});
    QTRY_COMPARE(w.window.model().controls.stProblemFile(), path);
    QCOMPARE(w.window.model().controls.programMode(), tarvelo::ProgramMode::Problem);
    QCOMPARE(Answer(*later), QByteArray("D"));
}

void DesktopWindowTest::handedOverCommandLines() {
    QTemporaryDir folder;
    const QString first = WriteProblem(folder.filePath(QStringLiteral("first.trv")), 5);
    const QString second = WriteProblem(folder.filePath(QStringLiteral("second.trv")), 9);
    ClockedWindow w(Quoted(first));
    auto& m = w.window.model();
    w.RunMs(2000);

    // Another file: the scene is cleared and the file loaded, in problem mode.
    int done = 0;
    w.window.ExecuteHandOver(Quoted(second), [&] { ++done; });
    QCOMPARE(done, 1);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + second);
    QCOMPARE(m.scene.obj(3).objKind, PieceKind::kNine);
    QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Problem);

    // A refused file, or a command line that names none, changes nothing; the other start is
    // answered all the same, and the window says why in words of its own for a hand-over.
    w.RunMs(2000);
    const std::uint64_t before = m.Changes();
    const struct {
        QString commandLine;
        QString said;
    } refused[] = {
        {folder.filePath(QStringLiteral("gone.trv")), QStringLiteral("gone.trv")},
        {QStringLiteral("\""), tarvelo::HandedOverNoFileMessage(QStringLiteral("\""))},
        {QStringLiteral("\"\""), tarvelo::HandedOverNoFileMessage(QStringLiteral("\"\""))},
    };
    for (const auto& r : refused) {
        MessageBoxes boxes;
        w.window.ExecuteHandOver(
            r.commandLine, [&] { ++done; }, folder.path());
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(r.said), qPrintable(boxes.texts[0]));
        QVERIFY2(!boxes.texts[0].contains(QStringLiteral("starts without")),
                 qPrintable(boxes.texts[0]));
        QVERIFY2(!boxes.texts[0].contains(folder.path() + QChar(0x201D)),
                 qPrintable(boxes.texts[0]));
        QCOMPARE(m.Changes(), before);
    }
    QCOMPARE(done, 4);

    // A relative path is meant from the folder the other start ran in.
    w.window.ExecuteHandOver(
        QStringLiteral("first.trv"), [&] { ++done; }, folder.path());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + first);
    QCOMPARE(m.scene.obj(3).objKind, PieceKind::kFive);

    // An empty command: the scene is cleared and the window is back in free mode.
    w.window.ExecuteHandOver(QString(), [&] { ++done; });
    QCOMPARE(done, 6);
    QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Free);
    QCOMPARE(m.scene.objCount(), 2);
    QVERIFY(w.child<QPushButton>("Command2")->isVisible());
    QVERIFY(!w.child<QPushButton>("Command5")->isVisible());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + first);
}

void DesktopWindowTest::theSocketIgnoresWhatIsNoHandOver() {
    OwnRuntimeFolder runtime;
    tarvelo::InstanceServer server;
    QStringList received;
    server.Serve([&](const tarvelo::HandOver& handOver) {
        received << handOver.workingDirectory + QLatin1Char('|') + handOver.commandLine;
    });
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    QVERIFY(tarvelo::InstanceSocketName().startsWith(runtime.folder.path()));

    const auto send = [](const QByteArray& bytes) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(tarvelo::InstanceSocketName());
        if (socket->waitForConnected(1000)) {
            socket->write(bytes);
            socket->flush();
        }
        return socket;
    };
    // Not a hand-over, or one longer than any command line: dropped without a word.
    auto garbage = send("GET / HTTP/1.0\r\n\r\n");
    QByteArray huge = tarvelo::EncodeHandOver({QStringLiteral("x"), QStringLiteral("/")});
    huge[4] = '\x7f';
    auto oversized = send(huge);
    QTRY_COMPARE(garbage->state(), QLocalSocket::UnconnectedState);
    QTRY_COMPARE(oversized->state(), QLocalSocket::UnconnectedState);
    // Half a message, then gone.
    send(tarvelo::EncodeHandOver({QStringLiteral("/tmp/half.trv"), QStringLiteral("/")}).left(10))
        ->abort();
    // A proper one is taken and answered.
    auto proper =
        send(tarvelo::EncodeHandOver({QStringLiteral("\"ü b.trv\""), QStringLiteral("/home/ä")}));
    QTRY_COMPARE(received, QStringList{QStringLiteral("/home/ä|\"ü b.trv\"")});
    QTRY_VERIFY(proper->bytesAvailable() > 0 || proper->waitForReadyRead(100));
    QCOMPARE(proper->read(1), QByteArray("D"));

    // The message framing itself.
    QCOMPARE(tarvelo::HandOverLength("TRV"), 0);
    QCOMPARE(tarvelo::HandOverLength("XYZW"), -1);
    const tarvelo::HandOver sent{QStringLiteral("abc"), QStringLiteral("/d")};
    const QByteArray whole = tarvelo::EncodeHandOver(sent);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        QCOMPARE(tarvelo::HandOverLength(whole.left(cut)), 0);
    }
    QCOMPARE(tarvelo::HandOverLength(whole + "more"), whole.size());
    QCOMPARE(tarvelo::DecodeHandOver(whole), sent);
}

void DesktopWindowTest::handOversAreAnsweredAtOnceAndServedOnceTheWindowShows() {
    OwnRuntimeFolder runtime;
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    auto first = HandOverAsALaterStart({QStringLiteral("first.trv"), QStringLiteral("/a")});
    auto second = HandOverAsALaterStart({QStringLiteral("second.trv"), QStringLiteral("/b")});

    // While the program still starts, the later starts have their answer and may end...
    QTRY_COMPARE(Answer(*first), QByteArray("D"));
    QTRY_COMPARE(Answer(*second), QByteArray("D"));
    QStringList served;
    // ...but nothing is done with their files until the window can take them, in order.
    server.Serve([&](const tarvelo::HandOver& handOver) { served << handOver.commandLine; });
    QCOMPARE(served, QStringList());
    QTRY_COMPARE(served, (QStringList{QStringLiteral("first.trv"), QStringLiteral("second.trv")}));
}

void DesktopWindowTest::aBurstIsAnsweredWhileTheInstanceIsBusy() {
    OwnRuntimeFolder runtime;
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    // Far more later starts at once than the toolkit's own listen backlog holds: every one is
    // taken into the backlog before the instance has looked at any.
    constexpr int kBurst = 300;
    RawStarts starts;
    for (int i = 0; i < kBurst; ++i) {
        QVERIFY2(starts.Add(tarvelo::InstanceSocketName(),
                            {QStringLiteral("%1.trv").arg(i), QStringLiteral("/")}),
                 qPrintable(QStringLiteral("start %1 was refused").arg(i)));
    }
    // The first hand-over keeps the instance busy, as a scene reset does while the user holds a
    // piece: the later starts are answered all the same, before the work they ask for.
    QStringList served;
    int answeredWhileBusy = -1;
    server.Serve([&](const tarvelo::HandOver& handOver) {
        served << handOver.commandLine;
        if (served.size() == 1) {
            QTRY_COMPARE_WITH_TIMEOUT(starts.Answered(), kBurst, 60000);
            answeredWhileBusy = starts.Answered();
        }
    });
    QTRY_COMPARE_WITH_TIMEOUT(served.size(), kBurst, 60000);
    QCOMPARE(answeredWhileBusy, kBurst);
    QStringList expected;
    for (int i = 0; i < kBurst; ++i) {
        expected << QStringLiteral("%1.trv").arg(i);
    }
    served.sort();
    expected.sort();
    QCOMPARE(served, expected);
}

void DesktopWindowTest::thousandsOfRefusedHandOversShowOneNotice() {
    OwnRuntimeFolder runtime;
    QTemporaryDir folder;
    const QString valid = WriteProblem(folder.filePath(QStringLiteral("valid.trv")), 9);
    ClockedWindow w;
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    server.Serve([&](const tarvelo::HandOver& handOver) {
        w.window.ExecuteHandOver(
            handOver.commandLine, [] {}, handOver.workingDirectory);
    });
    // Thousands of later starts hand over a file that does not exist, in waves as fast as the
    // instance takes them. Each refusal used to open a modal box inside the previous one.
    constexpr int kRefused = 3000;
    constexpr int kWave = 500;
    const QString missing = Quoted(folder.filePath(QStringLiteral("missing.trv")));
    for (int sent = 0; sent < kRefused; sent += kWave) {
        RawStarts wave;
        for (int i = 0; i < kWave; ++i) {
            QVERIFY(wave.Add(tarvelo::InstanceSocketName(), {missing, folder.path()}));
        }
        QTRY_COMPARE_WITH_TIMEOUT(wave.Answered(), kWave, 60000);
    }
    // One box, which counts them all once every hand-over has been worked through.
    QTRY_COMPARE(OpenBoxes().size(), 1);
    QTRY_VERIFY2(OpenBoxes()[0]->text().contains(QStringLiteral("%1 times").arg(kRefused)),
                 qPrintable(OpenBoxes()[0]->text()));
    QVERIFY(OpenBoxes()[0]->text().contains(QStringLiteral("missing.trv")));

    // With that box still open, a proper file is opened at once.
    auto later = HandOverAsALaterStart({Quoted(valid), folder.path()});
    QTRY_COMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + valid);
    QCOMPARE(Answer(*later), QByteArray("D"));
    QCOMPARE(OpenBoxes().size(), 1);
    OpenBoxes()[0]->accept();
    QTest::qWait(0);
    QCOMPARE(OpenBoxes().size(), 0);
}

void DesktopWindowTest::noticesComeOneAtATime() {
    QWidget window;
    window.show();
    tarvelo::NoticeQueue notices(&window);
    MessageBoxes boxes;
    // Posted all before the event loop runs: the first box opens only then, repeats are said
    // once with their count, in the order they first came.
    for (const char* text : {"A", "B", "A", "C", "A"}) {
        notices.Post(QString::fromLatin1(text));
    }
    QVERIFY(!notices.shownBox());
    QTRY_COMPARE(boxes.texts, (QStringList{tarvelo::RepeatedNotice(QStringLiteral("A"), 3),
                                           QStringLiteral("B"), QStringLiteral("C")}));

    // More distinct notices than are worth reading one by one: the rest are counted.
    boxes.texts.clear();
    constexpr int kMany = 25;
    for (int i = 0; i < kMany; ++i) {
        notices.Post(QString::number(i));
    }
    QTRY_VERIFY(!boxes.texts.isEmpty() &&
                boxes.texts.last().startsWith(QStringLiteral("15 further notices")));
    QCOMPARE(boxes.texts.size(), 11);
    QCOMPARE(boxes.texts.first(), QStringLiteral("0"));
}

void DesktopWindowTest::aHandOverWhileTheStartUpMessageIsOpenIsServedOnce() {
    OwnRuntimeFolder runtime;
    QTemporaryDir folder;
    const QString handed = WriteProblem(folder.filePath(QStringLiteral("handed.trv")), 9);
    tarvelo::FrmMain window(Quoted(folder.filePath(QStringLiteral("missing.trv"))));
    window.SetTimersRunning(false);
    window.model().InitializeControls();

    // Hand-overs are served from the very start here, so that only the window decides when
    // one can be taken.
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    QList<bool> shownWhenServed;
    server.Serve([&](const tarvelo::HandOver& handOver) {
        shownWhenServed << window.isVisible();
        window.ExecuteHandOver(
            handOver.commandLine, [] {}, handOver.workingDirectory);
    });

    // While the message about the missing file is open, a later start hands its file over and
    // waits for the answer.
    MessageBoxes boxes;
    QByteArray answer;
    boxes.whileFirstOpen = [&] {
        auto later = HandOverAsALaterStart({Quoted(handed), folder.path()});
        QTRY_COMPARE(Answer(*later), QByteArray("D"));
        answer = Answer(*later);
        QTRY_COMPARE(window.windowTitle(), QStringLiteral("Tarvelo - ") + handed);
    };
    window.BuildScene();
    window.show();
    QTRY_COMPARE(answer, QByteArray("D"));

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.value(0).contains(QStringLiteral("missing.trv")),
             qPrintable(boxes.texts.value(0)));
    QCOMPARE(shownWhenServed, QList<bool>{true});
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvelo - ") + handed);
    QCOMPARE(window.model().controls.programMode(), tarvelo::ProgramMode::Problem);
}

void DesktopWindowTest::theLockDecidesWhatRuns() {
    OwnRuntimeFolder runtime;
    const tarvelo::InstancePlace place = tarvelo::FindInstancePlace();
    const QByteArray socketPath = QFile::encodeName(place.socketName);

    // A socket file left by an instance that died: nobody holds the lock, so it goes.
    {
        LeaveStaleSocket(place.socketName);
        struct stat st {};
        QVERIFY(lstat(socketPath.constData(), &st) == 0 && S_ISSOCK(st.st_mode));
        tarvelo::InstanceServer server;
        QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    }

    // A live instance that does not answer (it is stopped, or busy without an event loop):
    // a later start leaves its socket alone and waits for it.
    {
        tarvelo::InstanceServer running;
        QCOMPARE(running.Begin(), tarvelo::InstanceServer::Start::Running);
        struct stat before {};
        QVERIFY(lstat(socketPath.constData(), &before) == 0);
        tarvelo::InstanceServer later;
        QCOMPARE(later.Begin(), tarvelo::InstanceServer::Start::AnotherRuns);
        struct stat after {};
        QVERIFY(lstat(socketPath.constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    // A directory at the socket's path: the first start runs, holds the lock and says why it
    // takes no hand-overs; a later start does not become a second instance, and is told.
    QVERIFY(QDir().mkpath(place.socketName + QStringLiteral("/inside")));
    tarvelo::InstanceServer first;
    QCOMPARE(first.Begin(), tarvelo::InstanceServer::Start::Alone);
    QCOMPARE(first.Problem(), tarvelo::SocketInTheWayMessage(place.socketName));
    tarvelo::InstanceServer later;
    QCOMPARE(later.Begin(), tarvelo::InstanceServer::Start::AnotherRuns);
    QCOMPARE(tarvelo::SendHandOver(QStringLiteral("x.trv"), 500),
             tarvelo::HandOverResult::InTheWay);
    QVERIFY(QFileInfo(place.socketName).isDir());
}

void DesktopWindowTest::thePrivateFolder_data() {
    // What lies at the runtime folder's place, the home, and the folder made in the home's cache
    // folder: "private" (a folder of this user's alone), "open" (one others may enter), "link"
    // (a link to a private folder), "other" (a private folder of the user nobody), "missing",
    // "loose" (a private folder inside one every user may change).
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("used"); // the folder used: runtime, home or none
    QTest::addColumn<bool>("refused"); // whether some folder was found unfit
    QTest::newRow("own runtime folder") << "private"
                                        << "private"
                                        << "missing"
                                        << "runtime" << false;
    QTest::newRow("no runtime folder") << "missing"
                                       << "private"
                                       << "missing"
                                       << "home" << false;
    QTest::newRow("runtime folder open to others") << "open"
                                                   << "private"
                                                   << "missing"
                                                   << "home" << true;
    QTest::newRow("runtime folder behind a link") << "link"
                                                  << "private"
                                                  << "missing"
                                                  << "home" << true;
    QTest::newRow("runtime folder of another user") << "other"
                                                    << "private"
                                                    << "missing"
                                                    << "home" << true;
    QTest::newRow("runtime folder that others may move") << "loose"
                                                         << "private"
                                                         << "missing"
                                                         << "home" << true;
    QTest::newRow("made folder ours but open: closed") << "missing"
                                                       << "private"
                                                       << "open"
                                                       << "home" << false;
    QTest::newRow("home's cache folder a link to our own") << "missing"
                                                           << "link"
                                                           << "missing"
                                                           << "home" << false;
    QTest::newRow("made folder a link") << "missing"
                                        << "private"
                                        << "link"
                                        << "none" << true;
    QTest::newRow("made folder of another user") << "missing"
                                                 << "private"
                                                 << "other"
                                                 << "none" << true;
    QTest::newRow("home others may change") << "missing"
                                            << "open"
                                            << "missing"
                                            << "none" << true;
    QTest::newRow("home of another user") << "missing"
                                          << "other"
                                          << "missing"
                                          << "none" << true;
    QTest::newRow("no home") << "missing"
                             << "missing"
                             << "missing"
                             << "none" << true;
}

void DesktopWindowTest::thePrivateFolder() {
    QFETCH(QString, runtime);
    QFETCH(QString, home);
    QFETCH(QString, made);
    QFETCH(QString, used);
    QFETCH(bool, refused);
    const QString other = QStringLiteral("other");
    if ((runtime == other || home == other || made == other) && geteuid() != 0) {
        QSKIP("giving a folder to another user needs the superuser");
    }
    QTemporaryDir root;
    const QString runParent = root.filePath(QStringLiteral("run"));
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    tarvelo::InstanceFolders folders;
    folders.runtime = QDir(runParent).filePath(QStringLiteral("user"));
    folders.home = home == QStringLiteral("missing") ? QString() : root.filePath("home");
    folders.machine = QStringLiteral("school-pc-7");
    QVERIFY(QDir().mkpath(runParent) && QDir().mkpath(elsewhere));
    QCOMPARE(chmod(QFile::encodeName(elsewhere).constData(), 0700), 0);
    // Makes `path` what `what` says.
    const auto make = [&](const QString& path, const QString& what) {
        const QByteArray bytes = QFile::encodeName(path);
        if (what == QStringLiteral("missing")) {
            return;
        }
        if (what == QStringLiteral("link")) {
            QVERIFY(QFile::link(elsewhere, path));
            return;
        }
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(chmod(bytes.constData(), what == QStringLiteral("open") ? 0777 : 0700), 0);
        if (what == other) {
            constexpr uid_t kNobody = 65534;
            QCOMPARE(chown(bytes.constData(), kNobody, kNobody), 0);
        }
    };
    const QString cache = QDir(folders.home).filePath(QStringLiteral(".cache"));
    const QString madeName = QStringLiteral("tarvelo-%1").arg(geteuid());
    if (runtime == QStringLiteral("loose")) {
        QCOMPARE(chmod(QFile::encodeName(runParent).constData(), 0777), 0);
        make(folders.runtime, QStringLiteral("private"));
    } else {
        make(folders.runtime, runtime);
    }
    if (home == QStringLiteral("link")) {
        // The home is ours; its cache folder leads to a private folder elsewhere.
        make(folders.home, QStringLiteral("private"));
        make(cache, QStringLiteral("link"));
    } else {
        make(folders.home, home);
    }
    if (made != QStringLiteral("missing")) {
        QVERIFY(QDir().mkpath(cache));
        make(QDir(cache).filePath(madeName), made);
    }

    const tarvelo::InstancePlace place = tarvelo::FindInstancePlaceAmong(folders);
    if (used == QStringLiteral("none")) {
        // No place at all, and the message says why.
        QVERIFY(place.folder.isEmpty());
        QVERIFY(place.socketName.isEmpty() && place.lockName.isEmpty());
        QVERIFY(!place.refused.isEmpty());
        if (home == QStringLiteral("missing")) {
            QCOMPARE(place.refused.last(), tarvelo::NoHomeFolderReason());
        }
        return;
    }
    const QString expected =
        used == QStringLiteral("runtime") ? folders.runtime : QDir(cache).filePath(madeName);
    QCOMPARE(place.folder, expected);
    // In the home, the machine's name is part of the names: a home may be shared.
    const QString base =
        used == QStringLiteral("runtime") ? madeName : madeName + QStringLiteral("-school-pc-7");
    QCOMPARE(place.socketName, QDir(expected).filePath(base + QStringLiteral(".socket")));
    QCOMPARE(place.lockName, QDir(expected).filePath(base + QStringLiteral(".lock")));
    struct stat st {};
    QVERIFY(stat(QFile::encodeName(place.folder).constData(), &st) == 0);
    QVERIFY(S_ISDIR(st.st_mode));
    QCOMPARE(st.st_uid, geteuid());
    QCOMPARE(st.st_mode & 0777, 0700u);
    QVERIFY2(place.refused.isEmpty() != refused, qPrintable(place.refused.join(QLatin1Char('\n'))));
}

void DesktopWindowTest::theFoldersLookedAtDoNotDependOnTheEnvironment() {
    // Starts of one user with different environments (a session's, a terminal's, one started by
    // sudo or a scheduler) all look at the same folders, and another user's folder in the shared
    // temporary folder is not among them.
    const tarvelo::InstanceFolders plain = tarvelo::SystemInstanceFolders();
    QCOMPARE(plain.runtime, QStringLiteral("/run/user/%1").arg(geteuid()));
    const passwd* entry = getpwuid(geteuid());
    QVERIFY(entry != nullptr);
    QCOMPARE(plain.home, QFile::decodeName(entry->pw_dir));
    QVERIFY(!plain.machine.isEmpty() && !plain.machine.contains(QLatin1Char('/')));
    QTemporaryDir elsewhere;
    const QByteArray there = QFile::encodeName(elsewhere.path());
    for (const auto& value : {std::optional<QByteArray>(there), std::optional<QByteArray>()}) {
        ScopedEnvironment environment;
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR", "HOME", "XDG_CACHE_HOME"}) {
            environment.Set(name, value);
        }
        const tarvelo::InstanceFolders folders = tarvelo::SystemInstanceFolders();
        QCOMPARE(folders.runtime, plain.runtime);
        QCOMPARE(folders.home, plain.home);
        QCOMPARE(folders.machine, plain.machine);
    }
}

void DesktopWindowTest::aSecondStartGivesUpWhenNoAnswerComes() {
    OwnRuntimeFolder runtime;
    // No instance holds the lock: the second start says so at once.
    QCOMPARE(tarvelo::SendHandOver(QStringLiteral("x.trv"), 500),
             tarvelo::HandOverResult::NoInstance);
    // An instance holds the lock and listens but never answers (its event loop does not run
    // while this thread waits): the second start gives up when the time is over.
    tarvelo::InstanceServer silent;
    QCOMPARE(silent.Begin(), tarvelo::InstanceServer::Start::Running);
    QStringList served;
    silent.Serve([&](const tarvelo::HandOver& handOver) { served << handOver.commandLine; });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(tarvelo::HandOverToRunningInstance(QStringLiteral("x.trv"), 500), 1);
    QVERIFY(clock.elapsed() >= 450);
    // Told that it failed, its user must not see the file open later when the instance wakes.
    QTest::qWait(100);
    QCOMPARE(served, QStringList());
    // Without a command line there is nothing to hand over.
    QCOMPARE(tarvelo::HandOverToRunningInstance(QString(), 500), 0);
}

void DesktopWindowTest::aSecondStartSaysWhenTheConnectionClosesUnanswered() {
    OwnRuntimeFolder runtime;
    // A running side that holds the lock, reads the hand-over and hangs up, on a thread of its
    // own, since the second start waits without an event loop. The time allowed is long: the
    // second start must see the hang-up, not run out of time.
    const tarvelo::InstancePlace place = tarvelo::FindInstancePlace();
    const tarvelo::InstanceLock lock = tarvelo::InstanceLock::Take(place.lockName);
    QCOMPARE(lock.state(), tarvelo::InstanceLock::State::Taken);
    std::atomic<bool> listening = false;
    std::thread running([&] {
        QLocalServer server;
        listening = server.listen(place.socketName);
        if (listening && server.waitForNewConnection(10000)) {
            QLocalSocket* socket = server.nextPendingConnection();
            socket->waitForReadyRead(10000);
            socket->readAll();
            socket->abort();
        }
    });
    QTRY_VERIFY(listening);
    const tarvelo::HandOverResult result =
        tarvelo::SendHandOver(QStringLiteral("x.trv"), tarvelo::kHandOverTimeoutMs);
    running.join();
    QCOMPARE(result, tarvelo::HandOverResult::Closed);

    // What each failure says.
    const QString socket = QStringLiteral("/run/user/0/tarvelo-0.socket");
    QVERIFY(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::Accepted, socket).isEmpty());
    QCOMPARE(
        tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::Closed, socket),
        QStringLiteral("tarvelo: the running Tarvelo closed the connection without answering."));
    QCOMPARE(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::NoAnswer, socket, 30000),
             QStringLiteral("tarvelo: the running Tarvelo did not answer within 30 seconds; it "
                            "may be stopped or very busy. The file was not handed over."));
    QVERIFY(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::Stranger, socket)
                .contains(QStringLiteral("belongs to another user")));
    QVERIFY(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::InTheWay, socket)
                .contains(socket + QStringLiteral(" is not its socket")));
}

void DesktopWindowTest::infoWindowOpensClosesAndReopens() {
    ClockedWindow w;
    auto& m = w.window.model();
    m.AddObject(PieceKind::kFive, 452, 0); // falls through the gap between the pans
    w.window.SetTimersRunning(true);
    auto* info = w.child<QLabel>("lblInfo");
    QCOMPARE(info->toolTip(), QStringLiteral("Program info"));
    QStringList seen[2];
    QSize size;
    for (int round = 0; round < 2; ++round) {
        AnswerNextDialog([&, round](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmInfo"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Tarvelo"));
            size = dialog->size();
            for (const char* name :
                 {"Label1", "Label6", "Label2", "Label3", "Label4", "Label5", "Label7"}) {
                seen[round] << dialog->findChild<QLabel*>(QString::fromLatin1(name))->text();
            }
            // The main window's timers go on while the information is shown.
            const std::int32_t y = m.scene.obj(3).objY;
            QTest::qWait(100);
            QVERIFY(m.scene.objCount() == 2 || m.scene.obj(3).objY > y);
            // "Close me" the first time, the close box the second.
            if (round == 0) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                                  Qt::LeftButton);
            } else {
                static_cast<QDialog*>(dialog)->reject();
            }
        });
        QTest::mouseClick(info, Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
    }
    // The credits keep their place; the keys are listed below them.
    QCOMPARE(size.width(), 313);
    QVERIFY(size.height() > 163);
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(seen[0].value(0), QStringLiteral("Tarvelo"));
    QCOMPARE(seen[0].value(1), QStringLiteral("E d u c a t i o n a l   t o o l s"));
    QCOMPARE(seen[0].value(3), QStringLiteral("The Tarvelo team"));
    QCOMPARE(seen[0].value(6), QStringLiteral("Ver. 0.5 - 25 Dec 2007"));
}

QTEST_MAIN(DesktopWindowTest)
void DesktopWindowTest::aHandOverWaitsWhileADialogIsOpen_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("the Save dialog") << "save";
    QTest::newRow("the prompt for X") << "prompt";
}

// A later start hands a problem over while the user answers a dialog about the scene on show:
// the answer goes to that scene (the file saved holds its pieces, the value typed is its X), and
// the problem handed over opens once the dialog has closed.
void DesktopWindowTest::aHandOverWaitsWhileADialogIsOpen() {
    QFETCH(QString, dialog);
    QTemporaryDir folder;
    const QString handed = WriteProblem(folder.filePath(QStringLiteral("handed.trv")), 9);
    const QString saved = folder.filePath(QStringLiteral("mine.trv"));
    ClockedWindow w;
    auto& m = w.window.model();
    m.AddObject(PieceKind::kFive, 100, 150);
    w.RunMs(2000);

    bool servedUnderTheDialog = true;
    AnswerNextDialog([&](QWidget* d) {
        if (auto* files = qobject_cast<QFileDialog*>(d)) {
            ChooseFile(files, saved);
        } else if (auto* prompt = qobject_cast<QInputDialog*>(d)) {
            prompt->setTextValue(QStringLiteral("4"));
        }
        w.window.ReceiveHandOver(Quoted(handed), folder.path());
        QTest::qWait(300);
        servedUnderTheDialog = m.controls.stProblemFile() == handed.toStdString();
        static_cast<QDialog*>(d)->accept();
    });
    if (dialog == QLatin1String("save")) {
        QTest::mouseClick(w.child<QPushButton>("Command4"), Qt::LeftButton);
    } else {
        QTest::mouseClick(w.child<QWidget>("img11"), Qt::RightButton, {}, QPoint(10, 10));
    }
    // The scene holds the 5 the child put there: the lesson handed over asks first.
    DiscardQuestionAnswerer discard(QMessageBox::Discard);
    QVERIFY(!servedUnderTheDialog);
    if (dialog == QLatin1String("save")) {
        QVERIFY2(ReadAll(saved).contains("\r\n5\r\n5\r\n"),
                 qPrintable(QDir(folder.path()).entryList().join(QLatin1Char(' '))));
    } else {
        QCOMPARE(m.scene.xValue(), 4);
    }
    QTRY_COMPARE(m.controls.stProblemFile(), handed.toStdString());
    QCOMPARE(m.scene.obj(3).objKind, PieceKind::kNine);
    QCOMPARE(m.scene.xValue(), 7 % 13);
}

// Two hundred starts hand problems over at once: the last one opens, and one notice says how many
// were passed over, rather than each being opened in turn.
void DesktopWindowTest::ofManyHandOversOnlyTheLastIsOpened() {
    QTemporaryDir folder;
    constexpr int kStarts = 200;
    ClockedWindow w;
    auto& m = w.window.model();
    QStringList files;
    for (int i = 0; i < kStarts; ++i) {
        files << WriteProblem(folder.filePath(QStringLiteral("p%1.trv").arg(i)), 1 + i % 9);
    }
    MessageBoxes boxes;
    for (const QString& file : files) {
        w.window.ReceiveHandOver(Quoted(file), folder.path());
    }
    QTRY_COMPARE(m.controls.stProblemFile(), files.last().toStdString());
    QTRY_COMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(QString::number(kStarts - 1)), qPrintable(boxes.texts[0]));
    QCOMPARE(m.scene.obj(3).objKind, PieceKindFromNumber(1 + (kStarts - 1) % 9).value());
}

void DesktopWindowTest::aLessonHandedOverAsksBeforeReplacingABuiltScene_data() {
    QTest::addColumn<bool>("built");    // whether the child built a scene in free play
    QTest::addColumn<int>("answer");    // the button pressed, if asked
    QTest::addColumn<bool>("opened");   // whether the lesson then opens
    QTest::addColumn<bool>("savedToo"); // whether the built scene was saved first
    QTest::newRow("untouched scene: no question")
        << false << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("built, discarded") << true << int(QMessageBox::Discard) << true << false;
    QTest::newRow("built, kept") << true << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("built, saved first") << true << int(QMessageBox::Save) << true << true;
}

// A lesson handed over from the desktop opens in problem mode, which no undo leaves: a scene the
// child built in free play is saved or discarded only when they say so.
void DesktopWindowTest::aLessonHandedOverAsksBeforeReplacingABuiltScene() {
    QFETCH(bool, built);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, savedToo);
    QTemporaryDir folder;
    const QString handed = WriteProblem(folder.filePath(QStringLiteral("lesson.trv")), 9);
    const QString saved = folder.filePath(QStringLiteral("mine.trv"));
    ClockedWindow w;
    auto& m = w.window.model();
    if (built) {
        m.AddObject(PieceKind::kFive, 100, 150);
    }
    w.RunMs(2000);
    const std::int32_t piecesBefore = m.scene.objCount();

    DiscardQuestionAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer), saved);
    w.window.ReceiveHandOver(Quoted(handed), folder.path());
    QTRY_VERIFY(m.controls.stProblemFile() == handed.toStdString() || answerer.asked > 0);
    QTest::qWait(100);
    QCOMPARE(answerer.asked, built ? 1 : 0);
    QCOMPARE(m.controls.stProblemFile() == handed.toStdString(), opened);
    if (opened) {
        QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Problem);
        QCOMPARE(m.scene.obj(3).objKind, PieceKind::kNine);
    } else {
        QCOMPARE(m.scene.objCount(), piecesBefore);
        QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Free);
    }
    QCOMPARE(ReadAll(saved).contains("\r\n5\r\n5\r\n"), savedToo);
}

void DesktopWindowTest::closingAsksBeforeLosingABuiltScene_data() {
    QTest::addColumn<QString>("scene");  // "untouched", "built", "built and saved", "problem"
    QTest::addColumn<QString>("how");    // "close box", "Ctrl+Q", "Ctrl+W", "logout"
    QTest::addColumn<int>("answer");     // the button pressed, if asked
    QTest::addColumn<QString>("saveAs"); // the file the Save dialog is given: "" cancels it,
                                         // "ok" a file of the test's folder, "bad" a missing folder
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    const int cancel = QMessageBox::Cancel;
    const int discard = QMessageBox::Discard;
    const int save = QMessageBox::Save;
    QTest::newRow("untouched: no question") << "untouched"
                                            << "close box" << cancel << "" << false << true;
    QTest::newRow("built, discarded") << "built"
                                      << "close box" << discard << "" << true << true;
    QTest::newRow("built, kept (Ctrl+Q)") << "built"
                                          << "Ctrl+Q" << cancel << "" << true << false;
    QTest::newRow("built, saved (Ctrl+W)") << "built"
                                           << "Ctrl+W" << save << "ok" << true << true;
    QTest::newRow("built, Save dialog cancelled") << "built"
                                                  << "close box" << save << "" << true << false;
    QTest::newRow("built, the save fails") << "built"
                                           << "close box" << save << "bad" << true << false;
    QTest::newRow("built, logout discards") << "built"
                                            << "logout" << discard << "" << true << true;
    QTest::newRow("built, logout kept") << "built"
                                        << "logout" << cancel << "" << true << false;
    QTest::newRow("saved as it is: no question") << "built and saved"
                                                 << "Ctrl+Q" << cancel << "" << false << true;
    QTest::newRow("a problem from a file: no question")
        << "problem"
        << "close box" << cancel << "" << false << true;
}

// Closing the window loses the scene for good: a scene built in free play that no file holds as
// it is is saved or discarded only when the user says so, and a save that does not happen keeps
// the window open.
void DesktopWindowTest::closingAsksBeforeLosingABuiltScene() {
    QFETCH(QString, scene);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QTemporaryDir folder;
    const QString problem = WriteProblem(folder.filePath(QStringLiteral("problem.trv")), 9);
    const QString saved =
        saveAs == QLatin1String("ok")    ? folder.filePath(QStringLiteral("mine.trv"))
        : saveAs == QLatin1String("bad") ? folder.filePath(QStringLiteral("missing/mine.trv"))
                                         : QString();
    KeyedWindow w;
    auto& m = w.window.model();
    if (scene == QLatin1String("problem")) {
        w.window.LoadCommandLine(Quoted(problem));
    } else if (scene != QLatin1String("untouched")) {
        m.AddObject(PieceKind::kFive, 100, 150);
    }
    w.RunMs(2000);
    if (scene == QLatin1String("built and saved")) {
        QVERIFY(w.window.SaveProblemAs(folder.filePath(QStringLiteral("before.trv"))));
    }

    DiscardQuestionAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer), saved);
    bool sessionMayEnd = true;
    if (how == QLatin1String("Ctrl+Q")) {
        w.PressOnFocus(Qt::Key_Q, Qt::ControlModifier);
    } else if (how == QLatin1String("Ctrl+W")) {
        w.PressOnFocus(Qt::Key_W, Qt::ControlModifier);
    } else if (how == QLatin1String("logout")) {
        sessionMayEnd = w.window.MayEndSession(true);
    } else {
        w.window.close();
    }
    QCOMPARE(answerer.asked, asked ? 1 : 0);
    if (how == QLatin1String("logout")) {
        QCOMPARE(sessionMayEnd, closed);
        // The session's end then closes the window: a scene answered for is not asked about
        // again.
        if (sessionMayEnd) {
            w.window.close();
            QCOMPARE(answerer.asked, 1);
        }
    }
    QCOMPARE(w.window.isVisible(), !closed);
    QCOMPARE(ReadAll(saved).contains("\r\n5\r\n5\r\n"), saveAs == QLatin1String("ok"));
    QCOMPARE(answerer.warnings.size(), saveAs == QLatin1String("bad") ? 1 : 0);
}

// A session manager that lets no program ask is kept from ending the session while a built scene
// would be lost, and never is otherwise.
void DesktopWindowTest::aLogoutThatMayNotAskWaitsForABuiltScene() {
    ClockedWindow w;
    DiscardQuestionAnswerer answerer(QMessageBox::Discard);
    QVERIFY(w.window.MayEndSession(false));
    w.window.model().AddObject(PieceKind::kFive, 100, 150);
    w.RunMs(2000);
    QVERIFY(!w.window.MayEndSession(false));
    QCOMPARE(answerer.asked, 0);
}

void DesktopWindowTest::aFileDroppedOnTheWindow_data() {
    QTest::addColumn<QString>("mode");        // "free" or "problem"
    QTest::addColumn<QStringList>("dropped"); // files of the test's folder
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("said"); // part of the message said, empty for none
    const QString refused = tarvelo::DroppedFilesRefusedMessage();
    QTest::newRow("a problem, free play") << "free" << QStringList{"nine.trv"} << true << "";
    QTest::newRow("a problem, problem mode") << "problem" << QStringList{"nine.trv"} << true << "";
    QTest::newRow("two problems") << "free" << QStringList{"nine.trv", "also.trv"} << false
                                  << refused;
    QTest::newRow("a picture") << "free" << QStringList{"picture.png"} << false << refused;
    QTest::newRow("a .trv that is no problem, free play")
        << "free" << QStringList{"broken.trv"} << false << "broken.trv";
    QTest::newRow("a .trv that is no problem, problem mode")
        << "problem" << QStringList{"broken.trv"} << false << "broken.trv";
}

// A file dragged from the file manager: one problem file opens as Load opens it in free play
// (Ctrl+Z brings the scene built back), as a file from the desktop in problem mode; anything else
// is refused with a message, and nothing changes.
void DesktopWindowTest::aFileDroppedOnTheWindow() {
    QFETCH(QString, mode);
    QFETCH(QStringList, dropped);
    QFETCH(bool, opened);
    QFETCH(QString, said);
    QTemporaryDir folder;
    WriteProblem(folder.filePath(QStringLiteral("nine.trv")), 9);
    WriteProblem(folder.filePath(QStringLiteral("also.trv")), 8);
    WriteProblem(folder.filePath(QStringLiteral("picture.png")), 8);
    QFile broken(folder.filePath(QStringLiteral("broken.trv")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a problem\n");
    broken.close();
    const QString start = WriteProblem(folder.filePath(QStringLiteral("start.trv")), 2);
    ClockedWindow w;
    auto& m = w.window.model();
    if (mode == QLatin1String("problem")) {
        w.window.LoadCommandLine(Quoted(start));
    } else {
        m.AddObject(PieceKind::kFive, 100, 150);
    }
    w.RunMs(2000);
    const std::string fileBefore = m.controls.stProblemFile();
    const tarvelo::ProgramMode modeBefore = m.controls.programMode();

    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : dropped) {
        urls << QUrl::fromLocalFile(folder.filePath(name));
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&w.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    MessageBoxes boxes;
    DiscardQuestionAnswerer answerer(QMessageBox::Cancel);
    QApplication::sendEvent(&w.window, &drop);
    QVERIFY(drop.isAccepted());
    const std::string nine = folder.filePath(QStringLiteral("nine.trv")).toStdString();
    if (opened) {
        QTRY_COMPARE(m.controls.stProblemFile(), nine);
        w.RunMs(2000);
        QCOMPARE(m.scene.obj(3).objKind, PieceKind::kNine);
        QCOMPARE(m.controls.programMode(), modeBefore);
    } else {
        QTRY_VERIFY(!boxes.texts.isEmpty());
        QVERIFY2(boxes.texts.front().contains(said), qPrintable(boxes.texts.front()));
        QCOMPARE(m.controls.stProblemFile(), fileBefore);
    }
    // Nothing built is lost: in free play Ctrl+Z brings it back, and nothing asked.
    QCOMPARE(answerer.asked, 0);
    if (opened && mode == QLatin1String("free")) {
        m.Undo();
        w.RunMs(2000);
        QCOMPARE(m.scene.obj(3).objKind, PieceKind::kFive);
    }

    // What carries no files is not taken at all.
    QMimeData text;
    text.setText(QStringLiteral("3 + 4"));
    QDragEnterEvent textEnter(QPoint(100, 100), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(&w.window, &textEnter);
    QVERIFY(!textEnter.isAccepted());
}

#include "DesktopWindowTest.moc"
