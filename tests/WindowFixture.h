// The main window as the program starts it, for tests on the real widgets (offscreen).
#pragma once

#include "core/base/Layout.h"
#include "core/base/VirtualClock.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/FrmMain.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/WindowZoom.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tarvelo::test {

// The window's size in window pixels, with the moves panel closed and open (on a screen with
// room for all of it).
inline const QSize kClosedSize(layout::kWindowWidth, layout::kWindowHeight);
inline const QSize kOpenSize(layout::kWindowWidth, layout::kWindowHeight + kMovesPanelHeight);

// A started and shown window with its timers stopped, so that a test decides when time passes.
struct StartedWindow {
    explicit StartedWindow(const QString& commandLine = {}) : window(commandLine) {
        window.SetTimersRunning(false);
        window.model().InitializeControls(); // the desktop registration has tests of its own
        window.BuildScene();
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
        window.Tick(WindowTimer::Reality); // the first step, as the timer would run it
    }
    template <typename T> T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    // The scene as painted.
    QImage Scene() { return window.sceneCanvas()->grab().toImage(); }
    FrmMain window;
};

// The same window whose three timer handlers run on a virtual clock, in the order the window
// creates its timers, and whose waits run on that clock too.
struct ClockedWindow : StartedWindow {
    explicit ClockedWindow(const QString& commandLine = {}) : StartedWindow(commandLine) {
        window.RunOnClock(clock);
    }
    void RunMs(std::int64_t ms) { clock.Advance(ms); }
    VirtualClock clock;
};

// The clocked window, active, with the keyboard's focus on the control named `focusName` (a
// button, whatever it says counted), and the moves panel at hand.
struct KeyedWindow : ClockedWindow {
    explicit KeyedWindow(const char* focusName = "Command3") {
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        child<QWidget>(focusName)->setFocus(Qt::TabFocusReason);
    }
    // A key pressed where the focus is, as the user presses it.
    void PressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    MovesPanel* Panel() { return window.findChild<MovesPanel*>(); }
    template <typename T> T* InPanel(const char* name) {
        auto* found = Panel()->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(found != nullptr);
        return found;
    }
};

// The window's zoom.
inline WindowZoom& ZoomOf(StartedWindow& w) {
    auto* zoom = w.window.findChild<WindowZoom*>();
    Q_ASSERT(zoom != nullptr);
    return *zoom;
}

inline QRgb Rgb(QRgb pixel) {
    return pixel & 0xFFFFFF;
}

// A pointer movement with a button held down after a press on `pressed`: the pointer goes to
// `to` (in `pressed`'s coordinates) and, as the window system does while a button is held, the
// movement reaches the pressed widget wherever the pointer is.
inline void MoveHeld(QWidget* pressed, QPoint to) {
    QCursor::setPos(pressed->mapToGlobal(to));
    QTest::mouseMove(pressed, to);
}

// Chooses `path` in a file dialog as a user typing it would. (selectFile alone leaves the name
// box as it is while that box has the focus, which it takes as the dialog opens.)
inline void ChooseFile(QFileDialog* files, const QString& path) {
    files->selectFile(path);
    if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setText(path);
    }
}

// Runs `answer` on the next modal dialog that opens, from inside its own event loop.
inline void AnswerNextDialog(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        answer(dialog);
    });
}

// Closes the next message box and keeps its text.
inline void CatchMessage(QString* text) {
    AnswerNextDialog([text](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        *text = box->text();
        box->accept();
    });
}

} // namespace tarvelo::test
