// The pointer's events on the main window's surfaces, turned into the model's verbs.
#include "ui/window/PointerInput.h"

#include "core/base/Numeric.h"
#include "core/play/Model.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/PictureBox.h"

#include <QCoreApplication>
#include <QCursor>
#include <QSinglePointEvent>

namespace tarvelo {

namespace {

// Whether any of the buttons the program uses is held.
bool AnyButtonHeld(Qt::MouseButtons buttons) {
    return (buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) != Qt::NoButton;
}

} // namespace

PointerInput::PointerInput(QObject* parent, Model& model, Surfaces surfaces, InputHandler handle)
    : QObject(parent), model_(model), surfaces_(std::move(surfaces)), handle_(std::move(handle)),
      lastOnScreen_(QCursor::pos()) {
    ConnectScene();
    ConnectPalette();
    ConnectDragBoxes();
    QCoreApplication::instance()->installEventFilter(this);
}

QPointF PointerInput::LastInScene() const {
    return surfaces_.scene->mapFromGlobal(lastOnScreen_);
}

bool PointerInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->isSinglePointEvent()) {
        lastOnScreen_ = static_cast<QSinglePointEvent*>(event)->globalPosition();
    }
    return QObject::eventFilter(watched, event);
}

void PointerInput::ConnectScene() {
    // The pointer over the scene frames the piece under it; the left button grabs it and lets
    // it go, the right one removes it.
    SceneCanvas* scene = surfaces_.scene;
    connect(scene, &PointerSurface::moved, this, [this](Qt::MouseButtons, QPointF at) {
        handle_([&] { model_.PointAt(ModelCoordinate(at.x()), ModelCoordinate(at.y())); });
    });
    connect(scene, &PointerSurface::pressed, this, [this](Qt::MouseButton button, QPointF at) {
        handle_([&] {
            if (button == Qt::LeftButton) {
                model_.Grab(ModelCoordinate(at.x()), ModelCoordinate(at.y()));
            } else if (button == Qt::RightButton) {
                model_.RemoveFramed();
            }
        });
    });
    connect(scene, &PointerSurface::released, this, [this](Qt::MouseButton button, QPointF) {
        handle_([&] {
            if (button == Qt::LeftButton) {
                model_.LetGo();
            }
        });
    });
}

void PointerInput::ConnectPalette() {
    // The left button picks up a copy; the right one asks for X's or Y's value.
    for (const auto& [box, kind] : surfaces_.palette) {
        connect(box, &PointerSurface::pressed, this,
                [this, kind = kind](Qt::MouseButton button, QPointF at) {
                    handle_([&] {
                        if (button == Qt::LeftButton) {
                            model_.PickUpCopy(kind, RoundToInt32(at.x()), RoundToInt32(at.y()));
                        } else if (button == Qt::RightButton) {
                            model_.AskUnknownValue(kind);
                        }
                    });
                });
    }
}

void PointerInput::ConnectDragBoxes() {
    // The first move with no button held drops the copy.
    for (PointerSurface* box : surfaces_.dragBoxes) {
        connect(box, &PointerSurface::moved, this, [this](Qt::MouseButtons buttons, QPointF) {
            if (!AnyButtonHeld(buttons)) {
                handle_([this] { model_.DropCopy(); });
            }
        });
    }
}

} // namespace tarvelo
