// The main window as the user sees it, offscreen: the layout, the start-up figures, the scene as
// painted, and New.
#include "ui/painting/PiecePictures.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/painting/ScenePainter.h"
#include "ui/window/FrmMain.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <random>

using tarvelo::FrmMain;
using tarvelo::PictureOf;
using tarvelo::PieceKind;

#include "WindowFixture.h"

using tarvelo::test::Rgb;
using tarvelo::test::StartedWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void layout_data();
    void layout();
    void startUpFigures();
    void scenePaintsThePansOnTheLevelLine();
    void overlappingPiecesCombineByAnd();
    void picturesOutOfSightAreLeftOut();
    void repaintingWhatChangedShowsTheWholeScene();
    void newLetsEverythingFallOutAndRebuilds();
    void aSecondNewDuringTheWaitIsDropped();
    void saveLoadAndRestartWaitForNothingDuringNew();
    void timersSleepAtRestAndWakeOnInput();
    void showSolutionButtonSwitchesThePictures();
    void aValueWithoutACubeIsPaintedOnACubeOfItsOwn();
    void problemModeShowsOnlyRestartAndShowSolution();
};

void MainWindowTest::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::newRow("pictDraw") << "pictDraw" << QRect(4, 60, 953, 421) << true;
    QTest::newRow("scene client") << "pictDrawClient" << QRect(2, 2, 949, 417) << true;
    QTest::newRow("lblEquazione") << "lblEquazione" << QRect(2, 506, 955, 35) << true;
    QTest::newRow("lblInfo") << "lblInfo" << QRect(936, 42, 19, 17) << true;
    QTest::newRow("Label1") << "Label1" << QRect(832, 14, 123, 47) << true;
    QTest::newRow("Label2") << "Label2" << QRect(0, 484, 323, 27) << true;
    QTest::newRow("Label3") << "Label3" << QRect(692, 484, 263, 27) << true;
    QTest::newRow("Command1") << "Command1" << QRect(798, 380, 151, 37) << true;
    QTest::newRow("Command2") << "Command2" << QRect(4, 378, 81, 37) << true;
    QTest::newRow("Command3") << "Command3" << QRect(96, 378, 75, 37) << true;
    QTest::newRow("Command4") << "Command4" << QRect(176, 378, 75, 37) << true;
    QTest::newRow("Command5") << "Command5" << QRect(4, 378, 87, 37) << false;
    QTest::newRow("HiddenText") << "HiddenText" << QRect(674, 14, 109, 21) << false;
    QTest::newRow("dragImg") << "dragImg" << QRect(50, 12, 35, 41) << false;
    QTest::newRow("dragImgInt") << "dragImgInt" << QRect(66, 24, 35, 41) << false;
    QTest::newRow("lblMassa") << "lblMassa" << QRect(664, 30, 85, 41) << false;
    QTest::newRow("selObj") << "selObj" << QRect(586, 52, 43, 47) << false;
    // The palette reads smiley, 0, 1 to 9, X, Y; each box is the size of its picture.
    QTest::newRow("img21") << "img21" << QRect(8, 10, 36, 35) << true;
    QTest::newRow("img10") << "img10" << QRect(94, 10, 45, 40) << true;
    const int digitLefts[] = {148, 202, 262, 320, 384, 444, 504, 560, 622};
    for (int k = 1; k <= 9; ++k) {
        const QByteArray name = "img" + QByteArray::number(k);
        QTest::newRow(name.constData())
            << QString::fromLatin1(name) << QRect(digitLefts[k - 1], 10, 45, 40) << true;
    }
    QTest::newRow("img11") << "img11" << QRect(718, 10, 45, 40) << true;
    QTest::newRow("img12") << "img12" << QRect(776, 10, 45, 40) << true;
    QTest::newRow("img0") << "img0" << QRect(940, 10, 415, 11) << false;
}

void MainWindowTest::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    StartedWindow w;
    auto* widget = w.window.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), visible);
}

