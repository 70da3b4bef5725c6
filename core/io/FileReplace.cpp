// Putting a whole text in place of a file: a new file beside it, written whole, then renamed over
// it.
#include "core/io/FileReplace.h"

#include "core/io/WholeWrite.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

namespace {

namespace fs = std::filesystem;

using Step = FileReplacing::Step;

constexpr int kTemporaryNameAttempts = 16;
constexpr const char* kTemporaryEnding = ".tmp";
constexpr mode_t kNewFileMode = 0666;     // before the umask, as editors create files
constexpr mode_t kPrivateFileMode = 0600; // a copy nobody else reads before it takes its mode
// Of a long name the new file's name keeps only the start, so that it is a valid name wherever
// the file's own is.
constexpr std::size_t kNameKept = 64;
// The bytes that continue a UTF-8 character: 10xxxxxx.
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuationBits;
}

// The start of `name`, cut between two characters and never inside one.
std::string NameKept(const std::string& name) {
    if (name.size() <= kNameKept) {
        return name;
    }
    std::size_t cut = kNameKept;
    while (cut > 0 && ContinuesCharacter(name[cut])) {
        --cut;
    }
    return name.substr(0, cut);
}

// Hex digits from the system's random source, so that no two writers pick the same name; false
// (with errno) when it has none to give.
bool RandomDigits(std::string& digits) {
    std::uint64_t value = 0;
    if (getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) {
        return false;
    }
    std::ostringstream out;
    out << std::hex << value;
    digits = out.str();
    return true;
}

// Creates a new file of a name nobody else uses next to `target`, exclusively and never
// through a link. Its descriptor, or -1 with errno.
int CreateBeside(const fs::path& target, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::string unique;
        if (!RandomDigits(unique)) {
            return -1;
        }
        // Hidden, and with an ending no desktop database reads.
        name = (target.parent_path() /
                ("." + NameKept(target.filename().string()) + "." + unique + kTemporaryEnding))
                   .string();
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Why the file at `path` must not be replaced: no name, a folder, or a file this user may not
// write. 0 when it may be, or when nothing is there.
int WhyNotReplaced(const std::string& path) {
    if (path.empty()) {
        return ENOENT;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return 0; // a new file, or trouble that making the new file meets again
    }
    if (S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

// Writes `text` to the new file, gives it `keep`, makes sure it reached the disk, and closes it.
// 0, or the system's error number of the first failure.
int WriteWholeAndClose(int fd, std::string_view text, const std::optional<OwnerAndMode>& keep) {
    int error = WriteWhole(fd, text);
    if (error == 0 && keep) {
        error = GiveOwnerAndMode(fd, keep->owner, keep->group, keep->mode);
    }
    if (error == 0) {
        error = SyncToDisk(fd);
    }
    // A network disk may say only now that the text did not reach it.
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

} // namespace

FileReplacing ReplaceFileWhole(const std::string& path, std::string_view text,
                               const std::optional<OwnerAndMode>& keep) {
    if (const int error = WhyNotReplaced(path); error != 0) {
        return {Step::Open, error};
    }
    std::string aside;
    const int fd = CreateBeside(path, keep ? kPrivateFileMode : kNewFileMode, aside);
    if (fd < 0) {
        return {Step::Open, errno};
    }
    FileReplacing result;
    if (const int error = WriteWholeAndClose(fd, text, keep); error != 0) {
        result = {Step::Write, error};
    } else if (::rename(aside.c_str(), path.c_str()) != 0) {
        result = {Step::Rename, errno};
    }
    if (!result.done()) {
        ::unlink(aside.c_str());
    }
    return result;
}

} // namespace tarvelo
