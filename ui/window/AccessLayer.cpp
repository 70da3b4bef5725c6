// The window without a mouse and without a screen: its controls' roles, names and descriptions,
// the shortcuts, and the keyboard, the focus and the announcements wired to them.
#include "ui/window/AccessLayer.h"

#include "core/play/Model.h"
#include "ui/accessibility/AccessibleFactory.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/Announcements.h"
#include "ui/window/FocusRing.h"
#include "ui/window/KeyMap.h"
#include "ui/window/KeyboardInput.h"
#include "ui/window/PictureBox.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace tarvelo {

AccessLayer::AccessLayer(QWidget* window, Model& model, Controls controls, Handler handle,
                         std::function<void()> openInfo)
    : QObject(window), window_(window), model_(model), controls_(std::move(controls)),
      openInfo_(std::move(openInfo)) {
    InstallAccessibleFactory();
    // The window is the one frame a screen reader takes as the window: focus inside any other
    // would be ignored as not in the active window.
    ReadAs(window_, QAccessible::Window);
    news_ = std::make_unique<Announcements>(window_, model_, controls_.scene);
    ring_ = std::make_unique<FocusRing>(window_, model_, controls_.scene, controls_.palette);
    keyboard_ = std::make_unique<KeyboardInput>(model_, controls_, std::move(handle), openInfo_,
                                                *news_, *ring_);
    SetUpPalette();
    SetUpScene();
    SetUpButtons();
    SetUpFocusOrder();
    SetUpUndo();
    SetUpListening();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (ring_->InPalette(now) && !ring_->InPalette(old)) {
            news_->SayPaletteHelp();
        }
        ring_->Place();
    });
}

AccessLayer::~AccessLayer() = default;

void AccessLayer::SetUpListening() {
    // From anywhere in the window: the balance again, and what each pan holds.
    AddShortcut(kSayBalanceKey, [this] {
        news_->SayBalance();
        emit balanceAskedFor();
    });
    AddShortcut(kSayPansKey, [this] { news_->SayPans(); });
}

void AccessLayer::SetUpPalette() {
    for (std::size_t k = 0; k < controls_.palette.size(); ++k) {
        auto [box, kind] = controls_.palette[k];
        // One stop for the whole palette: only its current picture takes the focus.
        box->setFocusPolicy(k == 0 ? Qt::TabFocus : Qt::NoFocus);
        ReadAsButton(box);
        box->setAccessibleName(KindName(kind));
        // What every picture's keys do is said once, as the palette gets the focus (see
        // Announcements::SayPaletteHelp); each picture adds only what is its own.
        Describe(box, IsUnknown(kind) ? AccessText(QT_TRANSLATE_NOOP("tarvelo::AccessLayer",
                                                                     "F2 sets its value."))
                                      : QString());
        keyboard_->Watch(box);
    }
}

void AccessLayer::SetUpScene() {
    SceneCanvas* scene = controls_.scene;
    scene->setFocusPolicy(Qt::TabFocus);
    Describe(scene, AccessText(QT_TRANSLATE_NOOP(
                        "tarvelo::AccessLayer",
                        "Arrows go from piece to piece; Enter picks a piece up and puts it down, "
                        "Escape puts it back, Delete removes it.")));
    keyboard_->Watch(scene);
}

void AccessLayer::SetUpButtons() {
    for (const auto& [button, sequence] : controls_.buttons) {
        Describe(button, sequence.toString(QKeySequence::NativeText));
        keyboard_->Watch(button);
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
    Describe(info, controls_.infoShortcut.toString(QKeySequence::NativeText));
    keyboard_->Watch(info);
    AddShortcut(controls_.infoShortcut, [this] { openInfo_(); });
}

void AccessLayer::SetUpFocusOrder() {
    std::vector<QWidget*> order{controls_.scene};
    // The equation line can be reached and read again, with its sign in words.
    controls_.equation->setFocusPolicy(Qt::TabFocus);
    Describe(controls_.equation, QString());
    order.push_back(controls_.equation);
    for (const auto& entry : controls_.buttons) {
        order.push_back(entry.first);
    }
    order.push_back(controls_.info);
    ring_->SetOrder(order);
}

void AccessLayer::SetUpUndo() {
    AddShortcut(kUndoKey, [this] { keyboard_->UndoStep(false); });
    AddShortcut(kRedoKey, [this] { keyboard_->UndoStep(true); });
    AddShortcut(kRedoOtherKey, [this] { keyboard_->UndoStep(true); });
}

void AccessLayer::AddShortcut(const QKeySequence& sequence, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(sequence, window_);
    connect(shortcut, &QShortcut::activated, this, action);
}

void AccessLayer::Describe(QWidget* widget, const QString& text) {
    ring_->Add(widget);
    widget->setAccessibleDescription(text);
}

void AccessLayer::TellReaderThrough(SceneAccessible::Telling tell) {
    news_->TellReaderThrough(std::move(tell));
}

void AccessLayer::SayAnswersThrough(AnswerTelling tell) {
    news_->SayAnswersThrough(std::move(tell));
}

void AccessLayer::Announce(const QString& text) {
    news_->Say(text);
}

void AccessLayer::SceneReplaced(const QString& sentence) {
    news_->SceneReplaced(sentence);
}

QString AccessLayer::LastAnnouncement() const {
    return news_->LastSaid();
}

void AccessLayer::AfterSync(std::int64_t timerMs) {
    NameLabels();
    ring_->Place();
    news_->AfterSync(timerMs);
}

void AccessLayer::NameLabels() {
    const std::string& sign = model_.equation.lblComparison().Caption;
    const std::string& equation = model_.equation.lblEquazione().Caption;
    if (sign != shownSign_) {
        shownSign_ = sign;
        controls_.sign->setAccessibleName(SignName(sign));
        controls_.equation->setAccessibleDescription(SignName(sign));
    }
    if (equation != shownEquation_) {
        shownEquation_ = equation;
        controls_.equation->setAccessibleName(QString::fromStdString(equation));
    }
}

} // namespace tarvelo
