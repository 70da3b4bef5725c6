// The main window's zoom and full screen: each screen's high-resolution scale set at run time,
// and the boxes a screen reader asks for given in the screen's pixels at that scale.
//
// Why Qt's own scaling: the window is laid out in fixed pixels, and the model, the pointer, the
// keys, the focus frame and the screen reader's boxes of the pieces all work in those pixels.
// Qt's high-resolution scaling multiplies the whole window (geometry, fonts, pictures painted at
// the device pixel ratio, so pieces and text stay sharp) and divides the pointer's positions
// before any widget sees them, so none of that code changes. Measured here with Qt 6.4 under
// xcb (Xvfb) and offscreen: QHighDpiScaling::setScreenFactor takes effect at once (device pixel
// ratio, grab), the pointer arrives in window pixels, and a resize of the native window makes the
// window and its size hints follow. What does not follow is Qt 6.4's bridge to the
// accessibility bus, which gives a screen reader the unscaled boxes: ScaledExtents answers those
// questions instead.
#include "ui/window/WindowZoom.h"

#include "ui/window/UserSettings.h"

#include <QAccessible>
#include <QBackingStore>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <QtGui/private/qspiaccessiblebridge_p.h>
#include <algorithm>
#include <cmath>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformscreen.h>
#include <vector>

namespace tarvelo {

namespace {

// Where the zoom is kept in the user's settings.
const QString kZoomKey = QStringLiteral("window/zoom");

constexpr double kPercent = 100.0;
// A screen's scale read back from Qt may carry a rounding error: 1.25 may come back a hair
// above or below.
constexpr double kRoundingSlack = 1e-6;

// Ctrl and a key of the keypad.
QKeySequence OnKeypad(Qt::Key key) {
    return QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key));
}

double ScaleOf(int percent) {
    return percent / kPercent;
}

// The accessibility bus's names (AT-SPI) for what Qt's bridge serves.
const QString kAccessiblePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kNullPath = QStringLiteral("/org/a11y/atspi/null");
const QString kComponent = QStringLiteral("org.a11y.atspi.Component");
// Coordinates relative to the screen, or to the object's window.
constexpr uint kScreenCoordinates = 0;
constexpr uint kWindowCoordinates = 1;

} // namespace

int ClampedZoom(int percent) {
    return std::clamp(percent, kZoomMinimum, kZoomMaximum);
}

int NextZoomStep(int percent, bool upward) {
    if (upward) {
        const auto* above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return above == kZoomSteps.end() ? kZoomMaximum : *above;
    }
    const auto* atOrAbove = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return atOrAbove == kZoomSteps.begin() ? kZoomMinimum : *(atOrAbove - 1);
}

int FittingZoom(QSize screenPixels, QSize windowSize, double screenScale) {
    if (windowSize.isEmpty() || screenScale <= 0) {
        return kZoomNormal;
    }
    const double across = screenPixels.width() / (windowSize.width() * screenScale);
    const double down = screenPixels.height() / (windowSize.height() * screenScale);
    // Rounded down: the window must fit, not nearly fit.
    return ClampedZoom(static_cast<int>(std::floor(std::min(across, down) * kPercent)));
}

// Stands in front of Qt's bridge on the accessibility bus: the questions about an object's box
// (extents, position, size, the object at a point) are answered in the screen's pixels at the
// screen's scale; everything else goes on to Qt's bridge as it is. At a scale of 1 everything
// goes on, so an unzoomed window is read exactly as before.
class ScaledExtents : public QDBusVirtualObject {
  public:
    ScaledExtents() {
        bridge_ = Bridge();
        if (bridge_ == nullptr) {
            return; // no accessibility bus (offscreen, or no bridge on this platform)
        }
        // The bridge makes its adaptor only once a screen reader is about; it is the bridge's
        // child, registered right after it is made.
        bridge_->installEventFilter(this);
        StandInFront();
    }
    ~ScaledExtents() override {
        if (bridge_ != nullptr && standing_) {
            QDBusConnection bus = bridge_->dBusConnection();
            bus.unregisterObject(kAccessiblePath, QDBusConnection::UnregisterTree);
            if (qtAdaptor_ != nullptr) {
                bus.registerVirtualObject(kAccessiblePath, qtAdaptor_, QDBusConnection::SubPath);
            }
        }
    }
    ScaledExtents(const ScaledExtents&) = delete;
    ScaledExtents& operator=(const ScaledExtents&) = delete;

