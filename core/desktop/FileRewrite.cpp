// Reading the user's files whole, and rewriting them in place of the old only when they differ.
#include "core/desktop/FileRewrite.h"

#include "core/io/FileReplace.h"

#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tarvelo {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40; // as many links as the kernel follows before it calls it a loop
constexpr mode_t kAnyoneMayWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The file that writing `file` must replace: where its chain of symbolic links ends, so that a
// link the user keeps (into a folder of dotfiles, say) stays a link. A relative target is taken
// from the folder of the link that names it. False for a loop.
bool LinkTarget(const fs::path& file, fs::path& target) {
    target = file;
    for (int hop = 0;; ++hop) {
        std::error_code ec;
        if (fs::symlink_status(target, ec).type() != fs::file_type::symlink) {
            return true; // a file, nothing yet, or what the write itself will report
        }
        if (hop == kMaxLinkHops) {
            return false;
        }
        // Only the user's own links are followed: one another user made could lead anywhere
        // this user may write.
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || link.st_uid != ::geteuid()) {
            return false;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// A file nobody may write is the user's sign that it is to stay as it is: it is left alone,
// even by the superuser (who could write it all the same). So is one this user may not write.
bool LeftAlone(const fs::path& target, const struct stat& old) {
    return (old.st_mode & kAnyoneMayWrite) == 0 || ::access(target.c_str(), W_OK) != 0;
}

} // namespace

Reading ReadText(const fs::path& file, std::string& text, std::uintmax_t limit) {
    text.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) {
        return Reading::Missing;
    }
    if (ec || status.type() != fs::file_type::regular) {
        return Reading::Failed; // a pipe there would never end its read
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        return Reading::Failed;
    }
    if (size > limit) {
        return Reading::TooLarge;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Reading::Failed;
    }
    // One byte more than the size tells a file that grew meanwhile: read again next time.
    text.resize(static_cast<std::size_t>(size) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return Reading::Failed;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text.size() > size ? Reading::Failed : Reading::Read;
}

bool WriteIfDifferent(const fs::path& file, const std::string& text, bool& changed) {
    std::string current;
    // A file longer than the text cannot be the same: never read more than that.
    if (ReadText(file, current, text.size()) == Reading::Read && current == text) {
        return true;
    }
    fs::path target;
    if (!LinkTarget(file, target)) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
        return false;
    }
    struct stat old {};
    const bool existing = ::stat(target.c_str(), &old) == 0;
    if (existing && LeftAlone(target, old)) {
        return false;
    }
    std::optional<OwnerAndMode> keep;
    if (existing) {
        keep = OwnerAndMode{old.st_uid, old.st_gid, old.st_mode};
    }
    if (!ReplaceFileWhole(target.string(), text, keep).done()) {
        return false;
    }
    changed = true;
    return true;
}

} // namespace tarvelo
