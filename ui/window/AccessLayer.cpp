// The window without a mouse and without a screen: focus, keys, shortcuts, screen reader.
#include "ui/window/AccessLayer.h"

#include "core/play/Model.h"
#include "ui/accessibility/AccessibleFactory.h"
#include "ui/accessibility/Announcer.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/accessibility/SceneAccessible.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/PictureBox.h"
#include "ui/window/SelectionFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace tarvelo {

namespace {

// Stands out on the white window and on the light yellow scene alike.
const QColor kFocusColour(0xC0, 0x00, 0x80);
constexpr int kFocusLine = 2;
// A balance whose sign and equation stay the same this long, in timer time, has settled.
constexpr std::int64_t kSettledMs = 500;

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::AccessLayer", text);
}

std::optional<Key> KeyOf(const QKeyEvent& event) {
    // Shift+F10 is the keyboard's right click.
    if (event.key() == Qt::Key_F10 && event.modifiers().testFlag(Qt::ShiftModifier)) {
        return Key::AskValue;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt; // shortcuts, not moves
    }
    switch (event.key()) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return Key::Activate;
    case Qt::Key_Escape:
        return Key::Cancel;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_F2:
    case Qt::Key_Menu:
        return Key::AskValue;
    default:
        return std::nullopt;
    }
}

bool Fine(const QKeyEvent& event) {
    return event.modifiers().testFlag(Qt::ShiftModifier);
}

bool IsActivation(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
           event.key() == Qt::Key_Space;
}

} // namespace

AccessLayer::AccessLayer(QWidget* window, Model& model, Controls controls, Handler handle,
                         std::function<void()> openInfo)
    : QObject(window), window_(window), model_(model), controls_(std::move(controls)),
      handle_(std::move(handle)), openInfo_(std::move(openInfo)) {
    InstallAccessibleFactory();
    // The window is the one frame a screen reader takes as the window: focus inside any other
    // would be ignored as not in the active window.
    ReadAs(window_, QAccessible::Window);
    announcer_ = new Announcer(window_);
    focusFrame_ = new SelectionFrame(window_, kFocusColour, kFocusLine);
    focusFrame_->setObjectName(QStringLiteral("focusFrame"));
    focusFrame_->hide();
    SetUpPalette();
    SetUpScene();
    SetUpButtons();
    SetUpFocusOrder();
    SetUpUndo();
    SetUpListening();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (InPalette(now) && !InPalette(old)) {
            SayPaletteHelp();
        }
        PlaceFocusFrame();
    });
}

bool AccessLayer::InPalette(const QWidget* widget) const {
    for (const auto& entry : controls_.palette) {
        if (entry.first == widget) {
            return true;
        }
    }
    return false;
}

void AccessLayer::SayPaletteHelp() {
    Announce(Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                  "Pieces to add. Left and Right choose one; Enter picks up a "
                                  "copy, Page Up and Page Down take it over a pan, Enter drops it, "
                                  "Escape takes it back.")));
}

void AccessLayer::SetUpListening() {
    // From anywhere in the window: the balance again, and what each pan holds.
    AddShortcut(kSayBalanceKey, [this] {
        Announce(BalanceSentence(model_.equation.lblComparison().Caption,
                                 model_.equation.lblEquazione().Caption));
    });
    AddShortcut(kSayPansKey, [this] { Announce(PansSentence(model_.scene)); });
}

void AccessLayer::SceneReplaced(const QString& sentence) {
    Announce(sentence);
    // The pans empty and fill again on the way: only the balance the new scene comes to rest
    // with is news.
    balanceAwaitsRest_ = true;
}

void AccessLayer::SetUpPalette() {
    for (std::size_t k = 0; k < controls_.palette.size(); ++k) {
        auto [box, kind] = controls_.palette[k];
        // One stop for the whole palette: only its current picture takes the focus.
        box->setFocusPolicy(k == 0 ? Qt::TabFocus : Qt::NoFocus);
        ReadAsButton(box);
        box->setAccessibleName(KindName(kind));
        // What every picture's keys do is said once, as the palette gets the focus (see
        // SayPaletteHelp); each picture adds only what is its own.
        SetStandardDescription(box, IsUnknown(kind) ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                                           "F2 sets its value."))
                                                    : QString());
        box->installEventFilter(this);
    }
}

void AccessLayer::SetUpScene() {
    SceneCanvas* scene = controls_.scene;
    scene->setFocusPolicy(Qt::TabFocus);
    SetStandardDescription(
        scene, Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                    "Arrows go from piece to piece; Enter picks a piece up and "
                                    "puts it down, Escape puts it back, Delete removes it.")));
    scene->installEventFilter(this);
}

void AccessLayer::SetUpButtons() {
    for (const auto& [button, sequence] : controls_.buttons) {
        SetStandardDescription(button, sequence.toString(QKeySequence::NativeText));
        button->installEventFilter(this);
        // A shortcut presses its button only while the button is there to press.
        AddShortcut(sequence, [b = button] {
            if (!b->isHidden() && b->isEnabled()) {
                b->click();
            }
        });
    }
    QLabel* info = controls_.info;
    info->setFocusPolicy(Qt::TabFocus);
    ReadAsButton(info);
    info->setAccessibleName(info->toolTip());
    SetStandardDescription(info, controls_.infoShortcut.toString(QKeySequence::NativeText));
    info->installEventFilter(this);
    AddShortcut(controls_.infoShortcut, [this] { openInfo_(); });
}

