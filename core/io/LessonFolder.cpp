// Listing the lessons of a folder, and naming the files of a new one.
#include "core/io/LessonFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvelo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUntitledStem = "Lesson";

// The problem files in `folder`, by name. Errors end the listing with what was found.
std::vector<fs::path> ProblemsIn(const std::string& folder) {
    std::vector<fs::path> problems;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        const fs::path& path = entries->path();
        if (path.extension() == kProblemExtension && entries->is_regular_file(error)) {
            problems.push_back(path);
        }
    }
    std::sort(problems.begin(), problems.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().native() < b.filename().native();
    });
    return problems;
}

// Characters that end a file name's part, hide it, or cannot be typed in a name.
bool LeftOut(unsigned char c) {
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kDelete = 0x7F;
    return c < kFirstPrintable || c == kDelete || c == '/' || c == '\\';
}

bool StartsCharacter(unsigned char c) {
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuation = 0x80;
    return (c & kContinuationMask) != kContinuation;
}

// `text` without the blanks, dots and hyphens at its ends: a leading dot hides the file, a
// leading hyphen reads as an option, a trailing dot or blank is lost on some file systems.
std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kTrimmed = " .-";
    const std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

} // namespace

LessonListing ListLessons(const std::string& folder) {
    LessonListing listing;
    for (const fs::path& problem : ProblemsIn(folder)) {
        fs::path lessonPath = problem;
        lessonPath.replace_extension(kLessonExtension);
        std::error_code error;
        if (!fs::exists(lessonPath, error)) {
            continue;
        }
        LessonReading read = ReadLessonFile(lessonPath.string());
        if (read.lesson) {
            listing.lessons.push_back({problem.string(), std::move(*read.lesson)});
        } else {
            listing.refused.push_back({lessonPath.string(), read.error});
        }
    }
    return listing;
}

const LessonEntry* LessonAfter(const LessonListing& listing, const std::string& problemPath) {
    const auto found =
        std::find_if(listing.lessons.begin(), listing.lessons.end(),
                     [&](const LessonEntry& entry) { return entry.problemPath == problemPath; });
    if (found == listing.lessons.end() || std::next(found) == listing.lessons.end()) {
        return nullptr;
    }
    return &*std::next(found);
}

std::string LessonFileStem(std::string_view title) {
    std::string stem;
    for (const char c : title) {
        stem += LeftOut(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    std::string_view kept = Trimmed(stem);
    if (kept.size() > kLongestLessonStem) {
        std::size_t cut = kLongestLessonStem;
        while (cut > 0 && !StartsCharacter(static_cast<unsigned char>(kept[cut]))) {
            --cut;
        }
        kept = Trimmed(kept.substr(0, cut));
    }
    return kept.empty() ? std::string(kUntitledStem) : std::string(kept);
}

} // namespace tarvelo
