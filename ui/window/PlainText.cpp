// Labels and message boxes that show outside text as written.
#include "ui/window/PlainText.h"

#include <QLabel>

namespace tarvelo {

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
