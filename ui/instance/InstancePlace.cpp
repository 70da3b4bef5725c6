// The instance's folder: the system's runtime folder for the user, else one made in the home's
// cache, each taken only when no other user can use it or move it away.
#include "ui/instance/InstancePlace.h"

#include "ui/instance/InstanceMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace tarvelo {

namespace {

constexpr mode_t kPrivateMode = S_IRWXU;
constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;
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

} // namespace tarvelo
