// Reading a small file whole, refusing one that is not a file or larger than its readers accept.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo {

struct FileBytes {
    enum class Status {
        Read,       // `text` holds the file's bytes as they are
        CannotOpen, // missing, unreadable, or not a file
        TooLarge,   // larger than the reader accepts; `size` says how large
    };
    Status status = Status::CannotOpen;
    std::string text;
    std::uintmax_t size = 0;
};

// The bytes of the file at `path`, if it is a file of at most `maxBytes`.
FileBytes ReadFileBytes(const std::string& path, std::uintmax_t maxBytes);

} // namespace tarvelo
