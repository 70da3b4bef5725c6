// The run without a window: the command line read into a request, a problem file or a made
// challenge settled on a virtual clock, the moves of a script made, and what came of it printed.
#include "ui/headless/HeadlessRun.h"

#include "core/base/Rest.h"
#include "core/base/VirtualClock.h"
#include "core/io/ProblemFile.h"
#include "core/play/ModelClock.h"
#include "core/play/MoveScript.h"
#include "core/play/SettleReport.h"
#include "core/teach/Challenge.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/window/FrmMain.h"
#include "ui/window/ProblemMessages.h"
#include "ui/window/VersionText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelo {

namespace {

// The program's own options, each as it is written: any of them first means a run without a
// window.
constexpr std::string_view kOwnOptions[] = {"--settle", "--png",       "--show-solution", "--json",
                                            "--moves",  "--challenge", "--seed",          "--help",
                                            "-h",       "--help-all",  "--version",       "-v"};

// The program's own options that still open the window.
constexpr std::string_view kWindowOptions[] = {kRegisterOption};

// The options Qt takes out of the command line itself (QGuiApplication, QApplication and the X11
// platform), so that a desktop's `-session` or a user's `-style` still opens the window.
constexpr ForeignOption kToolkitOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"style", true},
    {"stylesheet", true},
    {"display", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"name", true},
    {"visual", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"testability", false},
    {"qmljsdebugger", false},
};

constexpr std::int64_t kLongestMs = 120000; // give up waiting after this much scene time
constexpr int kMillisecondsPerSecond = 1000;

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

// A challenge to make instead of a file to read.
struct ChallengeRequest {
    std::int32_t level = kFirstLevel;
    std::uint64_t seed = 0;
};

// What a run without a window is asked to do.
struct HeadlessRequest {
    QString problem; // the file to settle, or the challenge's name
    QString picture; // where to draw the window, or empty
    bool showSolution = false;
    bool json = false;
    std::vector<ScriptMove> moves; // to make once the scene rests, one after another
    bool movesGiven = false;
    std::optional<ChallengeRequest> challenge;
};

// Whether the command line asks for a challenge: then --settle takes no FILE.
bool AsksForChallenge() {
    const QString option = QStringLiteral("--challenge");
    const QStringList arguments = QApplication::arguments();
    return std::any_of(arguments.begin(), arguments.end(), [&](const QString& argument) {
        return argument == option || argument.startsWith(option + QLatin1Char('='));
    });
}

QCommandLineOption SettleOption(bool challenge) {
    if (challenge) {
        return {QStringLiteral("settle"),
                Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Let the challenge come to rest and print its "
                                                    "equation line and its goal."))};
    }
    return {QStringLiteral("settle"),
            Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Load FILE, let the scene come to rest and "
                                                "print the equation line.")),
            QStringLiteral("FILE")};
}

// Every option of the program, as --help and the usage describe them.
struct ProgramOptions {
    QCommandLineOption settle = SettleOption(AsksForChallenge());
    QCommandLineOption png{
        QStringLiteral("png"),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun", "Also draw the window as it then looks into the PNG file OUT: in "
                           "problem mode, with the buttons that \u201ctarvelo FILE\u201d shows.")),
        QStringLiteral("OUT")};
    QCommandLineOption showSolution{
        QStringLiteral("show-solution"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Draw X and Y as the cubes of their values."))};
    QCommandLineOption json{
        QStringLiteral("json"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                             "Print the settled scene as one JSON object: the equation line, "
                             "whether it came to rest and when, the pans and every piece with "
                             "the pan it counts for."))};
    QCommandLineOption moves{
        QStringLiteral("moves"),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun",
            "Once the scene rests, make the moves of SCRIPT one after another, each once the "
            "scene rests again; moves are separated by \u201c;\u201d: take K, add K, drop SIDE K, "
            "remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 to 9, X, "
            "Y or smiley; SIDE: left or right; V, W: values of X and Y to check). A refused move "
            "ends the script.")),
        QStringLiteral("SCRIPT")};
    QCommandLineOption challenge{
        QStringLiteral("challenge"),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun",
            "Instead of a file, make the challenge of LEVEL (1: X + b = c, 2: aX = c, "
            "3: aX + b = c, 4: X on both sides, 5: larger numbers) from the seed of --seed, and "
            "settle it with --settle (no FILE then); --json adds its level, goal, fewest moves "
            "and a solution.")),
        QStringLiteral("LEVEL")};
    QCommandLineOption seed{
        QStringLiteral("seed"),
        Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                             "The seed N of the challenge, a whole number from 0 to "
                             "18446744073709551615: the same seed makes the same challenge.")),
        QStringLiteral("N")};
    QCommandLineOption registerHere{
        QString::fromLatin1(kRegisterOption.substr(2)),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun",
            "Open the window and register this program with the desktop for problem files even "
            "when it runs from its build folder. An installed program registers without it; "
            "what the system provides and a default application chosen are kept either way."))};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "Print the version and the licence."))};
};

