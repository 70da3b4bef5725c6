// The names the program is known by on the desktop: its file type, its desktop entry, its icon.
#pragma once

namespace tarvelo {

constexpr const char* kProblemMimeType = "application/x-tarvelo-problem";
constexpr const char* kDesktopId = "tarvelo.desktop";
constexpr const char* kIconName = "tarvelo";

} // namespace tarvelo
