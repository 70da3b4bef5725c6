// A combo box whose choice is told to a screen reader, which names a Qt 6.4 combo box by its
// caption but says neither the choice it shows as it gets the focus nor a new one made in it.
#pragma once

#include <QString>
#include <functional>

class QComboBox;

namespace tarvelo {

// From now on `tell` gets the choice `choices` shows each time it takes the keyboard, and each
// new choice made in it while it has the keyboard.
void TellChoices(QComboBox* choices, std::function<void(const QString&)> tell);

} // namespace tarvelo