void MainWindowTest::startUpFigures() {
    StartedWindow w;
    QCOMPARE(w.window.size(), QSize(960, 546));
    QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo"));
    auto* sign = w.child<QLabel>("lblComparison");
    QCOMPARE(sign->text(), QStringLiteral("="));
    QCOMPARE(sign->pos(), QPoint(449, 292));
    QCOMPARE(sign->size(), QSize(51, 41));
    QCOMPARE(w.child<QLabel>("lblEquazione")->text(), QStringLiteral("0 = 0"));
    QCOMPARE(w.child<QPushButton>("Command1")->text(), QStringLiteral("Show solution"));
    QCOMPARE(w.child<QPushButton>("Command2")->text(), QStringLiteral("New"));
    QCOMPARE(w.child<QPushButton>("Command3")->text(), QStringLiteral("Load"));
    QCOMPARE(w.child<QPushButton>("Command4")->text(), QStringLiteral("Save"));
    QVERIFY(!w.child<QPushButton>("Command5")->isEnabled());
    QCOMPARE(w.child<QLabel>("lblInfo")->toolTip(), QStringLiteral("Program info"));

    const auto& m = w.window.model();
    QCOMPARE(m.scene.obj(1).objX, 30);
    QCOMPARE(m.scene.obj(2).objX, 504);
    QCOMPARE(m.scene.obj(1).objY, 292);
    for (auto* timer : w.window.findChildren<QTimer*>()) {
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }
    QCOMPARE(w.child<QTimer>("realityTimer")->interval(), 10);
    QCOMPARE(w.child<QTimer>("MouseTimer")->interval(), 10);
    QCOMPARE(w.child<QTimer>("balanceTimer")->interval(), 50);
}

void MainWindowTest::scenePaintsThePansOnTheLevelLine() {
    StartedWindow w;
    const QImage scene = w.Scene();
    QCOMPARE(scene.size(), QSize(949, 417));
    // Each pan: rows 0 to 6 black, rows 7 to 10 blue (ANDed with the light yellow scene).
    const QRgb blue = Rgb(0x0000FFu & tarvelo::kSceneBackground);
    for (int left : {30, 504}) {
        for (int x : {left + 10, left + 200, left + 400}) {
            QCOMPARE(Rgb(scene.pixel(x, 292)), 0x000000u);
            QCOMPARE(Rgb(scene.pixel(x, 298)), 0x000000u);
            QCOMPARE(Rgb(scene.pixel(x, 299)), blue);
            QCOMPARE(Rgb(scene.pixel(x, 302)), blue);
            QCOMPARE(Rgb(scene.pixel(x, 291)), Rgb(tarvelo::kSceneBackground));
            QCOMPARE(Rgb(scene.pixel(x, 303)), Rgb(tarvelo::kSceneBackground));
        }
    }
    // Between the pans and above them, the empty scene.
    QCOMPARE(Rgb(scene.pixel(474, 297)), Rgb(tarvelo::kSceneBackground));
    QCOMPARE(Rgb(scene.pixel(200, 100)), Rgb(tarvelo::kSceneBackground));
}

void MainWindowTest::overlappingPiecesCombineByAnd() {
    StartedWindow w;
    auto& m = w.window.model();
    // The X cube over the right half of the cube bearing 5.
    const QPoint five(100, 100);
    const QPoint x(122, 104);
    m.AddObject(PieceKind::kFive, five.x(), five.y());
    m.AddObject(PieceKind::kX, x.x(), x.y());
    w.window.SyncFromModel();
    const QImage scene = w.Scene();

    tarvelo::PiecePictures pictures;
    const QImage& fivePicture = pictures.Picture(PictureOf(PieceKind::kFive), 1.0);
    const QImage& xPicture = pictures.Picture(PictureOf(PieceKind::kX), 1.0);
    const QRgb background = Rgb(tarvelo::kSceneBackground);
    int mixed = 0;
    for (int sy = x.y(); sy < five.y() + 40; ++sy) {
        for (int sx = x.x(); sx < five.x() + 45; ++sx) {
            const QRgb a = Rgb(fivePicture.pixel(sx - five.x(), sy - five.y()));
            const QRgb b = Rgb(xPicture.pixel(sx - x.x(), sy - x.y()));
            QCOMPARE(Rgb(scene.pixel(sx, sy)), a & b & background);
            // Count the pixels where both pieces show through together.
            mixed += (a & b) != a && (a & b) != b;
        }
    }
    QVERIFY(mixed > 100);
    // Where one picture lies alone, it combines with the background only.
    QCOMPARE(Rgb(scene.pixel(105, 130)), Rgb(fivePicture.pixel(5, 30)) & background);
}

// Six pieces in the air over the scene, the window's own timers running: New has something to
// wait for.
void DropSixPiecesAndRun(StartedWindow& w) {
    for (int i = 0; i < 6; ++i) {
        w.window.model().AddObject(tarvelo::CubeBearing(1 + i).value(), 60 + 70 * i, 200);
    }
    w.window.SetTimersRunning(true);
}

