// The window on a screen smaller than it would like, offscreen: run on a 1280 x 800 screen at
// the desktop's 100 % and at its 150 %. The window starts, zooms, opens its moves panel and goes
// full screen without ever growing past the screen, at the largest zoom that fits, and says when
// no larger step fits.
#include "WindowFixture.h"
#include "ui/accessibility/Announcer.h"
#include "ui/window/WindowZoom.h"

#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

using tarvelo::FittingZoom;
using tarvelo::kZoomNormal;
using tarvelo::WindowZoom;
using tarvelo::test::kClosedSize;
using tarvelo::test::KeyedWindow;
using tarvelo::test::kOpenSize;
using tarvelo::test::ZoomOf;

namespace {

constexpr int kPresses = 12; // more than there are steps

QString Said(KeyedWindow& w) {
    return w.window.findChild<tarvelo::Announcer*>()->LastSaid();
}

// The native window's box, in the screen's pixels.
QRect OnScreen(QWidget& window) {
    return window.windowHandle()->handle()->geometry();
}

// The largest of the zoom keys' steps no larger than `percent`.
int LargestStepUpTo(int percent) {
    int largest = tarvelo::kZoomMinimum;
    for (const int step : tarvelo::kZoomSteps) {
        if (step <= percent) {
            largest = step;
        }
    }
    return largest;
}

} // namespace

class ScreenFitWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theWindowStartsAtTheLargestZoomThatFits();
    void aKeptZoomLargerThanTheScreenStartsAtTheLargestThatFits();
    void zoomingInStopsAtTheLargestStepThatFitsAndSaysSo();
    void thePanelFitsAndTheZoomComesBackOnceItCloses();
    void fullScreenFillsTheScreen();

  private:
    // What fits the screen's room, and the whole screen, at the desktop's scale.
    int FitFor(QSize window) const { return FittingZoom(room_, window, scale_); }

    QTemporaryDir settings_;
    QSize room_;  // the screen less the desktop's panels, in its pixels
    QSize whole_; // the whole screen, in its pixels
    double scale_ = 1;
};

void ScreenFitWindowTest::initTestCase() {
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QScreen* screen = QGuiApplication::primaryScreen();
    room_ = screen->handle()->availableGeometry().size();
    whole_ = screen->handle()->geometry().size();
    scale_ = screen->devicePixelRatio();
    // The screens this runs on are too small for some of the zoom keys' steps.
    QVERIFY(FitFor(kClosedSize) < tarvelo::kZoomSteps.back());
}

void ScreenFitWindowTest::cleanup() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
}

void ScreenFitWindowTest::theWindowStartsAtTheLargestZoomThatFits() {
    KeyedWindow w;
    const int expected = std::min(kZoomNormal, FitFor(kClosedSize));
    QCOMPARE(ZoomOf(w).ShownZoom(), expected);
    QCOMPARE(ZoomOf(w).ChosenZoom(), kZoomNormal);
    QVERIFY(QRect(QPoint(), room_).contains(QRect(QPoint(), OnScreen(w.window).size())));
}

void ScreenFitWindowTest::aKeptZoomLargerThanTheScreenStartsAtTheLargestThatFits() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo"))
        .setValue(QStringLiteral("window/zoom"), tarvelo::kZoomMaximum);
    KeyedWindow w;
    QCOMPARE(ZoomOf(w).ShownZoom(), FitFor(kClosedSize));
    // The choice stays the user's, for a larger screen.
    QCOMPARE(ZoomOf(w).ChosenZoom(), tarvelo::kZoomMaximum);
}

void ScreenFitWindowTest::zoomingInStopsAtTheLargestStepThatFitsAndSaysSo() {
    KeyedWindow w;
    const int fit = FitFor(kClosedSize);
    for (int press = 0; press < kPresses; ++press) {
        w.PressOnFocus(Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(QRect(QPoint(), room_).contains(QRect(QPoint(), OnScreen(w.window).size())));
    }
    // Shown from the start at a zoom no step reaches, the window keeps it.
    const int largest = std::max(std::min(kZoomNormal, fit), LargestStepUpTo(fit));
    QCOMPARE(ZoomOf(w).ShownZoom(), largest);
    QCOMPARE(Said(w), QStringLiteral("Zoom %1 %, the largest for this screen.").arg(largest));
    // One step back down is an ordinary step again.
    w.PressOnFocus(Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(ZoomOf(w).ShownZoom() < largest);
    QCOMPARE(Said(w), QStringLiteral("Zoom %1 %.").arg(ZoomOf(w).ShownZoom()));
}

void ScreenFitWindowTest::thePanelFitsAndTheZoomComesBackOnceItCloses() {
    KeyedWindow w;
    const int before = ZoomOf(w).ShownZoom();
    w.PressOnFocus(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(w.window.MovesPanelOpen());
    QCOMPARE(w.window.size(), kOpenSize);
    QCOMPARE(ZoomOf(w).ShownZoom(), std::min(before, FitFor(kOpenSize)));
    QVERIFY(QRect(QPoint(), room_).contains(QRect(QPoint(), OnScreen(w.window).size())));
    w.PressOnFocus(Qt::Key_Escape);
    QCOMPARE(w.window.size(), kClosedSize);
    QCOMPARE(ZoomOf(w).ShownZoom(), before);
}

void ScreenFitWindowTest::fullScreenFillsTheScreen() {
    KeyedWindow w;
    QTest::keyClick(&w.window, Qt::Key_F11);
    QVERIFY(ZoomOf(w).FullScreen());
    const int fit = FittingZoom(whole_, kClosedSize, scale_);
    QCOMPARE(ZoomOf(w).ShownZoom(), fit);
    // Larger than the window's own size where the screen has room: F11 magnifies.
    QVERIFY(fit * scale_ > kZoomNormal);
    QCOMPARE(Said(w), QStringLiteral("Full screen, zoom %1 %.").arg(fit));
    QTest::keyClick(&w.window, Qt::Key_F11);
    QCOMPARE(ZoomOf(w).ShownZoom(), std::min(kZoomNormal, FitFor(kClosedSize)));
}

QTEST_MAIN(ScreenFitWindowTest)
#include "ScreenFitWindowTest.moc"
