// What a command line names: the problem file to open in problem mode, if any.
#pragma once

#include <string>
#include <string_view>

namespace tarvelo {

struct CommandLineFile {
    enum class Kind {
        None,     // an empty command line: free mode
        Path,     // the file to open
        Unusable, // a lone double quote: too short to take both quotes off
    };
    Kind kind = Kind::None;
    std::string path;
};

// The command line is taken whole as one path. When it starts with a double quote, its first
// and last characters are taken off, whatever the last one is; nothing else is cleaned.
CommandLineFile FileFromCommandLine(const std::string& stCommand);

// True for a command line that is there but names no file: a lone double quote, or a pair of
// quotes around nothing (an empty path, which would name the working folder).
bool NamesNoFile(const CommandLineFile& file);

// A command line is bytes, and a file name need not be UTF-8. These carry any bytes through
// UTF-16 text and back unchanged: valid UTF-8 reads as usual, and each byte that is not part of
// a valid sequence becomes the lone surrogate U+DC00 + byte, which the way back turns into that
// byte again.
std::u16string TextFromBytes(std::string_view bytes);
std::string BytesFromText(std::u16string_view text);

} // namespace tarvelo
