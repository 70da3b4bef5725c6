// Labels and message boxes that show outside text as written.
#include "ui/window/PlainText.h"

#include <QLabel>

namespace tarvelo {

namespace {

// The marks that start or end a stretch of another direction, overriding or not.
bool TurnsDirection(QChar c) {
    switch (c.direction()) {
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

bool RightToLeft(QChar c) {
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// First strong isolate and pop directional isolate: the text between takes its own direction and
// leaves the line's alone.
constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopIsolate = 0x2069;
constexpr char16_t kEllipsis = 0x2026;

} // namespace

QString InLine(const QString& outside) {
    QString kept;
    kept.reserve(outside.size());
    bool rightToLeft = false;
    for (const QChar c : outside) {
        if (!TurnsDirection(c)) {
            kept.append(c);
            rightToLeft = rightToLeft || RightToLeft(c);
        }
    }
    // Text of left-to-right letters only reads the same set apart or not: it stays as it is.
    if (!rightToLeft) {
        return kept;
    }
    return QChar(kFirstStrongIsolate) + kept + QChar(kPopIsolate);
}

QString Shortened(const QString& outside, int mostLines, int mostCharacters) {
    QString shown = outside.section(QLatin1Char('\n'), 0, mostLines - 1);
    if (shown.size() > mostCharacters) {
        shown.truncate(mostCharacters);
    }
    return shown.size() < outside.size() ? shown + QChar(kEllipsis) : shown;
}

void ShowAsWritten(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
}

void ShowAsWritten(QMessageBox& box) {
    // The format is the box's, for its text and its detail alike; a plain text is not wrapped
    // unless asked, and a long file name would stretch the box past the screen.
    box.setTextFormat(Qt::PlainText);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
}

QMessageBox::StandardButton AskAsWritten(QWidget* parent, QMessageBox::Icon icon,
                                         const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         const QString& detail,
                                         QMessageBox::StandardButton defaultButton) {
    // Made without its texts: a text set before the format would be read as markup at once.
    QMessageBox box(icon, title, QString(), buttons, parent);
    ShowAsWritten(box);
    box.setText(text);
    if (!detail.isEmpty()) {
        // The detail's label is made at its first text: made with a harmless one, it is told
        // the format before it sees the detail.
        box.setInformativeText(QStringLiteral(" "));
        ShowAsWritten(box);
        box.setInformativeText(detail);
    }
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace tarvelo
