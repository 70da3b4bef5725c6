// The instance's lock: an open-file-description lock on a file of this user's own.
#include "ui/instance/InstanceLock.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvelo {

namespace {

constexpr mode_t kLockFileMode = S_IRUSR | S_IWUSR;
// Starts that find a foreign lock file at the same moment may replace it in turn.
constexpr int kLockAttempts = 4;

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

} // namespace

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

} // namespace tarvelo
