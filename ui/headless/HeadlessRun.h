// The program without a window: settle a problem on a virtual clock and print its equation line,
// or draw the window as it would look, for worksheets and answer keys; and the command line's
// options, which such runs and the window read alike.
#pragma once

#include "core/desktop/CommandLine.h"

#include <QString>
#include <string_view>

namespace tarvelo {

// The exit statuses the man page lists.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;  // a wrong combination of options, a picture not written
constexpr int kExitRefused = 2; // an unknown option, a script of moves not read, a refused file
constexpr int kExitRestless = 3;
constexpr int kExitMoveRefused = 4; // a move of --moves was refused

// The option that opens the window and registers the program with the desktop even from a
// build folder.
constexpr std::string_view kRegisterOption = "--register";

// What the words after the program's name ask for (see ReadCommandLineStart): the program's own
// options lead to a run without a window, the toolkit's are left for the toolkit to take out.
CommandLineStart CommandLineStartOf(int argc, char* argv[]);

// Runs without a window; returns the exit status: 0 done, 1 a wrong combination of options or a
// picture that could not be written, 2 an unknown option or a refused problem file, 3 a scene
// that did not come to rest in time, 4 a move of --moves that was refused.
int RunHeadless(int argc, char* argv[]);

// Whether the window has a display to open on: the toolkit's platform named (QT_QPA_PLATFORM,
// -platform), or an X or Wayland display. Without one the toolkit would abort.
bool DisplayFor(int argc, char* argv[]);

// Says on standard error that there is no display for the window and what to do instead;
// returns the status to end with (1). Needs an application object, for the user's language.
int RefuseWithoutDisplay();

// Says on standard error that `option` is no option of the program, with the usage; returns the
// status to end with (2). Needs an application object, for the user's language.
int RefuseOption(const QString& option);

} // namespace tarvelo
