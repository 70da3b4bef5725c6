// Lesson files (NAME.lesson beside the problem NAME.trv): what the child is to reach, and the
// lesson's title and instruction in the languages it speaks, as a [Lesson] group of keys in the
// manner of a desktop entry, so that teachers and translators know the form.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo {

// A lesson's texts by language: "" for the untagged text, else the tag as written ("de",
// "pt_BR").
using LessonTexts = std::map<std::string, std::string>;

struct Lesson {
    std::string goal;            // the goal's word ("find-x"); core/teach/Goal reads it
    std::string language = "en"; // the language the untagged texts are written in
    LessonTexts titles;
    LessonTexts instructions;
    // Keys of the group that this program does not read, with their tags, and their values as
    // written: kept, and written back after the known ones.
    std::vector<std::pair<std::string, std::string>> otherKeys;
    bool operator==(const Lesson&) const = default;
};

// Why a lesson file was refused. The window words the message; `line` names the line at fault
// (0 for the file as a whole) and `key` the key, where that helps.
struct LessonError {
    enum class Kind {
        CannotOpen,      // missing, unreadable, or not a file
        TooLarge,        // far larger than any lesson
        NotText,         // a zero byte, a control character, or bytes that are not UTF-8
        BadLine,         // neither a group, a key and its value, a comment nor blank
        KeyOutsideGroup, // a key before any group
        BadKey,          // a key or a language tag that is not allowed, or a tag where none is
        BadValue,        // a goal word or a language not written as one
        UnknownGoal,     // a goal word that names no goal of kGoalWords
        BadEscape,       // a backslash before anything but s, n, t, r or another backslash
        RepeatedKey,     // the same key with the same tag twice in the group
        RepeatedGroup,   // the [Lesson] group twice
        MissingKey,      // no [Lesson] group, or one without `key` (Goal, Title or Instruction)
    };
    Kind kind = Kind::CannotOpen;
    int line = 0;
    std::string key;
};

struct LessonReading {
    std::optional<Lesson> lesson; // set when the file was accepted
    LessonError error;            // otherwise, why not
};

// The words that name the goals a lesson may have (core/teach/Goal says what each asks): a
// lesson with another goal could never be done, so it is refused as it is read.
constexpr std::array<std::string_view, 6> kGoalWords{
    "balance", "find-x", "find-y", "find-x-and-y", "left-heavier", "right-heavier",
};

// The largest lesson file read at all: a lesson holds a title and a few sentences per language.
constexpr std::uintmax_t kMaxLessonFileBytes = 64 * 1024;

// The ending that makes a problem file's name the name of its lesson file.
constexpr std::string_view kLessonExtension = ".lesson";

// Reads a lesson from a file's text.
LessonReading ParseLesson(std::string_view text);

// Reads the file at `path` (its bytes as they are) and then its lesson.
LessonReading ReadLessonFile(const std::string& path);

// The text of a lesson file. The texts may hold any characters but the control characters other
// than tab, line feed and carriage return, which are escaped.
std::string WriteLesson(const Lesson& lesson);

// What a lesson keeps of a text typed or pasted: each control character it cannot hold (all but
// the tab, and the line break where `lines` is true) a space. A title pasted with an escape in it
// would otherwise be saved, and the lesson refused as it is read.
std::string KeepableText(std::string_view text, bool lines);

// A text in the language it was found in.
struct LocalText {
    std::string text;
    std::string language;
};

// The text for `wanted` ("de", "de_CH.UTF-8"), as a desktop entry picks it: the tag for the
// language and country, then for the language alone, else the untagged text in the lesson's
// language.
LocalText TextFor(const Lesson& lesson, const LessonTexts& texts, std::string_view wanted);

} // namespace tarvelo
