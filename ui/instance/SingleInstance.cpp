#include "ui/instance/SingleInstance.h"

#include "core/desktop/CommandLine.h"
#include "ui/instance/InstanceMessages.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace tarvelo {

namespace {

const QByteArray kTag = QByteArrayLiteral("TRV1");
constexpr qsizetype kLengthBytes = 4;
constexpr qsizetype kMaxCommandLineBytes = 64 * 1024;
constexpr int kIdleConnectionMs = 10000; // a client that says nothing whole is dropped
const char kAccepted = 'D';
// Qt listens with a short backlog of its own; a burst of later starts must not find it full.
constexpr int kListenBacklog = 1024;
// A later start that finds the lock held but no socket to connect to (the instance is just
// starting, or its backlog is full) tries again this often until its time is up.
constexpr int kConnectAttemptMs = 200;
constexpr int kConnectPauseMs = 50;
constexpr mode_t kPrivateMode = S_IRWXU;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;
constexpr mode_t kLockFileMode = S_IRUSR | S_IWUSR;
// Starts that find a foreign lock file at the same moment may replace it in turn.
constexpr int kLockAttempts = 4;
// Room for a user's database entry when the system suggests no size.
constexpr long kPasswdBuffer = 16384;

// Why a folder cannot hold the socket; empty when it can.
QString UnfitBecause(const struct stat& st, const QString& path) {
    if (!S_ISDIR(st.st_mode)) {
        return NotAPrivateFolderReason(path);
    }
    if (st.st_uid != geteuid()) {
        return OwnedByAnotherUserReason(path);
    }
    return {};
}

// Whether no other user may move a folder of this user's away: the folder above it belongs to
// the superuser or this user, and others may not write to it, or only with the sticky bit that
// keeps them from renaming what is not theirs.
QString ParentUnfitBecause(const QString& folder) {
    const QString parent = QFileInfo(folder).absolutePath();
    struct stat st {};
    if (stat(QFile::encodeName(parent).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return NotAPrivateFolderReason(parent);
    }
    if (st.st_uid != 0 && st.st_uid != geteuid()) {
        return OwnedByAnotherUserReason(parent);
    }
    const bool othersMayWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return othersMayWrite && (st.st_mode & S_ISVTX) == 0 ? OthersMayChangeReason(parent)
                                                         : QString();
}

// A folder the system or the tests made for this user, as it is: used only when it is private
// already, never changed.
QString GivenFolderUnfitBecause(const QString& folder) {
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        return NotAPrivateFolderReason(folder);
    }
    struct stat st {};
    if (lstat(QFile::encodeName(folder).constData(), &st) != 0) {
        return NotAPrivateFolderReason(folder);
    }
    if (const QString why = UnfitBecause(st, folder); !why.isEmpty()) {
        return why;
    }
    if ((st.st_mode & kPermissionBits) != kPrivateMode) {
        return OpenToOthersReason(folder);
    }
    return ParentUnfitBecause(folder);
}

// A folder made for the socket: created private, then checked through a descriptor opened
// without following links, so that what is checked is what was found at the path. A folder of
// ours that others may enter is closed to them.
QString MadeFolderUnfitBecause(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), kPrivateMode) != 0 && errno != EEXIST) {
        return CannotMakeFolderReason(folder);
    }
    const int descriptor = open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return NotAPrivateFolderReason(folder);
    }
    struct stat st {};
    QString why =
        fstat(descriptor, &st) == 0 ? UnfitBecause(st, folder) : NotAPrivateFolderReason(folder);
    if (why.isEmpty() && (st.st_mode & kPermissionBits) != kPrivateMode &&
        fchmod(descriptor, kPrivateMode) != 0) {
        why = OpenToOthersReason(folder);
    }
    close(descriptor);
    return why;
}

