// Where the program keeps the user's settings: its own, under the program's name.
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace tarvelo {

inline const QString kSettingsOrganisation = QStringLiteral("Tarvelo");
inline const QString kSettingsApplication = QStringLiteral("Tarvelo");

// The user's settings when `path` is empty; else the INI file at `path`, which tests give.
std::unique_ptr<QSettings> OpenSettings(const QString& path);

} // namespace tarvelo
