#include "ui/headless/HeadlessRun.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/FrmMain.h"
#include "ui/window/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The user's language, for the window and for the runs without one alike: installed while
    // the application is being made (whichever start makes it), before any widget or message.
    qAddPreRoutine([] { tarvelo::InstallTranslations(QLocale::system()); });

    // --settle, --help and --version run without a window, never look for a running instance
    // and never register anything.
    if (tarvelo::IsHeadlessCommandLine(argc, argv)) {
        return tarvelo::RunHeadless(argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tarvelo.svg")));

    // The command line: what follows the program's own path (once the toolkit has taken out
    // its own options), joined by single blanks, every byte kept: a file name need not be UTF-8.
    const QString commandLine = tarvelo::CommandLineOf(argc, argv);

    tarvelo::FrmMain window(commandLine);
    window.Form_Initialize();

    // One instance per user: a later start hands its command line to the running one and ends
    // without showing a window.
    tarvelo::InstanceServer instance;
    switch (instance.Begin()) {
    case tarvelo::InstanceServer::Start::AnotherRuns:
        return tarvelo::HandOverToRunningInstance(commandLine);
    case tarvelo::InstanceServer::Start::Alone:
        std::fprintf(stderr, "%s\n", qPrintable(instance.Problem()));
        break;
    case tarvelo::InstanceServer::Start::Running:
        break;
    }

    window.Form_Load();
    window.show();
    // Hand-overs are served once the window has started and shows; any that came sooner waited.
    // The later start has its answer already: nothing waits for the work done here.
    instance.Serve([&window](const tarvelo::HandOver& handOver) {
        window.ReceiveHandOver(handOver.commandLine, handOver.workingDirectory);
    });
    return QApplication::exec();
}
