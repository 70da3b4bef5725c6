// Registers the problem file type with the desktop for the current user (freedesktop.org): the
// MIME type for *.trv, a desktop entry that opens such files with this program, the icon, and
// this program as the type's default application; each only where the system and the user's own
// choices leave room for it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

struct RegistrationPlaces {
    std::filesystem::path dataHome;   // $XDG_DATA_HOME, usually ~/.local/share
    std::filesystem::path configHome; // $XDG_CONFIG_HOME, usually ~/.config
    // What the system provides: $XDG_DATA_DIRS (entries, types, icons, lists of defaults) and
    // $XDG_CONFIG_DIRS (lists of defaults), most important first.
    std::vector<std::filesystem::path> dataDirs;
    std::vector<std::filesystem::path> configDirs;
    // $XDG_CURRENT_DESKTOP in lower case: each desktop's own list of defaults comes first.
    std::vector<std::string> desktops;
    // $PATH, where a system entry's program named without a folder is found.
    std::vector<std::filesystem::path> searchPath;
};

// What the desktop has before a start registers anything.
struct DesktopFacts {
    bool installed = false;             // the program lies where an installation puts it
    bool systemEntry = false;           // a tarvelo.desktop among the system's applications
    bool systemEntryStartsThis = false; // ... that starts this very program
    bool systemType = false;            // the type known to a system MIME database
    bool systemIcon = false;            // the icon in the system's icon theme
    // The first default application of the type that a list (the user's or the system's) names.
    std::optional<std::string> defaultApplication;
};

// What a start does with each of its files in the user's folders.
enum class RegistrationStep {
    Leave,       // not touched
    Write,       // written where missing or different
    DropOwnCopy, // the system provides it: a copy an earlier start wrote, exactly ours, removed
};

struct RegistrationPlan {
    RegistrationStep type = RegistrationStep::Leave;
    RegistrationStep icon = RegistrationStep::Leave;
    RegistrationStep entry = RegistrationStep::Leave;
    bool defaultApplication = false; // this program made the type's default in the user's list
};

// Whether a program not installed (run from its build folder, say) registers all the same.
enum class BuildTreeRegistration { Skipped, Asked };

struct RegistrationResult {
    bool ok = false;             // every file is as it should be
    bool mimeChanged = false;    // the MIME database must be refreshed
    bool desktopChanged = false; // the desktop entries' database must be refreshed
};

// The places of the current user and of the system, from the environment; empty paths when
// there is no home.
RegistrationPlaces UserRegistrationPlaces();

// What the system and the lists of defaults in `places` hold for the program at `executable`.
DesktopFacts LookAtDesktop(const RegistrationPlaces& places, const std::string& executable);

// The rule: a program not installed registers nothing unless asked; what the system provides
// is not written for the user (and an earlier start's exact copy of it goes); a desktop entry
// the system has for another program of the same name is not hidden unless asked; and a default
// application is set only with the user's own entry, and never where a list names one already.
RegistrationPlan PlanRegistration(const DesktopFacts& facts, BuildTreeRegistration buildTree);

// Looks at the desktop, then writes and removes what the plan says, keeping links, modes and
// owners. A file nobody may write, and a mimeapps.list too large to be a real one, are left as
// they are (ok = false). Never throws: any failure gives ok = false, and what was written stays.
RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places,
                                    BuildTreeRegistration buildTree);

} // namespace tarvelo
