// What the window really put on the screen, frame by frame, against a whole repaint of the same
// scene: pieces entering from above, falling fast, dragged across, deleted, undone and lifted.
#include "WindowFixture.h"
#include "core/io/ProblemFile.h"
#include "ui/painting/PiecePictures.h"
#include "ui/painting/ScenePainter.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>
#include <random>

using tarvelo::test::ClockedWindow;
using tarvelo::test::MoveHeld;

namespace {

using tarvelo::DrawItem;
using tarvelo::Model;
using tarvelo::PieceKind;
using tarvelo::PiecePictures;

// The scene's pixels as the window system holds them: what the last paints left on the screen,
// not a fresh paint of the widget (which grab() would make).
QImage OnScreen(tarvelo::FrmMain& window) {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QRect scene(window.sceneCanvas()->mapTo(&window, QPoint()), window.sceneCanvas()->size());
    return shot.toImage().copy(scene).convertToFormat(QImage::Format_RGB32);
}

// Where the widgets standing over the scene hide it (buttons, labels, the frames), in the
// scene's pixels: only the rest is the scene's own painting.
QRegion CoveredByWidgets(tarvelo::FrmMain& window) {
    QWidget* canvas = window.sceneCanvas();
    QRegion covered;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w == canvas || w->isWindow() || !w->isVisible() || w->isAncestorOf(canvas)) {
            continue;
        }
        covered += QRect(w->mapTo(&window, QPoint()) - canvas->mapTo(&window, QPoint()), w->size());
    }
    return covered;
}

// The first pixel at which the screen differs from a whole repaint of `shown`, outside
// `covered`; none when they agree.
std::optional<QPoint> FirstDifference(const QImage& screen, const std::vector<DrawItem>& shown,
                                      const QRegion& covered) {
    PiecePictures pictures;
    QImage whole(screen.size(), QImage::Format_RGB32);
    tarvelo::PaintScene(whole, shown, pictures);
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, y) != whole.pixel(x, y) && !covered.contains(QPoint(x, y))) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// Runs the window's clock in steps of one reality tick and, at random ticks, lets the window
// system deliver its paints; after each delivery the screen must show exactly a whole repaint
// of what the canvas says it shows.
class FrameWatch {
  public:
    FrameWatch(ClockedWindow& w, unsigned seed) : w_(w), random_(seed) {}

    void Run(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += tarvelo::kRealityStepMs) {
            w_.RunMs(tarvelo::kRealityStepMs);
            if (std::bernoulli_distribution(0.4)(random_)) {
                Deliver();
            }
        }
    }

    // Lets every paint asked for reach the screen, and compares.
    void Deliver() {
        QCoreApplication::processEvents();
        const auto at =
            FirstDifference(OnScreen(w_.window), w_.window.sceneCanvas()->shownDrawList(),
                            CoveredByWidgets(w_.window));
        if (at.has_value() && !failure_.has_value()) {
            failure_ = *at;
        }
        ++frames_;
    }

    // Waits for the canvas to catch up with the model, then compares once more.
    void Settle() {
        QTRY_VERIFY(w_.window.sceneCanvas()->shownDrawList() ==
                    w_.window.model().drawing.drawList());
        Deliver();
    }

    // Where the first stale pixel was seen, in words; empty when every frame was right.
    QString Failure() const {
        return failure_
                   ? QStringLiteral("stale pixel at %1,%2").arg(failure_->x()).arg(failure_->y())
                   : QString();
    }
    int frames() const { return frames_; }

  private:
    ClockedWindow& w_;
    std::mt19937 random_;
    std::optional<QPoint> failure_;
    int frames_ = 0;
};

// A problem whose pieces come in from above the top edge: three X over the left pan at file
// heights 50, 150 and 250, four cubes over the right.
tarvelo::Problem FromAbove() {
    tarvelo::Problem p;
    p.xValue = 4;
    p.yValue = 2;
    for (int y : {50, 150, 250}) {
        p.pieces.push_back({215, y, 4, PieceKind::kX});
    }
    for (int k = 0; k < 4; ++k) {
        p.pieces.push_back({640 + 10 * k, 100 * k, static_cast<float>(k + 1),
                            tarvelo::CubeBearing(k + 1).value()});
    }
    return p;
}

// Many pieces everywhere, some far above the scene, some beside the pans.
tarvelo::Problem Crowded(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> x(0, 900);
    std::uniform_int_distribution<int> y(-600, 250);
    std::uniform_int_distribution<int> kind(1, 12);
    tarvelo::Problem p;
    p.xValue = 3;
    p.yValue = 5;
    for (int i = 0; i < 80; ++i) {
        const PieceKind k = tarvelo::PieceKindFromNumber(kind(random)).value();
        const float mass = k == PieceKind::kX   ? 3.0F
                           : k == PieceKind::kY ? 5.0F
                                                : float(tarvelo::NumberOnCube(k));
        p.pieces.push_back({x(random), y(random), mass, k});
    }
    return p;
}

} // namespace

class RepaintWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void everyFrameIsAWholeRepaint_data();
    void everyFrameIsAWholeRepaint();
    void piecesMovedByThePointerAndTheKeyboard();
    void aHandOverFromFreePlayToAProblem();
};

