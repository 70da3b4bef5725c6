// What a command line names: the problem file to open in problem mode, if any.
#pragma once

#include <string>

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

} // namespace tarvelo
