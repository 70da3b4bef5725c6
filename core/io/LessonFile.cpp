// Reading and writing lesson files: groups, keys with their language tags, and values escaped as
// desktop entries escape them; the whole text is checked before anything uses it.
#include "core/io/LessonFile.h"

#include "core/io/FileBytes.h"
#include "core/io/ProblemFile.h"

#include <algorithm>
#include <limits>

namespace tarvelo {

namespace {

using Kind = LessonError::Kind;

constexpr std::string_view kLessonGroup = "Lesson";
constexpr std::string_view kGoalKey = "Goal";
constexpr std::string_view kLanguageKey = "Language";
constexpr std::string_view kTitleKey = "Title";
constexpr std::string_view kInstructionKey = "Instruction";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kComment = '#';
constexpr char kEscape = '\\';
constexpr const char* kLineEnd = "\n";

LessonReading Refuse(Kind kind, int line, std::string key = {}) {
    LessonReading r;
    r.error = {kind, line, std::move(key)};
    return r;
}

// ---- Characters ----

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsKeyChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// A language tag: lang, lang_COUNTRY, with .ENCODING and @MODIFIER as a locale may have them.
bool IsTag(std::string_view tag) {
    return !tag.empty() && std::all_of(tag.begin(), tag.end(), [](char c) {
        return IsKeyChar(c) || c == '_' || c == '.' || c == '@';
    });
}

// A goal's word: lower-case letters, digits and hyphens.
bool IsGoalWord(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

// A control character no line of a lesson holds; the tab is written as it is.
bool IsControl(unsigned char c) {
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kDelete = 0x7F;
    return (c < kFirstPrintable && c != '\t') || c == kDelete;
}

// Whether `text` is UTF-8: every sequence whole, as short as it can be, and no surrogate.
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        std::uint32_t smallest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07u, smallest = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        constexpr std::uint32_t kFirstSurrogate = 0xD800;
        constexpr std::uint32_t kLastSurrogate = 0xDFFF;
        constexpr std::uint32_t kLastCode = 0x10FFFF;
        if (code < smallest || code > kLastCode ||
            (code >= kFirstSurrogate && code <= kLastSurrogate)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool IsText(std::string_view text) {
    return IsUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) {
               return c != '\n' && c != '\r' && IsControl(static_cast<unsigned char>(c));
           });
}

// ---- Values ----

std::optional<std::string> Unescape(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != kEscape) {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case kEscape:
            out += kEscape;
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// A space at either end is written \s, so that no reader or editor trims it away.
std::string Escape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' && (i == 0 || i + 1 == text.size())) {
            out += "\\s";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == kEscape) {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

// ---- Lines ----

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

struct Entry {
    std::string_view key;
    std::string_view tag;   // empty for none
    std::string_view value; // as written, the blanks after "=" skipped
};

// `Key[tag]=value`, blanks allowed around "=", or none when the line is no such entry. A
// malformed key or tag sets `badKey`.
std::optional<Entry> ReadEntry(std::string_view line, bool& badKey) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view name = TrimBlanks(line.substr(0, equals));
    std::string_view value = line.substr(equals + 1);
    while (!value.empty() && IsBlank(value.front())) {
        value.remove_prefix(1);
    }
    Entry entry{name, {}, value};
    const std::size_t open = name.find('[');
    if (open != std::string_view::npos) {
        if (name.back() != ']') {
            badKey = true;
            return entry;
        }
        entry.key = name.substr(0, open);
        entry.tag = name.substr(open + 1, name.size() - open - 2);
        badKey = !IsTag(entry.tag);
    }
    badKey =
        badKey || entry.key.empty() || !std::all_of(entry.key.begin(), entry.key.end(), IsKeyChar);
    return entry;
}

// `[Name]`, or none when the line is no group header.
std::optional<std::string_view> ReadGroup(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    const std::string_view name = line.substr(1, line.size() - 2);
    if (name.find_first_of("[]") != std::string_view::npos) {
        return std::nullopt;
    }
    return name;
}

// Takes one entry of the [Lesson] group into `lesson`; an error kind when it cannot be taken.
std::optional<Kind> TakeEntry(const Entry& e, Lesson& lesson) {
    const std::optional<std::string> value = Unescape(e.value);
    if (!value) {
        return Kind::BadEscape;
    }
    const bool tagged = !e.tag.empty();
    auto putText = [&](LessonTexts& texts) -> std::optional<Kind> {
        if (!texts.emplace(std::string(e.tag), *value).second) {
            return Kind::RepeatedKey;
        }
        return std::nullopt;
    };
    if (e.key == kTitleKey) {
        return putText(lesson.titles);
    }
    if (e.key == kInstructionKey) {
        return putText(lesson.instructions);
    }
    if (e.key == kGoalKey || e.key == kLanguageKey) {
        if (tagged) {
            return Kind::BadKey;
        }
        const bool goal = e.key == kGoalKey;
        if (!(goal ? IsGoalWord(*value) : IsTag(*value))) {
            return Kind::BadValue;
        }
        if (goal && std::find(kGoalWords.begin(), kGoalWords.end(), *value) == kGoalWords.end()) {
            return Kind::UnknownGoal;
        }
        (goal ? lesson.goal : lesson.language) = *value;
        return std::nullopt;
    }
    const std::string name =
        tagged ? std::string(e.key) + "[" + std::string(e.tag) + "]" : std::string(e.key);
    lesson.otherKeys.emplace_back(name, std::string(e.value));
    return std::nullopt;
}

// The language part of a locale name, without its .ENCODING: "de_CH@euro" from "de_CH.UTF-8@euro".
std::string WithoutEncoding(std::string_view locale) {
    const std::size_t dot = locale.find('.');
    if (dot == std::string_view::npos) {
        return std::string(locale);
    }
    const std::size_t at = locale.find('@', dot);
    std::string name(locale.substr(0, dot));
    if (at != std::string_view::npos) {
        name += locale.substr(at);
    }
    return name;
}

} // namespace

LessonReading ParseLesson(std::string_view text) {
    if (text.size() > kMaxLessonFileBytes) {
        return Refuse(Kind::TooLarge, 0);
    }
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (!IsText(text)) {
        return Refuse(Kind::NotText, 0);
    }
    Lesson lesson;
    bool sawGroup = false;
    bool inLesson = false;
    bool sawLesson = false;
    std::vector<std::string> seenKeys; // with their tags, as written in the [Lesson] group
    const std::vector<std::string_view> lines =
        SplitProblemLines(text, std::numeric_limits<std::size_t>::max());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = TrimBlanks(lines[i]);
        if (line.empty() || line.front() == kComment) {
            continue;
        }
        if (const std::optional<std::string_view> group = ReadGroup(line)) {
            inLesson = *group == kLessonGroup;
            if (inLesson && sawLesson) {
                return Refuse(Kind::RepeatedGroup, number);
            }
            sawLesson = sawLesson || inLesson;
            sawGroup = true;
            continue;
        }
        bool badKey = false;
        const std::optional<Entry> entry = ReadEntry(line, badKey);
        if (!entry) {
            return Refuse(Kind::BadLine, number);
        }
        const std::string name(TrimBlanks(line.substr(0, line.find('='))));
        if (badKey) {
            return Refuse(Kind::BadKey, number, name);
        }
        if (!sawGroup) {
            return Refuse(Kind::KeyOutsideGroup, number, name);
        }
        if (!inLesson) {
            continue; // another group's keys are not this program's to read
        }
        if (std::find(seenKeys.begin(), seenKeys.end(), name) != seenKeys.end()) {
            return Refuse(Kind::RepeatedKey, number, name);
        }
        seenKeys.push_back(name);
        if (const std::optional<Kind> fault = TakeEntry(*entry, lesson)) {
            return Refuse(*fault, number, name);
        }
    }
    const bool hasTitle = lesson.titles.count("") && !lesson.titles.at("").empty();
    const bool hasInstruction =
        lesson.instructions.count("") && !lesson.instructions.at("").empty();
    if (!sawLesson) {
        return Refuse(Kind::MissingKey, 0, std::string("[") + std::string(kLessonGroup) + "]");
    }
    if (lesson.goal.empty()) {
        return Refuse(Kind::MissingKey, 0, std::string(kGoalKey));
    }
    if (!hasTitle) {
        return Refuse(Kind::MissingKey, 0, std::string(kTitleKey));
    }
    if (!hasInstruction) {
        return Refuse(Kind::MissingKey, 0, std::string(kInstructionKey));
    }
    LessonReading r;
    r.lesson = std::move(lesson);
    return r;
}

