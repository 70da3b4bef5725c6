// Reading a file of the user's whole, and writing it again only when its text must change,
// through the links the user keeps and leaving alone what is not to be written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvelo {

enum class Reading {
    Missing,  // no file (or a link to none)
    Read,     // `text` holds it
    TooLarge, // over the limit: not read
    Failed,   // no plain file, or unreadable
};

// Reads `file`, through its links, into `text` when it holds at most `limit` bytes; a larger
// file is not read at all, so that no file makes a start slow or costly.
Reading ReadText(const std::filesystem::path& file, std::string& text, std::uintmax_t limit);

// Writes `text` to `file` unless it already holds exactly that. Sets `changed` when it wrote.
// A link the user owns is followed, so that it stays a link; a file nobody may write, or this
// user may not, is left as it is. False when the file is not as it should be.
bool WriteIfDifferent(const std::filesystem::path& file, const std::string& text, bool& changed);

} // namespace tarvelo