void AccessLayer::SetUpFocusOrder() {
    std::vector<QWidget*> order;
    for (const auto& entry : controls_.palette) {
        order.push_back(entry.first);
    }
    order.push_back(controls_.scene);
    // The equation line can be reached and read again, with its sign in words.
    controls_.equation->setFocusPolicy(Qt::TabFocus);
    SetStandardDescription(controls_.equation, QString());
    order.push_back(controls_.equation);
    for (const auto& entry : controls_.buttons) {
        order.push_back(entry.first);
    }
    order.push_back(controls_.info);
    // Qt orders only widgets that take the focus: the palette's pictures take it while they are
    // put in line before the scene, so that the window's first focus is the palette's first.
    for (std::size_t k = 1; k < controls_.palette.size(); ++k) {
        controls_.palette[k].first->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    for (std::size_t k = 1; k < controls_.palette.size(); ++k) {
        controls_.palette[k].first->setFocusPolicy(Qt::NoFocus);
    }
}

void AccessLayer::SetUpUndo() {
    const auto step = [this](bool forward) {
        // While the scene empties itself for a new one, undo waits: there may well be steps.
        if (model_.IsCleaning()) {
            Announce(Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                          "Wait a moment: the new scene is being made.")));
            return;
        }
        std::optional<UndoAction> done;
        handle_([&] { done = forward ? model_.Redo() : model_.Undo(); });
        if (done) {
            Announce(UndoSentence(forward, *done));
        } else {
            Announce(forward ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "Nothing to redo."))
                             : Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "Nothing to undo.")));
        }
    };
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [step] { step(false); });
    AddShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [step] { step(true); });
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [step] { step(true); });
}

void AccessLayer::AddShortcut(const QKeySequence& sequence, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(sequence, window_);
    connect(shortcut, &QShortcut::activated, this, action);
}

void AccessLayer::SetStandardDescription(QWidget* widget, const QString& text) {
    standardDescriptions_.insert(widget, text);
    widget->setAccessibleDescription(text);
}

bool AccessLayer::eventFilter(QObject* watched, QEvent* event) {
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

bool AccessLayer::PaletteKey(PictureBox* box, PieceKind kind, const QKeyEvent& event) {
    const std::optional<Key> key = KeyOf(event);
    if (!key) {
        return false;
    }
    const bool carrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Copy;
    if (!carrying &&
        (*key == Key::Left || *key == Key::Right || *key == Key::Home || *key == Key::End)) {
        std::size_t at = 0;
        while (controls_.palette[at].first != box) {
            ++at;
        }
        const std::size_t last = controls_.palette.size() - 1;
        switch (*key) {
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
    const std::size_t piecesBefore = static_cast<std::size_t>(model_.scene.objCount());
    bool used = false;
    handle_([&] { used = model_.PaletteKey(kind, *key, Fine(event)); });
    if (!used) {
        if (*key == Key::AskValue && IsUnknown(kind) &&
            model_.controls.programMode() == ProgramMode::Problem) {
            Announce(kind == PieceKind::kX
                         ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                "In a lesson, X stays hidden: find "
                                                "it with the balance."))
                         : Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                "In a lesson, Y stays hidden: find "
                                                "it with the balance.")));
            return true;
        }
        return *key == Key::Activate; // Enter and Space mean nothing else here
    }
    const bool nowCarrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Copy;
    const QString name = KindName(kind);
    if (!carrying && nowCarrying) {
        Announce(Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 picked up, %2."))
                     .arg(name, CarriedPlace()));
    } else if (carrying && !nowCarrying) {
        Announce(static_cast<std::size_t>(model_.scene.objCount()) > piecesBefore
                     ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 dropped.")).arg(name)
                     : Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 taken back.")).arg(name));
    } else if (nowCarrying) {
        Announce(CarriedPlace());
    }
    return true;
}

bool AccessLayer::SceneKey(const QKeyEvent& event) {
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
    const bool nowCarrying = model_.KeyboardCarrying() == KeyboardPlay::Carrying::Piece;
    const std::int32_t cursor = model_.keyboard.cursor();
    if (!used) {
        if (cursor == kNoObject && *key != Key::Cancel) {
            Announce(Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                          "No pieces yet: add some from the palette.")));
            return true;
        }
        return *key == Key::Activate;
    }
    if (*key == Key::Delete) {
        // Where the cursor went, or the next Delete removes a piece the child did not expect.
        Announce(
            cursor >= 1 && cursor <= scene.objCount()
                ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 removed. Now on %2."))
                      .arg(nameBefore, PieceName(scene, cursor, model_.controls.showSolution()))
                : Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 removed. No pieces left."))
                      .arg(nameBefore));
    } else if (!carrying && nowCarrying) {
        Announce(Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 picked up, %2."))
                     .arg(nameBefore, CarriedPlace()));
    } else if (carrying && !nowCarrying) {
        Announce(
            *key == Key::Cancel
                ? Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 put back.")).arg(nameBefore)
                : Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "%1 put down.")).arg(nameBefore));
    } else if (nowCarrying) {
        Announce(CarriedPlace());
    } else {
        Announce(PieceName(scene, cursor, model_.controls.showSolution()));
    }
    PlaceFocusFrame();
    return true;
}

