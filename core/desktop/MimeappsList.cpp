// The default application of the problem type, set in a key file that keeps everything else.
#include "core/desktop/MimeappsList.h"

#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace tarvelo {

namespace {

constexpr std::string_view kDefaultGroup = "Default Applications";

// One line of a key file as the freedesktop.org rules read it: blanks at either end and around
// the `=` do not count, nor does the CR of a CR LF line end.
struct KeyFileLine {
    enum class Kind { Blank, Comment, Group, Entry, Other };
    Kind kind = Kind::Other;
    std::string_view name;  // the group's name, or the entry's key
    std::string_view value; // the entry's value
};

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

KeyFileLine ParseKeyFileLine(std::string_view text) {
    using Kind = KeyFileLine::Kind;
    const std::string_view line = Trimmed(text);
    if (line.empty()) {
        return {Kind::Blank, {}, {}};
    }
    if (line.front() == '#') {
        return {Kind::Comment, {}, {}};
    }
    const std::size_t close = line.find(']');
    if (line.front() == '[' && close != std::string_view::npos) {
        return {Kind::Group, line.substr(1, close - 1), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        return {Kind::Entry, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
    }
    return {Kind::Other, {}, {}};
}

} // namespace

std::optional<std::string> DefaultApplicationOf(const std::string& mimeapps) {
    using Kind = KeyFileLine::Kind;
    std::istringstream in(mimeapps);
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        const KeyFileLine parsed = ParseKeyFileLine(line);
        if (parsed.kind == Kind::Group) {
            inSection = parsed.name == kDefaultGroup;
        } else if (inSection && parsed.kind == Kind::Entry && parsed.name == kProblemMimeType) {
            // A list such as "a.desktop;b.desktop;": blanks around its items do not count.
            std::string_view rest = parsed.value;
            while (!rest.empty()) {
                const std::size_t end = rest.find(';');
                const std::string_view item = Trimmed(rest.substr(0, end));
                if (!item.empty()) {
                    return std::string(item);
                }
                rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            }
        }
    }
    return std::nullopt;
}

std::string WithDefaultApplication(const std::string& mimeapps) {
    using Kind = KeyFileLine::Kind;
    std::vector<std::string> lines;
    std::istringstream in(mimeapps);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    // A file written elsewhere may end its lines in CR LF: the lines added take the file's
    // ending, so that the file keeps one kind throughout.
    const std::string cr = !lines.empty() && lines.front().ends_with('\r') ? "\r" : "";
    const std::string entry = std::string(kProblemMimeType) + "=" + kDesktopId + cr;

    // The type's first entry in the section is replaced and any later one dropped, so that
    // ours is the one that counts. Without one, ours goes after the section's last entry.
    std::optional<std::size_t> insertAt; // after the first section's last entry
    int sectionsSeen = 0;
    bool inSection = false;
    bool replaced = false;
    std::vector<std::string> out;
    for (std::string& line : lines) {
        const KeyFileLine parsed = ParseKeyFileLine(line);
        const std::size_t after = out.size() + 1;
        if (parsed.kind == Kind::Group) {
            inSection = parsed.name == kDefaultGroup;
            if (inSection && ++sectionsSeen == 1) {
                insertAt = after;
            }
        } else if (inSection && parsed.kind == Kind::Entry && parsed.name == kProblemMimeType) {
            if (replaced) {
                continue;
            }
            line = entry;
            replaced = true;
        } else if (inSection && parsed.kind == Kind::Entry && sectionsSeen == 1) {
            insertAt = after;
        }
        out.push_back(std::move(line));
    }
    if (!replaced && insertAt) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    } else if (!replaced) {
        if (!out.empty() && ParseKeyFileLine(out.back()).kind != Kind::Blank) {
            out.push_back(cr);
        }
        out.push_back("[" + std::string(kDefaultGroup) + "]" + cr);
        out.push_back(entry);
    }
    std::string text;
    for (const std::string& line : out) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace tarvelo
