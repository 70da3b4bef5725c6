// The equation line under the scene as a speech engine should say it, in words a child knows.
#pragma once

#include <QString>
#include <string>

namespace tarvelo {

// The words for `equationLine`, the line EquationDisplay writes, in the program's language:
// "2X + 3 = 9" is "2 X plus 3 equals 9", "X + 2 < 5" is "X plus 2 is less than 5", and a line
// with the values shown, "2 × 3 + 1 = 7", is "2 times 3 plus 1 equals 7". Numbers stay digits,
// which the engine says in its own language, and X and Y stay letters. An empty line (no scene
// yet) has no words; a line without one of the signs = < > is given back as it is written.
QString SpokenEquation(const std::string& equationLine);

} // namespace tarvelo
