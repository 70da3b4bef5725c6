// Writing a whole text to an open file and making sure it reached the disk, for saves that must
// never leave a file half written.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace tarvelo {

// Writes all of `text` to the open file `fd`, however many writes it takes. 0, or the system's
// error number of the first failure.
int WriteWhole(int fd, std::string_view text);

// Makes sure what was written to `fd` is on the disk: some file systems (delayed allocation,
// network disks) find out only now that the space is not there. 0, or the system's error
// number; a file that cannot be synced at all (EINVAL) counts as synced.
int SyncToDisk(int fd);

// Gives the open file `fd`, written aside to replace another, that file's owner, group and
// permission bits (`mode`; the file type bits are ignored). The owner goes first: changing it
// clears the set-user and set-group bits. 0, or the system's error number.
int GiveOwnerAndMode(int fd, uid_t owner, gid_t group, mode_t mode);

// Renames `from` to `to`, in place of any file there, at once. 0, or the system's error number.
int RenameFile(const std::string& from, const std::string& to);

} // namespace tarvelo