// Why `folder` (followed when it is a link) is not a folder of this user's that no other user
// may change; empty when it is one.
QString OwnUnchangeableFolderUnfitBecause(const QString& folder) {
    struct stat st {};
    if (stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return NotAPrivateFolderReason(folder);
    }
    if (st.st_uid != geteuid()) {
        return OwnedByAnotherUserReason(folder);
    }
    return (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 ? QString() : OthersMayChangeReason(folder);
}

// The home and its cache folder, made when missing. The cache folder may be a link, as some users
// keep their caches on another disk; what it leads to must be the user's, unchangeable by others.
QString HomeCacheUnfitBecause(const QString& home, const QString& cache) {
    if (home.isEmpty() || QDir::isRelativePath(home)) {
        return NoHomeFolderReason();
    }
    if (const QString why = OwnUnchangeableFolderUnfitBecause(home); !why.isEmpty()) {
        return why;
    }
    if (mkdir(QFile::encodeName(cache).constData(), kPrivateMode) != 0 && errno != EEXIST) {
        return CannotMakeFolderReason(cache);
    }
    return OwnUnchangeableFolderUnfitBecause(cache);
}

QString UserNumber() {
    return QString::number(geteuid());
}

// The place whose socket and lock are `baseName` with their endings, in `folder`, when the
// socket's path fits the system's address record; else `place` with why not.
InstancePlace PlaceIn(const QString& folder, const QString& baseName, InstancePlace place) {
    const QString base = QDir(folder).filePath(baseName);
    const QString socketName = base + QStringLiteral(".socket");
    if (static_cast<std::size_t>(QFile::encodeName(socketName).size()) >=
        sizeof(sockaddr_un::sun_path)) {
        place.refused << PathTooLongReason(folder);
        return place;
    }
    place.folder = folder;
    place.socketName = socketName;
    place.lockName = base + QStringLiteral(".lock");
    return place;
}

// This user's home as the user database gives it; empty when it gives none.
QString HomeOfThisUser() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(suggested > 0 ? suggested : kPasswdBuffer));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return QFile::decodeName(found->pw_dir);
}

QString MachineName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return QStringLiteral("localhost");
    }
    // A host name holds no slash, but this one becomes part of a path: it never leaves the
    // folder.
    return QString::fromLocal8Bit(name).replace(QLatin1Char('/'), QLatin1Char('_'));
}

// The user at the other end of a connected local socket, as the system recorded it when that
// end connected or listened.
std::optional<uid_t> PeerUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
        0) {
        return std::nullopt;
    }
    return credentials.uid;
}

bool PeerIsThisUser(const QLocalSocket& socket) {
    const std::optional<uid_t> peer = PeerUser(socket.socketDescriptor());
    return peer && *peer == geteuid();
}

// Something other than a socket (a directory, say) at the socket's path.
bool SomethingElseAt(const QString& socketName) {
    struct stat st {};
    return lstat(QFile::encodeName(socketName).constData(), &st) == 0 && !S_ISSOCK(st.st_mode);
}

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

flock WholeFileLock() {
    flock lock{};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return lock;
}

