#include "ui/window/VersionText.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

// The licence of the program, as the copyright file of the package names it (SPDX).
constexpr const char* kLicence = "GPL-3.0-or-later";

} // namespace

QString VersionText() {
    // Translated with the command line's other texts.
    return QCoreApplication::translate("HeadlessRun",
                                       "Tarvelo %1\nLicence: %2 (the GNU General Public License, "
                                       "version 3 or any later version).\nThere is no warranty.")
        .arg(QStringLiteral(TARVELO_VERSION), QLatin1String(kLicence));
}

} // namespace tarvelo
