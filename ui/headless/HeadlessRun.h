// The program without a window: settle a problem on a virtual clock and print its equation line,
// or draw the window as it would look, for worksheets and answer keys.
#pragma once

namespace tarvelo {

// True when the command line asks for a run without a window (--settle, --help, --version);
// such a command line is never taken for a problem file to open.
bool IsHeadlessCommandLine(int argc, char* argv[]);

// Runs it; returns the exit status: 0 done, 1 a wrong command line or a picture that could not
// be written, 2 a refused problem file, 3 a scene that did not come to rest in time.
int RunHeadless(int argc, char* argv[]);

} // namespace tarvelo