// The lock file, opened without following links; -1 when it is not this user's regular file.
int OpenOwnLockFile(const QByteArray& path, int flags) {
    const int descriptor = open(path.constData(), flags | O_NOFOLLOW | O_CLOEXEC, kLockFileMode);
    if (descriptor < 0) {
        return -1;
    }
    struct stat st {};
    if (fstat(descriptor, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(descriptor);
        return -1;
    }
    return descriptor;
}

// A lock file that is not this user's regular file, removed as long as it is still there.
bool RemoveForeignLockFile(const QByteArray& path) {
    struct stat st {};
    if (lstat(path.constData(), &st) != 0) {
        return errno == ENOENT;
    }
    if (S_ISREG(st.st_mode) && st.st_uid == geteuid()) {
        return true; // replaced by a start of ours meanwhile
    }
    return S_ISDIR(st.st_mode) ? rmdir(path.constData()) == 0 : unlink(path.constData()) == 0;
}

bool IsFileAt(int descriptor, const QByteArray& path) {
    struct stat held {};
    struct stat atPath {};
    return fstat(descriptor, &held) == 0 && lstat(path.constData(), &atPath) == 0 &&
           held.st_dev == atPath.st_dev && held.st_ino == atPath.st_ino;
}

// Written straight to the connection, so that a later start that is gone shows at once.
bool SendAnswer(const QLocalSocket& socket) {
    return send(static_cast<int>(socket.socketDescriptor()), &kAccepted, 1, MSG_NOSIGNAL) == 1;
}

// The answer of the running instance, waited for until `deadline`.
HandOverResult AwaitAnswer(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    for (;;) {
        if (socket.bytesAvailable() > 0 ||
            socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            if (socket.read(1) == QByteArray(1, kAccepted)) {
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

InstanceFolders SystemInstanceFolders() {
    InstanceFolders folders;
    folders.runtime = QStringLiteral("/run/user/") + UserNumber();
    folders.home = HomeOfThisUser();
    folders.machine = MachineName();
    return folders;
}

InstancePlace FindInstancePlaceAmong(const InstanceFolders& folders) {
    InstancePlace place;
    const QString baseName = QStringLiteral("tarvelo-") + UserNumber();
    // A missing runtime folder is no fault: a system without logins that make one.
    struct stat st {};
    if (lstat(QFile::encodeName(folders.runtime).constData(), &st) == 0) {
        const QString why = GivenFolderUnfitBecause(folders.runtime);
        if (why.isEmpty()) {
            return PlaceIn(folders.runtime, baseName, place);
        }
        place.refused << why;
    }
    const QString cache = QDir(folders.home).filePath(QStringLiteral(".cache"));
    if (const QString why = HomeCacheUnfitBecause(folders.home, cache); !why.isEmpty()) {
        place.refused << why;
        return place;
    }
    const QString folder = QDir(cache).filePath(baseName);
    if (const QString why = MadeFolderUnfitBecause(folder); !why.isEmpty()) {
        place.refused << why;
        return place;
    }
    // A home may be shared by several machines, and a socket reaches only its own: the machine's
    // name goes into the names.
    return PlaceIn(folder, baseName + QLatin1Char('-') + folders.machine, place);
}

InstancePlace FindInstancePlace() {
    // Tests and sandboxes name a folder of their own, so that no two of them meet.
    const QString given = qEnvironmentVariable(kInstanceFolderVariable);
    if (given.isEmpty()) {
        return FindInstancePlaceAmong(SystemInstanceFolders());
    }
    InstancePlace place;
    if (const QString why = GivenFolderUnfitBecause(given); !why.isEmpty()) {
        place.refused << why;
        return place;
    }
    return PlaceIn(given, QStringLiteral("tarvelo-") + UserNumber(), place);
}

QString InstanceSocketName() {
    return FindInstancePlace().socketName;
}

QString TextOfBytes(const std::string& bytes) {
    return QString::fromStdU16String(TextFromBytes(bytes));
}

std::string BytesOfText(const QString& text) {
    return BytesFromText(text.toStdU16String());
}

QString CommandLineOf(int argc, char* argv[]) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    return TextOfBytes(line);
}

QByteArray EncodeHandOver(const HandOver& handOver) {
    QByteArray message = kTag;
    for (const QString& part : {handOver.workingDirectory, handOver.commandLine}) {
        const std::string bytes = BytesOfText(part);
        char length[kLengthBytes];
        qToBigEndian(static_cast<quint32>(bytes.size()), length);
        message.append(length, kLengthBytes);
        message.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
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
        *part = TextOfBytes(message.mid(at, length).toStdString());
        at += length;
    }
    return handOver;
}

InstanceLock InstanceLock::Take(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        const int descriptor = OpenOwnLockFile(name, O_RDWR | O_CREAT);
        if (descriptor < 0) {
            // Not ours (another user's file, a link, a directory): our folder, so it goes, and
            // a lock file of ours takes its place.
            if (!RemoveForeignLockFile(name)) {
                return {};
            }
            continue;
        }
        // An open-file-description lock: it goes with this descriptor only, and the descriptor
        // is closed in any program this one starts.
        flock lock = WholeFileLock();
        if (fcntl(descriptor, F_OFD_SETLK, &lock) != 0) {
            const int error = errno;
            close(descriptor);
            return {error == EAGAIN || error == EACCES ? State::HeldElsewhere : State::Failed, -1};
        }
        // A start that replaced the file meanwhile would lock another one: only the file that
        // is at the path counts.
        if (IsFileAt(descriptor, name)) {
            return {State::Taken, descriptor};
        }
        close(descriptor);
    }
    return {};
}

bool InstanceLock::IsHeld(const QString& path) {
    const int descriptor = OpenOwnLockFile(QFile::encodeName(path), O_RDONLY);
    if (descriptor < 0) {
        return false;
    }
    flock lock = WholeFileLock();
    const bool held = fcntl(descriptor, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    close(descriptor);
    return held;
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : state_(other.state_), descriptor_(std::exchange(other.descriptor_, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
        state_ = other.state_;
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

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