    QString introspect(const QString& path) const override {
        return qtAdaptor_ != nullptr ? qtAdaptor_->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() == kComponent && AnswerScaled(message, connection)) {
            return true;
        }
        return qtAdaptor_ != nullptr && qtAdaptor_->handleMessage(message, connection);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == bridge_ && event->type() == QEvent::ChildAdded) {
            // The adaptor is still being made: stand in front once the bridge registered it.
            QTimer::singleShot(0, this, [this] { StandInFront(); });
        }
        return QDBusVirtualObject::eventFilter(watched, event);
    }

  private:
    static QSpiAccessibleBridge* Bridge() {
        QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
        return integration != nullptr
                   ? dynamic_cast<QSpiAccessibleBridge*>(integration->accessibility())
                   : nullptr;
    }

    void StandInFront() {
        if (standing_ || bridge_ == nullptr) {
            return;
        }
        qtAdaptor_ = bridge_->findChild<QDBusVirtualObject*>(QString(), Qt::FindDirectChildrenOnly);
        if (qtAdaptor_ == nullptr) {
            return;
        }
        QDBusConnection bus = bridge_->dBusConnection();
        bus.unregisterObject(kAccessiblePath, QDBusConnection::UnregisterTree);
        standing_ = bus.registerVirtualObject(kAccessiblePath, this, QDBusConnection::SubPath);
        if (!standing_) {
            bus.registerVirtualObject(kAccessiblePath, qtAdaptor_, QDBusConnection::SubPath);
        }
    }

    static QAccessibleInterface* InterfaceAt(const QString& path) {
        if (path == kRootPath) {
            return QAccessible::queryAccessibleInterface(qApp);
        }
        bool number = false;
        const QAccessible::Id id = path.section(QLatin1Char('/'), -1).toUInt(&number);
        return number ? QAccessible::accessibleInterface(id) : nullptr;
    }

    static QString PathOf(QAccessibleInterface* object) {
        if (object->role() == QAccessible::Application) {
            return kRootPath;
        }
        return kAccessiblePath + QLatin1Char('/') + QString::number(QAccessible::uniqueId(object));
    }

    // The screen the object is shown on: its window's, or its nearest ancestor's.
    static QScreen* ScreenOf(QAccessibleInterface* object) {
        for (QAccessibleInterface* at = object; at != nullptr; at = at->parent()) {
            if (QWindow* window = at->window()) {
                return window->screen();
            }
        }
        return QGuiApplication::primaryScreen();
    }

    // The window an object's window coordinates count from, as Qt's bridge finds it.
    static QAccessibleInterface* WindowOf(QAccessibleInterface* object) {
        QAccessibleInterface* at = object;
        while (at != nullptr && at->role() != QAccessible::Window) {
            at = at->parent();
        }
        return at;
    }

    // How a box in window pixels (global) becomes one in screen pixels, for a kind of
    // coordinates: scaled about the screen's corner, or about the window's.
    struct Scaling {
        double scale = 1;
        QPoint from; // the point that stays put, in window pixels
        QPoint to;   // where it lands, in the coordinates asked for
        QRect Out(const QRect& r) const {
            const auto at = [this](int v, int origin, int target) {
                return target + static_cast<int>(std::lround((v - origin) * scale));
            };
            const int left = at(r.left(), from.x(), to.x());
            const int top = at(r.top(), from.y(), to.y());
            return {left, top, at(r.left() + r.width(), from.x(), to.x()) - left,
                    at(r.top() + r.height(), from.y(), to.y()) - top};
        }
        QPoint In(QPoint p) const {
            return from + QPoint(static_cast<int>(std::lround((p.x() - to.x()) / scale)),
                                 static_cast<int>(std::lround((p.y() - to.y()) / scale)));
        }
    };

    static Scaling ScalingOf(QAccessibleInterface* object, uint coordinates) {
        const QScreen* screen = ScreenOf(object);
        Scaling s;
        s.scale = screen != nullptr ? QHighDpiScaling::factor(screen) : 1.0;
        // A screen's corner is at the same place in window and in screen pixels.
        s.from = screen != nullptr ? screen->geometry().topLeft() : QPoint();
        s.to = s.from;
        if (coordinates == kWindowCoordinates) {
            if (QAccessibleInterface* window = WindowOf(object)) {
                s.from = window->rect().topLeft();
                s.to = QPoint();
            }
        }
        return s;
    }

    static QVariant Box(const QRect& r) {
        QDBusArgument box;
        box.beginStructure();
        box << r.x() << r.y() << r.width() << r.height();
        box.endStructure();
        return QVariant::fromValue(box);
    }

    static QVariant Reference(const QDBusConnection& connection, const QString& path) {
        QDBusArgument reference;
        reference.beginStructure();
        reference << connection.baseService() << QDBusObjectPath(path);
        reference.endStructure();
        return QVariant::fromValue(reference);
    }

    // The innermost object at a point in window pixels, as Qt's bridge looks for it.
    static QAccessibleInterface* ObjectAt(QAccessibleInterface* object, QPoint p) {
        QAccessibleInterface* found = nullptr;
        for (QAccessibleInterface* child = object->childAt(p.x(), p.y()); child != nullptr;
             child = child->childAt(p.x(), p.y())) {
            found = child;
        }
        return found;
    }

    // True when the question was answered here.
    static bool AnswerScaled(const QDBusMessage& message, const QDBusConnection& connection) {
        QAccessibleInterface* object = InterfaceAt(message.path());
        if (object == nullptr) {
            return false;
        }
        const QString& question = message.member();
        const QList<QVariant> args = message.arguments();
        const uint coordinates = args.isEmpty() ? kScreenCoordinates : args.last().toUInt();
        const Scaling s = ScalingOf(object, coordinates);
        if (s.scale == 1.0) {
            return false;
        }
        const QRect box = s.Out(object->rect());
        QVariant answer;
        if (question == QLatin1String("GetExtents")) {
            answer = Box(box);
        } else if (question == QLatin1String("GetPosition")) {
            connection.send(message.createReply(QVariantList{box.x(), box.y()}));
            return true;
        } else if (question == QLatin1String("GetSize")) {
            connection.send(message.createReply(QVariantList{box.width(), box.height()}));
            return true;
        } else if (question == QLatin1String("Contains") && args.size() == 3) {
            answer = box.contains(args.at(0).toInt(), args.at(1).toInt());
        } else if (question == QLatin1String("GetAccessibleAtPoint") && args.size() == 3) {
            QAccessibleInterface* at =
                ObjectAt(object, s.In(QPoint(args.at(0).toInt(), args.at(1).toInt())));
            answer = Reference(connection, at != nullptr ? PathOf(at) : kNullPath);
        } else {
            return false;
        }
        connection.send(message.createReply(answer));
        return true;
    }

    QSpiAccessibleBridge* bridge_ = nullptr;
    QPointer<QDBusVirtualObject> qtAdaptor_;
    bool standing_ = false;
};

