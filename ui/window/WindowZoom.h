// The main window's zoom (Ctrl+Plus, Ctrl+Minus, Ctrl+0) and full screen (F11), kept in the
// user's settings: the whole window scaled as a high-resolution screen scales it.
#pragma once

#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <array>
#include <memory>

class QScreen;
class QWidget;

namespace tarvelo {

// Zooms in percent of the window's own size.
constexpr int kZoomNormal = 100;
constexpr int kZoomMinimum = 50;
constexpr int kZoomMaximum = 300;
// The steps Ctrl+Plus and Ctrl+Minus go through.
constexpr std::array<int, 12> kZoomSteps = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// A zoom brought within the limits.
int ClampedZoom(int percent);
// The next step above (`upward`) or below a zoom, or the limit when there is none.
int NextZoomStep(int percent, bool upward);
// The largest zoom (within the limits) at which a window of `windowSize` at 100 % fits a screen
// of `screenPixels`, where 100 % takes `screenScale` screen pixels per window pixel.
int FittingZoom(QSize screenPixels, QSize windowSize, double screenScale);

class ScaledExtents;

class WindowZoom : public QObject {
    Q_OBJECT
  public:
    // Zooms `window` (a top-level of fixed size: its minimum size is its size) to the zoom the
    // user's settings keep, and adds the keys to it.
    explicit WindowZoom(QWidget* window);
    ~WindowZoom() override;
    WindowZoom(const WindowZoom&) = delete;
    WindowZoom& operator=(const WindowZoom&) = delete;

    // The zoom the user chose, which the settings keep; full screen shows another meanwhile.
    int ChosenZoom() const { return chosen_; }
    // The zoom the window shows now.
    int ShownZoom() const { return shown_; }
    bool FullScreen() const { return fullScreen_; }

    // Shows the window at `percent` (brought within the limits). Outside full screen, this is
    // the user's choice and is kept in the settings.
    void SetZoom(int percent);
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();
    // Full screen at the largest zoom that fits the screen; leaving it gives back the zoom
    // chosen before.
    void SetFullScreen(bool on);
    void ToggleFullScreen();
    // Gives the window a new fixed size `size` in window pixels (a panel opened or closed beside
    // it): shown at the zoom it has, or in full screen at the largest zoom that fits it now.
    void ResizeWindow(QSize size);

  signals:
    // After each change the user asked for: the zoom now shown, and whether in full screen.
    void zoomed(int percent, bool fullScreen);

  private:
    void AddShortcuts();
    // Makes every screen's scale its own times `percent`, and the window follow.
    void Show(int percent);
    void FitWindowToScale();
    // The largest zoom at which the window fits its screen.
    int FullScreenZoom();
    // The scale a screen had before any zoom: its resolution's, which a zoom multiplies.
    double OwnScale(QScreen* screen);
    void RestoreScreens();
    void KeepInSettings() const;

    QWidget* window_;
    int chosen_ = kZoomNormal;
    int shown_ = kZoomNormal;
    bool fullScreen_ = false;
    bool everScaled_ = false;          // whether any screen's scale was set here
    QHash<QString, double> ownScales_; // by screen name
    std::unique_ptr<ScaledExtents> extents_;
};

} // namespace tarvelo