void RepaintWindowTest::everyFrameIsAWholeRepaint_data() {
    QTest::addColumn<int>("scene");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("from above") << 0 << 1U;
    QTest::newRow("from above, other frames") << 0 << 2U;
    QTest::newRow("crowded") << 1 << 3U;
    QTest::newRow("crowded, other frames") << 1 << 4U;
}

void RepaintWindowTest::everyFrameIsAWholeRepaint() {
    QFETCH(int, scene);
    QFETCH(unsigned, seed);
    ClockedWindow w;
    Model& m = w.window.model();
    m.LoadProblem(scene == 0 ? FromAbove() : Crowded(seed), "scene.trv");
    FrameWatch watch(w, seed);
    watch.Run(4000);
    watch.Settle();
    QVERIFY2(watch.Failure().isEmpty(), qPrintable(watch.Failure()));

    // New empties the scene: nothing of the old pieces stays on the screen.
    w.window.StartNewScene();
    watch.Run(500);
    watch.Settle();
    QVERIFY2(watch.Failure().isEmpty(), qPrintable(watch.Failure()));
    QCOMPARE(m.scene.objCount(), 2);
}

void RepaintWindowTest::piecesMovedByThePointerAndTheKeyboard() {
    ClockedWindow w;
    Model& m = w.window.model();
    auto* canvas = w.window.sceneCanvas();
    FrameWatch watch(w, 7);
    for (int k = 0; k < 4; ++k) {
        m.AddObject(tarvelo::CubeBearing(k + 5).value(), 150 + 5 * k,
                    -40.0 * k); // a tower over the left pan
    }
    watch.Run(2500);

    // The top piece dragged fast across to the right pan and let go high up.
    const tarvelo::SceneObject& top = m.scene.obj(6);
    const QPoint on(top.objX + 10, top.objY + 10);
    QTest::mouseMove(canvas, on);
    QTest::mousePress(canvas, Qt::LeftButton, {}, on);
    for (int step = 1; step <= 10; ++step) {
        MoveHeld(canvas, on + QPoint(50 * step, -15 * step));
        watch.Run(20);
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, on + QPoint(500, -150));
    watch.Run(2500);

    // A cube dropped into the tower is lifted on top of it.
    m.AddObject(PieceKind::kNine, m.scene.obj(3).objX, m.scene.obj(3).objY + 5);
    watch.Run(1500);

    // Deleted from the keyboard, then undone and redone.
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_Home);
    QTest::keyClick(canvas, Qt::Key_Delete);
    watch.Run(1500);
    QVERIFY(m.Undo());
    watch.Run(1500);
    QVERIFY(m.Redo());
    watch.Run(1500);
    watch.Settle();
    QVERIFY2(watch.Failure().isEmpty(), qPrintable(watch.Failure()));
    QVERIFY(watch.frames() > 100);
}

// Another start hands a problem file over while pieces of free play lie on the pans: the old
// pieces leave no trace, and the pans are drawn under the new problem.
void RepaintWindowTest::aHandOverFromFreePlayToAProblem() {
    ClockedWindow w;
    Model& m = w.window.model();
    FrameWatch watch(w, 11);
    for (int k = 0; k < 5; ++k) {
        m.AddObject(tarvelo::CubeBearing(k + 1).value(), 100 + 120 * k, 100);
    }
    watch.Run(2000);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("handed over.trv"));
    const tarvelo::Problem problem = FromAbove();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray text = "# Tarvelo file - 10:00:00 - 01/02/2026\r\n7\r\n3\r\n";
        text += QByteArray::number(static_cast<int>(problem.pieces.size())) + "\r\n";
        for (const tarvelo::ProblemPiece& piece : problem.pieces) {
            for (double v : {double(piece.objX), double(piece.objY), double(piece.objMass),
                             double(tarvelo::KindNumber(piece.objKind))}) {
                text += QByteArray::number(v) + "\r\n";
            }
        }
        QCOMPARE(file.write(text), text.size());
    }
    // The five pieces were built in free play: the lesson asks first, and they are discarded.
    tarvelo::test::AnswerNextDialog([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        box->button(QMessageBox::Discard)->click();
    });
    bool done = false;
    w.window.ExecuteHandOver(QStringLiteral("\"%1\"").arg(path), [&done] { done = true; });
    QVERIFY(done);
    watch.Run(3000);
    watch.Settle();
    QVERIFY2(watch.Failure().isEmpty(), qPrintable(watch.Failure()));
    QCOMPARE(m.controls.programMode(), tarvelo::ProgramMode::Problem);
    const auto& shown = w.window.sceneCanvas()->shownDrawList();
    QCOMPARE(std::count_if(shown.begin(), shown.end(),
                           [](const DrawItem& item) {
                               return item.picture == tarvelo::PictureOf(PieceKind::kPan);
                           }),
             2);
    QCOMPARE(static_cast<int>(shown.size()), 2 + static_cast<int>(problem.pieces.size()));
}

QTEST_MAIN(RepaintWindowTest)
#include "RepaintWindowTest.moc"
