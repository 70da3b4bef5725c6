// The registration of the problem file type for the current user: where its files go, and
// each written only when it differs from what is there.
#include "core/desktop/FileTypeRegistration.h"

#include "core/desktop/DesktopTexts.h"
#include "core/desktop/FileRewrite.h"
#include "core/desktop/MimeappsList.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelo {

namespace fs = std::filesystem;

namespace {

// Far beyond any real list of default applications (a few kilobytes); a larger one is left as
// it is, unread.
constexpr std::uintmax_t kMaxMimeappsBytes = 1024 * 1024;

fs::path FromEnvironment(const char* variable, const fs::path& fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return fallback;
}

} // namespace

RegistrationPlaces UserRegistrationPlaces() {
    const char* home = std::getenv("HOME");
    const fs::path homePath = (home != nullptr && home[0] == '/') ? fs::path(home) : fs::path();
    RegistrationPlaces places;
    places.dataHome = FromEnvironment(
        "XDG_DATA_HOME", homePath.empty() ? fs::path() : homePath / ".local" / "share");
    places.configHome =
        FromEnvironment("XDG_CONFIG_HOME", homePath.empty() ? fs::path() : homePath / ".config");
    // The superuser started with another user's home (sudo without -H, say) registers nothing:
    // that user's files are not root's to change, and their links could lead into the system.
    if (::geteuid() == 0) {
        for (const fs::path& folder : {homePath, places.dataHome, places.configHome}) {
            struct stat st {};
            if (!folder.empty() && ::stat(folder.c_str(), &st) == 0 && st.st_uid != 0) {
                return {};
            }
        }
    }
    return places;
}

RegistrationResult RegisterFileType(const std::string& extension, const std::string& description,
                                    const std::string& executablePath, const std::string& iconSvg,
                                    const RegistrationPlaces& places) {
    RegistrationResult result;
    if (places.dataHome.empty() || places.configHome.empty() || executablePath.empty()) {
        return result;
    }
    try {
        bool ok = true;
        ok = ok && WriteIfDifferent(places.dataHome / "mime" / "packages" / "tarvelo.xml",
                                    MimeTypeXml(extension, description), result.mimeChanged);
        bool iconChanged = false;
        ok = ok && WriteIfDifferent(places.dataHome / "icons" / "hicolor" / "scalable" / "apps" /
                                        (std::string(kIconName) + ".svg"),
                                    iconSvg, iconChanged);
        ok = ok && WriteIfDifferent(places.dataHome / "applications" / kDesktopId,
                                    DesktopEntry(executablePath), result.desktopChanged);
        std::string mimeapps;
        const fs::path mimeappsFile = places.configHome / "mimeapps.list";
        bool defaultChanged = false;
        const Reading reading = ReadText(mimeappsFile, mimeapps, kMaxMimeappsBytes);
        ok = ok && (reading == Reading::Read || reading == Reading::Missing) &&
             WriteIfDifferent(mimeappsFile, WithDefaultApplication(mimeapps), defaultChanged);
        result.ok = ok;
    } catch (...) {
        result.ok = false;
    }
    return result;
}

} // namespace tarvelo
