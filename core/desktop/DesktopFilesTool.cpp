// Writes the desktop entry and the MIME type of a system-wide installation into a folder, from
// the same texts the program registers for its user.
#include "core/desktop/DesktopTexts.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 1;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / tarvelo::kDesktopId) << tarvelo::DesktopEntry("tarvelo");
    std::ofstream(folder / "tarvelo.xml")
        << tarvelo::MimeTypeXml("trv", "Learning numbers and equations with simplicity");
    return 0;
}
