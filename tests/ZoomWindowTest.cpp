// The window's zoom on the real widgets, offscreen: the whole window scaled and sharp, a drag on
// a zoomed screen landing where it lands at 100 %, the zoom kept across a restart, its keys and
// its limits, and full screen.
#include "WindowFixture.h"
#include "ui/accessibility/Announcer.h"
#include "ui/painting/PiecePictures.h"
#include "ui/painting/ScenePainter.h"
#include "ui/window/WindowZoom.h"

#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

using tarvelo::PieceKind;
using tarvelo::WindowZoom;
using tarvelo::test::ClockedWindow;
using tarvelo::test::ZoomOf;

namespace {

// Two pictures are alike when few pixels differ by more than a faint edge does: text and
// curves are smoothed differently at each size, and the upscaled one is blurred.
constexpr int kChannelTolerance = 96;
constexpr double kDifferentShareAllowed = 0.03;
// The window at 100 %, in window pixels.
const QSize kNormalSize(tarvelo::layout::kWindowWidth, tarvelo::layout::kWindowHeight);
// Where the pointer takes the cube bearing 5, and where it carries it (window pixels at 100 %).
const QPoint kGrab(20, 20);
const QPoint kSceneCorner(6, 62);
const QPoint kDropInScene(200, 150);

// What the window last told a screen reader.
QString Said(ClockedWindow& w) {
    return w.window.findChild<tarvelo::Announcer*>()->LastSaid();
}

// Qt hands a widget its device pixel ratio in steps of 1/65536.
constexpr double kRatioTolerance = 1e-4;

bool RatioIs(double ratio, double expected) {
    return std::abs(ratio - expected) < kRatioTolerance;
}

// The size of the native window, in screen pixels.
QSize ScreenPixels(QWidget& window) {
    return window.windowHandle()->handle()->geometry().size();
}

// The share of pixels of two pictures of one size that differ by more than the tolerance.
double DifferentShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 different = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                    std::abs(qGreen(p[col]) - qGreen(q[col])),
                                    std::abs(qBlue(p[col]) - qBlue(q[col]))});
            different += d > kChannelTolerance ? 1 : 0;
        }
    }
    return static_cast<double>(different) / (static_cast<double>(x.width()) * x.height());
}

// A pointer event as the window system delivers it: in the screen's pixels, which at `zoom`
// percent are the window's pixels at 100 % times the zoom.
void Pointer(QWidget& window, QEvent::Type type, QPoint atNormal, int zoom, Qt::MouseButtons held,
             Qt::MouseButton button = Qt::NoButton) {
    QWindow* native = window.windowHandle();
    const QPointF local = QPointF(atNormal) * zoom / tarvelo::kZoomNormal;
    const QPointF global = local + native->handle()->geometry().topLeft();
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        native, local, global, held, button, type);
}

// Drags the cube bearing 5 from the palette into the scene with pointer events in the screen's
// pixels at `zoom`, as PointerWindowTest drags it at 100 %, and lets it settle.
void DragCubeIn(ClockedWindow& w, int zoom) {
    const QPoint grab = w.child<QWidget>("img5")->mapTo(&w.window, kGrab);
    const QPoint drop = kSceneCorner + kDropInScene;
    Pointer(w.window, QEvent::MouseMove, grab, zoom, Qt::NoButton);
    Pointer(w.window, QEvent::MouseButtonPress, grab, zoom, Qt::LeftButton, Qt::LeftButton);
    w.RunMs(20);
    Pointer(w.window, QEvent::MouseMove, drop, zoom, Qt::LeftButton);
    w.RunMs(20);
    Pointer(w.window, QEvent::MouseButtonRelease, drop, zoom, Qt::NoButton, Qt::LeftButton);
    w.RunMs(20);
    // The copy drops at the first movement after the release.
    Pointer(w.window, QEvent::MouseMove, drop + QPoint(1, 0), zoom, Qt::NoButton);
    w.RunMs(3000);
}

} // namespace

class ZoomWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theWholeWindowIsScaled_data();
    void theWholeWindowIsScaled();
    void piecesAreDrawnSharpAtTheZoom();
    void aDragLandsWhereItLandsAtNormalSize_data();
    void aDragLandsWhereItLandsAtNormalSize();
    void theZoomIsKeptAcrossARestartAndCtrl0GivesBackTheNormalWindow();
    void theKeysStepTheZoom_data();
    void theKeysStepTheZoom();
    void theZoomStaysWithinItsLimits_data();
    void theZoomStaysWithinItsLimits();
    void aKeptZoomIsReadWithinTheLimits_data();
    void aKeptZoomIsReadWithinTheLimits();
    void fullScreenFitsTheScreenAndGivesBackTheZoom();
    void theFittingZoom_data();
    void theFittingZoom();

  private:
    QTemporaryDir settings_;
};

