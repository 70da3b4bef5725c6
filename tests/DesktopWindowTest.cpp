// The window's side of the desktop: a problem named on the command line, command lines handed
// over by later starts, the socket that carries them, and the information window.
#include "WindowFixture.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

using tarvelo::test::AnswerNextDialog;
using tarvelo::test::CatchMessage;
using tarvelo::test::ClockedWindow;

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

// A runtime folder of the test's own, where the instance socket lies.
struct OwnRuntimeFolder {
    OwnRuntimeFolder() {
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
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

// The answer that has come to a later start so far: "D" once its hand-over has been handled.
QByteArray Answer(QLocalSocket& socket) {
    socket.waitForReadyRead(0);
    return socket.peek(1);
}

} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLines_data();
    void commandLines();
    void handedOverCommandLines();
    void theSocketIgnoresWhatIsNoHandOver();
    void handOversWaitUntilServed();
    void aHandOverWhileTheStartUpMessageIsOpenIsServedOnce();
    void aSecondStartGivesUpWhenNoAnswerComes();
    void aSecondStartSaysWhenTheConnectionClosesUnanswered();
    void infoWindowOpensClosesAndReopens();
};

void DesktopWindowTest::commandLines_data() {
    QTest::addColumn<QString>("commandLine"); // %1 stands for the folder of the test
    QTest::addColumn<QString>("opened");      // the file opened, empty for none
    QTest::addColumn<bool>("message");
    QTest::newRow("quoted path with blanks") << "\"%1/first try.trv\""
                                             << "%1/first try.trv" << false;
    QTest::newRow("unquoted path with blanks") << "%1/first try.trv"
                                               << "%1/first try.trv" << false;
    QTest::newRow("leading quote only: loses its last character") << "\"%1/first try.trvv"
                                                                  << "%1/first try.trv" << false;
    QTest::newRow("a single double quote") << "\""
                                           << "" << true;
    QTest::newRow("a missing file") << "%1/missing.trv"
                                    << "" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void DesktopWindowTest::commandLines() {
    QFETCH(QString, commandLine);
    QFETCH(QString, opened);
    QFETCH(bool, message);
    QTemporaryDir folder;
    WriteProblem(folder.filePath(QStringLiteral("first try.trv")), 5);
    MessageBoxes boxes;
    ClockedWindow w(commandLine.arg(folder.path()));
    auto& m = w.window.model();
    // A refusal is said once the window shows.
    QTRY_COMPARE(boxes.texts.size(), message ? 1 : 0);
    if (opened.isEmpty()) {
        QCOMPARE(m.programMode, 0);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo"));
        QVERIFY(w.child<QPushButton>("Command2")->isVisible());
        QCOMPARE(m.objCount, 2);
    } else {
        QCOMPARE(m.programMode, 1);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + opened.arg(folder.path()));
        QVERIFY(!w.child<QPushButton>("Command2")->isVisible());
        QVERIFY(!w.child<QPushButton>("Command3")->isVisible());
        QVERIFY(!w.child<QPushButton>("Command4")->isVisible());
        QVERIFY(w.child<QPushButton>("Command5")->isVisible());
        QCOMPARE(m.objCount, 3);
        QCOMPARE(m.xValue, 7);
    }
    // A later New does not read the command line again.
    QTest::mouseClick(w.child<QPushButton>(opened.isEmpty() ? "Command2" : "Command5"),
                      Qt::LeftButton);
    QCOMPARE(m.objCount, opened.isEmpty() ? 2 : 3);
}

