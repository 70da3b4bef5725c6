#include "core/desktop/FileTypeRegistration.h"

#include "core/io/WholeWrite.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace tarvelo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultGroup = "Default Applications";
constexpr const char* kShell = "/bin/sh";
// A shell script that runs its first argument with the others.
constexpr const char* kRunFirstArgument = "exec \"$0\" \"$@\"";
constexpr int kMaxLinkHops = 40; // as many links as the kernel follows before it calls it a loop
// Far beyond any real list of default applications (a few kilobytes); a larger one is left as
// it is, unread.
constexpr std::uintmax_t kMaxMimeappsBytes = 1024 * 1024;
constexpr int kTemporaryNameAttempts = 16;
constexpr const char* kTemporaryEnding = ".tmp";
constexpr mode_t kNewFileMode = 0666; // before the umask, as editors create files
constexpr mode_t kAnyoneMayWrite = S_IWUSR | S_IWGRP | S_IWOTH;

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

enum class Reading {
    Missing,  // no file (or a link to none)
    Read,     // `text` holds it
    TooLarge, // over the limit: not read
    Failed,   // no plain file, or unreadable
};

// Reads `file`, through its links, into `text` when it holds at most `limit` bytes; a larger
// file is not read at all, so that no file makes a start slow or costly.
Reading ReadText(const fs::path& file, std::string& text, std::uintmax_t limit) {
    text.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) {
        return Reading::Missing;
    }
    if (ec || status.type() != fs::file_type::regular) {
        return Reading::Failed; // a pipe there would never end its read
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        return Reading::Failed;
    }
    if (size > limit) {
        return Reading::TooLarge;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Reading::Failed;
    }
    // One byte more than the size tells a file that grew meanwhile: read again next time.
    text.resize(static_cast<std::size_t>(size) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return Reading::Failed;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text.size() > size ? Reading::Failed : Reading::Read;
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
        // Only the user's own links are followed: one another user made could lead anywhere
        // this user may write.
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || link.st_uid != ::geteuid()) {
            return false;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// A file nobody may write is the user's sign that it is to stay as it is: it is left alone,
// even by the superuser (who could write it all the same). So is one this user may not write.
bool LeftAlone(const fs::path& target, const struct stat& old) {
    return (old.st_mode & kAnyoneMayWrite) == 0 || ::access(target.c_str(), W_OK) != 0;
}

// Creates a new file of a name nobody else uses next to `target`, exclusively and never
// through a link, as any new file is created (the user's umask applies). Its descriptor, or -1.
int CreateTemporary(const fs::path& target, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::ostringstream unique;
        unique << std::hex << random() << random();
        // Hidden, and with an ending no desktop database reads.
        name = (target.parent_path() /
                ("." + target.filename().string() + "." + unique.str() + kTemporaryEnding))
                   .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              kNewFileMode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Puts `text` in place of `target` (a plain file or nothing, never a link): written to a file
// of its own and renamed over the target, so that a reader never sees half a file. `old` is
// what the target is now, or null for a new file.
bool ReplaceFile(const fs::path& target, const std::string& text, const struct stat* old) {
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok =
        WriteWhole(fd, text) == 0 &&
        (old == nullptr || GiveOwnerAndMode(fd, old->st_uid, old->st_gid, old->st_mode) == 0) &&
        SyncToDisk(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

// Writes `text` to `file` unless it already holds exactly that. Sets `changed` when it wrote.
bool WriteIfDifferent(const fs::path& file, const std::string& text, bool& changed) {
    std::string current;
    // A file longer than the text cannot be the same: never read more than that.
    if (ReadText(file, current, text.size()) == Reading::Read && current == text) {
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
    struct stat old {};
    const bool existing = ::stat(target.c_str(), &old) == 0;
    if (existing && LeftAlone(target, old)) {
        return false;
    }
    if (!ReplaceFile(target, text, existing ? &old : nullptr)) {
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
    // The superuser started with another user's home (sudo without -H, say) registers nothing:
    // that user's files are not root's to change, and their links could lead into the system.
    if (::geteuid() == 0) {
        for (const fs::path& folder : {homePath, places.dataHome, places.configHome}) {
            struct stat st {};
            if (!folder.empty() && ::stat(folder.c_str(), &st) == 0 && st.st_uid != 0) {
                return {};
            }
        }
    }
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

// The menu's words for the program in each language it speaks besides English, as the desktop
// entry's localized keys give them.
struct MenuWords {
    const char* language;
    const char* genericName;
    const char* comment;
};
constexpr MenuWords kMenuWords[] = {
    {"de", "Zahlenwaage", "Zahlen und einfache Gleichungen auf einer Waage mit zwei Schalen"},
    {"es", "Balanza de números", "Números y ecuaciones sencillas en una balanza de dos platillos"},
    {"fr", "Balance des nombres", "Nombres et équations simples sur une balance à deux plateaux"},
    {"it", "Bilancia dei numeri", "Numeri ed equazioni semplici su una bilancia a due piatti"},
};

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
        << "GenericName=Balance of numbers\n";
    for (const MenuWords& words : kMenuWords) {
        out << "GenericName[" << words.language << "]=" << words.genericName << "\n";
    }
    out << "Comment=Numbers and simple equations on a two-pan balance\n";
    for (const MenuWords& words : kMenuWords) {
        out << "Comment[" << words.language << "]=" << words.comment << "\n";
    }
    out << "Exec=" << DesktopExecCommand(executable) << " %f\n"
        << "Icon=" << kIconName << "\n"
        << "Terminal=false\n"
        << "MimeType=" << kProblemMimeType << ";\n"
        << "Categories=Education;Math;\n";
    return out.str();
}

namespace {

// One line of a key file as the freedesktop.org rules read it: blanks at either end and around
// the `=` do not count, nor does the CR of a CR LF line end.
struct KeyFileLine {
    enum class Kind { Blank, Comment, Group, Entry, Other };
    Kind kind = Kind::Other;
    std::string_view name; // the group's name, or the entry's key
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
        return {Kind::Blank, {}};
    }
    if (line.front() == '#') {
        return {Kind::Comment, {}};
    }
    const std::size_t close = line.find(']');
    if (line.front() == '[' && close != std::string_view::npos) {
        return {Kind::Group, line.substr(1, close - 1)};
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        return {Kind::Entry, Trimmed(line.substr(0, equals))};
    }
    return {Kind::Other, {}};
}

} // namespace

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
        const Reading reading = ReadText(mimeappsFile, mimeapps, kMaxMimeappsBytes);
        ok = ok && (reading == Reading::Read || reading == Reading::Missing) &&
             WriteIfDifferent(mimeappsFile, WithDefaultApplication(mimeapps), defaultChanged);
        result.ok = ok;
    } catch (...) {
        result.ok = false;
    }
    return result;
}

} // namespace tarvelo
