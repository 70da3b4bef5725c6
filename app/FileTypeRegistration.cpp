#include "app/FileTypeRegistration.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarvelo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultSection = "[Default Applications]";
constexpr const char* kShell = "/bin/sh";
// A shell script that runs its first argument with the others.
constexpr const char* kRunFirstArgument = "exec \"$0\" \"$@\"";
constexpr int kMaxLinkHops = 40; // as many links as the kernel follows before it calls it a loop

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool ReadText(const fs::path& file, std::string& text) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        text.clear();
        return !ec;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return !in.bad();
}

// The file that writing `file` must replace: where its chain of symbolic links ends, so that a
// link the user keeps (into a folder of dotfiles, say) stays a link. A relative target is taken
// from the folder of the link that names it. False for a loop.
bool LinkTarget(const fs::path& file, fs::path& target) {
    target = file;
    for (int hop = 0;; ++hop) {
        std::error_code ec;
        if (fs::symlink_status(target, ec).type() != fs::file_type::symlink) {
            return true; // a file, nothing yet, or what the write itself will report
        }
        if (hop == kMaxLinkHops) {
            return false;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Writes `text` to `file` unless it already holds exactly that. Written aside and renamed, so
// that a reader never sees half a file. Sets `changed` when it wrote.
bool WriteIfDifferent(const fs::path& file, const std::string& text, bool& changed) {
    std::string current;
    if (ReadText(file, current) && current == text && fs::exists(file)) {
        return true;
    }
    fs::path target;
    if (!LinkTarget(file, target)) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
        return false;
    }
    const fs::path temporary = target.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << text;
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    changed = true;
    return true;
}

fs::path FromEnvironment(const char* variable, const fs::path& fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return fallback;
}

} // namespace

RegistrationPlaces UserRegistrationPlaces() {
    const char* home = std::getenv("HOME");
    const fs::path homePath = (home != nullptr && home[0] == '/') ? fs::path(home) : fs::path();
    RegistrationPlaces places;
    places.dataHome = FromEnvironment(
        "XDG_DATA_HOME", homePath.empty() ? fs::path() : homePath / ".local" / "share");
    places.configHome =
        FromEnvironment("XDG_CONFIG_HOME", homePath.empty() ? fs::path() : homePath / ".config");
    return places;
}

std::string MimeTypeXml(const std::string& extension, const std::string& description) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        << "  <mime-type type=\"" << kProblemMimeType << "\">\n"
        << "    <comment>" << Escaped(description) << "</comment>\n"
        << "    <icon name=\"" << kIconName << "\"/>\n"
        << "    <glob pattern=\"*." << Escaped(extension) << "\"/>\n"
        << "  </mime-type>\n"
        << "</mime-info>\n";
    return out.str();
}

std::string DesktopExecArgument(const std::string& path) {
    // Reserved characters call for quoting; inside quotes ", `, $ and \ take a backslash.
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    if (!path.empty() && path.find_first_of(reserved) == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                argument += '\\';
            }
            argument += c;
        }
        argument += '"';
    }
    // The entry's own escapes: a backslash is written twice, and so is a per cent sign, which
    // would otherwise start a field code.
    std::string result;
    for (char c : argument) {
        result += c;
        if (c == '\\' || c == '%') {
            result += c;
        }
    }
    return result;
}

namespace {

// The Exec key's command that starts `executable`, before its file argument.
std::string DesktopExecCommand(const std::string& executable) {
    if (executable.find('%') == std::string::npos) {
        return DesktopExecArgument(executable);
    }
    // GLib looks for the program named by the first word before it turns %% back into %, and
    // drops the entry when it finds none: a program whose path has a per cent sign is started
    // through the shell, which then names it in a later word.
    return std::string(kShell) + " -c " + DesktopExecArgument(kRunFirstArgument) + " " +
           DesktopExecArgument(executable);
}

} // namespace

std::string DesktopEntry(const std::string& executable) {
    std::ostringstream out;
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=Tarvelo\n"
        << "GenericName=Balance of numbers\n"
        << "Comment=Numbers and simple equations on a two-pan balance\n"
        << "Exec=" << DesktopExecCommand(executable) << " %f\n"
        << "Icon=" << kIconName << "\n"
        << "Terminal=false\n"
        << "MimeType=" << kProblemMimeType << ";\n"
        << "Categories=Education;Math;\n";
    return out.str();
}

std::string WithDefaultApplication(const std::string& mimeapps) {
    const std::string key = std::string(kProblemMimeType) + "=";
    std::vector<std::string> lines;
    std::istringstream in(mimeapps);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    // A file written elsewhere may end its lines in CR LF: lines are compared without the CR,
    // and the lines added take the file's ending, so the file keeps one kind throughout.
    const auto content = [](const std::string& line) {
        return std::string_view(line).substr(0, line.size() - (line.ends_with('\r') ? 1 : 0));
    };
    const std::string cr = !lines.empty() && lines.front().ends_with('\r') ? "\r" : "";
    const std::string entry = key + kDesktopId + cr;

    // Within the section, replace the type's line or add one; add the section if it is missing.
    bool inSection = false;
    bool done = false;
    std::size_t sectionEnd = lines.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        const std::string_view line = content(lines[i]);
        if (!line.empty() && line.front() == '[') {
            if (inSection) {
                sectionEnd = i;
                break;
            }
            inSection = line == kDefaultSection;
            sectionFound = sectionFound || inSection;
            continue;
        }
        if (inSection && line.starts_with(key)) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sectionFound) {
            // Insert after the last non-blank line of the section.
            std::size_t at = sectionEnd;
            while (at > 0 && content(lines[at - 1]).empty()) {
                --at;
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
        } else {
            if (!lines.empty() && !content(lines.back()).empty()) {
                lines.push_back(cr);
            }
            lines.push_back(kDefaultSection + cr);
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
    return out;
}

RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places) {
    RegistrationResult result;
    if (places.dataHome.empty() || places.configHome.empty() || executablePath.empty()) {
        return result;
    }
    try {
        bool ok = true;
        ok = ok && WriteIfDifferent(places.dataHome / "mime" / "packages" / "tarvelo.xml",
                                    MimeTypeXml(extension, description), result.mimeChanged);
        bool iconChanged = false;
        ok = ok && WriteIfDifferent(places.dataHome / "icons" / "hicolor" / "scalable" / "apps" /
                                        (std::string(kIconName) + ".svg"),
                                    iconSvg, iconChanged);
        ok = ok && WriteIfDifferent(places.dataHome / "applications" / kDesktopId,
                                    DesktopEntry(executablePath), result.desktopChanged);
        std::string mimeapps;
        const fs::path mimeappsFile = places.configHome / "mimeapps.list";
        bool defaultChanged = false;
        ok = ok && ReadText(mimeappsFile, mimeapps) &&
             WriteIfDifferent(mimeappsFile, WithDefaultApplication(mimeapps), defaultChanged);
        result.ok = ok;
    } catch (...) {
        result.ok = false;
    }
    return result;
}

} // namespace tarvelo
