#include "app/HeadlessRun.h"

#include "app/FrmMain.h"
#include "app/Layout.h"
#include "app/ProblemFile.h"
#include "app/ProblemMessages.h"
#include "scene/VirtualClock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tarvelo {

namespace {

constexpr const char* kHeadlessOptions[] = {"--settle",  "--png", "--show-solution", "--help", "-h",
                                            "--version", "-v",    "--help-all"};

constexpr std::int64_t kStepMs = layout::kRealityIntervalMs;
constexpr std::int64_t kRestMs = 1000;      // nothing moved for this long: at rest
constexpr std::int64_t kLongestMs = 120000; // give up waiting after this much scene time

constexpr int kExitRefused = 2;
constexpr int kExitUsage = 1;

QString Tr(const char* text) {
    return QCoreApplication::translate("HeadlessRun", text);
}

void PrintLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
    std::fflush(stream);
}

// Where every object stands, to tell when the scene has stopped moving.
std::vector<std::int32_t> Positions(const Model& m) {
    std::vector<std::int32_t> p;
    p.reserve(static_cast<std::size_t>(m.objCount) * 2 + 1);
    p.push_back(m.objCount);
    for (std::int32_t i = 1; i <= m.objCount; ++i) {
        p.push_back(m.obj(i).objX);
        p.push_back(m.obj(i).objY);
    }
    return p;
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

int RunHeadless(int argc, char* argv[]) {
    // Nothing is ever shown, whatever display there is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));

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
        Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                             "Also draw the window as it then looks into the PNG file OUT.")),
        QStringLiteral("OUT"));
    const QCommandLineOption showSolution(
        QStringLiteral("show-solution"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Draw X and Y as the cubes of their values.")));
    parser.addOptions({settle, png, showSolution});
    parser.process(app); // --help, --version and unknown options end here

    if (!parser.isSet(settle) || !parser.positionalArguments().isEmpty()) {
        PrintLine(stderr, Tr(QT_TRANSLATE_NOOP(
                              "HeadlessRun",
                              "tarvelo: --settle FILE is needed; --png and --show-solution go "
                              "with it. See tarvelo --help.")));
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

    const QString path = parser.value(settle);
    const ProblemReading reading = ReadProblemFile(QFile::encodeName(path).toStdString());
    if (!reading.problem) {
        PrintLine(stderr, RefusedFileMessage(path, reading.error));
        return kExitRefused;
    }
    Model& model = window.model();
    model.LoadProblem(*reading.problem, QFileInfo(path).absoluteFilePath().toStdString());

    // Until nothing has moved for a second of scene time, or two minutes have passed.
    std::vector<std::int32_t> last = Positions(model);
    std::int64_t stillMs = 0;
    while (stillMs < kRestMs && clock.NowMs() < kLongestMs) {
        clock.Advance(kStepMs);
        std::vector<std::int32_t> now = Positions(model);
        stillMs = now == last ? stillMs + kStepMs : 0;
        last = std::move(now);
    }

    if (parser.isSet(showSolution)) {
        window.Command1_Click();
    }
    PrintLine(stdout, QString::fromStdString(model.lblEquazione.Caption));

    if (parser.isSet(png)) {
        window.SyncFromModel();
        const QString out = parser.value(png);
        const QImage picture = window.grab().toImage();
        if (!picture.save(out, "PNG")) {
            PrintLine(stderr,
                      Tr(QT_TRANSLATE_NOOP(
                             "HeadlessRun",
                             "tarvelo: the picture could not be written to \u201c%1\u201d."))
                          .arg(out));
            return kExitUsage;
        }
    }
    return 0;
}

} // namespace tarvelo
