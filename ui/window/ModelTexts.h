// The texts the model writes (captions, prompts, the window's title), in the user's language.
#pragma once

#include <QString>
#include <string>

namespace tarvelo {

// `text` as the model wrote it, translated where the window's texts are.
QString ModelText(const std::string& text);

// The window's title for the model's caption: the program's name, and the problem file after it.
QString WindowTitle(const std::string& caption);
// The window's title for what it shows named otherwise, such as a lesson by its title.
QString WindowTitleNaming(const QString& shown);

} // namespace tarvelo
