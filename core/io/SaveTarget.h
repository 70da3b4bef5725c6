// Where a save may write, looked at before anything is written: links another user could have
// planted are not followed, special files are not replaced, and a file that is replaced keeps
// its owner and mode.
#pragma once

#include "core/io/FileReplace.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace tarvelo {

// The file a save replaces, or creates when it is not there.
struct SaveTarget {
    std::string path; // the regular file to write: the link's target when the path was a link
    bool exists = false;
    mode_t mode = 0; // permission bits of the file replaced
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0; // names the file replaced has
};

struct SaveTargetCheck {
    enum class Refusal {
        None,
        OthersLink,         // a link owned by another user
        LinkInSharedFolder, // a link in a folder others may write to
        NotRegularFile,     // a FIFO, a device, a socket
        OthersFile,         // another user's file, which this user cannot give back to its owner
    };
    Refusal refusal = Refusal::None;
    SaveTarget target; // when not refused
};

// What a save to `path` would replace, or why it must not write there. Any other trouble (a
// missing folder, no permission) is left to the save itself, which says why it failed.
SaveTargetCheck CheckSaveTarget(const std::string& path);

// Where a save to `path` puts its file: at the end of the chain of links that starts there, so
// that a link that leads nowhere comes to lead to the file saved. `path` itself when it is no
// link, and when the chain is too long to be anything but a loop. A relative link is taken from
// the folder of the link that holds it, written without `.` and `..`.
std::string LinkChainEnd(const std::string& path);

// What the file saved takes from the file it replaces; nothing for a new file.
std::optional<OwnerAndMode> KeptOwnerAndMode(const SaveTarget& target);

// Gives the file open as `fd`, written aside to replace `target`, the owner and mode of the file
// it replaces. 0, or the system's error number.
int KeepOwnerAndMode(int fd, const SaveTarget& target);

} // namespace tarvelo
