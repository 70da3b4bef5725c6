// The texts of the files that make the program known to the desktop (freedesktop.org): the MIME
// type of its problem files and its desktop entry.
#pragma once

#include "core/desktop/DesktopNames.h"

#include <string>

namespace tarvelo {

// For the user's registration and for installing system-wide.
std::string MimeTypeXml(const std::string& extension, const std::string& description);
std::string DesktopEntry(const std::string& executable);

// A path as the Exec key of a desktop entry takes it: quoted and escaped where needed.
std::string DesktopExecArgument(const std::string& path);

} // namespace tarvelo
