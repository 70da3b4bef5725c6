// The trail of equations printed as a plain text document.
#include "ui/window/TrailPrinting.h"

#include <QFile>
#include <QPrinter>
#include <QTextDocument>

namespace tarvelo {

namespace {

// A PDF file ends with this mark; one cut short by a full disk does not.
const QByteArray kPdfEnd = QByteArrayLiteral("%%EOF");
constexpr qint64 kTailBytes = 32;

bool PdfComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kTailBytes) {
        return false;
    }
    file.seek(file.size() - kTailBytes);
    return file.read(kTailBytes).contains(kPdfEnd);
}

} // namespace

bool PrintLines(const QStringList& lines, QPrinter& printer) {
    QTextDocument document;
    document.setPlainText(lines.join(QLatin1Char('\n')));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        return false;
    }
    const bool toFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    return !toFile || PdfComplete(printer.outputFileName());
}

} // namespace tarvelo
