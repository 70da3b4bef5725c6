// Where a save may write: links, special files, owner and mode of a file replaced.
#include "core/io/SaveTarget.h"

#include "core/io/WholeWrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

namespace {

using Refusal = SaveTargetCheck::Refusal;

constexpr mode_t kPermissionBits = 07777;
// The links a save follows one by one from a link that leads nowhere; a longer chain is a loop.
constexpr int kMaxLinksFollowed = 126;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Whether users other than this one may create, rename or remove entries in the folder: anyone,
// another owner, or a group that is not this user's own.
bool OthersMayWriteIn(const std::string& folder) {
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0) {
        return false;
    }
    return (st.st_mode & S_IWOTH) != 0 || st.st_uid != geteuid() ||
           ((st.st_mode & S_IWGRP) != 0 && st.st_gid != getegid());
}

std::string Resolved(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// The name the link at `path` holds, as a whole path; empty when it cannot be read.
std::string LinkedName(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path linked = fs::read_symlink(path, ec);
    if (ec) {
        return {};
    }
    const fs::path whole =
        linked.is_absolute() ? linked : fs::absolute(path, ec).parent_path() / linked;
    std::string name = whole.lexically_normal().string();
    if (name.size() > 1 && name.ends_with('/')) {
        name.pop_back();
    }
    return name;
}

} // namespace

SaveTargetCheck CheckSaveTarget(const std::string& path) {
    SaveTargetCheck check;
    check.target.path = path;
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        return check; // a new file, or trouble the save itself will report
    }
    if (S_ISLNK(st.st_mode)) {
        // Only a link of the user's own, in a folder nobody else can change, is followed: anyone
        // who may put a link there could point it at any file this user may write.
        if (st.st_uid != geteuid()) {
            check.refusal = Refusal::OthersLink;
            return check;
        }
        if (OthersMayWriteIn(FolderOf(path))) {
            check.refusal = Refusal::LinkInSharedFolder;
            return check;
        }
        check.target.path = Resolved(path);
        if (stat(check.target.path.c_str(), &st) != 0) {
            return check; // a dangling link: the save creates its target
        }
    }
    if (S_ISDIR(st.st_mode)) {
        return check; // the save says it is a folder
    }
    if (!S_ISREG(st.st_mode)) {
        check.refusal = Refusal::NotRegularFile;
        return check;
    }
    // Written aside and renamed, the new file would be this user's: another user's file is
    // replaced only by the superuser, who can give it back.
    if (st.st_uid != geteuid() && geteuid() != 0) {
        check.refusal = Refusal::OthersFile;
        return check;
    }
    check.target.exists = true;
    check.target.mode = st.st_mode & kPermissionBits;
    check.target.owner = st.st_uid;
    check.target.group = st.st_gid;
    check.target.links = st.st_nlink;
    return check;
}

std::string LinkChainEnd(const std::string& path) {
    std::string at = path;
    for (int followed = 0; IsLink(at); ++followed) {
        if (followed == kMaxLinksFollowed) {
            return path;
        }
        at = LinkedName(at);
    }
    return at;
}

std::optional<OwnerAndMode> KeptOwnerAndMode(const SaveTarget& target) {
    if (!target.exists) {
        return std::nullopt;
    }
    return OwnerAndMode{target.owner, target.group, target.mode};
}

int KeepOwnerAndMode(int fd, const SaveTarget& target) {
    const std::optional<OwnerAndMode> kept = KeptOwnerAndMode(target);
    return kept ? GiveOwnerAndMode(fd, kept->owner, kept->group, kept->mode) : 0;
}

} // namespace tarvelo
