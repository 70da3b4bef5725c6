#include "core/io/WholeWrite.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

int WriteWhole(int fd, std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return EIO; // no progress and no reason: never loop on it
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

int SyncToDisk(int fd) {
    if (::fsync(fd) != 0 && errno != EINVAL) {
        return errno;
    }
    return 0;
}

int GiveOwnerAndMode(int fd, uid_t owner, gid_t group, mode_t mode) {
    constexpr mode_t kPermissionBits = 07777;
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return errno;
    }
    if ((now.st_uid != owner || now.st_gid != group) && ::fchown(fd, owner, group) != 0) {
        return errno;
    }
    return ::fchmod(fd, mode & kPermissionBits) == 0 ? 0 : errno;
}

int RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace tarvelo
