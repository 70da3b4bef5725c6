// Putting a whole text in place of a file at once: written to a new file beside it and renamed
// over it, so that a reader finds the old file or the new one, never half of either.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

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

} // namespace tarvelo
