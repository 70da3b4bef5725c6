// The window without a mouse and without a screen: wires the keyboard's input, the focus order
// and the frame that shows the focus, the buttons' shortcuts, and what a screen reader is told
// (names, roles, and what each key did or the balance settled on).
#pragma once

#include "ui/accessibility/SceneAccessible.h"
#include "ui/window/AccessControls.h"
#include "ui/window/Announcements.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace tarvelo {

class FocusRing;
class KeyboardInput;
class Model;

class AccessLayer : public QObject {
    Q_OBJECT
  public:
    using Controls = AccessControls;
    using Handler = InputHandler;

    AccessLayer(QWidget* window, Model& model, Controls controls, Handler handle,
                std::function<void()> openInfo);
    ~AccessLayer() override;

    // After the widgets were brought up to date: the focus frame follows what it frames, the
    // labels' names follow their texts, and what changed in the scene is told to a screen reader
    // at the pace ReaderPace sets. `timerMs` is the timers' time: a balance whose sign and
    // equation stayed the same for a while, or that a scene come to rest shows, has settled, and
    // what it shows is announced once.
    void AfterSync(std::int64_t timerMs);

    // Hands what a screen reader would be told of the scene to `tell` instead of Qt's bridge, at
    // the same pace, and even while Qt says no reader listens, as it always does on the offscreen
    // platform (where Qt 6.4 passes no update on, not even to an installed update handler): for
    // tests that read what a reader is told.
    void TellReaderThrough(SceneAccessible::Telling tell);

    // An answer the balance comes to show is worded by `tell` first (see AnswerTelling).
    void SayAnswersThrough(AnswerTelling tell);

    // Tells a screen reader `text` (see Announcer).
    void Announce(const QString& text);
    // The scene was replaced (New, Restart, Load, a hand-over): says `sentence` (unless empty),
    // and of the balance only the one the new scene comes to rest with.
    void SceneReplaced(const QString& sentence);

    // The last sentence told; for tests.
    QString LastAnnouncement() const;

  signals:
    // The balance was asked for again (Ctrl+B), and said.
    void balanceAskedFor();

  private:
    void SetUpPalette();
    void SetUpScene();
    void SetUpButtons();
    void SetUpFocusOrder();
    // Undo and redo from the keyboard, each told to a screen reader.
    void SetUpUndo();
    void SetUpListening();
    void AddShortcut(const QKeySequence& sequence, const std::function<void()>& action);
    // Gives `widget` its description for a screen reader, and the focus frame while it has the
    // focus.
    void Describe(QWidget* widget, const QString& text);
    // The sign's and the equation's names follow their texts.
    void NameLabels();

    QWidget* window_;
    Model& model_;
    Controls controls_;
    std::function<void()> openInfo_;
    std::unique_ptr<Announcements> news_;
    std::unique_ptr<FocusRing> ring_;
    std::unique_ptr<KeyboardInput> keyboard_;
    std::string shownSign_;
    std::string shownEquation_;
};

} // namespace tarvelo
