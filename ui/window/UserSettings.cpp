// Opening the user's settings, or a file of them that a test gives.
#include "ui/window/UserSettings.h"

#include <QSettings>

namespace tarvelo {

std::unique_ptr<QSettings> OpenSettings(const QString& path) {
    if (path.isEmpty()) {
        return std::make_unique<QSettings>(kSettingsOrganisation, kSettingsApplication);
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace tarvelo