void DesktopWindowTest::handedOverCommandLines() {
    QTemporaryDir folder;
    const QString first = WriteProblem(folder.filePath(QStringLiteral("first.trv")), 5);
    const QString second = WriteProblem(folder.filePath(QStringLiteral("second.trv")), 9);
    ClockedWindow w(QLatin1Char('"') + first + QLatin1Char('"'));
    auto& m = w.window.model();
    w.RunMs(2000);

    // Another file: the scene is cleared and the file loaded, in problem mode.
    int done = 0;
    w.window.Form_LinkExecute(QLatin1Char('"') + second + QLatin1Char('"'), [&] { ++done; });
    QCOMPARE(done, 1);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + second);
    QCOMPARE(m.obj(3).objKind, 9);
    QCOMPARE(m.programMode, 1);

    // A refused file changes nothing, and the other start is answered all the same.
    w.RunMs(2000);
    const std::uint64_t before = m.Fingerprint();
    QString said;
    CatchMessage(&said);
    w.window.Form_LinkExecute(folder.filePath(QStringLiteral("gone.trv")), [&] { ++done; });
    QCOMPARE(done, 2);
    QVERIFY(said.contains(QStringLiteral("gone.trv")));
    QCOMPARE(m.Fingerprint(), before);

    // A relative path is meant from the folder the other start ran in.
    w.window.Form_LinkExecute(
        QStringLiteral("first.trv"), [&] { ++done; }, folder.path());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + first);
    QCOMPARE(m.obj(3).objKind, 5);

    // An empty command: the scene is cleared and the window is back in free mode.
    w.window.Form_LinkExecute(QString(), [&] { ++done; });
    QCOMPARE(done, 4);
    QCOMPARE(m.programMode, 0);
    QCOMPARE(m.objCount, 2);
    QVERIFY(w.child<QPushButton>("Command2")->isVisible());
    QVERIFY(!w.child<QPushButton>("Command5")->isVisible());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo - ") + first);
}

