// The moves panel on the real widgets, offscreen: the window as it always was while the panel is
// closed, the panel under the scene while it is open (at any zoom and in full screen), moves
// through its buttons on a lesson, what it shows and says, and the trail copied and printed.
#include "WindowFixture.h"
#include "ui/accessibility/Announcer.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/TrailPrinting.h"
#include "ui/window/WindowZoom.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <vector>

using tarvelo::MovesPanel;
using tarvelo::PieceKind;
using tarvelo::WindowZoom;
using tarvelo::test::ClockedWindow;
using tarvelo::test::kClosedSize;
using tarvelo::test::KeyedWindow;
using tarvelo::test::kOpenSize;
using tarvelo::test::ZoomOf;

namespace {

// X + 2 balances 5, X being 3.
const QString kLessonXPlus2 =
    QStringLiteral(TARVELO_SOURCE_DIR "/lessons/11 Find X - X plus 2 balances 5.trv");
constexpr std::int64_t kSettleMs = 3000;
// The kind chooser's rows: the cubes from 0 up, then X, Y and the smiley.
constexpr int kCubeTwoRow = 2;
constexpr int kSmileyRow = 12;
constexpr int kRightPanRow = 1;

QWidget* Focused() {
    return QApplication::focusWidget();
}

// The keyed window with lesson 11 at hand and what the panel shows.
struct PanelWindow : KeyedWindow {
    explicit PanelWindow(const char* focusName = "Command3") : KeyedWindow(focusName) {}
    // Opens lesson 11 and lets it come to rest.
    void OpenLesson() {
        QVERIFY(window.OpenProblem(kLessonXPlus2));
        RunMs(kSettleMs);
    }
    void OpenPanel() {
        PressOnFocus(Qt::Key_M, Qt::ControlModifier);
        QVERIFY(window.MovesPanelOpen());
    }
    void Press(const char* button) {
        QTest::mouseClick(InPanel<QPushButton>(button), Qt::LeftButton);
    }
    QString Status() { return InPanel<QLabel>("moveStatus")->text(); }
    QString Answer() { return InPanel<QLabel>("answer")->text(); }
    QString Said() { return window.findChild<tarvelo::Announcer*>()->LastSaid(); }
    // What `pan` carries, sorted.
    std::vector<PieceKind> On(std::int32_t pan) {
        const tarvelo::Scene& scene = window.model().scene;
        std::vector<PieceKind> kinds;
        for (std::int32_t i = tarvelo::kFirstPiece; i <= scene.objCount(); ++i) {
            if (scene.PanCarrying(i) == pan) {
                kinds.push_back(scene.obj(i).objKind);
            }
        }
        std::sort(kinds.begin(), kinds.end());
        return kinds;
    }
};

using Kinds = std::vector<PieceKind>;

Kinds Sorted(Kinds kinds) {
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

// The size of the native window, in screen pixels.
QSize ScreenPixels(QWidget& window) {
    return window.windowHandle()->handle()->geometry().size();
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(PanelWindow&)>)

class MovesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theClosedWindowIsAsItWas();
    void openingGrowsTheWindowAndClosingGivesTheFocusBack_data();
    void openingGrowsTheWindowAndClosingGivesTheFocusBack();
    void aClickOnTheEquationOpensAndClosesThePanel();
    void theListsSayTheirChoice();
    void thePanelZoomsWithTheWindow();
    void fullScreenFitsTheWindowWithThePanel();
    void aMoveThroughTheButtonsIsOneStepToUndo_data();
    void aMoveThroughTheButtonsIsOneStepToUndo();
    void enterInANumberBoxMakesItsRowsMove();
    void aMoveWaitsWhileThePointerHoldsAPiece();
    void theAnswerIsShownAndSaidOnceEachTimeItComes();
    void theLockAndTheCheckSayWhatTheUserAsked();
    void theTrailListsTheSolvingAndKeepsItsPlace();
    void aChangeToOnePanAsksForItsTwin();
    void theTrailPrintsToAFile();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void tabGoesThroughEveryControl();

  private:
    QTemporaryDir settings_;
};

void MovesWindowTest::initTestCase() {
    // The zoom is kept in the user's settings: every run starts without any.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void MovesWindowTest::cleanup() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
}

void MovesWindowTest::theClosedWindowIsAsItWas() {
    PanelWindow w;
    QCOMPARE(w.window.size(), kClosedSize);
    QCOMPARE(w.window.minimumSize(), kClosedSize);
    QCOMPARE(w.window.maximumSize(), kClosedSize);
    // Until it first opens there is no panel at all, hidden or not.
    QVERIFY(w.Panel() == nullptr);
    QVERIFY(!w.window.MovesPanelOpen());
}

void MovesWindowTest::openingGrowsTheWindowAndClosingGivesTheFocusBack_data() {
    QTest::addColumn<QString>("focusBefore");
    QTest::addColumn<std::function<void(PanelWindow&)>>("close");
    const std::function<void(PanelWindow&)> byKey = [](PanelWindow& w) {
        w.PressOnFocus(Qt::Key_M, Qt::ControlModifier);
    };
    const std::function<void(PanelWindow&)> byEscape = [](PanelWindow& w) {
        w.PressOnFocus(Qt::Key_Escape);
    };
    const std::function<void(PanelWindow&)> byButton = [](PanelWindow& w) {
        w.Press("closeMovesPanel");
    };
    QTest::newRow("Ctrl+M again, from a button") << QStringLiteral("Command3") << byKey;
    QTest::newRow("Escape, from the scene") << QStringLiteral("pictDrawClient") << byEscape;
    QTest::newRow("the close button, from the equation")
        << QStringLiteral("lblEquazione") << byButton;
}

void MovesWindowTest::openingGrowsTheWindowAndClosingGivesTheFocusBack() {
    QFETCH(QString, focusBefore);
    QFETCH(std::function<void(PanelWindow&)>, close);
    PanelWindow w(qPrintable(focusBefore));
    auto* canvas = w.window.sceneCanvas();
    const QRect sceneBefore(canvas->mapTo(&w.window, QPoint()), canvas->size());

    w.OpenPanel();
    QCOMPARE(w.window.size(), kOpenSize);
    QCOMPARE(w.window.minimumSize(), kOpenSize);
    QCOMPARE(w.Panel()->geometry(),
             QRect(QPoint(0, tarvelo::layout::kWindowHeight),
                   QSize(tarvelo::layout::kWindowWidth, tarvelo::kMovesPanelHeight)));
    QVERIFY(w.Panel()->isVisible());
    QCOMPARE(Focused(), w.InPanel<QWidget>("moveKind"));
    // The window's own controls stay where they were.
    QCOMPARE(QRect(canvas->mapTo(&w.window, QPoint()), canvas->size()), sceneBefore);

    close(w);
    QVERIFY(!w.window.MovesPanelOpen());
    QVERIFY(!w.Panel()->isVisible());
    QCOMPARE(w.window.size(), kClosedSize);
    QCOMPARE(w.window.maximumSize(), kClosedSize);
    QVERIFY(Focused());
    QCOMPARE(Focused()->objectName(), focusBefore);
}

void MovesWindowTest::aClickOnTheEquationOpensAndClosesThePanel() {
    PanelWindow w;
    auto* equation = w.window.findChild<QLabel*>(QStringLiteral("lblEquazione"));
    QTest::mouseClick(equation, Qt::LeftButton);
    QVERIFY(w.window.MovesPanelOpen());
    QCOMPARE(w.window.size(), kOpenSize);
    QTest::mouseClick(equation, Qt::LeftButton);
    QVERIFY(!w.window.MovesPanelOpen());
    QCOMPARE(w.window.size(), kClosedSize);
}

// A screen reader names a list by its caption only: the window says the choice.
void MovesWindowTest::theListsSayTheirChoice() {
    PanelWindow w;
    w.OpenPanel();
    QTRY_COMPARE(w.Said(), QStringLiteral("cube 0"));
    w.PressOnFocus(Qt::Key_Down);
    QCOMPARE(w.Said(), QStringLiteral("cube 1"));
    w.InPanel<QComboBox>("exchangePan")->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(w.Said(), QStringLiteral("left pan"));
    // Chosen by the program, not by the user's keys, nothing is said.
    w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kCubeTwoRow);
    QCOMPARE(w.Said(), QStringLiteral("left pan"));
}