WindowZoom::WindowZoom(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("windowZoom"));
    AddShortcuts();
    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    bool kept = false;
    const int keptZoom = settings.value(kZoomKey, kZoomNormal).toInt(&kept);
    chosen_ = kept ? ClampedZoom(keptZoom) : kZoomNormal;
    // A window larger than the screen at the desktop's own scale starts smaller, as it fits.
    const int shown = Fitted(chosen_);
    if (shown != kZoomNormal) {
        Show(shown);
    }
}

WindowZoom::~WindowZoom() {
    RestoreScreens();
}

void WindowZoom::AddShortcuts() {
    // Each key as a keyboard types it: "+" is Shift+"=" on many layouts, and the keypad's keys
    // carry the keypad modifier.
    const auto add = [this](const QList<QKeySequence>& keys, void (WindowZoom::*action)()) {
        auto* shortcut = new QShortcut(window_);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
        // Should one press match two keys of one shortcut (the keypad's plus is also a plus),
        // Qt's shortcut map calls it ambiguous: it is still this shortcut, pressed once.
        connect(shortcut, &QShortcut::activatedAmbiguously, this, action);
    };
    add({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
         OnKeypad(Qt::Key_Plus)},
        &WindowZoom::ZoomIn);
    add({QKeySequence(Qt::CTRL | Qt::Key_Minus), OnKeypad(Qt::Key_Minus)}, &WindowZoom::ZoomOut);
    add({QKeySequence(Qt::CTRL | Qt::Key_0), OnKeypad(Qt::Key_0)}, &WindowZoom::ResetZoom);
    add({QKeySequence(Qt::Key_F11)}, &WindowZoom::ToggleFullScreen);
}