// Pictures wholly outside the scene are left out of what is painted; the scene looks exactly as
// if every picture had been painted, and a piece moving out of sight paints nothing new.
void MainWindowTest::picturesOutOfSightAreLeftOut() {
    StartedWindow w;
    auto& m = w.window.model();
    const struct {
        int x, y;
        bool inSight;
    } pieces[] = {{100, 100, true},  {-44, 100, true},   {-45, 100, false}, {948, 50, true},
                  {949, 50, false},  {300, -39, true},   {300, -40, false}, {300, 416, true},
                  {300, 417, false}, {-900, -900, false}};
    const std::int32_t pan = PictureOf(PieceKind::kPan);
    std::vector<tarvelo::DrawItem> everything = {{pan, m.scene.obj(1).objX, m.scene.obj(1).objY},
                                                 {pan, m.scene.obj(2).objX, m.scene.obj(2).objY}};
    std::size_t shown = 2;
    for (const auto& p : pieces) {
        m.AddObject(PieceKind::kThree, p.x, p.y);
        everything.push_back({PictureOf(PieceKind::kThree), p.x, p.y});
        shown += p.inSight ? 1 : 0;
    }
    QCOMPARE(m.drawing.drawList().size(), shown);

    tarvelo::PiecePictures pictures;
    QImage all(tarvelo::layout::kSceneWidth, tarvelo::layout::kSceneHeight, QImage::Format_RGB32);
    QImage inSight = all;
    tarvelo::PaintScene(all, everything, pictures);
    tarvelo::PaintScene(inSight, m.drawing.drawList(), pictures);
    QCOMPARE(inSight, all);

    const std::uint64_t revision = m.drawing.sceneRevision();
    m.scene.Edit(m.scene.objCount()).objY -= 100; // the piece far out of sight moves
    m.RefreshObjects();
    QCOMPARE(m.drawing.sceneRevision(), revision);
}

// The scene is painted again only where its pictures changed; what it shows is always what a
// paint of the whole list gives.
void MainWindowTest::repaintingWhatChangedShowsTheWholeScene() {
    StartedWindow w;
    auto& m = w.window.model();
    std::mt19937 random(8);
    const auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    tarvelo::PiecePictures pictures;
    for (int round = 0; round < 12; ++round) {
        for (int n = pick(0, 6); n > 0; --n) {
            m.AddObject(pick(0, 12) == 0 ? PieceKind::kSmiley
                                         : tarvelo::PieceKindFromNumber(pick(1, 12)).value(),
                        pick(-40, 940), pick(-40, 410));
        }
        for (int n = pick(0, 4); n > 0 && m.scene.objCount() > 2; --n) {
            m.scene.Edit(pick(3, m.scene.objCount())).objY += pick(-30, 30);
        }
        if (m.scene.objCount() > 2 && pick(0, 2) == 0) {
            m.RemoveBlock(pick(3, m.scene.objCount()));
        }
        m.RefreshObjects();
        w.window.SyncFromModel();
        QImage whole(tarvelo::layout::kSceneWidth, tarvelo::layout::kSceneHeight,
                     QImage::Format_RGB32);
        tarvelo::PaintScene(whole, m.drawing.drawList(), pictures);
        // The scene alone, without the buttons and labels standing on it.
        QImage shown(whole.size(), QImage::Format_RGB32);
        w.window.sceneCanvas()->render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        QCOMPARE(shown, whole);
    }
}

void MainWindowTest::newLetsEverythingFallOutAndRebuilds() {
    StartedWindow w;
    auto& m = w.window.model();
    DropSixPiecesAndRun(w);
    QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(m.scene.objCount(), 2);
    QVERIFY(m.scene.obj(1).objFixed && m.scene.obj(2).objFixed);
    QCOMPARE(m.scene.obj(1).objY, 292);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo"));
}

void MainWindowTest::aSecondNewDuringTheWaitIsDropped() {
    StartedWindow w;
    auto& m = w.window.model();
    DropSixPiecesAndRun(w);
    bool clickedDuringWait = false;
    QTimer::singleShot(30, &w.window, [&] {
        clickedDuringWait = m.IsCleaning();
        QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    });
    QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(clickedDuringWait);
    QCOMPARE(m.scene.objCount(), 2);
    QVERIFY(m.scene.obj(1).objFixed && m.scene.obj(2).objFixed);
    QCOMPARE(m.scene.obj(1).objY, 292);
    // The scene goes on working: a piece dropped now lands on a pan.
    m.AddObject(PieceKind::kFive, 100, 150);
    QTRY_COMPARE_WITH_TIMEOUT(m.scene.obj(3).objY + 40, m.scene.obj(1).objY, 5000);
}

