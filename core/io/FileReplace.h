// Putting a whole text in place of a file at once: written to a new file beside it and renamed
// over it, so that a reader finds the old file or the new one, never half of either.
#pragma once

#include "core/io/WholeWrite.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace tarvelo {

// What the new file takes from the file it replaces.
struct OwnerAndMode {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0; // permission bits; the file type bits are ignored
};

// How a replace ended: the step that failed, with the system's error number.
struct FileReplacing {
    enum class Step {
        Done,   // the new file is in place
        Open,   // the file there may not be replaced, or no new file could be made beside it
        Write,  // the new file could not be written whole, given `keep`, or put on the disk
        Rename, // the new file could not be put in place
    };
    Step failed = Step::Done;
    int error = 0; // 0 when done

    bool done() const { return failed == Step::Done; }
};

// Puts `text` in place of the file at `path`, or creates it there. `path` is taken as it is: a
// link there is replaced itself, so a caller that keeps links gives the file they lead to. A
// folder is never replaced (EISDIR), nor a file this user may not write. The new file is made
// beside it under a hidden name, exclusively and never through a link. Given `keep` (the owner
// and mode of the file replaced), it takes them, and until then only its owner may read it;
// else it takes the user's umask, as any new file does. On failure the file at `path` is as it
// was, and no new file is left behind.
FileReplacing ReplaceFileWhole(const std::string& path, std::string_view text,
                               const std::optional<OwnerAndMode>& keep);

// One of several files replaced together: its path, new text and what it keeps, as above.
struct FileToReplace {
    std::string path;
    std::string_view text;
    std::optional<OwnerAndMode> keep;
};

// The steps of a replace that meet the disk's own failures, as the system calls them: 0, or the
// error number. Tests give steps that fail where a full or broken disk would.
struct ReplaceSteps {
    std::function<int(int fd, std::string_view text)> write = WriteWhole;
    std::function<int(const std::string& from, const std::string& to)> rename = RenameFile;
};

// How a replace of several files ended, and which of them failed (its index).
struct FilesReplacing {
    FileReplacing result;
    std::size_t file = 0;

    bool done() const { return result.done(); }
};

// Puts each text in place of its file, each as ReplaceFileWhole does, so that all of them change
// or none does: every new file is written whole before any is put in place, and the old files
// are kept aside until the last new one is in place, then put back should one fail. On failure
// every file is as it was, and nothing is left beside them.
FilesReplacing ReplaceFilesWhole(const std::vector<FileToReplace>& files,
                                 const ReplaceSteps& steps = {});

} // namespace tarvelo