void AccessLayer::MovePaletteFocus(std::size_t from, std::optional<std::size_t> to) {
    if (!to || *to == from) {
        return;
    }
    PictureBox* next = controls_.palette[*to].first;
    next->setFocusPolicy(Qt::TabFocus);
    next->setFocus(Qt::OtherFocusReason);
    controls_.palette[from].first->setFocusPolicy(Qt::NoFocus);
}

QString AccessLayer::CarriedPlace() const {
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
        return Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over the left pan"));
    case kRightPan:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over the right pan"));
    default:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::AccessLayer", "over no pan"));
    }
}

void AccessLayer::Announce(const QString& text) {
    announcer_->Say(text);
}

QString AccessLayer::LastAnnouncement() const {
    return announcer_->LastSaid();
}

void AccessLayer::AfterSync(std::int64_t timerMs) {
    const std::string& sign = model_.equation.lblComparison().Caption;
    const std::string& equation = model_.equation.lblEquazione().Caption;
    if (sign != shownSign_) {
        shownSign_ = sign;
        controls_.sign->setAccessibleName(SignName(sign));
        SetStandardDescription(controls_.equation, SignName(sign));
    }
    if (equation != shownEquation_) {
        shownEquation_ = equation;
        controls_.equation->setAccessibleName(QString::fromStdString(equation));
    }
    PlaceFocusFrame();
    // The balance has settled when its sign and equation have stayed the same a while, or when
    // the whole scene has come to rest sooner: the window's timers then sleep and their time
    // stands still, so the while would not end before the next key. The model's rest watch
    // found the rest at the tick this sync follows, before the window lets its timers sleep, so
    // the scene's last change is told to a reader before they do.
    const bool atRest = model_.AtRest();
    TellReader(timerMs, atRest);
    const std::string balance = sign + equation;
    if (equation.empty()) {
        return; // no scene yet
    }
    if (balanceAnnounced_.empty()) {
        // The balance the window starts with is no news: it is there before any key.
        balanceSeen_ = balanceAnnounced_ = balance;
    }
    if (balance != balanceSeen_) {
        balanceSeen_ = balance;
        balanceSeenSinceMs_ = timerMs;
    } else if (balanceAwaitsRest_ ? atRest && !model_.IsCleaning()
                                  : balance != balanceAnnounced_ &&
                                        (atRest || timerMs - balanceSeenSinceMs_ >= kSettledMs)) {
        balanceAwaitsRest_ = false;
        balanceAnnounced_ = balance;
        Announce(BalanceSentence(sign, equation));
    }
}

void AccessLayer::TellReader(std::int64_t timerMs, bool atRest) {
    // Without a screen reader listening, the scene's interface is not even made.
    if (!tellInstead_ && !QAccessible::isActive()) {
        return;
    }
    if (!readerPace_.TellNow(ReaderViewOf(model_), timerMs, atRest)) {
        return;
    }
    if (auto* scene = dynamic_cast<SceneAccessible*>(
            QAccessible::queryAccessibleInterface(controls_.scene))) {
        scene->Refresh(tellInstead_ ? tellInstead_ : &QAccessible::updateAccessibility);
    }
}

void AccessLayer::PlaceFocusFrame() {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !standardDescriptions_.contains(focused) ||
        focused->window() != window_) {
        focusFrame_->hide();
        return;
    }
    QRect frame;
    const std::int32_t cursor = model_.keyboard.cursor();
    const std::int32_t held = model_.HeldPiece();
    const std::int32_t framed = held != kNoObject ? held : cursor;
    if (focused == controls_.scene && framed >= 1 && framed <= model_.scene.objCount()) {
        // In the scene, the piece under the keyboard's cursor, just outside its box.
        const SceneObject& o = model_.scene.obj(framed);
        frame =
            QRect(controls_.scene->mapTo(window_, QPoint(o.objX, o.objY)), QSize(o.objW, o.objH))
                .adjusted(-kFocusLine, -kFocusLine, kFocusLine, kFocusLine);
    } else if (focused == controls_.scene) {
        frame = QRect(controls_.scene->mapTo(window_, QPoint()), controls_.scene->size());
    } else {
        frame = QRect(focused->mapTo(window_, QPoint()), focused->size())
                    .adjusted(-kFocusLine, -kFocusLine, kFocusLine, kFocusLine);
    }
    // Put on top only when it moves or appears: every tick comes here.
    if (focusFrame_->geometry() != frame || focusFrame_->isHidden()) {
        focusFrame_->setGeometry(frame);
        focusFrame_->raise();
        focusFrame_->show();
    }
}

} // namespace tarvelo
