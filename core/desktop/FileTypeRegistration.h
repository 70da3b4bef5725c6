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

// The places of the current user, from the environment; empty paths when there is no home.
RegistrationPlaces UserRegistrationPlaces();

// Writes what is missing or different, and nothing else, keeping links, modes and owners. A
// file nobody may write, and a mimeapps.list too large to be a real one, are left as they are
// (ok = false). Never throws: any failure gives ok = false, and what was written stays.
RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places);

} // namespace tarvelo