// A parser that knows every option; `options` must outlive it.
void DescribeOptions(QCommandLineParser& parser, const ProgramOptions& options) {
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "HeadlessRun", "Tarvelo: numbers and equations on a two-pan balance.\n\n"
                       "Without options, opens the window (and the problem file named, if any).\n"
                       "With --settle, lets a problem come to rest without a window and prints its "
                       "equation line.")));
    parser.addHelpOption();
    parser.addOptions({options.settle, options.png, options.showSolution, options.json,
                       options.moves, options.challenge, options.seed, options.registerHere,
                       options.version});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        Tr(QT_TRANSLATE_NOOP(
            "HeadlessRun", "The problem file to open in the window. A name that starts with "
                           "\u201c-\u201d follows \u201c--\u201d or starts with \u201c./\u201d.")),
        QStringLiteral("[--] [FILE]"));
}

// The command line is wrong: says why, with the usage, on standard error.
int RefuseWithUsage(const QString& why) {
    ProgramOptions options;
    QCommandLineParser parser;
    DescribeOptions(parser, options);
    PrintLine(stderr, QStringLiteral("tarvelo: ") + why);
    std::fputs(qPrintable(parser.helpText()), stderr);
    return kExitRefused;
}

// Why the script of --moves could not be read, in words.
QString ScriptErrorText(const ScriptError& error) {
    const QString move = QString::fromStdString(error.move);
    const QString word = QString::fromStdString(error.word);
    switch (error.fault) {
    case ScriptFault::Empty:
        break;
    case ScriptFault::UnknownMove:
        // The move words are the script's own, the same in every language.
        return Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--moves: \u201c%1\u201d is no move (%2)."))
            .arg(word, QString::fromStdString(MoveWordList()));
    case ScriptFault::WordCount:
        return Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                    "--moves: \u201c%1\u201d has too many or too few words."))
            .arg(move);
    case ScriptFault::BadKind:
        return Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--moves: in \u201c%1\u201d, \u201c%2\u201d "
                                                   "is no piece (0 to 9, X, Y or smiley)."))
            .arg(move, word);
    case ScriptFault::BadSide:
        return Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--moves: in \u201c%1\u201d, \u201c%2\u201d "
                                                   "is no side (left or right)."))
            .arg(move, word);
    case ScriptFault::BadNumber:
        return Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--moves: in \u201c%1\u201d, \u201c%2\u201d "
                                                   "is no number that move takes."))
            .arg(move, word);
    }
    return Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--moves: the script holds no move."));
}

// What a request that is complete in itself made of the command line: a request, or the status
// to end with at once (help, version, or a wrong command line, said on standard output or error).
struct ParsedRequest {
    std::optional<HeadlessRequest> request;
    int status = kExitDone;
};

// The options every run without a window takes alike, into `request`; false, with the status
// set, when the script of --moves cannot be read.
bool ReadCommonOptions(const QCommandLineParser& parser, const ProgramOptions& options,
                       HeadlessRequest& request, ParsedRequest& refused) {
    request.picture = parser.isSet(options.png) ? parser.value(options.png) : QString();
    request.showSolution = parser.isSet(options.showSolution);
    request.json = parser.isSet(options.json);
    request.movesGiven = parser.isSet(options.moves);
    if (request.movesGiven) {
        MoveScript script = ReadMoveScript(parser.value(options.moves).toStdString());
        if (script.error) {
            refused = {std::nullopt, RefuseWithUsage(ScriptErrorText(*script.error))};
            return false;
        }
        request.moves = std::move(script.moves);
    }
    return true;
}

