// The file-type registration of a start, with the desktop's databases refreshed when needed.
#pragma once

#include "core/desktop/FileTypeRegistration.h"

#include <string>

namespace tarvelo {

// Registers the problem file type for the current user where the system and the user's choices
// leave room (see PlanRegistration), then starts the desktop's database tools in the background
// where files changed. False when anything failed; nothing is shown.
bool RegisterFileTypeForUser(const std::string& executable, const std::string& iconSvg,
                             BuildTreeRegistration buildTree);

} // namespace tarvelo
