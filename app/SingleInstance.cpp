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
constexpr int kMsPerSecond = 1000;

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

QByteArray EncodeHandOver(const HandOver& handOver) {
    QByteArray message = kTag;
    for (const QString& part : {handOver.workingDirectory, handOver.commandLine}) {
        const QByteArray text = part.toUtf8();
        char length[kLengthBytes];
        qToBigEndian(static_cast<quint32>(text.size()), length);
        message.append(length, kLengthBytes);
        message.append(text);
    }
    return message;
}

qsizetype HandOverLength(const QByteArray& buffer) {
    if (!kTag.startsWith(buffer.left(kTag.size()))) {
        return -1;
    }
    // The tag, then two parts, each a length and that many bytes.
    qsizetype at = kTag.size();
    for (int part = 0; part < 2; ++part) {
        if (buffer.size() < at + kLengthBytes) {
            return 0;
        }
        const quint32 length = qFromBigEndian<quint32>(buffer.constData() + at);
        if (length > static_cast<quint32>(kMaxCommandLineBytes)) {
            return -1;
        }
        at += kLengthBytes + static_cast<qsizetype>(length);
    }
    return buffer.size() >= at ? at : 0;
}

HandOver DecodeHandOver(const QByteArray& message) {
    HandOver handOver;
    qsizetype at = kTag.size();
    for (QString* part : {&handOver.workingDirectory, &handOver.commandLine}) {
        const auto length =
            static_cast<qsizetype>(qFromBigEndian<quint32>(message.constData() + at));
        at += kLengthBytes;
        *part = QString::fromUtf8(message.mid(at, length));
        at += length;
    }
    return handOver;
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
            const HandOver handOver = DecodeHandOver(buffer->left(length));
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
            if (onExecute_) {
                onExecute_(handOver, done);
            } else {
                waiting_.push_back({handOver, std::move(done)});
            }
        });
    }
}

void InstanceServer::Serve(Execute onExecute) {
    onExecute_ = std::move(onExecute);
    for (Waiting& waiting : waiting_) {
        QMetaObject::invokeMethod(
            this,
            [this, waiting = std::move(waiting)] { onExecute_(waiting.handOver, waiting.done); },
            Qt::QueuedConnection);
    }
    waiting_.clear();
}

HandOverResult SendHandOver(const QString& commandLine, int timeoutMs) {
    // Without a command line there is nothing to hand over: the running instance is left alone.
    if (commandLine.isEmpty()) {
        return HandOverResult::Handled;
    }
    QLocalSocket socket;
    socket.connectToServer(InstanceSocketName());
    const QDeadlineTimer deadline(timeoutMs);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return HandOverResult::Unreachable;
    }
    socket.write(EncodeHandOver({commandLine, QDir::currentPath()}));
    socket.flush();
    // The running instance answers once it has cleared its scene and loaded the file.
    for (;;) {
        if (socket.bytesAvailable() > 0 ||
            socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (socket.read(1) == QByteArray(1, kDone)) {
                return HandOverResult::Handled;
            }
            continue;
        }
        // The wait ends early when the other side hangs up: then no answer can come any more.
        if (socket.state() != QLocalSocket::ConnectedState) {
            return HandOverResult::Closed;
        }
        if (deadline.hasExpired()) {
            return HandOverResult::NoAnswer;
        }
    }
}

QString HandOverFailureMessage(HandOverResult result, int timeoutMs) {
    switch (result) {
    case HandOverResult::Handled:
        return {};
    case HandOverResult::Unreachable:
        return Tr(QT_TRANSLATE_NOOP("SingleInstance",
                                    "tarvelo: the running Tarvelo could not be reached."));
    case HandOverResult::Closed:
        return Tr(QT_TRANSLATE_NOOP(
            "SingleInstance",
            "tarvelo: the running Tarvelo closed the connection without answering."));
    case HandOverResult::NoAnswer:
        return Tr(QT_TRANSLATE_NOOP("SingleInstance",
                                    "tarvelo: the running Tarvelo did not answer within %1 "
                                    "seconds."))
            .arg(timeoutMs / kMsPerSecond);
    }
    return {};
}

int HandOverToRunningInstance(const QString& commandLine, int timeoutMs) {
    const HandOverResult result = SendHandOver(commandLine, timeoutMs);
    if (result == HandOverResult::Handled) {
        return 0;
    }
    std::fprintf(stderr, "%s\n", qPrintable(HandOverFailureMessage(result, timeoutMs)));
    return 1;
}

} // namespace tarvelo
