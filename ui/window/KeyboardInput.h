// The keyboard on the main window: the palette's and the scene's keys turned into the model's
// verbs, undo and redo, each told to a screen reader.
#pragma once

#include "core/play/KeyboardPlay.h"
#include "ui/window/AccessControls.h"

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;

namespace tarvelo {

class Announcements;
class FocusRing;
class Model;

class KeyboardInput : public QObject {
    Q_OBJECT
  public:
    KeyboardInput(Model& model, AccessControls controls, InputHandler handle,
                  std::function<void()> openInfo, Announcements& news, FocusRing& ring);

    // Takes the keys pressed on `widget`, and its loss of the focus.
    void Watch(QWidget* widget);
    // Undoes the last step, or redoes the last one undone (`redo`), and says which.
    void UndoStep(bool redo);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool PaletteKey(PictureBox* box, PieceKind kind, const QKeyEvent& event);
    // Says what a palette key the model took did; `carrying`: whether a copy was carried
    // before, `piecesBefore`: how many pieces there were.
    void SayPaletteKey(PieceKind kind, bool carrying, std::size_t piecesBefore);
    // Says why a palette key did nothing; true when it is used up all the same.
    bool SayUnusedPaletteKey(PieceKind kind, Key key);
    bool SceneKey(const QKeyEvent& event);
    // Says what a scene key the model took did to the piece `nameBefore` names; `carrying`:
    // whether a piece was carried before.
    void SaySceneKey(Key key, bool carrying, const QString& nameBefore);
    // `name` was picked up, and where it is carried, in words.
    QString PickedUp(const QString& name) const;
    // Where the carried copy or piece is, in words.
    QString CarriedPlace() const;

    Model& model_;
    AccessControls controls_;
    InputHandler handle_;
    std::function<void()> openInfo_;
    Announcements& news_;
    FocusRing& ring_;
};

} // namespace tarvelo
