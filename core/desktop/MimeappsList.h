// The user's list of default applications (mimeapps.list), edited as a freedesktop.org key file.
#pragma once

#include "core/desktop/DesktopNames.h"

#include <string>

namespace tarvelo {

// `mimeapps` with this program as the default application of the problem type, read as a
// freedesktop.org key file (blanks around `=`, comments, CR LF); everything else kept as it is.
std::string WithDefaultApplication(const std::string& mimeapps);

} // namespace tarvelo
