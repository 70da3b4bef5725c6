// Putting a whole text in place of a file: a new file beside it, written whole, then renamed over
// it.
#include "core/io/FileReplace.h"

#include "core/io/WholeWrite.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
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

// A hidden name of nobody's next to `target`, with an ending no desktop database reads; false
// (with errno) when the system has no random digits to give.
bool NameBeside(const fs::path& target, std::string& name) {
    std::string unique;
    if (!RandomDigits(unique)) {
        return false;
    }
    name = (target.parent_path() /
            ("." + NameKept(target.filename().string()) + "." + unique + kTemporaryEnding))
               .string();
    return true;
}

// Creates a new file of a name nobody else uses next to `target`, exclusively and never
// through a link. Its descriptor, or -1 with errno.
int CreateBeside(const fs::path& target, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        if (!NameBeside(target, name)) {
            return -1;
        }
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
int WriteWholeAndClose(int fd, std::string_view text, const std::optional<OwnerAndMode>& keep,
                       const ReplaceSteps& steps) {
    int error = steps.write(fd, text);
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

// A copy of the file at `path` under `name`, for a file system without hard links: its bytes,
// owner and mode. 0, or the system's error number; no copy is left on failure.
int CopyAside(const std::string& path, const std::optional<OwnerAndMode>& keep, std::string& name) {
    std::string text;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return errno != 0 ? errno : EIO;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        text = bytes.str();
    }
    const int fd = CreateBeside(path, kPrivateFileMode, name);
    if (fd < 0) {
        return errno;
    }
    const int error = WriteWholeAndClose(fd, text, keep, ReplaceSteps{});
    if (error != 0) {
        ::unlink(name.c_str());
    }
    return error;
}

// Keeps the file at `path` under a hidden name beside it, as it is, until the files replaced with
// it are all in place: a second name for it, or a copy where the file system has none. `name`
// stays empty when nothing is there to keep. 0, or the system's error number.
int KeepAside(const std::string& path, const std::optional<OwnerAndMode>& keep, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        if (!NameBeside(path, name)) {
            return errno;
        }
        // A link at `path` is kept itself, as it is replaced itself.
        if (::link(path.c_str(), name.c_str()) == 0) {
            return 0;
        }
        if (errno == ENOENT) {
            name.clear();
            return 0;
        }
        if (errno != EEXIST) {
            return CopyAside(path, keep, name);
        }
    }
    return EEXIST;
}

void RemoveAll(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (!name.empty()) {
            ::unlink(name.c_str());
        }
    }
}

} // namespace

FileReplacing ReplaceFileWhole(const std::string& path, std::string_view text,
                               const std::optional<OwnerAndMode>& keep) {
    return ReplaceFilesWhole({{path, text, keep}}).result;
}

FilesReplacing ReplaceFilesWhole(const std::vector<FileToReplace>& files,
                                 const ReplaceSteps& steps) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const int error = WhyNotReplaced(files[i].path); error != 0) {
            return {{Step::Open, error}, i};
        }
    }
    std::vector<std::string> asides; // the new files, written whole
    std::vector<std::string> kept;   // the old files, by the same index; empty: none was there
    const auto failed = [&](Step step, int error, std::size_t file) {
        RemoveAll(asides);
        RemoveAll(kept);
        return FilesReplacing{{step, error}, file};
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileToReplace& file = files[i];
        std::string aside;
        const int fd = CreateBeside(file.path, file.keep ? kPrivateFileMode : kNewFileMode, aside);
        if (fd < 0) {
            return failed(Step::Open, errno, i);
        }
        asides.push_back(aside);
        if (const int error = WriteWholeAndClose(fd, file.text, file.keep, steps); error != 0) {
            return failed(Step::Write, error, i);
        }
    }
    // The last file put in place needs no copy: when it fails, it has not replaced its file.
    for (std::size_t i = 0; i + 1 < files.size(); ++i) {
        std::string name;
        if (const int error = KeepAside(files[i].path, files[i].keep, name); error != 0) {
            return failed(Step::Open, error, i);
        }
        kept.push_back(name);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const int error = steps.rename(asides[i], files[i].path); error != 0) {
            // The files already replaced take their old text back; the new ones go.
            for (std::size_t back = 0; back < i; ++back) {
                // An old file that cannot go back stays under its hidden name rather than be lost.
                if (kept[back].empty()) {
                    ::unlink(files[back].path.c_str());
                } else {
                    RenameFile(kept[back], files[back].path);
                }
                kept[back].clear();
                asides[back].clear();
            }
            return failed(Step::Rename, error, i);
        }
    }
    RemoveAll(kept);
    return {};
}

} // namespace tarvelo
