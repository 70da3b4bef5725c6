// The registration of the problem file type for the current user: what the desktop already has,
// what is left to write, and each file written only when it differs from what is there.
#include "core/desktop/FileTypeRegistration.h"

#include "core/desktop/DesktopTexts.h"
#include "core/desktop/FileRewrite.h"
#include "core/desktop/MimeappsList.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

namespace fs = std::filesystem;

namespace {

// Far beyond any real list of default applications (a few kilobytes); a larger one is left as
// it is, unread.
constexpr std::uintmax_t kMaxMimeappsBytes = 1024 * 1024;
// Far beyond any system's list of MIME types (some hundred kilobytes).
constexpr std::uintmax_t kMaxTypesBytes = 16 * 1024 * 1024;
// Far beyond any desktop entry, and anything this program writes: a larger file is no copy of
// ours, and no entry worth reading.
constexpr std::uintmax_t kMaxDesktopFileBytes = 1024 * 1024;

// The freedesktop.org defaults of the system's folders.
constexpr const char* kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr const char* kDefaultConfigDirs = "/etc/xdg";
constexpr const char* kMimeappsName = "mimeapps.list";

fs::path FromEnvironment(const char* variable, const fs::path& fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return fallback;
}

// The items of a list such as $XDG_DATA_DIRS, in its order, without empty ones.
std::vector<std::string> Split(std::string_view list, char separator) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t end = list.find(separator);
        if (end != 0) {
            items.emplace_back(list.substr(0, end));
        }
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return items;
}

// A list of folders from the environment. Only absolute ones count: a relative one would be read
// from wherever the program happened to start, which desktops ignore too.
std::vector<fs::path> FoldersFromEnvironment(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    std::vector<fs::path> folders;
    for (const std::string& item :
         Split(value != nullptr && value[0] != '\0' ? value : fallback, ':')) {
        if (item.starts_with('/')) {
            folders.emplace_back(item);
        }
    }
    return folders;
}

std::vector<std::string> DesktopsFromEnvironment() {
    const char* value = std::getenv("XDG_CURRENT_DESKTOP");
    std::vector<std::string> desktops = Split(value != nullptr ? value : "", ':');
    for (std::string& desktop : desktops) {
        for (char& c : desktop) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return desktops;
}

bool IsFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

// The program that the Exec key of the desktop entry `entry` starts, as a path: its first word,
// found on the search path when it names no folder. Empty when there is none.
fs::path ExecProgram(const std::string& entry, const std::vector<fs::path>& searchPath) {
    std::istringstream in(entry);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("Exec=")) {
            continue;
        }
        std::string_view exec = std::string_view(line).substr(std::string_view("Exec=").size());
        std::string program;
        if (exec.starts_with('"')) {
            program = exec.substr(1, exec.find('"', 1) - 1);
        } else {
            program = exec.substr(0, exec.find(' '));
        }
        if (program.empty() || program.find('/') != std::string::npos) {
            return program;
        }
        for (const fs::path& folder : searchPath) {
            if (IsFile(folder / program)) {
                return folder / program;
            }
        }
        return {};
    }
    return {};
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, ec) && !ec;
}

// Whether `types` (a MIME database's list of its types, one a line) lists the problem type.
bool ListsProblemType(const std::string& types) {
    std::istringstream in(types);
    for (std::string line; std::getline(in, line);) {
        if (line == kProblemMimeType) {
            return true;
        }
    }
    return false;
}

bool HasIcon(const fs::path& dataDir) {
    const fs::path theme = dataDir / "icons" / "hicolor";
    std::error_code ec;
    for (const fs::directory_entry& size : fs::directory_iterator(theme, ec)) {
        for (const char* extension : {".svg", ".png"}) {
            if (IsFile(size.path() / "apps" / (std::string(kIconName) + extension))) {
                return true;
            }
        }
    }
    return false;
}

// The lists of default applications in the order they count: the user's, then the system's;
// in each folder, the current desktops' own lists before the common one.
std::vector<fs::path> MimeappsLists(const RegistrationPlaces& places) {
    std::vector<fs::path> folders{places.configHome};
    folders.insert(folders.end(), places.configDirs.begin(), places.configDirs.end());
    if (!places.dataHome.empty()) {
        folders.push_back(places.dataHome / "applications");
    }
    for (const fs::path& dir : places.dataDirs) {
        folders.push_back(dir / "applications");
    }
    std::vector<fs::path> lists;
    for (const fs::path& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        for (const std::string& desktop : places.desktops) {
            lists.push_back(folder / (desktop + "-" + kMimeappsName));
        }
        lists.push_back(folder / kMimeappsName);
    }
    return lists;
}

// Removes `file` when it is a plain file (no link) that holds exactly `text`: a copy this
// program wrote, which the system now provides. Sets `changed` when it removed it; false when
// such a copy could not be removed.
bool RemoveOwnCopy(const fs::path& file, const std::string& text, bool& changed) {
    std::error_code ec;
    if (fs::symlink_status(file, ec).type() != fs::file_type::regular) {
        return true;
    }
    std::string held;
    if (ReadText(file, held, kMaxDesktopFileBytes) != Reading::Read || held != text) {
        return true;
    }
    if (!fs::remove(file, ec) || ec) {
        return false;
    }
    changed = true;
    return true;
}