// --challenge LEVEL --seed N --settle: the level and the seed read, or refused with the usage.
ParsedRequest ChallengeRequestOf(const QCommandLineParser& parser, const ProgramOptions& options) {
    if (!parser.isSet(options.challenge) || !parser.isSet(options.seed) ||
        !parser.isSet(options.settle) || !parser.positionalArguments().isEmpty()) {
        PrintLine(stderr, Tr(QT_TRANSLATE_NOOP(
                              "HeadlessRun", "tarvelo: --challenge LEVEL, --seed N and --settle "
                                             "go together, without a FILE. See tarvelo --help.")));
        return {std::nullopt, kExitFailed};
    }
    bool levelRead = false;
    const QString levelText = parser.value(options.challenge);
    const int level = levelText.toInt(&levelRead);
    if (!levelRead || level < kFirstLevel || level > kLastLevel) {
        return {std::nullopt,
                RefuseWithUsage(Tr(QT_TRANSLATE_NOOP("HeadlessRun", "--challenge: \u201c%1\u201d "
                                                                    "is no level (%2 to %3)."))
                                    .arg(levelText)
                                    .arg(kFirstLevel)
                                    .arg(kLastLevel))};
    }
    bool seedRead = false;
    const QString seedText = parser.value(options.seed);
    // Digits alone, as the usage writes N: no sign and no blanks, which the reading of a number
    // would otherwise pass over.
    const bool digitsOnly =
        !seedText.isEmpty() && std::all_of(seedText.begin(), seedText.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
    const qulonglong seed = seedText.toULongLong(&seedRead);
    if (!seedRead || !digitsOnly) {
        return {std::nullopt,
                RefuseWithUsage(Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                                     "--seed: \u201c%1\u201d is no seed (a whole "
                                                     "number from 0 to %2)."))
                                    .arg(seedText)
                                    .arg(std::numeric_limits<std::uint64_t>::max()))};
    }
    HeadlessRequest request;
    request.challenge = ChallengeRequest{level, seed};
    request.problem =
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "challenge %1, seed %2")).arg(level).arg(seed);
    ParsedRequest parsed;
    if (!ReadCommonOptions(parser, options, request, parsed)) {
        return parsed;
    }
    return {request, kExitDone};
}

ParsedRequest ParseRequest(const QApplication& app) {
    const ProgramOptions options;
    QCommandLineParser parser;
    DescribeOptions(parser, options);
    if (!parser.parse(QApplication::arguments())) {
        return {std::nullopt, RefuseWithUsage(parser.errorText())};
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(app); // prints the toolkit's options too, and ends the program
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {std::nullopt, kExitDone};
    }
    if (parser.isSet(options.version)) {
        PrintLine(stdout, VersionText());
        return {std::nullopt, kExitDone};
    }
    if (parser.isSet(options.challenge) || parser.isSet(options.seed)) {
        return ChallengeRequestOf(parser, options);
    }
    if (!parser.isSet(options.settle) || !parser.positionalArguments().isEmpty()) {
        PrintLine(stderr,
                  Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                       "tarvelo: --settle FILE is needed; --png, --show-solution, "
                                       "--json and --moves go with it. See tarvelo --help.")));
        return {std::nullopt, kExitFailed};
    }
    HeadlessRequest request;
    request.problem = parser.value(options.settle);
    ParsedRequest parsed;
    if (!ReadCommonOptions(parser, options, request, parsed)) {
        return parsed;
    }
    return {request, kExitDone};
}

// Says what the scene came to: the line for a scene at rest (a scene still moving has no
// equation to speak of), the JSON object always, and on standard error when it did not rest.
// A challenge's goal also follows its line.
void Report(const Model& model, const HeadlessRequest& request, const SettleResult& rest,
            std::int64_t sceneMs, const std::vector<MoveReport>& moves,
            const ChallengeFacts* challenge) {
    if (request.json) {
        PrintLine(stdout, QString::fromStdString(
                              SettleReportJson(model, rest.rested, sceneMs,
                                               request.movesGiven ? &moves : nullptr, challenge)));
    } else if (rest.rested) {
        PrintLine(stdout, QString::fromStdString(model.equation.lblEquazione().Caption));
        if (challenge) {
            PrintLine(stdout, Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                                   "Find X: it takes %1 moves at the fewest."))
                                  .arg(challenge->fewestMoves));
        }
    }
    if (!moves.empty() && moves.back().refused) {
        PrintLine(stderr, Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                               "tarvelo: the move \u201c%1\u201d was refused: %2"))
                              .arg(QString::fromStdString(moves.back().move),
                                   QString::fromStdString(*moves.back().refused)));
    }
    if (!rest.rested) {
        PrintLine(stderr, Tr(QT_TRANSLATE_NOOP("HeadlessRun",
                                               "tarvelo: the scene in \u201c%1\u201d did not come "
                                               "to rest within %2 seconds of scene time."))
                              .arg(request.problem)
                              .arg(kLongestMs / kMillisecondsPerSecond));
    }
}

