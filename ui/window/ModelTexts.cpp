// The texts the model writes, marked for translation and translated as the main window's own.
#include "ui/window/ModelTexts.h"

#include "core/play/WindowControls.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

// The texts the model writes, marked here for translation.
[[maybe_unused]] const char* const kModelTexts[] = {
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Show solution"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Hide solution"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "New"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Load"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Save"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Restart"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "X value\r\n(change or leave unchanged):"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Y value\r\n(change or leave unchanged):"),
};

// The main window's texts: its translations have always kept them under its name.
QString WindowText(const char* text) {
    return QCoreApplication::translate("tarvelo::FrmMain", text);
}

} // namespace

QString ModelText(const std::string& text) {
    return WindowText(text.c_str());
}

QString WindowTitleNaming(const QString& shown) {
    return WindowText(QT_TRANSLATE_NOOP("tarvelo::FrmMain", "%1 - %2"))
        .arg(WindowText(QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Tarvelo")), shown);
}

QString WindowTitle(const std::string& caption) {
    const std::string programName = kProgramName;
    const std::string separator = kCaptionSeparator;
    if (caption.rfind(programName + separator, 0) == 0) {
        return WindowTitleNaming(
            QString::fromStdString(caption.substr(programName.size() + separator.size())));
    }
    return caption == programName ? WindowText(QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Tarvelo"))
                                  : QString::fromStdString(caption);
}

} // namespace tarvelo
