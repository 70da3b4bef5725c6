// The lessons in a folder: each problem file that has its lesson file beside it, in the order of
// their names, and the lesson files that were refused; and the file name a new lesson is given.
#pragma once

#include "core/io/LessonFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

// A lesson found: its problem file, and what its lesson file says.
struct LessonEntry {
    std::string problemPath; // the folder's path joined with the file's name, bytes as they are
    Lesson lesson;
    bool operator==(const LessonEntry&) const = default;
};

// A lesson file beside a problem that could not be read, and why.
struct RefusedLesson {
    std::string lessonPath;
    LessonError error;
};

struct LessonListing {
    std::vector<LessonEntry> lessons; // by file name, byte by byte: "01 …" before "02 …"
    std::vector<RefusedLesson> refused;
};

// The extension of the problem file a lesson plays.
constexpr std::string_view kProblemExtension = ".trv";

// The lessons in `folder`. A missing or unreadable folder holds none; a problem without a lesson
// file is no lesson, nor is a lesson file without its problem.
LessonListing ListLessons(const std::string& folder);

// The lesson after `problemPath` in its folder, if there is one.
const LessonEntry* LessonAfter(const LessonListing& listing, const std::string& problemPath);

// The name (without extension) of the files of a lesson titled `title`: the title, without the
// characters a file name cannot hold or that would hide the file or make it an option, and no
// longer than kLongestLessonStem bytes, cut between characters. "Lesson" for a title that leaves
// nothing.
std::string LessonFileStem(std::string_view title);

// Far below the 255 bytes a file name may have, with room for the extensions.
constexpr std::size_t kLongestLessonStem = 120;

} // namespace tarvelo
