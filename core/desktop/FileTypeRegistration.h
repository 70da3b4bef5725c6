// Registers the problem file type with the desktop for the current user (freedesktop.org): the
// MIME type for *.trv, a desktop entry that opens such files with this program, the icon, and
// this program as the type's default application.
#pragma once

#include <filesystem>
#include <string>

namespace tarvelo {

struct RegistrationPlaces {
    std::filesystem::path dataHome;   // $XDG_DATA_HOME, usually ~/.local/share
    std::filesystem::path configHome; // $XDG_CONFIG_HOME, usually ~/.config
};

struct RegistrationResult {
    bool ok = false;             // every file is as it should be
    bool mimeChanged = false;    // the MIME database must be refreshed
    bool desktopChanged = false; // the desktop entries' database must be refreshed
};

constexpr const char* kProblemMimeType = "application/x-tarvelo-problem";
constexpr const char* kDesktopId = "tarvelo.desktop";
constexpr const char* kIconName = "tarvelo";

// The places of the current user, from the environment; empty paths when there is no home.
RegistrationPlaces UserRegistrationPlaces();

// Writes what is missing or different, and nothing else, keeping links, modes and owners. A
// file nobody may write, and a mimeapps.list too large to be a real one, are left as they are
// (ok = false). Never throws: any failure gives ok = false, and what was written stays.
RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places);

// The texts of the files, for the user's registration and for installing system-wide.
std::string MimeTypeXml(const std::string& extension, const std::string& description);
std::string DesktopEntry(const std::string& executable);
// `mimeapps` with this program as the default application of the problem type, read as a
// freedesktop.org key file (blanks around `=`, comments, CR LF); everything else kept as it is.
std::string WithDefaultApplication(const std::string& mimeapps);

// A path as the Exec key of a desktop entry takes it: quoted and escaped where needed.
std::string DesktopExecArgument(const std::string& path);

} // namespace tarvelo
