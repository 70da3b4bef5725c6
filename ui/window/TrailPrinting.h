// The trail of equations on paper: its lines printed as a plain text document.
#pragma once

#include <QStringList>

class QPrinter;

namespace tarvelo {

// Prints `lines`, one to a line of text, on `printer` as it is set up (a printer, or a file).
// False when they did not get there: the printer refused, or the file was left unfinished (a
// full disk leaves it empty, and the printer's state does not say so).
bool PrintLines(const QStringList& lines, QPrinter& printer);

} // namespace tarvelo