void MovesWindowTest::thePanelZoomsWithTheWindow() {
    constexpr int kZoom = 150;
    PanelWindow w;
    ZoomOf(w).SetZoom(kZoom);
    w.OpenPanel();
    QCoreApplication::processEvents();
    // The window grows by the panel in window pixels, and shows both zoomed on the screen.
    QCOMPARE(w.window.size(), kOpenSize);
    QCOMPARE(ScreenPixels(w.window), kOpenSize * kZoom / tarvelo::kZoomNormal);
    QCOMPARE(w.Panel()->grab().size(), w.Panel()->size() * kZoom / tarvelo::kZoomNormal);

    // Ctrl+0 brings the window with its panel back to its own size.
    w.PressOnFocus(Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(ZoomOf(w).ShownZoom(), tarvelo::kZoomNormal);
    QCOMPARE(ScreenPixels(w.window), kOpenSize);
    ZoomOf(w).SetZoom(kZoom);
    w.PressOnFocus(Qt::Key_Escape);
    QCOMPARE(ScreenPixels(w.window), kClosedSize * kZoom / tarvelo::kZoomNormal);
}

void MovesWindowTest::fullScreenFitsTheWindowWithThePanel() {
    PanelWindow w;
    const QSize screenPixels = w.window.screen()->handle()->geometry().size();
    QTest::keyClick(&w.window, Qt::Key_F11);
    QVERIFY(ZoomOf(w).FullScreen());
    QCOMPARE(ZoomOf(w).ShownZoom(), tarvelo::FittingZoom(screenPixels, kClosedSize, 1.0));

    w.OpenPanel();
    QCOMPARE(ZoomOf(w).ShownZoom(), tarvelo::FittingZoom(screenPixels, kOpenSize, 1.0));
    QVERIFY(w.window.isFullScreen());
    w.PressOnFocus(Qt::Key_Escape);
    QCOMPARE(ZoomOf(w).ShownZoom(), tarvelo::FittingZoom(screenPixels, kClosedSize, 1.0));
    QVERIFY(w.window.isFullScreen());

    QTest::keyClick(&w.window, Qt::Key_F11);
    QVERIFY(!ZoomOf(w).FullScreen());
    QCOMPARE(w.window.size(), kClosedSize);
    QCOMPARE(ScreenPixels(w.window), kClosedSize);
}

void MovesWindowTest::aMoveThroughTheButtonsIsOneStepToUndo_data() {
    using Setup = std::function<void(PanelWindow&)>;
    QTest::addColumn<Setup>("setUp");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("status");
    QTest::addColumn<Kinds>("leftAfter");
    QTest::addColumn<Kinds>("rightAfter");
    const Kinds left{PieceKind::kX, PieceKind::kTwo};
    const Kinds right{PieceKind::kFive};
    QTest::newRow("split the right 5 into 2 + 3") << Setup([](PanelWindow& w) {
        w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
        w.InPanel<QSpinBox>("splitN")->setValue(5);
        w.InPanel<QSpinBox>("cubeA")->setValue(2);
        w.InPanel<QSpinBox>("cubeB")->setValue(3);
    }) << QStringLiteral("split") << QStringLiteral("Done: cube 5 split in two.")
                                                  << left
                                                  << Kinds{PieceKind::kTwo, PieceKind::kThree};
    QTest::newRow("a smiley added to both pans")
        << Setup([](PanelWindow& w) {
               w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kSmileyRow);
           })
        << QStringLiteral("addToBoth") << QStringLiteral("Done: smiley added to both pans.")
        << Kinds{PieceKind::kX, PieceKind::kTwo, PieceKind::kSmiley}
        << Kinds{PieceKind::kFive, PieceKind::kSmiley};
    QTest::newRow("refused: no 2 to take from the right pan") << Setup([](PanelWindow& w) {
        w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kCubeTwoRow);
    }) << QStringLiteral("takeFromBoth") << QStringLiteral("The right pan holds no cube 2.")
                                                              << left << right;
    QTest::newRow("refused: 2 + 3 are not 4") << Setup([](PanelWindow& w) {
        w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
        w.InPanel<QSpinBox>("splitN")->setValue(4);
        w.InPanel<QSpinBox>("cubeA")->setValue(2);
        w.InPanel<QSpinBox>("cubeB")->setValue(3);
    }) << QStringLiteral("split") << QStringLiteral("The two cubes would make 5, not 4.")
                                              << left << right;
}