void ZoomWindowTest::initTestCase() {
    // The zoom is kept in the user's settings: every run starts without any.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void ZoomWindowTest::cleanup() {
    // Each test starts at 100 %, as a first start does.
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
}

void ZoomWindowTest::theWholeWindowIsScaled_data() {
    QTest::addColumn<int>("zoom");
    QTest::newRow("200 %") << 200;
    QTest::newRow("150 %") << 150;
    QTest::newRow("300 %") << 300;
}

void ZoomWindowTest::theWholeWindowIsScaled() {
    QFETCH(int, zoom);
    ClockedWindow w;
    w.RunMs(2000); // the pans come to rest
    const QImage normal = w.window.grab().toImage();
    QCOMPARE(normal.size(), kNormalSize);
    QCOMPARE(ScreenPixels(w.window), kNormalSize);

    ZoomOf(w).SetZoom(zoom);
    QCoreApplication::processEvents();
    const QSize zoomed = kNormalSize * zoom / tarvelo::kZoomNormal;
    // The window keeps its size in window pixels and takes the zoomed size on the screen.
    QCOMPARE(w.window.size(), kNormalSize);
    QCOMPARE(ScreenPixels(w.window), zoomed);
    QVERIFY(RatioIs(w.window.devicePixelRatio(), zoom / double(tarvelo::kZoomNormal)));

    const QImage shown = w.window.grab().toImage();
    QCOMPARE(shown.size(), zoomed);
    const QImage expected = normal.scaled(zoomed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double share = DifferentShare(shown, expected);
    QVERIFY2(share < kDifferentShareAllowed, qPrintable(QString::number(share)));
    // Against a picture that is not the same window (the normal one in the zoomed one's
    // corner), the comparison fails: it does look at the picture.
    QImage cornered(zoomed, QImage::Format_RGB32);
    cornered.fill(Qt::white);
    QPainter(&cornered).drawImage(0, 0, normal);
    QVERIFY(DifferentShare(shown, cornered) > kDifferentShareAllowed);
}

void ZoomWindowTest::piecesAreDrawnSharpAtTheZoom() {
    // A picture drawn at 100 % and enlarged would be blurred: at 200 % the palette and the scene
    // show the pictures drawn for twice the pixels, pixel for pixel.
    constexpr int kZoom = 200;
    constexpr double kRatio = 2.0;
    ClockedWindow w;
    ZoomOf(w).SetZoom(kZoom);
    w.RunMs(2000);
    QCoreApplication::processEvents();

    tarvelo::PiecePictures pictures;
    auto* cube = w.child<QWidget>("img5");
    const QImage palette = cube->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage sharp(cube->size() * kZoom / tarvelo::kZoomNormal, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(kRatio);
    sharp.fill(Qt::white);
    QPainter(&sharp).drawImage(0, 0,
                               pictures.Picture(tarvelo::PictureOf(PieceKind::kFive), kRatio));
    QCOMPARE(palette.size(), sharp.size());
    QVERIFY(palette == sharp);

    auto* canvas = w.window.sceneCanvas();
    const QImage scene = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage drawn(canvas->size() * kZoom / tarvelo::kZoomNormal, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(kRatio);
    tarvelo::PaintScene(drawn, canvas->shownDrawList(), pictures);
    drawn.setDevicePixelRatio(1);
    // The buttons and the sign stand on the scene: compare the left pan about its level line
    // (scene pixels 270 to 320 down, the left 440 across), in the zoomed picture's pixels.
    constexpr int kPanBandTop = 270;
    constexpr int kPanBandHeight = 50;
    constexpr int kLeftHalf = 440;
    const QRect leftPan(0, kPanBandTop * kZoom / tarvelo::kZoomNormal,
                        kLeftHalf * kZoom / tarvelo::kZoomNormal,
                        kPanBandHeight * kZoom / tarvelo::kZoomNormal);
    QVERIFY(scene.copy(leftPan) == drawn.copy(leftPan));
}

void ZoomWindowTest::aDragLandsWhereItLandsAtNormalSize_data() {
    QTest::addColumn<int>("zoom");
    QTest::newRow("100 %") << 100;
    QTest::newRow("200 %") << 200;
    QTest::newRow("300 %") << 300;
    QTest::newRow("150 %") << 150;
    QTest::newRow("110 %") << 110;
    QTest::newRow("125 %") << 125;
}

void ZoomWindowTest::aDragLandsWhereItLandsAtNormalSize() {
    QFETCH(int, zoom);
    ClockedWindow w;
    ZoomOf(w).SetZoom(zoom);
    QCoreApplication::processEvents();
    DragCubeIn(w, zoom);
    const auto& m = w.window.model();
    QCOMPARE(m.scene.objCount(), 3);
    // Where PointerWindowTest sees it at 100 %: grabbed 20 pixels in, resting on the left pan,
    // which went down.
    QCOMPARE(m.scene.obj(3).objKind, PieceKind::kFive);
    QCOMPARE(m.scene.obj(3).objX, kDropInScene.x() - kGrab.x());
    QCOMPARE(m.scene.obj(3).objY + 40, m.scene.obj(1).objY);
    QCOMPARE(m.scene.obj(1).objY - m.scene.obj(2).objY, 18);
}

void ZoomWindowTest::theZoomIsKeptAcrossARestartAndCtrl0GivesBackTheNormalWindow() {
    QImage normal;
    {
        ClockedWindow first;
        first.RunMs(2000);
        normal = first.window.grab().toImage();
        QVERIFY(QTest::qWaitForWindowActive(&first.window));
        QTest::keyClick(&first.window, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&first.window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(ZoomOf(first).ShownZoom(), 125);
    }
    // The window closed gave the screens their own scale back.
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);

    ClockedWindow again;
    again.RunMs(2000);
    QCOMPARE(ZoomOf(again).ChosenZoom(), 125);
    QVERIFY(RatioIs(again.window.devicePixelRatio(), 1.25));
    QCOMPARE(ScreenPixels(again.window), QSize(1200, 683));

    QVERIFY(QTest::qWaitForWindowActive(&again.window));
    QTest::keyClick(&again.window, Qt::Key_0, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QVERIFY(RatioIs(again.window.devicePixelRatio(), 1.0));
    QCOMPARE(again.window.size(), kNormalSize);
    QCOMPARE(ScreenPixels(again.window), kNormalSize);
    QVERIFY(again.window.grab().toImage() == normal);
    QCOMPARE(QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo"))
                 .value(QStringLiteral("window/zoom"))
                 .toInt(),
             100);
}

void ZoomWindowTest::theKeysStepTheZoom_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier;
    const int keypad = Qt::ControlModifier | Qt::KeypadModifier;
    QTest::newRow("Ctrl+Plus") << 100 << int(Qt::Key_Plus) << ctrl << 110;
    QTest::newRow("Ctrl+=") << 100 << int(Qt::Key_Equal) << ctrl << 110;
    QTest::newRow("keypad plus") << 100 << int(Qt::Key_Plus) << keypad << 110;
    QTest::newRow("Ctrl+Minus") << 150 << int(Qt::Key_Minus) << ctrl << 125;
    QTest::newRow("keypad minus") << 150 << int(Qt::Key_Minus) << keypad << 125;
    QTest::newRow("Ctrl+0") << 250 << int(Qt::Key_0) << ctrl << 100;
    QTest::newRow("keypad Ctrl+0") << 250 << int(Qt::Key_0) << keypad << 100;
    QTest::newRow("between steps, up") << 140 << int(Qt::Key_Plus) << ctrl << 150;
    QTest::newRow("between steps, down") << 140 << int(Qt::Key_Minus) << ctrl << 125;
    QTest::newRow("Plus without Ctrl does nothing") << 100 << int(Qt::Key_Plus) << 0 << 100;
}

void ZoomWindowTest::theKeysStepTheZoom() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    ClockedWindow w;
    ZoomOf(w).SetZoom(from);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTest::keyClick(&w.window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ZoomOf(w).ShownZoom(), to);
    QCOMPARE(ZoomOf(w).ChosenZoom(), to);
    QVERIFY(RatioIs(w.window.devicePixelRatio(), to / double(tarvelo::kZoomNormal)));
    // A screen reader hears each change a key makes.
    if (modifiers != 0) {
        QCOMPARE(Said(w), QStringLiteral("Zoom %1 %.").arg(to));
    }
}

void ZoomWindowTest::theZoomStaysWithinItsLimits_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("nothing above 300 %") << 300 << int(Qt::Key_Plus) << 300;
    // Qt draws no widget finer than the screen's own pixels: on a screen of 100 %, nothing below.
    QTest::newRow("nothing below the screen's own pixels") << 100 << int(Qt::Key_Minus) << 100;
    QTest::newRow("asked for 1000 %") << 1000 << 0 << 300;
    QTest::newRow("asked for 50 %") << 50 << 0 << 100;
    QTest::newRow("asked for less than nothing") << -100 << 0 << 100;
}

void ZoomWindowTest::theZoomStaysWithinItsLimits() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    ClockedWindow w;
    ZoomOf(w).SetZoom(from);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    if (key != 0) {
        QTest::keyClick(&w.window, Qt::Key(key), Qt::ControlModifier);
    }
    QCOMPARE(ZoomOf(w).ShownZoom(), to);
    QVERIFY(RatioIs(w.window.devicePixelRatio(), to / double(tarvelo::kZoomNormal)));
}

