// Text from outside the program (a file's name, a lesson's words, what a user typed) shown as
// written. Qt's labels and message boxes take a text that looks like markup for rich text, and
// read every picture it names whole, in the window's thread: a name such as
// "<img src=/dev/zero>" would exhaust the memory, one naming a pipe would hang the window.
#pragma once

#include <QMessageBox>
#include <QString>

class QLabel;
class QWidget;

namespace tarvelo {

// A piece of outside text (a name, a title) to set into a line of the program's own words: the
// characters that turn the direction of what follows (an override, an embedding, an isolate)
// taken out, so that "live" with an override before it is not shown as "evil", and a text in a
// right-to-left script kept apart from the words around it.
QString InLine(const QString& outside);

// `outside` as a label of bounded room shows it: no more than `mostLines` lines and
// `mostCharacters` characters, a cut marked with an ellipsis. A lesson's instruction of
// thousands of lines would otherwise make its window taller than the screen.
QString Shortened(const QString& outside, int mostLines, int mostCharacters);

// Makes `label` show every text as written; set its text after this.
void ShowAsWritten(QLabel* label);

// A message box as QMessageBox's own, whose texts (`text`, and `detail` under it where there is
// one) are shown as written, wrapped to the box's width; Enter presses `defaultButton` where
// one is given. Returns the button pressed.
QMessageBox::StandardButton
AskAsWritten(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok, const QString& detail = {},
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Makes the texts of `box` show as written, wrapped; set its texts after this.
void ShowAsWritten(QMessageBox& box);

} // namespace tarvelo
