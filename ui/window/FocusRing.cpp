// The focus order of the main window, the palette's moving focus stop, and the focus frame.
#include "ui/window/FocusRing.h"

#include "core/play/Model.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/PictureBox.h"
#include "ui/window/SelectionFrame.h"

#include <QApplication>

namespace tarvelo {

namespace {

// Stands out on the white window and on the light yellow scene alike.
const QColor kFocusColour(0xC0, 0x00, 0x80);
constexpr int kFocusLine = 2;

// `rect` grown by the frame's line on every side: the frame goes just outside what it frames.
QRect Outside(const QRect& rect) {
    return rect.adjusted(-kFocusLine, -kFocusLine, kFocusLine, kFocusLine);
}

} // namespace

FocusRing::FocusRing(QWidget* window, const Model& model, SceneCanvas* scene, PaletteBoxes palette)
    : window_(window), model_(model), scene_(scene), palette_(std::move(palette)),
      frame_(new SelectionFrame(window, kFocusColour, kFocusLine)) {
    frame_->setObjectName(QStringLiteral("focusFrame"));
    frame_->hide();
}

void FocusRing::Add(QWidget* widget) {
    framed_.insert(widget);
}

void FocusRing::SetOrder(const std::vector<QWidget*>& after) {
    std::vector<QWidget*> order;
    for (const auto& entry : palette_) {
        order.push_back(entry.first);
    }
    order.insert(order.end(), after.begin(), after.end());
    // Qt orders only widgets that take the focus: the palette's pictures take it while they are
    // put in line before the scene, so that the window's first focus is the palette's first.
    for (std::size_t k = 1; k < palette_.size(); ++k) {
        palette_[k].first->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    for (std::size_t k = 1; k < palette_.size(); ++k) {
        palette_[k].first->setFocusPolicy(Qt::NoFocus);
    }
}

bool FocusRing::InPalette(const QWidget* widget) const {
    for (const auto& entry : palette_) {
        if (entry.first == widget) {
            return true;
        }
    }
    return false;
}

bool FocusRing::StepInPalette(const PictureBox* box, Key key) {
    if (key != Key::Left && key != Key::Right && key != Key::Home && key != Key::End) {
        return false;
    }
    std::size_t at = 0;
    while (palette_[at].first != box) {
        ++at;
    }
    const std::size_t last = palette_.size() - 1;
    switch (key) {
    case Key::Left:
        MovePaletteFocus(at, at > 0 ? std::optional(at - 1) : std::nullopt);
        break;
    case Key::Right:
        MovePaletteFocus(at, at < last ? std::optional(at + 1) : std::nullopt);
        break;
    case Key::Home:
        MovePaletteFocus(at, 0);
        break;
    default:
        MovePaletteFocus(at, last);
        break;
    }
    return true;
}

void FocusRing::MovePaletteFocus(std::size_t from, std::optional<std::size_t> to) {
    if (!to || *to == from) {
        return;
    }
    PictureBox* next = palette_[*to].first;
    next->setFocusPolicy(Qt::TabFocus);
    next->setFocus(Qt::OtherFocusReason);
    palette_[from].first->setFocusPolicy(Qt::NoFocus);
}

void FocusRing::Place() {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !framed_.contains(focused) || focused->window() != window_) {
        frame_->hide();
        return;
    }
    const QRect frame = FrameAround(focused);
    // Put on top only when it moves or appears: every tick comes here.
    if (frame_->geometry() != frame || frame_->isHidden()) {
        frame_->setGeometry(frame);
        frame_->raise();
        frame_->show();
    }
}

QRect FocusRing::FrameAround(const QWidget* focused) const {
    if (focused != scene_) {
        return Outside(QRect(focused->mapTo(window_, QPoint()), focused->size()));
    }
    const std::int32_t held = model_.HeldPiece();
    const std::int32_t framed = held != kNoObject ? held : model_.keyboard.cursor();
    if (framed < 1 || framed > model_.scene.objCount()) {
        return QRect(scene_->mapTo(window_, QPoint()), scene_->size());
    }
    // In the scene, the piece held or under the keyboard's cursor, just outside its box.
    const SceneObject& o = model_.scene.obj(framed);
    return Outside(QRect(scene_->mapTo(window_, QPoint(o.objX, o.objY)), QSize(o.objW, o.objH)));
}

} // namespace tarvelo
