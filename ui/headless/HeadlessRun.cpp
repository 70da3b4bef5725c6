#include "ui/headless/HeadlessRun.h"

#include "core/clock/Rest.h"
#include "core/clock/VirtualClock.h"
#include "core/files/ProblemFile.h"
#include "core/files/SettleReport.h"
#include "ui/window/FrmMain.h"
#include "ui/window/ProblemMessages.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace tarvelo {

namespace {

constexpr const char* kHeadlessOptions[] = {"--settle",  "--png",  "--show-solution",
                                            "--json",    "--help", "-h",
                                            "--version", "-v",     "--help-all"};

constexpr std::int64_t kLongestMs = 120000; // give up waiting after this much scene time
constexpr int kMillisecondsPerSecond = 1000;

constexpr int kExitRefused = 2;
constexpr int kExitUsage = 1;
constexpr int kExitRestless = 3;

QString Tr(const char* text) {
    return QCoreApplication::translate("HeadlessRun", text);
}

void PrintLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
    std::fflush(stream);
}

// Scripts read what a run without a window prints: Qt's notice that the user has no runtime
// folder says nothing to them and is left out; every other message passes.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

bool IsHeadlessCommandLine(int argc, char* argv[]) {
    if (argc < 2) {
        return false;
    }
    for (const char* option : kHeadlessOptions) {
        const std::size_t length = std::strlen(option);
        if (std::strncmp(argv[1], option, length) == 0 &&
            (argv[1][length] == '\0' || argv[1][length] == '=')) {
            return true;
        }
    }
    return false;
}

namespace {

// What a run without a window is asked to do.
struct HeadlessRequest {
    QString problem; // the file to settle
    QString picture; // where to draw the window, or empty
    bool showSolution = false;
    bool json = false;
};

// The request on the command line, or nothing when it is wrong (said on standard error).
// --help, --version and unknown options end the program here.
std::optional<HeadlessRequest> ParseRequest(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "HeadlessRun", "Tarvelo: numbers and equations on a two-pan balance.\n\n"
                       "Without options, opens the window (and the problem file named, if any).\n"
                       "With --settle, lets a problem come to rest without a window and prints its "
                       "equation line.")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settle(
        QStringLiteral("settle"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                             "Load FILE, let the scene come to rest and print the equation line.")),
        QStringLiteral("FILE"));
    const QCommandLineOption png(
        QStringLiteral("png"),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun", "Also draw the window as it then looks into the PNG file OUT: in "
                           "problem mode, with the buttons that \u201ctarvelo FILE\u201d shows.")),
        QStringLiteral("OUT"));
    const QCommandLineOption showSolution(
        QStringLiteral("show-solution"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Draw X and Y as the cubes of their values.")));
    const QCommandLineOption json(
        QStringLiteral("json"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                             "Print the settled scene as one JSON object: the equation line, "
                             "whether it came to rest and when, the pans and every piece with "
                             "the pan it counts for.")));
    parser.addOptions({settle, png, showSolution, json});
    parser.process(app);

    if (!parser.isSet(settle) || !parser.positionalArguments().isEmpty()) {
        PrintLine(stderr,
                  Tr(QT_TRANSLATE_NOOP(
                      "HeadlessRun", "tarvelo: --settle FILE is needed; --png, --show-solution and "
                                     "--json go with it. See tarvelo --help.")));
        return std::nullopt;
    }
    return HeadlessRequest{parser.value(settle), parser.isSet(png) ? parser.value(png) : QString(),
                           parser.isSet(showSolution), parser.isSet(json)};
}

// Says what the scene came to: the line for a scene at rest (a scene still moving has no
// equation to speak of), the JSON object always, and on standard error when it did not rest.
void Report(const Model& model, const HeadlessRequest& request, const SettleResult& rest,
            std::int64_t sceneMs) {
    if (request.json) {
        PrintLine(stdout, QString::fromStdString(SettleReportJson(model, rest.rested, sceneMs)));
    } else if (rest.rested) {
        PrintLine(stdout, QString::fromStdString(model.equation.lblEquazione().Caption));
    }
    if (!rest.rested) {
        PrintLine(stderr, Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                               "tarvelo: the scene in \u201c%1\u201d did not come "
                                               "to rest within %2 seconds of scene time."))
                              .arg(request.problem)
                              .arg(kLongestMs / kMillisecondsPerSecond));
    }
}

// Draws the window as it now looks into the PNG file `out`; false, said, when it cannot.
bool DrawPicture(FrmMain& window, const QString& out) {
    window.SyncFromModel();
    if (window.grab().toImage().save(out, "PNG")) {
        return true;
    }
    PrintLine(stderr,
              Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                   "tarvelo: the picture could not be written to \u201c%1\u201d."))
                  .arg(out));
    return false;
}

} // namespace

int RunHeadless(int argc, char* argv[]) {
    // Nothing is ever shown, whatever display there is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));

    const std::optional<HeadlessRequest> request = ParseRequest(app);
    if (!request) {
        return kExitUsage;
    }

    // The window as the program starts it, its timers on a virtual clock and the pointer far
    // away from the scene.
    VirtualClock clock;
    FrmMain window;
    window.RunOnClock(clock);
    window.pointerPosition = [] { return QPointF(-10000, -10000); };
    window.model().Form_Initialize(); // without registering anything with the desktop
    window.Form_Load();

    const std::optional<Problem> problem =
        ReadProblemOrWarn(QFile::encodeName(request->problem).toStdString(), request->problem,
                          [](const QString& message) { PrintLine(stderr, message); });
    if (!problem) {
        return kExitRefused;
    }
    Model& model = window.model();
    // In problem mode, as the same file opened in the window is.
    model.PutProblem(&*problem, QFileInfo(request->problem).absoluteFilePath().toStdString(),
                     ProgramMode::Problem);

    // Until the scene is at rest, or two minutes of scene time have passed.
    const SettleResult rest = SettleOnClock(clock, model, kLongestMs);
    if (request->showSolution) {
        window.Command1_Click();
    }
    Report(model, *request, rest, rest.rested ? rest.lastChangeMs : clock.NowMs());
    if (!request->picture.isEmpty() && !DrawPicture(window, request->picture)) {
        return kExitUsage;
    }
    return rest.rested ? 0 : kExitRestless;
}

} // namespace tarvelo