void MovesWindowTest::aMoveThroughTheButtonsIsOneStepToUndo() {
    using Setup = std::function<void(PanelWindow&)>;
    QFETCH(Setup, setUp);
    QFETCH(QString, button);
    QFETCH(QString, status);
    QFETCH(Kinds, leftAfter);
    QFETCH(Kinds, rightAfter);
    PanelWindow w;
    w.OpenLesson();
    const Kinds left = w.On(tarvelo::kLeftPan);
    const Kinds right = w.On(tarvelo::kRightPan);
    QCOMPARE(left, Sorted({PieceKind::kX, PieceKind::kTwo}));
    const bool couldUndo = w.window.model().history().CanUndo();
    w.OpenPanel();
    setUp(w);

    w.Press(qPrintable(button));
    QCOMPARE(w.Status(), status);
    QCOMPARE(w.Said(), status);
    w.RunMs(kSettleMs);
    QCOMPARE(w.On(tarvelo::kLeftPan), Sorted(leftAfter));
    QCOMPARE(w.On(tarvelo::kRightPan), Sorted(rightAfter));
    if (leftAfter == left && rightAfter == right) {
        QCOMPARE(w.window.model().history().CanUndo(), couldUndo);
        return;
    }
    // One Ctrl+Z, from inside the panel, takes the whole move back.
    w.PressOnFocus(Qt::Key_Z, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    QCOMPARE(w.On(tarvelo::kLeftPan), left);
    QCOMPARE(w.On(tarvelo::kRightPan), right);
}

void MovesWindowTest::enterInANumberBoxMakesItsRowsMove() {
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    QSignalSpy asked(w.Panel(), &MovesPanel::moveRequested);
    w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
    auto* b = w.InPanel<QSpinBox>("cubeB");
    b->setFocus(Qt::TabFocusReason);
    w.PressOnFocus(Qt::Key_Return);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(w.Status(), QStringLiteral("Done: cube 5 split in two."));
    w.RunMs(kSettleMs);
    QCOMPARE(w.On(tarvelo::kRightPan), Sorted({PieceKind::kTwo, PieceKind::kThree}));
}

void MovesWindowTest::aMoveWaitsWhileThePointerHoldsAPiece() {
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    tarvelo::Model& model = w.window.model();
    const tarvelo::SceneObject& piece = model.scene.obj(tarvelo::kFirstPiece);
    const float x = static_cast<float>(piece.objX) + 1;
    const float y = static_cast<float>(piece.objY) + 1;
    model.PointAt(x, y);
    model.Grab(x, y);
    QVERIFY(model.pointer.draggingObj());
    const Kinds right = w.On(tarvelo::kRightPan);
    w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kSmileyRow);

    w.Press("addToBoth");
    QCOMPARE(w.Status(), tarvelo::LetGoFirstSentence());
    QCOMPARE(w.Said(), tarvelo::LetGoFirstSentence());
    QCOMPARE(w.On(tarvelo::kRightPan), right);
}

