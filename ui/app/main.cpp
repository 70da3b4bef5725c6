// The program's start: a run without a window, a refused command line, or the window (or a
// hand-over to the window that already runs).
#include "core/desktop/CommandLine.h"
#include "ui/headless/HeadlessRun.h"
#include "ui/instance/SingleInstance.h"
#include "ui/window/FrmMain.h"
#include "ui/window/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The user's language, for the window and for the runs without one alike: installed while
    // the application is being made (whichever start makes it), before any widget or message.
    qAddPreRoutine([] { tarvelo::InstallTranslations(QLocale::system()); });

    // --settle, --challenge, --help and --version run without a window, never look for a running
    // instance and never register anything; nor does an unknown option, which is refused before
    // anything reaches for a display, nor a start of the window without one.
    switch (const tarvelo::CommandLineStart start = tarvelo::CommandLineStartOf(argc, argv);
            start.kind) {
    case tarvelo::CommandLineStart::Kind::Own:
        return tarvelo::RunHeadless(argc, argv);
    case tarvelo::CommandLineStart::Kind::UnknownOption: {
        const QCoreApplication words(argc, argv);
        return tarvelo::RefuseOption(tarvelo::TextOfBytes(start.option));
    }
    case tarvelo::CommandLineStart::Kind::Window:
        // The one rule of which starts need a display: the window's, and only they.
        if (!tarvelo::DisplayFor(argc, argv)) {
            const QCoreApplication words(argc, argv);
            return tarvelo::RefuseWithoutDisplay();
        }
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tarvelo.svg")));

    // The command line: the file's name, once the toolkit has taken out its own options and
    // without a `--` before it: its words joined by single blanks, every byte kept (a file name
    // need not be UTF-8).
    const tarvelo::CommandLineStart start = tarvelo::CommandLineStartOf(argc, argv);
    if (start.kind != tarvelo::CommandLineStart::Kind::Window) {
        return tarvelo::RefuseOption(tarvelo::TextOfBytes(start.option));
    }
    const QString commandLine =
        tarvelo::TextOfBytes(tarvelo::JoinedWords({argv + 1, argv + argc}, start.fileFrom));

    tarvelo::FrmMain window(commandLine);
    const bool registerAsked = std::ranges::find(start.windowOptions, tarvelo::kRegisterOption) !=
                               start.windowOptions.end();
    window.Initialize(registerAsked ? tarvelo::BuildTreeRegistration::Asked
                                    : tarvelo::BuildTreeRegistration::Skipped);

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

    window.BuildScene();
    window.show();
    window.WarmUpVoice();
    // Hand-overs are served once the window has started and shows; any that came sooner waited.
    // The later start has its answer already: nothing waits for the work done here.
    instance.Serve([&window](const tarvelo::HandOver& handOver) {
        window.ReceiveHandOver(handOver.commandLine, handOver.workingDirectory);
    });
    return QApplication::exec();
}