void DesktopWindowTest::theSocketIgnoresWhatIsNoHandOver() {
    OwnRuntimeFolder runtime;
    tarvelo::InstanceServer server;
    QStringList received;
    server.Serve([&](const tarvelo::HandOver& handOver, std::function<void()> done) {
        received << handOver.workingDirectory + QLatin1Char('|') + handOver.commandLine;
        done();
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
    // A proper one is handled and answered.
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

void DesktopWindowTest::handOversWaitUntilServed() {
    OwnRuntimeFolder runtime;
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    auto first = HandOverAsALaterStart({QStringLiteral("first.trv"), QStringLiteral("/a")});
    auto second = HandOverAsALaterStart({QStringLiteral("second.trv"), QStringLiteral("/b")});

    // The running side has taken both connections and read all that came on them.
    const auto taken = [&server] { return server.findChildren<QLocalSocket*>(); };
    QTRY_COMPARE(taken().size(), 2);
    QTRY_VERIFY(std::ranges::all_of(taken(), [](QLocalSocket* socket) {
        return !socket->waitForReadyRead(0) && socket->bytesAvailable() == 0;
    }));
    // Not served yet: neither answered nor turned away.
    QCOMPARE(Answer(*first), QByteArray());
    QCOMPARE(Answer(*second), QByteArray());
    QCOMPARE(first->state(), QLocalSocket::ConnectedState);
    QCOMPARE(second->state(), QLocalSocket::ConnectedState);

    QStringList served;
    server.Serve([&](const tarvelo::HandOver& handOver, std::function<void()> done) {
        served << handOver.commandLine;
        done();
    });
    QTRY_COMPARE(Answer(*first), QByteArray("D"));
    QTRY_COMPARE(Answer(*second), QByteArray("D"));
    QCOMPARE(served, (QStringList{QStringLiteral("first.trv"), QStringLiteral("second.trv")}));
}

void DesktopWindowTest::aHandOverWhileTheStartUpMessageIsOpenIsServedOnce() {
    OwnRuntimeFolder runtime;
    QTemporaryDir folder;
    const QString handed = WriteProblem(folder.filePath(QStringLiteral("handed.trv")), 9);
    tarvelo::FrmMain window(QLatin1Char('"') + folder.filePath(QStringLiteral("missing.trv")) +
                            QLatin1Char('"'));
    window.SetTimersRunning(false);
    window.model().Form_Initialize();

    // Hand-overs are served from the very start here, so that only the window decides when
    // one can be taken.
    tarvelo::InstanceServer server;
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    QList<bool> shownWhenServed;
    server.Serve([&](const tarvelo::HandOver& handOver, std::function<void()> done) {
        shownWhenServed << window.isVisible();
        window.Form_LinkExecute(handOver.commandLine, std::move(done), handOver.workingDirectory);
    });

    // While the message about the missing file is open, a later start hands its file over and
    // waits for the answer.
    MessageBoxes boxes;
    QByteArray answer;
    boxes.whileFirstOpen = [&] {
        auto later =
            HandOverAsALaterStart({QLatin1Char('"') + handed + QLatin1Char('"'), folder.path()});
        QTRY_COMPARE(Answer(*later), QByteArray("D"));
        answer = Answer(*later);
    };
    window.Form_Load();
    window.show();
    QTRY_COMPARE(answer, QByteArray("D"));

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.value(0).contains(QStringLiteral("missing.trv")),
             qPrintable(boxes.texts.value(0)));
    QCOMPARE(shownWhenServed, QList<bool>{true});
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvelo - ") + handed);
    QCOMPARE(window.model().programMode, 1);
}

void DesktopWindowTest::aSecondStartGivesUpWhenNoAnswerComes() {
    OwnRuntimeFolder runtime;
    // Nobody listens: the second start says so at once.
    QCOMPARE(tarvelo::HandOverToRunningInstance(QStringLiteral("x.trv"), 500), 1);
    // Somebody listens but never answers: it gives up when the time is over.
    QLocalServer silent;
    QVERIFY(silent.listen(tarvelo::InstanceSocketName()));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(tarvelo::HandOverToRunningInstance(QStringLiteral("x.trv"), 500), 1);
    QVERIFY(clock.elapsed() >= 450);
    // Without a command line there is nothing to hand over.
    QCOMPARE(tarvelo::HandOverToRunningInstance(QString(), 500), 0);
}

void DesktopWindowTest::aSecondStartSaysWhenTheConnectionClosesUnanswered() {
    OwnRuntimeFolder runtime;
    // A running side that reads the hand-over and hangs up, on a thread of its own, since the
    // second start waits without an event loop. The time allowed is long: the second start must
    // see the hang-up, not run out of time.
    const QString name = tarvelo::InstanceSocketName();
    std::atomic<bool> listening = false;
    std::thread running([&] {
        QLocalServer server;
        listening = server.listen(name);
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
    QVERIFY(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::Handled).isEmpty());
    QCOMPARE(
        tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::Closed),
        QStringLiteral("tarvelo: the running Tarvelo closed the connection without answering."));
    QCOMPARE(tarvelo::HandOverFailureMessage(tarvelo::HandOverResult::NoAnswer, 30000),
             QStringLiteral("tarvelo: the running Tarvelo did not answer within 30 seconds."));
}

void DesktopWindowTest::infoWindowOpensClosesAndReopens() {
    ClockedWindow w;
    auto& m = w.window.model();
    m.AddObject(5, 452, 0); // falls through the gap between the pans
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
            const std::int32_t y = m.obj(3).objY;
            QTest::qWait(100);
            QVERIFY(m.objCount == 2 || m.obj(3).objY > y);
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
    QCOMPARE(size, QSize(313, 163));
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(seen[0].value(0), QStringLiteral("Tarvelo"));
    QCOMPARE(seen[0].value(1), QStringLiteral("E d u c a t i o n a l   t o o l s"));
    QCOMPARE(seen[0].value(3), QStringLiteral("The Tarvelo team"));
    QCOMPARE(seen[0].value(6), QStringLiteral("Ver. 0.5 - 25 Dec 2007"));
}

QTEST_MAIN(DesktopWindowTest)
#include "DesktopWindowTest.moc"
