// The trail of equations printed as a plain text document.
#include "ui/window/TrailPrinting.h"

#include <QPrinter>
#include <QTextDocument>

namespace tarvelo {

void PrintLines(const QStringList& lines, QPrinter& printer) {
    QTextDocument document;
    document.setPlainText(lines.join(QLatin1Char('\n')));
    document.print(&printer);
}

} // namespace tarvelo