void WindowZoom::SetZoom(int percent) {
    SetZoom(percent, ZoomEdge::None);
}

void WindowZoom::SetZoom(int percent, ZoomEdge towards) {
    const int zoom = ClampedZoom(percent);
    if (!fullScreen_) {
        chosen_ = zoom;
        KeepInSettings();
    }
    Show(Fitted(zoom));
    Tell(towards);
}

void WindowZoom::ZoomIn() {
    // A step the screen has no room for is not offered: the zoom stays, and says why.
    if (const std::optional<int> next = NextOffered(true)) {
        SetZoom(*next, ZoomEdge::Largest);
    } else {
        Tell(ZoomEdge::Largest);
    }
}

void WindowZoom::ZoomOut() {
    if (const std::optional<int> next = NextOffered(false)) {
        SetZoom(*next, ZoomEdge::Smallest);
    } else {
        Tell(ZoomEdge::Smallest);
    }
}

std::optional<int> WindowZoom::NextOffered(bool upward) {
    // The steps within what the screen allows, the smallest zoom that draws true (on a desktop
    // scaled to 125 %, 80 %) and the zoom the window starts at, less than 100 % where that does
    // not fit (88 % on a 1280 x 800 screen scaled to 150 %).
    const int smallest = Smallest();
    const int largest = Largest();
    std::vector<int> offered(kZoomSteps.begin(), kZoomSteps.end());
    offered.push_back(smallest);
    offered.push_back(std::clamp(kZoomNormal, smallest, largest));
    std::optional<int> next;
    for (const int zoom : offered) {
        if (zoom < smallest || zoom > largest || (upward ? zoom <= shown_ : zoom >= shown_)) {
            continue;
        }
        if (!next || (upward ? zoom < *next : zoom > *next)) {
            next = zoom;
        }
    }
    return next;
}

void WindowZoom::Tell(ZoomEdge towards) {
    // The edge the key went towards is said once the zoom stands at it, unless it is the edge
    // every screen has (300 %, 50 %): the user learns why the next press does nothing.
    bool atEdge = false;
    if (towards == ZoomEdge::Largest) {
        atEdge = shown_ < kZoomMaximum && !NextOffered(true);
    } else if (towards == ZoomEdge::Smallest) {
        atEdge = shown_ > kZoomMinimum && !NextOffered(false);
    }
    emit zoomed(shown_, fullScreen_, atEdge ? towards : ZoomEdge::None);
}

int WindowZoom::Smallest() {
    // Qt draws widgets at no fewer screen pixels than window pixels: below, a widget's picture
    // lands away from its place (measured with Qt 6.4 under X: pieces cut, boxes black). So a
    // window pixel never takes less than a screen pixel.
    const double own = OwnScale(window_->screen());
    const int least = static_cast<int>(std::ceil(kPercent / own - kRoundingSlack));
    return std::clamp(least, kZoomMinimum, kZoomNormal);
}

int WindowZoom::Largest() {
    QScreen* screen = window_->screen();
    // Full screen fills the whole screen; a window, the screen less the desktop's panels.
    const QSize pixels = fullScreen_ ? screen->handle()->geometry().size()
                                     : screen->handle()->availableGeometry().size();
    return std::max(Smallest(), FittingZoom(pixels, window_->minimumSize(), OwnScale(screen)));
}

int WindowZoom::Fitted(int percent) {
    return std::clamp(percent, Smallest(), Largest());
}

