#include "app/FrmMain.h"
#include "app/HeadlessRun.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>

int main(int argc, char* argv[]) {
    if (tarvelo::IsHeadlessCommandLine(argc, argv)) {
        return tarvelo::RunHeadless(argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tarvelo.svg")));

    // What follows the program's own path, joined by single blanks.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    tarvelo::FrmMain window(arguments.join(QLatin1Char(' ')));
    window.Form_Initialize();
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
