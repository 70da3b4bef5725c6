// The registration of a start as the desktop sees it: the files planned and written, then the
// desktop's database tools started where they changed.
#include "ui/instance/Registration.h"

#include "core/desktop/FileTypeRegistration.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace tarvelo {

namespace {

constexpr const char* kExtension = "trv";
constexpr const char* kDescription = "Learning numbers and equations with simplicity";

// Starts a tool and leaves it running on its own; a missing tool is no failure of ours.
void StartInBackground(const char* program, const std::string& folder) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
    if (!path.isEmpty()) {
        QProcess::startDetached(path, {QString::fromStdString(folder)});
    }
}

} // namespace

bool RegisterFileTypeForUser(const std::string& executable, const std::string& iconSvg,
                             BuildTreeRegistration buildTree) {
    const RegistrationPlaces places = UserRegistrationPlaces();
    const RegistrationResult result =
        RegisterFileType(kExtension, kDescription, executable, iconSvg, places, buildTree);
    if (result.mimeChanged) {
        StartInBackground("update-mime-database", (places.dataHome / "mime").string());
    }
    if (result.desktopChanged) {
        StartInBackground("update-desktop-database", (places.dataHome / "applications").string());
    }
    return result.ok;
}

} // namespace tarvelo
