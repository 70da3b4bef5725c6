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
#include <functional>

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

} // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLines_data();
    void commandLines();
    void handedOverCommandLines();
    void theSocketIgnoresWhatIsNoHandOver();
    void aSecondStartGivesUpWhenNoAnswerComes();
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
    QString said;
    if (message) {
        CatchMessage(&said);
    }
    ClockedWindow w(commandLine.arg(folder.path()));
    auto& m = w.window.model();
    QCOMPARE(!said.isEmpty(), message);
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
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    tarvelo::InstanceServer server;
    QStringList received;
    server.onExecute = [&](const tarvelo::HandOver& handOver, std::function<void()> done) {
        received << handOver.workingDirectory + QLatin1Char('|') + handOver.commandLine;
        done();
    };
    QCOMPARE(server.Begin(), tarvelo::InstanceServer::Start::Running);
    QVERIFY(tarvelo::InstanceSocketName().startsWith(runtime.path()));

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

void DesktopWindowTest::aSecondStartGivesUpWhenNoAnswerComes() {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
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
