// The main window's zoom (Ctrl+Plus, Ctrl+Minus, Ctrl+0) and full screen (F11), kept in the
// user's settings: the whole window scaled as a high-resolution screen scales it.
#pragma once

#include "ui/accessibility/PieceNames.h"

#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <optional>

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

    // Shows the window at `percent` (brought within the limits), or at the zoom nearest to it
    // that the screen allows (see Smallest and Largest). Outside full screen, this is the user's
    // choice and is kept in the settings.
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

    // The room the screen gives windows, in window pixels at the smallest zoom it allows: what
    // a window may grow to and still be shown whole.
    QSize RoomAtSmallest();

  signals:
    // After each change the user asked for: the zoom now shown, whether in full screen, and
    // whether it is the largest or the smallest one the screen allows.
    void zoomed(int percent, bool fullScreen, tarvelo::ZoomEdge edge);

  private:
    void AddShortcuts();
    // Makes every screen's scale its own times `percent`, and the window follow.
    void Show(int percent);
    void FitWindowToScale();
    // The smallest zoom that draws the window true on its screen: a window pixel on at least a
    // screen pixel (100 % on an ordinary screen, 67 % on one the desktop scales to 150 %).
    int Smallest();
    // The largest zoom at which the window fits its screen: whole in full screen, less the
    // desktop's panels in a window; never below the smallest.
    int Largest();
    // `percent` within the two.
    int Fitted(int percent);
    // The zoom Ctrl+Plus (`upward`) or Ctrl+Minus goes to: the next step within what the screen
    // allows, or the smallest, or the zoom 100 % fits to; none at an end.
    std::optional<int> NextOffered(bool upward);
    // `percent` shown as SetZoom shows it, said as a key towards `towards` says it.
    void SetZoom(int percent, ZoomEdge towards);
    // Says what the zoom now is (zoomed), and whether it stands at the edge `towards`.
    void Tell(ZoomEdge towards);
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
