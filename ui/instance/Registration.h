// The file-type registration of a start, with the desktop's databases refreshed when needed.
#pragma once

#include <string>

namespace tarvelo {

// Registers the problem file type for the current user, then starts the desktop's database
// tools in the background where files changed. False when anything failed; nothing is shown.
bool RegisterFileTypeForUser(const std::string& executable, const std::string& iconSvg);

} // namespace tarvelo