// Makes the moves of the request one after another, each on a scene at rest, until one is
// refused or the scene does not come to rest; what each did, and the rest after the last.
struct MovesMade {
    std::vector<MoveReport> reports;
    SettleResult rest;
    bool refused = false;
};
MovesMade MakeMoves(VirtualClock& clock, Model& model, const std::vector<ScriptMove>& moves,
                    SettleResult rest) {
    MovesMade made{{}, rest, false};
    for (const ScriptMove& move : moves) {
        if (!made.rest.rested || made.refused) {
            break;
        }
        const MoveOutcome outcome = ApplyMove(model, move);
        made.rest = SettleOnClock(clock, model, kLongestMs);
        made.refused = !outcome.Done();
        MoveReport report{move.text, model.equation.lblEquazione().Caption, std::nullopt,
                          std::nullopt};
        if (made.refused) {
            report.refused = MoveRefusalSentence(outcome).toStdString();
        } else if (move.type == MoveType::Check && !model.trail.Steps().empty() &&
                   model.trail.Steps().back().rested) {
            // A check reports its line of values, and the balance's judgement of it.
            const TrailStep& check = model.trail.Steps().back();
            report.equation = check.equation;
            report.balances = check.sign == "=";
        }
        made.reports.push_back(std::move(report));
    }
    return made;
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

CommandLineStart CommandLineStartOf(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return ReadCommandLineStart(words, {kOwnOptions, kToolkitOptions, kWindowOptions});
}

bool DisplayFor(int argc, char* argv[]) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return true;
        }
    }
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    return std::any_of(words.begin(), words.end(), [](std::string_view word) {
        const std::string_view name = word.substr(0, word.find('='));
        return name == "-platform" || name == "--platform";
    });
}

int RefuseWithoutDisplay() {
    PrintLine(stderr, Tr(QT_TRANSLATE_NOOP(
                          "HeadlessRun",
                          "tarvelo: there is no display to open the window on (DISPLAY and "
                          "WAYLAND_DISPLAY are not set). The options that need no window are in "
                          "tarvelo --help; to open the window all the same, start it under "
                          "xvfb-run -a.")));
    return kExitFailed;
}

int RefuseOption(const QString& option) {
    return RefuseWithUsage(
        Tr(QT_TRANSLATE_NOOP("HeadlessRun", "unknown option \u201c%1\u201d.")).arg(option));
}

int RunHeadless(int argc, char* argv[]) {
    // Nothing is ever shown, whatever display there is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));

    const ParsedRequest parsed = ParseRequest(app);
    if (!parsed.request) {
        return parsed.status;
    }
    const std::optional<HeadlessRequest>& request = parsed.request;

    // The window as the program starts it, its timers on a virtual clock, the pointer far
    // away from the scene, and nothing heard.
    VirtualClock clock;
    FrmMain window;
    window.Silence();
    window.RunOnClock(clock);
    window.pointerPosition = [] { return QPointF(-10000, -10000); };
    window.model().InitializeControls(); // without registering anything with the desktop
    window.BuildScene();

    std::optional<ChallengeFacts> facts;
    std::optional<Problem> problem;
    std::string problemName;
    if (request->challenge) {
        const Challenge challenge =
            MakeChallenge(request->challenge->level, request->challenge->seed);
        facts = ChallengeFacts{challenge.level, GoalText(challenge.goal), challenge.fewestMoves,
                               challenge.solution};
        problem = challenge.problem;
        problemName = request->problem.toStdString();
    } else {
        problem =
            ReadProblemOrWarn(QFile::encodeName(request->problem).toStdString(), request->problem,
                              [](const QString& message) { PrintLine(stderr, message); });
        if (!problem) {
            return kExitRefused;
        }
        problemName = QFileInfo(request->problem).absoluteFilePath().toStdString();
    }
    Model& model = window.model();
    // In problem mode, as the same file opened in the window is.
    model.PutProblem(&*problem, problemName, ProgramMode::Problem);

    // Until the scene is at rest, or two minutes of scene time have passed.
    const MovesMade made =
        MakeMoves(clock, model, request->moves, SettleOnClock(clock, model, kLongestMs));
    const SettleResult& rest = made.rest;
    if (request->showSolution) {
        window.ToggleSolution();
    }
    Report(model, *request, rest, rest.rested ? rest.lastChangeMs : clock.NowMs(), made.reports,
           facts ? &*facts : nullptr);
    if (!request->picture.isEmpty() && !DrawPicture(window, request->picture)) {
        return kExitFailed;
    }
    if (!rest.rested) {
        return kExitRestless;
    }
    return made.refused ? kExitMoveRefused : kExitDone;
}

} // namespace tarvelo
