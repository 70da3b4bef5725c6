// A background of the program's own colour, with text that stays readable on it whatever the
// desktop's theme: a dark theme's light text on the window's white would all but vanish.
#pragma once

class QColor;
class QWidget;

namespace tarvelo {

// Fills `widget` with `background` and gives its text (and its children's, unless they have
// their own) the one of black or white that reads best on it, as links and selections too.
void FillReadably(QWidget* widget, const QColor& background);

// The contrast of two colours as the web's accessibility guidelines count it, from 1 (none)
// to 21 (black on white). Text wants at least 4.5.
double ContrastRatio(const QColor& a, const QColor& b);

} // namespace tarvelo
