// What a command line names: the problem file to open in problem mode, if any.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// An option the toolkit takes out of the command line itself, and whether a value follows it (as
// the next word or after `=`).
struct ForeignOption {
    std::string_view name; // without the leading dashes: the toolkit takes one dash or two
    bool takesValue = false;
};

// The options the command line knows before it is read: the program's own, each as it is written
// (`--settle`, `-h`), those of them that still open the window (`--register`), and the toolkit's.
struct CommandLineOptions {
    std::span<const std::string_view> own;
    std::span<const ForeignOption> foreign;
    std::span<const std::string_view> window = {};
};

// What the words after the program's name ask for. Options come first; the first word that is
// not one starts the file's name, which takes every word after it (a desktop may pass a path
// with blanks as several words), and `--` ends the options without being part of the name.
struct CommandLineStart {
    enum class Kind {
        Window,        // the window, with the file that the words from `fileFrom` on name
        Own,           // a run of the program's own options (without a window)
        UnknownOption, // `option` is nobody's option: refused
    };
    Kind kind = Kind::Window;
    std::size_t fileFrom = 0;
    std::string option;                     // the option that decided, for Own and UnknownOption
    std::vector<std::string> windowOptions; // the window's own options given, for Window
};

CommandLineStart ReadCommandLineStart(const std::vector<std::string>& words,
                                      const CommandLineOptions& options);

// The words from `from` on, joined by single blanks, as the window takes its command line.
std::string JoinedWords(const std::vector<std::string>& words, std::size_t from);

// A command line is bytes, and a file name need not be UTF-8. These carry any bytes through
// UTF-16 text and back unchanged: valid UTF-8 reads as usual, and each byte that is not part of
// a valid sequence becomes the lone surrogate U+DC00 + byte, which the way back turns into that
// byte again.
std::u16string TextFromBytes(std::string_view bytes);
std::string BytesFromText(std::u16string_view text);

} // namespace tarvelo
