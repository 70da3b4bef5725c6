// A later start: the running instance found by its lock, reached on its socket, and waited for.
#include "ui/instance/InstanceClient.h"

#include "ui/instance/HandOverMessage.h"
#include "ui/instance/InstanceLock.h"
#include "ui/instance/InstanceMessages.h"
#include "ui/instance/InstancePeer.h"
#include "ui/instance/InstancePlace.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

namespace {

// A later start that finds the lock held but no socket to connect to (the instance is just
// starting, or its backlog is full) tries again this often until its time is up.
constexpr int kConnectAttemptMs = 200;
constexpr int kConnectPauseMs = 50;

// Something other than a socket (a directory, say) at the socket's path.
bool SomethingElseAt(const QString& socketName) {
    struct stat st {};
    return lstat(QFile::encodeName(socketName).constData(), &st) == 0 && !S_ISSOCK(st.st_mode);
}

// The answer of the running instance, waited for until `deadline`.
HandOverResult AwaitAnswer(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    for (;;) {
        if (socket.bytesAvailable() > 0 ||
            socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (socket.read(1) == QByteArray(1, kHandOverAccepted)) {
                return HandOverResult::Accepted;
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

// One attempt to reach the running instance; nullopt when no connection was made.
std::optional<HandOverResult> TryHandOver(const QString& socketName, const QByteArray& message,
                                          const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    socket.connectToServer(socketName);
    const auto attempt = std::min<qint64>(deadline.remainingTime(), kConnectAttemptMs);
    if (!socket.waitForConnected(static_cast<int>(attempt))) {
        return std::nullopt;
    }
    // Checked before a byte is sent: another user's socket learns nothing.
    if (!PeerIsThisUser(socket)) {
        return HandOverResult::Stranger;
    }
    socket.write(message);
    socket.flush();
    return AwaitAnswer(socket, deadline);
}

QString WorkingFolderText() {
    std::string bytes(PATH_MAX, '\0');
    if (getcwd(bytes.data(), bytes.size()) == nullptr) {
        return QDir::currentPath();
    }
    bytes.resize(std::char_traits<char>::length(bytes.c_str()));
    return TextOfBytes(bytes);
}

} // namespace

HandOverResult SendHandOver(const QString& commandLine, int timeoutMs) {
    // Without a command line there is nothing to hand over: the running instance is left alone.
    if (commandLine.isEmpty()) {
        return HandOverResult::Accepted;
    }
    const InstancePlace place = FindInstancePlace();
    const QByteArray message = EncodeHandOver({commandLine, WorkingFolderText()});
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // The lock, not a timed connection, tells whether an instance lives: a stopped or busy
        // one is waited for, and its socket is never taken from it.
        if (!InstanceLock::IsHeld(place.lockName)) {
            return HandOverResult::NoInstance;
        }
        if (SomethingElseAt(place.socketName)) {
            return HandOverResult::InTheWay;
        }
        if (const auto result = TryHandOver(place.socketName, message, deadline)) {
            return *result;
        }
        if (deadline.hasExpired()) {
            return HandOverResult::Unreachable;
        }
        QThread::msleep(kConnectPauseMs);
    }
}

int HandOverToRunningInstance(const QString& commandLine, int timeoutMs) {
    const HandOverResult result = SendHandOver(commandLine, timeoutMs);
    if (result == HandOverResult::Accepted) {
        return 0;
    }
    const QString message = HandOverFailureMessage(result, InstanceSocketName(), timeoutMs);
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

} // namespace tarvelo