// Carries out one step of the plan for one file.
bool Apply(RegistrationStep step, const fs::path& file, const std::string& text, bool& changed) {
    switch (step) {
    case RegistrationStep::Leave:
        return true;
    case RegistrationStep::Write:
        return WriteIfDifferent(file, text, changed);
    case RegistrationStep::DropOwnCopy:
        return RemoveOwnCopy(file, text, changed);
    }
    return true;
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
    places.dataDirs = FoldersFromEnvironment("XDG_DATA_DIRS", kDefaultDataDirs);
    places.configDirs = FoldersFromEnvironment("XDG_CONFIG_DIRS", kDefaultConfigDirs);
    places.desktops = DesktopsFromEnvironment();
    const char* path = std::getenv("PATH");
    for (const std::string& folder : Split(path != nullptr ? path : "", ':')) {
        places.searchPath.emplace_back(folder);
    }
    return places;
}

DesktopFacts LookAtDesktop(const RegistrationPlaces& places, const std::string& executable) {
    DesktopFacts facts;
    for (const fs::path& dir : places.dataDirs) {
        std::string entry;
        if (ReadText(dir / "applications" / kDesktopId, entry, kMaxDesktopFileBytes) ==
            Reading::Read) {
            facts.systemEntry = true;
            facts.systemEntryStartsThis =
                facts.systemEntryStartsThis ||
                SameFile(ExecProgram(entry, places.searchPath), executable);
        }
        std::string types;
        facts.systemType =
            facts.systemType || IsFile(dir / "mime" / "packages" / "tarvelo.xml") ||
            (ReadText(dir / "mime" / "types", types, kMaxTypesBytes) == Reading::Read &&
             ListsProblemType(types));
        facts.systemIcon = facts.systemIcon || HasIcon(dir);
    }
    // Installed as this program's installation lays it out: PREFIX/bin/tarvelo beside
    // PREFIX/share/tarvelo/lessons. A build folder has no such lessons beside it.
    const fs::path program(executable);
    std::error_code ec;
    facts.installed =
        facts.systemEntryStartsThis ||
        (program.parent_path().filename() == "bin" &&
         fs::is_directory(program.parent_path().parent_path() / "share" / "tarvelo" / "lessons",
                          ec));
    for (const fs::path& list : MimeappsLists(places)) {
        std::string text;
        if (ReadText(list, text, kMaxMimeappsBytes) == Reading::Read) {
            facts.defaultApplication = DefaultApplicationOf(text);
            if (facts.defaultApplication) {
                break;
            }
        }
    }
    return facts;
}

RegistrationPlan PlanRegistration(const DesktopFacts& facts, BuildTreeRegistration buildTree) {
    using Step = RegistrationStep;
    const bool asked = buildTree == BuildTreeRegistration::Asked;
    if (!facts.installed && !asked) {
        return {}; // a build folder stays out of the menu, and is no default
    }
    RegistrationPlan plan;
    plan.type = facts.systemType ? Step::DropOwnCopy : Step::Write;
    plan.icon = facts.systemIcon ? Step::DropOwnCopy : Step::Write;
    if (facts.systemEntryStartsThis) {
        plan.entry = Step::DropOwnCopy;
    } else if (facts.systemEntry && !asked) {
        plan.entry = Step::Leave; // the system's entry for its own program stays in the menu
    } else {
        plan.entry = Step::Write;
    }
    plan.defaultApplication = plan.entry == Step::Write && !facts.defaultApplication;
    return plan;
}

RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places,
                                    BuildTreeRegistration buildTree) {
    RegistrationResult result;
    if (places.dataHome.empty() || places.configHome.empty() || executablePath.empty()) {
        return result;
    }
    try {
        const RegistrationPlan plan =
            PlanRegistration(LookAtDesktop(places, executablePath), buildTree);
        bool ok = true;
        ok = ok && Apply(plan.type, places.dataHome / "mime" / "packages" / "tarvelo.xml",
                         MimeTypeXml(extension, description), result.mimeChanged);
        bool iconChanged = false;
        ok = ok && Apply(plan.icon,
                         places.dataHome / "icons" / "hicolor" / "scalable" / "apps" /
                             (std::string(kIconName) + ".svg"),
                         iconSvg, iconChanged);
        ok = ok && Apply(plan.entry, places.dataHome / "applications" / kDesktopId,
                         DesktopEntry(executablePath), result.desktopChanged);
        if (plan.defaultApplication) {
            std::string mimeapps;
            const fs::path mimeappsFile = places.configHome / kMimeappsName;
            bool defaultChanged = false;
            const Reading reading = ReadText(mimeappsFile, mimeapps, kMaxMimeappsBytes);
            ok = ok && (reading == Reading::Read || reading == Reading::Missing) &&
                 WriteIfDifferent(mimeappsFile, WithDefaultApplication(mimeapps), defaultChanged);
        }
        result.ok = ok;
    } catch (...) {
        result.ok = false;
    }
    return result;
}

} // namespace tarvelo
