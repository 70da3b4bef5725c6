// The user's list of default applications (mimeapps.list), edited as a freedesktop.org key file.
#pragma once

#include "core/desktop/DesktopNames.h"

#include <optional>
#include <string>

namespace tarvelo {

// `mimeapps` with this program as the default application of the problem type, read as a
// freedesktop.org key file (blanks around `=`, comments, CR LF); everything else kept as it is.
std::string WithDefaultApplication(const std::string& mimeapps);

// The desktop entry that `mimeapps` makes the problem type's default application: the first of
// its type's list in the first [Default Applications] section that has one; nothing when the
// file names none.
std::optional<std::string> DefaultApplicationOf(const std::string& mimeapps);

} // namespace tarvelo
