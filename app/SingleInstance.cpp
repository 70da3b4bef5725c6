#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace tarvelo {

namespace {

const QByteArray kTag = QByteArrayLiteral("TRV1");
constexpr qsizetype kLengthBytes = 4;
constexpr qsizetype kMaxCommandLineBytes = 64 * 1024;
constexpr int kConnectTimeoutMs = 1000;
constexpr int kLockTimeoutMs = 10000;
constexpr int kIdleConnectionMs = 10000; // a client that says nothing whole is dropped
const char kDone = 'D';

QString RuntimeFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime;
    }
    return QDir::tempPath();
}

QString Tr(const char* text) {
    return QCoreApplication::translate("SingleInstance", text);
}

} // namespace

QString InstanceSocketName() {
    return QDir(RuntimeFolder()).filePath(QStringLiteral("tarvelo-%1.socket").arg(getuid()));
}

QByteArray EncodeHandOver(const QString& commandLine) {
    const QByteArray text = commandLine.toUtf8();
    QByteArray message = kTag;
    char length[kLengthBytes];
    qToBigEndian(static_cast<quint32>(text.size()), length);
    message.append(length, kLengthBytes);
    message.append(text);
    return message;
}

qsizetype HandOverLength(const QByteArray& buffer) {
    const qsizetype head = kTag.size() + kLengthBytes;
    if (!kTag.startsWith(buffer.left(kTag.size()))) {
        return -1;
    }
    if (buffer.size() < head) {
        return 0;
    }
    const quint32 length = qFromBigEndian<quint32>(buffer.constData() + kTag.size());
    if (length > static_cast<quint32>(kMaxCommandLineBytes)) {
        return -1;
    }
    const qsizetype whole = head + static_cast<qsizetype>(length);
    return buffer.size() >= whole ? whole : 0;
}

QString DecodeHandOver(const QByteArray& message) {
    return QString::fromUtf8(message.mid(kTag.size() + kLengthBytes));
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() = default;

InstanceServer::Start InstanceServer::Begin() {
    const QString name = InstanceSocketName();
    // Starts at the same moment take turns here, so that exactly one of them listens.
    QLockFile lock(name + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(kLockTimeoutMs);

    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.disconnectFromServer();
        return Start::AnotherRuns;
    }
    // Nobody answers: a socket file left behind by an instance that crashed goes.
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        delete server_;
        server_ = nullptr;
        return Start::Alone;
    }
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
    (void)locked;
    return Start::Running;
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // Whatever ends a connection (the client leaving, a wrong message, silence) frees it.
        const auto drop = [socket] {
            socket->abort();
            socket->deleteLater();
        };
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->state() != QLocalSocket::ConnectedState) {
            socket->deleteLater(); // gone before it was taken, as a probe of a later start is
            continue;
        }
        auto buffer = std::make_shared<QByteArray>();
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, drop);
        idle->start(kIdleConnectionMs);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer, idle, drop] {
            buffer->append(socket->readAll());
            const qsizetype length = HandOverLength(*buffer);
            if (length < 0) {
                drop(); // not a hand-over: ignored
                return;
            }
            if (length == 0) {
                return;
            }
            idle->stop();
            const QString commandLine = DecodeHandOver(buffer->left(length));
            buffer->clear();
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            QPointer<QLocalSocket> guard(socket);
            auto done = [guard] {
                if (guard) {
                    guard->write(&kDone, 1);
                    guard->flush();
                    guard->disconnectFromServer();
                }
            };
            if (onExecute) {
                onExecute(commandLine, done);
            } else {
                done();
            }
        });
    }
}

int HandOverToRunningInstance(const QString& commandLine, int timeoutMs) {
    // Without a command line there is nothing to hand over: the running instance is left alone.
    if (commandLine.isEmpty()) {
        return 0;
    }
    QLocalSocket socket;
    socket.connectToServer(InstanceSocketName());
    const QDeadlineTimer deadline(timeoutMs);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Tr(QT_TRANSLATE_NOOP(
                         "SingleInstance", "tarvelo: the running Tarvelo could not be reached."))));
        return 1;
    }
    socket.write(EncodeHandOver(commandLine));
    socket.flush();
    // The running instance answers once it has cleared its scene and loaded the file.
    while (!deadline.hasExpired()) {
        if (socket.bytesAvailable() > 0 ||
            socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (socket.read(1) == QByteArray(1, kDone)) {
                return 0;
            }
        }
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0) {
            break;
        }
    }
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            Tr(QT_TRANSLATE_NOOP("SingleInstance",
                                 "tarvelo: the running Tarvelo did not answer within %1 seconds."))
                .arg(timeoutMs / 1000)));
    return 1;
}

} // namespace tarvelo