void MainWindowTest::saveLoadAndRestartWaitForNothingDuringNew() {
    StartedWindow w;
    auto& m = w.window.model();
    DropSixPiecesAndRun(w);
    bool clickedDuringWait = false;
    QStringList opened;
    QTimer::singleShot(30, &w.window, [&] {
        clickedDuringWait = m.IsCleaning();
        for (const char* button : {"Command3", "Command4", "Command5"}) {
            // Any dialog that did open is noted and closed, so the test goes on.
            QTimer::singleShot(0, &w.window, [&, button] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    opened << QString::fromLatin1(button);
                    dialog->close();
                }
            });
            w.window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        }
    });
    QTest::mouseClick(w.child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(clickedDuringWait);
    QCOMPARE(opened, QStringList());
    QCOMPARE(m.scene.objCount(), 2);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Tarvelo"));
}

void MainWindowTest::timersSleepAtRestAndWakeOnInput() {
    StartedWindow w;
    auto& m = w.window.model();
    m.AddObject(PieceKind::kFive, 100, 150);
    w.window.SetTimersRunning(true);
    QVERIFY(!w.window.TimersResting());
    // The piece lands, the pans tilt and settle; then the ticks change nothing and stop.
    QTRY_VERIFY_WITH_TIMEOUT(w.window.TimersResting(), 5000);
    QCOMPARE(m.scene.obj(1).objY - m.scene.obj(2).objY, 18);
    QVERIFY(!w.child<QTimer>("realityTimer")->isActive());

    // The pointer moving over the scene wakes them.
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 100), QPointF(300, 100), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.window.sceneCanvas(), &move);
    QVERIFY(!w.window.TimersResting());
    QVERIFY(w.child<QTimer>("realityTimer")->isActive());
    QVERIFY(w.child<QTimer>("balanceTimer")->isActive());
    QVERIFY(w.child<QTimer>("MouseTimer")->isActive());
}

void MainWindowTest::showSolutionButtonSwitchesThePictures() {
    StartedWindow w;
    auto& m = w.window.model();
    m.scene.SetXYvalues(7, m.scene.yValue());
    m.AddObject(PieceKind::kX, 100, 100);
    w.window.SyncFromModel();
    tarvelo::PiecePictures pictures;
    const auto shows = [&](std::int32_t picture) {
        const QImage scene = w.Scene();
        const QImage& expected = pictures.Picture(picture, 1.0);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 45; ++x) {
                if (Rgb(scene.pixel(100 + x, 100 + y)) !=
                    (Rgb(expected.pixel(x, y)) & Rgb(tarvelo::kSceneBackground))) {
                    return false;
                }
            }
        }
        return true;
    };
    auto* button = w.child<QPushButton>("Command1");
    QVERIFY(shows(PictureOf(PieceKind::kX)));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Hide solution"));
    QVERIFY(shows(PictureOf(PieceKind::kSeven)));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Show solution"));
    QVERIFY(shows(PictureOf(PieceKind::kX)));
}

void MainWindowTest::aValueWithoutACubeIsPaintedOnACubeOfItsOwn() {
    tarvelo::PiecePictures pictures;
    for (int value : {10, -12}) {
        const QImage& cube = pictures.Picture(tarvelo::kNumberCubePicture + value, 1.0);
        QCOMPARE(cube.size(), QSize(45, 40));
        QCOMPARE(Rgb(cube.pixel(44, 0)), 0xFFFFFFu);  // white around the cube
        QCOMPARE(Rgb(cube.pixel(10, 37)), 0x00FFFFu); // the cyan face
        int dark = 0;
        for (int y = 10; y < 38; ++y) {
            for (int x = 10; x < 43; ++x) {
                dark += Rgb(cube.pixel(x, y)) == 0;
            }
        }
        QVERIFY2(dark > 40, "the number is written on the face");
    }
    // At twice the resolution the cube is drawn anew, not enlarged.
    QCOMPARE(pictures.Picture(tarvelo::kNumberCubePicture + 10, 2.0).size(), QSize(90, 80));
}

void MainWindowTest::problemModeShowsOnlyRestartAndShowSolution() {
    StartedWindow w;
    w.window.model().controls.UpdateProgramMode(tarvelo::ProgramMode::Problem);
    w.window.SyncFromModel();
    for (const char* hidden : {"Command2", "Command3", "Command4"}) {
        QVERIFY2(!w.child<QPushButton>(hidden)->isVisible(), hidden);
        QVERIFY2(!w.child<QPushButton>(hidden)->isEnabled(), hidden);
    }
    auto* restart = w.child<QPushButton>("Command5");
    QVERIFY(restart->isVisible() && restart->isEnabled());
    QCOMPARE(restart->text(), QStringLiteral("Restart"));
    QCOMPARE(restart->geometry().topLeft(), w.child<QPushButton>("Command2")->geometry().topLeft());
    QVERIFY(w.child<QPushButton>("Command1")->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
