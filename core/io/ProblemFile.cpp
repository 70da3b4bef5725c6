// Reading and writing problem files, checking the whole text before anything uses it.
#include "core/io/ProblemFile.h"

#include "core/base/Numeric.h"
#include "core/io/FileBytes.h"
#include "core/world/Scene.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <sstream>

namespace tarvelo {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kHeader = "# Tarvelo file - ";
constexpr std::int64_t kMaskBase = 13; // the masked values are (k + 13) x 13 + value
constexpr int kLinesPerPiece = 4;
constexpr int kHeaderLines = 4; // header, X, Y, count

ProblemReading Refuse(ProblemError::Kind kind, int line, double value = 0) {
    ProblemReading r;
    r.error = {kind, line, value};
    return r;
}

bool FitsInt32(double v) {
    const double r = std::nearbyint(v);
    return r >= std::numeric_limits<std::int32_t>::min() &&
           r <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

std::vector<std::string_view> SplitProblemLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        // CR LF is one line end.
        start =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::int64_t MaskValue(std::int32_t value, int k) {
    return (k + kMaskBase) * kMaskBase + value;
}

std::int32_t UnmaskValue(double line) {
    return static_cast<std::int32_t>(Mod(RoundToInt32(line), kMaskBase));
}

ProblemReading ParseProblem(std::string_view text) {
    // A zero byte is in no line of text: a file that holds one (UTF-16, say, or a picture) would
    // read as numbers of 0 and open as an empty problem, with nothing said.
    if (text.find('\0') != std::string_view::npos) {
        return Refuse(ProblemError::Kind::NotText, 0);
    }
    // The header, the two values and the count come first; no more lines are split off than
    // the count, once checked, calls for.
    const std::vector<std::string_view> head = SplitProblemLines(text, kHeaderLines);
    if (head.size() < kHeaderLines) {
        return Refuse(ProblemError::Kind::EndsEarly, static_cast<int>(head.size()) + 1);
    }
    // Every number read goes through the same reader; one too large for a double is refused.
    auto number = [](std::string_view line, double& out) {
        const NumberReading r = ReadNumber(line);
        out = r.value;
        return r.fits;
    };

    Problem problem;
    double x = 0;
    double y = 0;
    double n = 0;
    if (!number(head[1], x) || !FitsInt32(x)) {
        return Refuse(ProblemError::Kind::NumberTooLarge, 2, x);
    }
    if (!number(head[2], y) || !FitsInt32(y)) {
        return Refuse(ProblemError::Kind::NumberTooLarge, 3, y);
    }
    problem.xValue = UnmaskValue(x);
    problem.yValue = UnmaskValue(y);
    if (!number(head[3], n)) {
        return Refuse(ProblemError::Kind::NumberTooLarge, 4, n);
    }
    if (n < 0 || n != std::floor(n) || n > kMaxProblemPieces) {
        return Refuse(ProblemError::Kind::BadCount, 4, n);
    }

    // Every piece takes four lines, and a line at least one character with its line end: a
    // count that the rest of the file cannot hold is refused before anything is set aside.
    const auto count = static_cast<std::size_t>(n);
    const std::size_t headBytes =
        static_cast<std::size_t>(head.back().data() + head.back().size() - text.data());
    const std::size_t restBytes = text.size() - headBytes;
    if (count > (restBytes + 1) / kLinesPerPiece) {
        return Refuse(ProblemError::Kind::CountBeyondFile, 4, n);
    }
    const std::size_t wanted = kHeaderLines + count * kLinesPerPiece;
    const std::vector<std::string_view> lines = SplitProblemLines(text, wanted);
    if (lines.size() < wanted) {
        return Refuse(ProblemError::Kind::EndsEarly, static_cast<int>(lines.size()) + 1);
    }

    problem.pieces.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t first = kHeaderLines + i * kLinesPerPiece;
        const int lineNumber = static_cast<int>(first) + 1;
        double v[kLinesPerPiece];
        for (int f = 0; f < kLinesPerPiece; ++f) {
            if (!number(lines[first + static_cast<std::size_t>(f)], v[f])) {
                return Refuse(ProblemError::Kind::NumberTooLarge, lineNumber + f, v[f]);
            }
        }
        ProblemPiece piece;
        if (!FitsInt32(v[0])) {
            return Refuse(ProblemError::Kind::NumberTooLarge, lineNumber, v[0]);
        }
        // A height that loading could not lift into its field is refused here, where the line
        // that holds it is known.
        if (!FitsInt32(v[1]) || !FitsInt32(v[1] - kLoadLift)) {
            return Refuse(ProblemError::Kind::NumberTooLarge, lineNumber + 1, v[1]);
        }
        if (std::fabs(v[2]) > FLT_MAX) {
            return Refuse(ProblemError::Kind::NumberTooLarge, lineNumber + 2, v[2]);
        }
        const std::optional<PieceKind> kind =
            FitsInt32(v[3]) ? PieceKindFromNumber(RoundToInt32(v[3])) : std::nullopt;
        if (!kind) {
            return Refuse(ProblemError::Kind::UnknownKind, lineNumber + 3, v[3]);
        }
        piece.objX = RoundToInt32(v[0]);
        piece.objY = RoundToInt32(v[1]);
        piece.objMass = ToSingle(v[2]);
        piece.objKind = *kind;
        problem.pieces.push_back(piece);
    }

    ProblemReading accepted;
    accepted.problem = std::move(problem);
    return accepted;
}

ProblemReading ReadProblemFile(const std::string& path) {
    const FileBytes file = ReadFileBytes(path, kMaxProblemFileBytes);
    switch (file.status) {
    case FileBytes::Status::Read:
        return ParseProblem(file.text);
    case FileBytes::Status::TooLarge:
        return Refuse(ProblemError::Kind::TooLarge, 0, static_cast<double>(file.size));
    case FileBytes::Status::CannotOpen:
        break;
    }
    return Refuse(ProblemError::Kind::CannotOpen, 0);
}

std::string WriteProblem(const Problem& problem, const std::string& time, const std::string& date,
                         int kX, int kY) {
    std::ostringstream out;
    out << kHeader << time << " - " << date << kLineEnd;
    out << MaskValue(problem.xValue, kX) << kLineEnd;
    out << MaskValue(problem.yValue, kY) << kLineEnd;
    out << problem.pieces.size() << kLineEnd;
    for (const ProblemPiece& piece : problem.pieces) {
        out << piece.objX << kLineEnd << piece.objY << kLineEnd;
        // Masses are whole numbers; one that is not is written in full.
        if (piece.objMass == std::floor(piece.objMass) && std::fabs(piece.objMass) < 1e9f) {
            out << static_cast<std::int64_t>(piece.objMass);
        } else {
            out.precision(9);
            out << piece.objMass;
        }
        out << kLineEnd << KindNumber(piece.objKind) << kLineEnd;
    }
    return out.str();
}

} // namespace tarvelo