LessonReading ReadLessonFile(const std::string& path) {
    const FileBytes file = ReadFileBytes(path, kMaxLessonFileBytes);
    switch (file.status) {
    case FileBytes::Status::Read:
        return ParseLesson(file.text);
    case FileBytes::Status::TooLarge:
        return Refuse(Kind::TooLarge, 0);
    case FileBytes::Status::CannotOpen:
        break;
    }
    return Refuse(Kind::CannotOpen, 0);
}

std::string KeepableText(std::string_view text, bool lines) {
    std::string kept(text);
    for (char& c : kept) {
        if ((c != '\n' || !lines) && IsControl(static_cast<unsigned char>(c))) {
            c = ' ';
        }
    }
    return kept;
}

std::string WriteLesson(const Lesson& lesson) {
    std::string text = "[" + std::string(kLessonGroup) + "]" + kLineEnd;
    auto line = [&](std::string_view key, const std::string& tag, const std::string& value) {
        text += std::string(key) + (tag.empty() ? "" : "[" + tag + "]") + "=" + value + kLineEnd;
    };
    line(kGoalKey, {}, lesson.goal);
    line(kLanguageKey, {}, lesson.language);
    for (const auto& [tag, title] : lesson.titles) {
        line(kTitleKey, tag, Escape(title));
    }
    for (const auto& [tag, instruction] : lesson.instructions) {
        line(kInstructionKey, tag, Escape(instruction));
    }
    for (const auto& [key, value] : lesson.otherKeys) {
        text += key + "=" + value + kLineEnd;
    }
    return text;
}

LocalText TextFor(const Lesson& lesson, const LessonTexts& texts, std::string_view wanted) {
    // From the most to the least particular, as desktop entries choose:
    // lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER, lang.
    const std::string locale = WithoutEncoding(wanted);
    const std::size_t at = locale.find('@');
    const std::string modifier = at == std::string::npos ? "" : locale.substr(at);
    const std::string country = locale.substr(0, at);
    const std::string language = country.substr(0, country.find('_'));
    const std::string candidates[] = {locale, country, language + modifier, language};
    for (const std::string& tag : candidates) {
        if (const auto found = texts.find(tag); !tag.empty() && found != texts.end()) {
            return {found->second, tag};
        }
    }
    const auto untagged = texts.find("");
    return {untagged == texts.end() ? std::string() : untagged->second, lesson.language};
}

} // namespace tarvelo
