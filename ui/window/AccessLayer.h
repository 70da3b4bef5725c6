// The window without a mouse and without a screen: the focus order and the frame that shows the
// focus, the keys of the palette and the scene, the buttons' shortcuts, and what a screen reader
// is told (names, roles, and what each key did or the balance settled on).
#pragma once

#include "core/base/PieceKind.h"
#include "core/play/KeyboardPlay.h"
#include "ui/accessibility/SceneAccessible.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace tarvelo {

class Announcer;
class Model;
class PictureBox;
class SceneCanvas;
class SelectionFrame;

class AccessLayer : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        std::vector<std::pair<PictureBox*, PieceKind>> palette; // box and kind, left to right
        SceneCanvas* scene = nullptr;
        // The buttons from left to right, each with its shortcut.
        std::vector<std::pair<QPushButton*, QKeySequence>> buttons;
        QLabel* info = nullptr;
        QKeySequence infoShortcut;
        QLabel* sign = nullptr;
        QLabel* equation = nullptr;
    };
    // Runs a model handler and brings the widgets up to date.
    using Handler = std::function<void(const std::function<void()>&)>;

    AccessLayer(QWidget* window, Model& model, Controls controls, Handler handle,
                std::function<void()> openInfo);

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
    void TellReaderThrough(SceneAccessible::Telling tell) { tellInstead_ = std::move(tell); }

    // Tells a screen reader `text` (see Announcer).
    void Announce(const QString& text);
    // The scene was replaced (New, Restart, Load, a hand-over): says `sentence`, and of the
    // balance only the one the new scene comes to rest with.
    void SceneReplaced(const QString& sentence);

    // The keys that say the balance again, and what each pan holds.
    static inline const QKeySequence kSayBalanceKey{Qt::CTRL | Qt::Key_B};
    static inline const QKeySequence kSayPansKey{Qt::CTRL | Qt::SHIFT | Qt::Key_B};
    // The last sentence told; for tests.
    QString LastAnnouncement() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetUpPalette();
    void SetUpScene();
    void SetUpButtons();
    void SetUpFocusOrder();
    // Undo and redo from the keyboard, each told to a screen reader.
    void SetUpUndo();
    void SetUpListening();
    bool InPalette(const QWidget* widget) const;
    void SayPaletteHelp();
    void AddShortcut(const QKeySequence& sequence, const std::function<void()>& action);
    bool PaletteKey(PictureBox* box, PieceKind kind, const QKeyEvent& event);
    bool SceneKey(const QKeyEvent& event);
    // Moves the palette's one focus stop `step` pictures on (or to the first or last).
    void MovePaletteFocus(std::size_t from, std::optional<std::size_t> to);
    void PlaceFocusFrame();
    // Tells a screen reader what changed in the scene, if it is time to.
    void TellReader(std::int64_t timerMs, bool atRest);
    // Where the carried copy or piece is, in words.
    QString CarriedPlace() const;
    void SetStandardDescription(QWidget* widget, const QString& text);

    QWidget* window_;
    Model& model_;
    Controls controls_;
    Handler handle_;
    std::function<void()> openInfo_;
    SelectionFrame* focusFrame_ = nullptr;
    Announcer* announcer_ = nullptr;
    QHash<QWidget*, QString> standardDescriptions_;
    std::string shownSign_;
    std::string shownEquation_;
    // The sign and equation the balance last showed, since when, and the last ones announced.
    std::string balanceSeen_;
    std::int64_t balanceSeenSinceMs_ = 0;
    std::string balanceAnnounced_;
    // After the scene was replaced, the balance is told once the new scene has come to rest.
    bool balanceAwaitsRest_ = false;
    ReaderPace readerPace_;
    SceneAccessible::Telling tellInstead_;
};

} // namespace tarvelo