void MovesWindowTest::theAnswerIsShownAndSaidOnceEachTimeItComes() {
    const QString solved = QStringLiteral("Solved: X = 3.");
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    QSignalSpy said(w.window.findChild<tarvelo::Announcer*>(), &tarvelo::Announcer::said);
    const auto timesSolvedSaid = [&] {
        return std::count_if(said.begin(), said.end(), [&](const QList<QVariant>& s) {
            return s.at(0).toString() == solved;
        });
    };
    const QString unanswered = w.Answer();
    QVERIFY(!unanswered.contains(QLatin1Char('=')));

    w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
    w.Press("split"); // 5 into 2 + 3
    w.RunMs(kSettleMs);
    QCOMPARE(w.Answer(), unanswered);
    w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kCubeTwoRow);
    w.Press("takeFromBoth");
    w.RunMs(kSettleMs);
    QCOMPARE(w.Answer(), QStringLiteral("X = 3"));
    QCOMPARE(timesSolvedSaid(), 1);
    // At rest, every further sync leaves it said once.
    w.RunMs(kSettleMs);
    w.window.SyncFromModel(true);
    QCOMPARE(timesSolvedSaid(), 1);

    // Undone, the answer goes; redone, it comes again and is said again.
    w.PressOnFocus(Qt::Key_Z, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    QCOMPARE(w.Answer(), unanswered);
    w.PressOnFocus(Qt::Key_Y, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    QCOMPARE(w.Answer(), QStringLiteral("X = 3"));
    QCOMPARE(timesSolvedSaid(), 2);
}

void MovesWindowTest::theLockAndTheCheckSayWhatTheUserAsked() {
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    tarvelo::Model& model = w.window.model();
    QSignalSpy locks(w.Panel(), &MovesPanel::lockToggled);
    auto* lock = w.InPanel<QCheckBox>("lockPans");

    lock->setFocus(Qt::TabFocusReason);
    w.PressOnFocus(Qt::Key_Space);
    QCOMPARE(locks.size(), 1);
    QVERIFY(model.PansLocked());
    // Set from outside, the switch follows without a word.
    w.Panel()->SetLocked(false);
    QVERIFY(!lock->isChecked());
    QCOMPARE(locks.size(), 1);
    w.window.SyncFromModel();
    QVERIFY(lock->isChecked()); // the model's lock is what the switch shows

    // Y not checked: X = 4 does not balance X + 2 = 5, and the window says so.
    auto* y = w.InPanel<QSpinBox>("checkY");
    QCOMPARE(y->text(), QStringLiteral("\u2014"));
    w.InPanel<QSpinBox>("checkX")->setValue(4);
    w.Press("check");
    w.RunMs(kSettleMs);
    QCOMPARE(model.scene.xValue(), 4);
    QVERIFY(model.controls.showSolution());
    QCOMPARE(w.Said(), QStringLiteral("Check: 4 + 2 > 5, it does not balance."));
    // A value checked for Y too, the lesson having none: X = 3 balances.
    w.InPanel<QSpinBox>("checkX")->setValue(3);
    y->setValue(4);
    w.Press("check");
    w.RunMs(kSettleMs);
    QCOMPARE(w.Said(), QStringLiteral("Check: 3 + 2 = 5, it balances."));
    QCOMPARE(model.trail.Steps().back().detail.numbers, (std::vector<std::int32_t>{3, 4}));
}

void MovesWindowTest::theTrailListsTheSolvingAndKeepsItsPlace() {
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    auto* trail = w.InPanel<QListWidget>("trail");
    // Before any move, the one line is the balance as it is.
    QCOMPARE(w.Panel()->TrailLines(), QStringList{QStringLiteral("X + 2 = 5")});
    QVERIFY(w.InPanel<QPushButton>("copyTrail")->isEnabled());

    w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
    w.Press("split"); // 5 into 2 + 3
    w.RunMs(kSettleMs);
    trail->setCurrentRow(0);
    w.InPanel<QComboBox>("moveKind")->setCurrentIndex(kCubeTwoRow);
    w.Press("takeFromBoth");
    w.RunMs(kSettleMs);
    const QStringList solving{
        QStringLiteral("X + 2 = 5"),
        QStringLiteral("exchange 5 \u2192 2 + 3: X + 2 = 5"),
        QStringLiteral("take 2 from both: X = 3"),
        QStringLiteral("Solved: X = 3."),
    };
    QCOMPARE(w.Panel()->TrailLines(), solving);
    QCOMPARE(trail->currentRow(), 0); // the line the user stands on stays current
    w.Press("copyTrail");
    QCOMPARE(QGuiApplication::clipboard()->text(), solving.join(QLatin1Char('\n')));

    // Undone, the step's lines are gone; a new scene empties the trail.
    w.PressOnFocus(Qt::Key_Z, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    QCOMPARE(w.Panel()->TrailLines(), solving.mid(0, 2));
    QVERIFY(w.window.OpenProblem(kLessonXPlus2));
    w.RunMs(kSettleMs);
    QCOMPARE(w.Panel()->TrailLines(), QStringList{QStringLiteral("X + 2 = 5")});
}

void MovesWindowTest::aChangeToOnePanAsksForItsTwin() {
    PanelWindow w;
    w.OpenLesson();
    w.OpenPanel();
    tarvelo::Model& model = w.window.model();
    // The topmost piece of `kind` on the left pan, removed with the pointer's right button.
    const auto removeOnLeft = [&](PieceKind kind) {
        for (std::int32_t i = tarvelo::kFirstPiece; i <= model.scene.objCount(); ++i) {
            const tarvelo::SceneObject& o = model.scene.obj(i);
            if (o.objKind == kind && model.scene.PanCarrying(i) == tarvelo::kLeftPan) {
                model.PointAt(static_cast<float>(o.objX + 2), static_cast<float>(o.objY + 2));
                model.RemoveFramed();
                w.window.SyncFromModel(true);
                w.RunMs(kSettleMs);
                return;
            }
        }
        QFAIL("no such piece on the left pan");
    };
    w.InPanel<QComboBox>("exchangePan")->setCurrentIndex(kRightPanRow);
    w.Press("split"); // a move: the solving sets out
    w.RunMs(kSettleMs);
    removeOnLeft(PieceKind::kTwo);
    QCOMPARE(w.Said(), QStringLiteral("Do the same on the other pan to keep the balance."));

    // Locked, a piece with no twin on the other pan stays, and the window says why.
    w.PressOnFocus(Qt::Key_Z, Qt::ControlModifier);
    w.RunMs(kSettleMs);
    w.InPanel<QCheckBox>("lockPans")->click();
    QVERIFY(model.PansLocked());
    removeOnLeft(PieceKind::kX);
    QCOMPARE(w.Said(), QStringLiteral("The pans are locked. The right pan holds no unknown X."));
    QCOMPARE(w.Status(), w.Said());
    QCOMPARE(w.On(tarvelo::kLeftPan), Sorted({PieceKind::kTwo, PieceKind::kX}));
}

void MovesWindowTest::theTrailPrintsToAFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("trail.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(tarvelo::PrintLines({QStringLiteral("X + 2 = 5"), QStringLiteral("X = 3")}, printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > 0);
    QVERIFY(pdf.read(4) == "%PDF");

    // A file that cannot be written whole (a device that is always full) is a print that failed,
    // and says where.
    QPrinter full(QPrinter::HighResolution);
    full.setOutputFormat(QPrinter::PdfFormat);
    full.setOutputFileName(QStringLiteral("/dev/full"));
    QVERIFY(!tarvelo::PrintLines({QStringLiteral("X + 2 = 5")}, full));
    QVERIFY(MovesPanel::TrailNotPrintedMessage(full).contains(QStringLiteral("/dev/full")));
}

void MovesWindowTest::everyControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const std::pair<const char*, const char*> controls[] = {
        {"moveKind", "Piece"},
        {"takeFromBoth", "Take from both pans"},
        {"addToBoth", "Add to both pans"},
        {"exchangePan", "Pan"},
        {"splitN", "N, the cube to split"},
        {"cubeA", "A, the first cube"},
        {"cubeB", "B, the second cube"},
        {"split", "Split N into A + B"},
        {"join", "Join A + B"},
        {"shareGroups", "Groups"},
        {"share", "Share into equal groups"},
        {"answer", "not shown yet"}, // the answer itself, "X = 3" once it is found
        {"lockPans", "Lock both pans"},
        {"checkX", "Value of X"},
        {"checkY", "Value of Y"},
        {"check", "Check"},
        {"trail", "Trail of equations"},
        {"copyTrail", "Copy trail"},
        {"printTrail", "Print trail\u2026"},
        {"sound", "Sound"},
        {"speakBalances", "Read each balance aloud"},
        {"openChallenges", "Challenges\u2026"},
        {"openLessons", "Lessons\u2026"},
        {"closeMovesPanel", "Close the panel"},
    };
    for (const auto& [control, name] : controls) {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(name);
    }
}

void MovesWindowTest::everyControlHasAnAccessibleName() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    PanelWindow w;
    w.OpenPanel();
    QAccessibleInterface* read =
        QAccessible::queryAccessibleInterface(w.InPanel<QWidget>(qPrintable(control)));
    QVERIFY(read != nullptr);
    // Its own name, or (as Qt names a combo box on Linux by its current text) the label that
    // names it.
    QStringList names{read->text(QAccessible::Name)};
    for (const auto& [label, relation] : read->relations(QAccessible::Label)) {
        names << label->text(QAccessible::Name);
    }
    QVERIFY2(names.contains(name), qPrintable(names.join(QStringLiteral(", "))));
}

// In the order the panel shows them, top to bottom.
void MovesWindowTest::tabGoesThroughEveryControl() {
    PanelWindow w;
    w.OpenPanel();
    w.Panel()->ShowTrail({QStringLiteral("X + 2 = 5")});
    QStringList order{Focused()->objectName()};
    for (w.PressOnFocus(Qt::Key_Tab); w.Panel()->isAncestorOf(Focused());
         w.PressOnFocus(Qt::Key_Tab)) {
        order << Focused()->objectName();
    }
    QCOMPARE(order,
             (QStringList{"moveKind",       "takeFromBoth", "addToBoth",      "shareGroups",
                          "share",          "exchangePan",  "splitN",         "cubeA",
                          "cubeB",          "split",        "join",           "lockPans",
                          "checkX",         "checkY",       "check",          "trail",
                          "copyTrail",      "printTrail",   "sound",          "speakBalances",
                          "openChallenges", "openLessons",  "closeMovesPanel"}));
}

QTEST_MAIN(MovesWindowTest)
#include "MovesWindowTest.moc"