QSize WindowZoom::RoomAtSmallest() {
    QScreen* screen = window_->screen();
    const double scale = OwnScale(screen) * ScaleOf(Smallest());
    const QSize pixels = screen->handle()->availableGeometry().size();
    return {static_cast<int>(pixels.width() / scale), static_cast<int>(pixels.height() / scale)};
}

void WindowZoom::ResetZoom() {
    SetZoom(kZoomNormal);
}

void WindowZoom::SetFullScreen(bool on) {
    if (on == fullScreen_) {
        return;
    }
    fullScreen_ = on;
    // The window system keeps the window's size from before full screen and gives it back when
    // full screen ends: full screen is entered at the chosen zoom and left at it again.
    if (on) {
        window_->showFullScreen();
        Show(Largest());
    } else {
        Show(Fitted(chosen_));
        window_->showNormal();
        FitWindowToScale();
    }
    Tell(ZoomEdge::None);
}

void WindowZoom::ToggleFullScreen() {
    SetFullScreen(!fullScreen_);
}

void WindowZoom::ResizeWindow(QSize size) {
    window_->setFixedSize(size);
    if (!fullScreen_) {
        // Grown, it may no longer fit at the zoom chosen; shrunk, it may show it again.
        const int fitting = Fitted(chosen_);
        if (fitting != shown_) {
            Show(fitting);
        }
        FitWindowToScale();
        return;
    }
    // A window given a size leaves full screen: it goes back, at the zoom that fits it now.
    window_->showFullScreen();
    const int before = shown_;
    Show(Largest());
    FitWindowToScale();
    if (shown_ != before) {
        Tell(ZoomEdge::None);
    }
}

double WindowZoom::OwnScale(QScreen* screen) {
    const QString name = screen->name();
    if (!ownScales_.contains(name)) {
        // A scale for all screens (QT_SCALE_FACTOR) multiplies the screen's own, which is what
        // a screen's factor sets.
        const double everyScreen = QHighDpiScaling::factor(static_cast<QScreen*>(nullptr));
        ownScales_.insert(name, QHighDpiScaling::factor(screen) / everyScreen);
    }
    return ownScales_.value(name);
}

void WindowZoom::Show(int percent) {
    if (percent == shown_ && (everScaled_ || percent == kZoomNormal)) {
        return;
    }
    shown_ = percent;
    // Every screen, so that the window keeps its zoom on whichever screen it is moved to.
    for (QScreen* screen : QGuiApplication::screens()) {
        QHighDpiScaling::setScreenFactor(screen, OwnScale(screen) * ScaleOf(percent));
    }
    everScaled_ = true;
    if (!extents_ && percent != kZoomNormal) {
        extents_ = std::make_unique<ScaledExtents>();
    }
    FitWindowToScale();
}

void WindowZoom::FitWindowToScale() {
    // The widgets keep their sizes in window pixels; the native window does not learn of the new
    // scale by itself. Resizing it to the window's fixed size in window pixels gives it its new
    // size in screen pixels, and the size hints with it, and repaints everything at the new
    // ratio. (In full screen a window manager keeps it at the screen's size; without one, it
    // takes the size that fits.)
    if (QWindow* native = window_->windowHandle()) {
        native->resize(window_->minimumSize());
        window_->resize(window_->minimumSize());
    }
    // The window's buffer keeps its size in screen pixels until the window's own size changes,
    // which a zoom does not, and Qt repaints only what it knows changed: a real X server would
    // show the window drawn at the new ratio into the buffer of the old one, torn, cut off or
    // black where nothing was drawn again. The buffer is made anew at the new ratio, and every
    // widget painted into it.
    if (QBackingStore* buffer = window_->backingStore()) {
        buffer->resize(window_->size());
    }
    window_->update();
    for (QWidget* child : window_->findChildren<QWidget*>()) {
        child->update();
    }
}

void WindowZoom::RestoreScreens() {
    if (!everScaled_) {
        return;
    }
    for (QScreen* screen : QGuiApplication::screens()) {
        QHighDpiScaling::setScreenFactor(screen, OwnScale(screen));
    }
}

void WindowZoom::KeepInSettings() const {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue(kZoomKey, chosen_);
}

} // namespace tarvelo
