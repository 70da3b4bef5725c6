// The MIME type's and the desktop entry's texts, escaped as XML and the Exec key want them.
#include "core/desktop/DesktopTexts.h"

#include <sstream>

namespace tarvelo {

namespace {

constexpr const char* kShell = "/bin/sh";
// A shell script that runs its first argument with the others.
constexpr const char* kRunFirstArgument = "exec \"$0\" \"$@\"";

// `text` as XML character data and attribute values take it.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The menu's words for the program in each language it speaks besides English, as the desktop
// entry's localized keys give them.
struct MenuWords {
    const char* language;
    const char* genericName;
    const char* comment;
};
constexpr MenuWords kMenuWords[] = {
    {"de", "Zahlenwaage", "Zahlen und einfache Gleichungen auf einer Waage mit zwei Schalen"},
    {"es", "Balanza de números", "Números y ecuaciones sencillas en una balanza de dos platillos"},
    {"fr", "Balance des nombres", "Nombres et équations simples sur une balance à deux plateaux"},
    {"it", "Bilancia dei numeri", "Numeri ed equazioni semplici su una bilancia a due piatti"},
};

// The Exec key's command that starts `executable`, before its file argument.
std::string DesktopExecCommand(const std::string& executable) {
    if (executable.find('%') == std::string::npos) {
        return DesktopExecArgument(executable);
    }
    // GLib looks for the program named by the first word before it turns %% back into %, and
    // drops the entry when it finds none: a program whose path has a per cent sign is started
    // through the shell, which then names it in a later word.
    return std::string(kShell) + " -c " + DesktopExecArgument(kRunFirstArgument) + " " +
           DesktopExecArgument(executable);
}

} // namespace

std::string MimeTypeXml(const std::string& extension, const std::string& description) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        << "  <mime-type type=\"" << kProblemMimeType << "\">\n"
        << "    <comment>" << Escaped(description) << "</comment>\n"
        << "    <icon name=\"" << kIconName << "\"/>\n"
        << "    <glob pattern=\"*." << Escaped(extension) << "\"/>\n"
        << "  </mime-type>\n"
        << "</mime-info>\n";
    return out.str();
}

std::string DesktopExecArgument(const std::string& path) {
    // Reserved characters call for quoting; inside quotes ", `, $ and \ take a backslash.
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    if (!path.empty() && path.find_first_of(reserved) == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                argument += '\\';
            }
            argument += c;
        }
        argument += '"';
    }
    // The entry's own escapes: a backslash is written twice, and so is a per cent sign, which
    // would otherwise start a field code.
    std::string result;
    for (char c : argument) {
        result += c;
        if (c == '\\' || c == '%') {
            result += c;
        }
    }
    return result;
}

std::string DesktopEntry(const std::string& executable) {
    std::ostringstream out;
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=Tarvelo\n"
        << "GenericName=Balance of numbers\n";
    for (const MenuWords& words : kMenuWords) {
        out << "GenericName[" << words.language << "]=" << words.genericName << "\n";
    }
    out << "Comment=Numbers and simple equations on a two-pan balance\n";
    for (const MenuWords& words : kMenuWords) {
        out << "Comment[" << words.language << "]=" << words.comment << "\n";
    }
    out << "Exec=" << DesktopExecCommand(executable) << " %f\n"
        << "Icon=" << kIconName << "\n"
        << "Terminal=false\n"
        << "MimeType=" << kProblemMimeType << ";\n"
        << "Categories=Education;Math;\n";
    return out.str();
}

} // namespace tarvelo
