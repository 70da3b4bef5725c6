// The main window's keys turned into the model's verbs, and what each did told in words.
#include "ui/window/KeyboardInput.h"

#include "core/play/Model.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/Announcements.h"
#include "ui/window/FocusRing.h"
#include "ui/window/KeyMap.h"
#include "ui/window/PictureBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tarvelo {

KeyboardInput::KeyboardInput(Model& model, AccessControls controls, InputHandler handle,
                             std::function<void()> openInfo, Announcements& news, FocusRing& ring)
    : model_(model), controls_(std::move(controls)), handle_(std::move(handle)),
      openInfo_(std::move(openInfo)), news_(news), ring_(ring) {}

void KeyboardInput::Watch(QWidget* widget) {
    widget->installEventFilter(this);
}

void KeyboardInput::UndoStep(bool redo) {
    // While the scene empties itself for a new one, undo waits: there may well be steps.
    if (model_.IsCleaning()) {
        news_.Say(AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                               "Wait a moment: the new scene is being made.")));
        return;
    }
    std::optional<UndoAction> done;
    handle_([&] { done = redo ? model_.Redo() : model_.Undo(); });
    if (done) {
        news_.Say(UndoSentence(redo, *done));
    } else {
        news_.Say(redo ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "Nothing to redo."))
                       : AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "Nothing to undo.")));
    }
}

bool KeyboardInput::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving the palette or the scene with something carried ends the carrying; the window
        // losing the focus to another one does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            model_.KeyboardCarrying() != KeyboardPlay::Carrying::Nothing) {
            handle_([this] { model_.KeyboardFocusLost(); });
        }
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (widget == controls_.scene) {
        return SceneKey(key);
    }
    if (widget == controls_.info && IsActivation(key)) {
        openInfo_();
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget);
        button != nullptr && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
        button->click();
        return true;
    }
    for (const auto& [box, kind] : controls_.palette) {
        if (widget == box) {
            return PaletteKey(box, kind, key);
        }
    }
    return false;
}

bool KeyboardInput::PaletteKey(PictureBox* box, PieceKind kind, const QKeyEvent& event) {
    const std::optional<Key> key = KeyOf(event);
    if (!key) {
        return false;
    }
    const bool carrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Copy;
    if (!carrying && ring_.StepInPalette(box, *key)) {
        return true;
    }
    const std::size_t piecesBefore = static_cast<std::size_t>(model_.scene.objCount());
    bool used = false;
    handle_([&] { used = model_.PaletteKey(kind, *key, Fine(event)); });
    if (!used) {
        return SayUnusedPaletteKey(kind, *key);
    }
    SayPaletteKey(kind, carrying, piecesBefore);
    return true;
}

bool KeyboardInput::SayUnusedPaletteKey(PieceKind kind, Key key) {
    if (key == Key::AskValue && IsUnknown(kind) &&
        model_.controls.programMode() == ProgramMode::Problem) {
        news_.Say(kind == PieceKind::kX
                      ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                     "In a lesson, X stays hidden: "
                                                     "find it with the balance."))
                      : AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                     "In a lesson, Y stays hidden: "
                                                     "find it with the balance.")));
        return true;
    }
    return key == Key::Activate; // Enter and Space mean nothing else here
}

void KeyboardInput::SayPaletteKey(PieceKind kind, bool carrying, std::size_t piecesBefore) {
    const bool nowCarrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Copy;
    const QString name = KindName(kind);
    if (!carrying && nowCarrying) {
        news_.Say(PickedUp(name));
    } else if (carrying && !nowCarrying) {
        news_.Say(
            static_cast<std::size_t>(model_.scene.objCount()) > piecesBefore
                ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 dropped.")).arg(name)
                : AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 taken back."))
                      .arg(name));
    } else if (nowCarrying) {
        news_.Say(CarriedPlace());
    }
}

bool KeyboardInput::SceneKey(const QKeyEvent& event) {
    const std::optional<Key> key = KeyOf(event);
    if (!key) {
        return false;
    }
    const Scene& scene = model_.scene;
    const bool carrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Piece;
    const std::int32_t before = model_.keyboard.cursor();
    const QString nameBefore =
        before >= 1 && before <= scene.objCount() ? KindName(scene.obj(before).objKind) : QString();
    bool used = false;
    handle_([&] { used = model_.SceneKey(*key, Fine(event)); });
    if (!used) {
        if (model_.keyboard.cursor() == kNoObject && *key != Key::Cancel) {
            news_.Say(AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                   "No pieces yet: add some from the palette.")));
            return true;
        }
        return *key == Key::Activate;
    }
    SaySceneKey(*key, carrying, nameBefore);
    ring_.Place();
    return true;
}

void KeyboardInput::SaySceneKey(Key key, bool carrying, const QString& nameBefore) {
    const Scene& scene = model_.scene;
    const bool nowCarrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Piece;
    const std::int32_t cursor = model_.keyboard.cursor();
    if (key == Key::Delete) {
        // Where the cursor went, or the next Delete removes a piece the child did not expect.
        news_.Say(
            cursor >= 1 && cursor <= scene.objCount()
                ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 removed. Now on %2."))
                      .arg(nameBefore, PieceName(scene, cursor, model_.controls.showSolution()))
                : AccessText(
                      QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 removed. No pieces left."))
                      .arg(nameBefore));
    } else if (!carrying && nowCarrying) {
        news_.Say(PickedUp(nameBefore));
    } else if (carrying && !nowCarrying) {
        news_.Say(key == Key::Cancel
                      ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 put back."))
                            .arg(nameBefore)
                      : AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 put down."))
                            .arg(nameBefore));
    } else if (nowCarrying) {
        news_.Say(CarriedPlace());
    } else {
        news_.Say(PieceName(scene, cursor, model_.controls.showSolution()));
    }
}

QString KeyboardInput::PickedUp(const QString& name) const {
    return AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 picked up, %2."))
        .arg(name, CarriedPlace());
}

QString KeyboardInput::CarriedPlace() const {
    const ControlBox& copy = model_.pointer.dragImgInt();
    const std::int32_t held = model_.HeldPiece();
    const bool piece = held != kNoObject;
    const double left =
        piece ? static_cast<double>(model_.scene.obj(held).objX) : static_cast<double>(copy.Left);
    const std::int32_t width = piece ? model_.scene.obj(held).objW : copy.Width;
    // Where it would land, by the same rule the fall follows: a piece reaching past a pan's end
    // by most of its width still lands on that pan.
    switch (LandingPan(model_.scene, left, width, held)) {
    case kLeftPan:
        return AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over the left pan"));
    case kRightPan:
        return AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over the right pan"));
    default:
        return AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over no pan"));
    }
}

} // namespace tarvelo