void ZoomWindowTest::aKeptZoomIsReadWithinTheLimits_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("zoom");
    QTest::newRow("in the steps") << "175" << 175;
    QTest::newRow("between the steps") << "140" << 140;
    QTest::newRow("too large") << "5000" << 300;
    QTest::newRow("too small") << "1" << 50;
    QTest::newRow("not a number") << "large" << 100;
}

void ZoomWindowTest::aKeptZoomIsReadWithinTheLimits() {
    QFETCH(QString, kept);
    QFETCH(int, zoom);
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo"))
        .setValue(QStringLiteral("window/zoom"), kept);
    ClockedWindow w;
    QCOMPARE(ZoomOf(w).ChosenZoom(), zoom);
    // Shown no finer than the screen's own pixels.
    const int shown = std::max(zoom, tarvelo::kZoomNormal);
    QCOMPARE(ZoomOf(w).ShownZoom(), shown);
    QVERIFY(RatioIs(w.window.devicePixelRatio(), shown / double(tarvelo::kZoomNormal)));
}

void ZoomWindowTest::fullScreenFitsTheScreenAndGivesBackTheZoom() {
    ClockedWindow w;
    ZoomOf(w).SetZoom(125);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const QSize screenPixels = w.window.screen()->handle()->geometry().size();
    const int fitting = tarvelo::FittingZoom(screenPixels, kNormalSize, 1.0);

    QTest::keyClick(&w.window, Qt::Key_F11);
    QVERIFY(ZoomOf(w).FullScreen());
    QCOMPARE(ZoomOf(w).ShownZoom(), fitting);
    QVERIFY(w.window.isFullScreen());
    QCOMPARE(Said(w), QStringLiteral("Full screen, zoom %1 %.").arg(fitting));
    // What full screen shows is not the user's choice.
    QCOMPARE(ZoomOf(w).ChosenZoom(), 125);
    QTest::keyClick(&w.window, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo"))
                 .value(QStringLiteral("window/zoom"))
                 .toInt(),
             125);

    QTest::keyClick(&w.window, Qt::Key_F11);
    QVERIFY(!ZoomOf(w).FullScreen());
    QVERIFY(!w.window.isFullScreen());
    QCOMPARE(ZoomOf(w).ShownZoom(), 125);
    QCOMPARE(Said(w), QStringLiteral("Zoom 125 %."));
    QVERIFY(RatioIs(w.window.devicePixelRatio(), 1.25));
    QCOMPARE(w.window.size(), kNormalSize);
    QCOMPARE(ScreenPixels(w.window), QSize(1200, 683));
}

void ZoomWindowTest::theFittingZoom_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("screenScale");
    QTest::addColumn<int>("zoom");
    // The window is 960 x 546 at 100 %.
    QTest::newRow("1280 x 800: the width decides") << QSize(1280, 800) << 1.0 << 133;
    QTest::newRow("1920 x 1080: the height decides") << QSize(1920, 1080) << 1.0 << 197;
    QTest::newRow("exactly twice the window") << QSize(1920, 1092) << 1.0 << 200;
    QTest::newRow("a screen scaled to 200 %") << QSize(2560, 1600) << 2.0 << 133;
    QTest::newRow("3840 x 2160: no more than 300 %") << QSize(3840, 2160) << 1.0 << 300;
    QTest::newRow("a tiny screen: no less than 50 %") << QSize(320, 240) << 1.0 << 50;
}

void ZoomWindowTest::theFittingZoom() {
    QFETCH(QSize, screen);
    QFETCH(double, screenScale);
    QFETCH(int, zoom);
    QCOMPARE(tarvelo::FittingZoom(screen, kNormalSize, screenScale), zoom);
}

QTEST_MAIN(ZoomWindowTest)
#include "ZoomWindowTest.moc"
