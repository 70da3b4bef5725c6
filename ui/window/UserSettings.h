// Where the program keeps the user's settings: its own, under the program's name.
#pragma once

#include <QString>

namespace tarvelo {

inline const QString kSettingsOrganisation = QStringLiteral("Tarvelo");
inline const QString kSettingsApplication = QStringLiteral("Tarvelo");

} // namespace tarvelo
