// The running instance: which start it is, its socket, and the hand-overs it takes and answers.
#include "ui/instance/InstanceServer.h"

#include "ui/instance/InstanceMessages.h"
#include "ui/instance/InstancePeer.h"
#include "ui/instance/InstancePlace.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvelo {

namespace {

constexpr int kIdleConnectionMs = 10000; // a client that says nothing whole is dropped
// Qt listens with a short backlog of its own; a burst of later starts must not find it full.
constexpr int kListenBacklog = 1024;

// Only while the lock is held: whatever socket or file lies at the path is left from an
// instance that is gone. A directory is not ours to remove.
bool ClearSocketPath(const QString& socketName) {
    const QByteArray path = QFile::encodeName(socketName);
    struct stat st {};
    if (lstat(path.constData(), &st) != 0) {
        return errno == ENOENT;
    }
    return !S_ISDIR(st.st_mode) && unlink(path.constData()) == 0;
}

// Written straight to the connection, so that a later start that is gone shows at once.
bool SendAnswer(const QLocalSocket& socket) {
    return send(static_cast<int>(socket.socketDescriptor()), &kHandOverAccepted, 1, MSG_NOSIGNAL) ==
           1;
}

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() {
    // The socket goes before the lock: once the lock is free a new start may put its own socket
    // at the same path, which closing this server must not remove.
    delete server_;
}

InstanceServer::Start InstanceServer::Begin() {
    const InstancePlace place = FindInstancePlace();
    if (place.folder.isEmpty()) {
        problem_ = NoPrivateFolderMessage(place.refused);
        return Start::Alone;
    }
    lock_ = InstanceLock::Take(place.lockName);
    switch (lock_.state()) {
    case InstanceLock::State::HeldElsewhere:
        return Start::AnotherRuns;
    case InstanceLock::State::Failed:
        problem_ = NoLockMessage(place.lockName);
        return Start::Alone;
    case InstanceLock::State::Taken:
        break;
    }
    // The lock stays held even when no socket can be had, so that no second instance starts.
    if (!ClearSocketPath(place.socketName)) {
        problem_ = SocketInTheWayMessage(place.socketName);
        return Start::Alone;
    }
    return Listen(place.socketName) ? Start::Running : Start::Alone;
}

bool InstanceServer::Listen(const QString& socketName) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setMaxPendingConnections(kListenBacklog);
    if (!server_->listen(socketName)) {
        problem_ = NoSocketMessage(socketName, server_->errorString());
        delete server_;
        server_ = nullptr;
        return false;
    }
    ::listen(static_cast<int>(server_->socketDescriptor()), kListenBacklog);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
    return true;
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Gone before it was taken, or another user's: dropped unread.
        if (socket->state() != QLocalSocket::ConnectedState || !PeerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        Read(socket);
    }
}

void InstanceServer::Read(QLocalSocket* socket) {
    // Whatever ends a connection (the client leaving, a wrong message, silence) frees it.
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
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
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        // Answered as soon as it is whole, before the work it asks for, so that the later
        // start ends at once however long that work takes. A later start that has given up
        // meanwhile (it told its user so) cannot be answered, and its hand-over is dropped.
        if (!SendAnswer(*socket)) {
            drop();
            return;
        }
        Queue(DecodeHandOver(buffer->left(length)));
        socket->disconnectFromServer();
    });
}

void InstanceServer::Queue(const HandOver& handOver) {
    if (!onExecute_) {
        waiting_.push_back(handOver);
        return;
    }
    // Run from the event loop, never inside the socket's handler.
    QMetaObject::invokeMethod(
        this, [this, handOver] { onExecute_(handOver); }, Qt::QueuedConnection);
}

void InstanceServer::Serve(Execute onExecute) {
    onExecute_ = std::move(onExecute);
    const std::vector<HandOver> waiting = std::exchange(waiting_, {});
    for (const HandOver& handOver : waiting) {
        Queue(handOver);
    }
}

} // namespace tarvelo
