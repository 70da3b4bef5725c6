// Problem files (.trv): what the user put on the balance, the pieces and the hidden values of X
// and Y, as lines of text. Reading checks the whole file before anything uses it, and says which
// line is wrong when a file is refused.
#pragma once

#include "core/world/Problem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

// Why a file was refused. The window words the message; `line` names the line at fault (0 for
// the file as a whole) and `value` the number found there, where that helps.
struct ProblemError {
    enum class Kind {
        CannotOpen,      // missing, unreadable, or not a file
        TooLarge,        // far larger than any problem
        EndsEarly,       // `line` is the first line that should be there and is not
        BadCount,        // negative, not whole, or above the cap
        CountBeyondFile, // more pieces announced than the lines that follow hold
        NumberTooLarge,  // a number that does not fit its field
        UnknownKind,     // a kind of piece that has no picture
        NotText,         // bytes no text file of lines holds, such as a text saved in UTF-16
    };
    Kind kind = Kind::CannotOpen;
    int line = 0;
    double value = 0;
};

struct ProblemReading {
    std::optional<Problem> problem; // set when the file was accepted
    ProblemError error;             // otherwise, why not
};

// The most pieces a file may announce, and the largest file read at all.
constexpr double kMaxProblemPieces = 10000;
constexpr std::uintmax_t kMaxProblemFileBytes = 4 * 1024 * 1024;

// The lines of a file's text. A line ends at CR, at CR LF, or at a lone LF; the last line needs
// no line end. At most `maxLines` lines are split off.
std::vector<std::string_view> SplitProblemLines(std::string_view text, std::size_t maxLines);

// Reads a problem from a file's text.
ProblemReading ParseProblem(std::string_view text);

// Reads the file at `path` (its bytes as they are) and then its problem.
ProblemReading ReadProblemFile(const std::string& path);

// The text of a problem file for the free pieces of the scene's table, in table order. `time` and
// `date` go into the header as given; kX and kY (0 to 99) mask the values of X and Y.
std::string WriteProblem(const Problem& problem, const std::string& time, const std::string& date,
                         int kX, int kY);

// The masked line for a value of X or Y, and the value it reads back as.
std::int64_t MaskValue(std::int32_t value, int k);
std::int32_t UnmaskValue(double line);

} // namespace tarvelo
