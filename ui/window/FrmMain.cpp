// The main window: building its controls, its handlers and copying the model onto the widgets.
#include "ui/window/FrmMain.h"

#include "core/base/Layout.h"
#include "core/base/Numeric.h"
#include "core/base/VirtualClock.h"
#include "core/base/WindowTimers.h"
#include "ui/accessibility/AccessibleFactory.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/PictureBox.h"
#include "ui/window/ProblemMessages.h"
#include "ui/window/SelectionFrame.h"
#include "ui/window/WindowZoom.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTime>
#include <QTimer>

namespace tarvelo {

namespace {

// The window was laid out for a screen of 96 dots per inch: point sizes become these pixel
// sizes, so the texts keep their place whatever the screen reports.
constexpr int kPixelsPerInch = 96;
constexpr double kPointsPerInch = 72.0;
constexpr double kButtonPoints = 8.25;
constexpr double kHintPoints = 12;
constexpr double kEquationPoints = 13.5;
constexpr double kComparisonPoints = 22.5;
constexpr double kInfoPoints = 8.25;

const QColor kWindowBackground(0xFF, 0xFF, 0xFF);
const QColor kEquationBackground(0xC0, 0xFF, 0xC0);
const QColor kInfoBackground(0x00, 0x00, 0xFF);
const QColor kMassaBackground(0xFF, 0xFF, 0x80);
const QColor kDragBackground(0xFF, 0xFF, 0x00);

// The texts the model writes, marked here for translation.
[[maybe_unused]] const char* const kModelTexts[] = {
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Show solution"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Hide solution"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "New"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Load"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Save"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Restart"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "X value\r\n(change or leave unchanged):"),
    QT_TRANSLATE_NOOP("tarvelo::FrmMain", "Y value\r\n(change or leave unchanged):"),
};

// Where a pointer event happened, as the model measures it.
float At(double coordinate) {
    return static_cast<float>(coordinate);
}

// Whether any of the buttons the program uses is held.
bool AnyButtonHeld(Qt::MouseButtons buttons) {
    return (buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) != Qt::NoButton;
}

QFont UiFont(double points, bool bold = false) {
    QFont font;
    // A sans-serif of the metrics the layout was made for, then whatever sans-serif there is.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(points * kPixelsPerInch / kPointsPerInch + 0.5));
    font.setBold(bold);
    return font;
}

void Place(QWidget* widget, const layout::Rect& r) {
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const layout::Rect& r,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    Place(label, r);
    return label;
}

void Fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

int ToPixel(float value) {
    return RoundToInt32(value);
}

double SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace

FrmMain::FrmMain(QString commandLine, QWidget* parent)
    : QWidget(parent), commandLine_(std::move(commandLine)) {
    setObjectName(QStringLiteral("frmMain"));
    // A fixed dialog frame: no resizing, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::kWindowWidth, layout::kWindowHeight);
    Fill(this, kWindowBackground);

    model_.secondsSinceMidnight = SecondsSinceMidnight;
    model_.processPendingEvents = [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    };
    // Where the last pointer event the program received put the pointer: asking the display
    // server on every tick would cost a round trip a hundred times a second.
    lastPointerOnScreen_ = QCursor::pos();
    pointerPosition = [this] { return canvas_->mapFromGlobal(lastPointerOnScreen_); };
    model_.inputBox = [this](const std::string& title, const std::string& prompt,
                             const std::string& defaultText) {
        return InputBox(title, prompt, defaultText);
    };
    model_.unknownValueRefused = [this](PieceKind unknownKind, const std::string& answer) {
        const QString letter =
            unknownKind == PieceKind::kX ? QStringLiteral("X") : QStringLiteral("Y");
        QMessageBox::warning(this, tr("Tarvelo"),
                             UnknownValueRefusedMessage(letter, QString::fromStdString(answer)));
    };

    BuildControls();
    BuildTimers();
    // Ctrl+Plus, Ctrl+Minus, Ctrl+0 and F11, at the zoom the user's settings keep.
    // Each change is said, since a screen reader's user may not see it.
    connect(new WindowZoom(this), &WindowZoom::zoomed, this, [this](int percent, bool fullScreen) {
        access_->Announce(ZoomSentence(percent, fullScreen));
    });
    SyncFromModel();
    // Input anywhere in the program wakes the timers when the scene is at rest.
    QCoreApplication::instance()->installEventFilter(this);
}

FrmMain::~FrmMain() {
    if (registration_.valid()) {
        registration_.wait();
    }
}

void FrmMain::BuildControls() {
    BuildSceneSurface();
    BuildPalette();
    BuildLabels();
    BuildSceneControls();
    BuildAccess();
    // The copy being dragged in is seen over everything else on the window.
    dragImg_->raise();
}

void FrmMain::BuildAccess() {
    AccessLayer::Controls controls;
    controls.palette = palette_;
    controls.scene = canvas_;
    controls.buttons = {
        {Command2_, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Command5_, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {Command3_, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Command4_, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Command1_, QKeySequence(Qt::CTRL | Qt::Key_L)},
    };
    controls.info = lblInfo_;
    controls.infoShortcut = QKeySequence(Qt::Key_F1);
    controls.sign = lblComparison_;
    controls.equation = lblEquazione_;
    access_ = new AccessLayer(
        this, model_, std::move(controls),
        [this](const std::function<void()>& handler) { Handle(handler); },
        [this] { ShowInformation(); });
}

void FrmMain::Handle(const std::function<void()>& handler) {
    handler();
    SyncFromModel(true);
}

bool FrmMain::UserMovesSomething() const {
    return model_.HeldPiece() != kNoObject ||
           model_.KeyboardCarrying() != KeyboardPlay::Carrying::Nothing ||
           model_.pointer.dragImgInt().Visible;
}

void FrmMain::BuildSceneSurface() {
    HiddenText_ = new QLineEdit(QStringLiteral("Text1"), this);
    HiddenText_->setObjectName(QStringLiteral("HiddenText"));
    Place(HiddenText_, layout::kHiddenText);
    HiddenText_->hide();

    // A sunken border of two pixels around the client area that is drawn on.
    pictDraw_ = new QFrame(this);
    // Only a border around the scene: no second window for a screen reader.
    ReadAs(pictDraw_, QAccessible::Grouping);
    pictDraw_->setObjectName(QStringLiteral("pictDraw"));
    pictDraw_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    pictDraw_->setLineWidth(layout::kPictDrawBorder);
    Place(pictDraw_, layout::kPictDraw);
    canvas_ = new SceneCanvas(model_, pictDraw_);
    canvas_->setObjectName(QStringLiteral("pictDrawClient"));
    canvas_->setGeometry(layout::kPictDrawBorder, layout::kPictDrawBorder, layout::kSceneWidth,
                         layout::kSceneHeight);
    // The pointer over the scene frames the piece under it; the left button grabs it and lets
    // it go, the right one removes it.
    connect(canvas_, &PointerSurface::moved, this, [this](Qt::MouseButtons, QPointF at) {
        Handle([&] { model_.PointAt(At(at.x()), At(at.y())); });
    });
    connect(canvas_, &PointerSurface::pressed, this, [this](Qt::MouseButton button, QPointF at) {
        Handle([&] {
            if (button == Qt::LeftButton) {
                model_.Grab(At(at.x()), At(at.y()));
            } else if (button == Qt::RightButton) {
                model_.RemoveFramed();
            }
        });
    });
    connect(canvas_, &PointerSurface::released, this, [this](Qt::MouseButton button, QPointF) {
        Handle([&] {
            if (button == Qt::LeftButton) {
                model_.LetGo();
            }
        });
    });
}

void FrmMain::BuildPalette() {
    // Smiley to Y from left to right; the pan's picture stays hidden.
    for (const layout::PaletteSlot& slot : layout::kPalette) {
        auto* box = new PictureBox(pictures_, kWindowBackground, this);
        box->setObjectName(QStringLiteral("img%1").arg(KindNumber(slot.kind)));
        box->SetPicture(PictureOf(slot.kind));
        box->move(slot.left, layout::kPaletteTop);
        box->setVisible(slot.kind != PieceKind::kPan);
        if (slot.kind != PieceKind::kPan) {
            palette_.emplace_back(box, slot.kind);
        }
        connect(box, &PictureBox::pressed, this,
                [this, kind = slot.kind](Qt::MouseButton button, QPointF at) {
                    // The left button picks up a copy; the right one asks for X's or Y's value.
                    Handle([&] {
                        if (button == Qt::LeftButton) {
                            model_.PickUpCopy(kind, RoundToInt32(at.x()), RoundToInt32(at.y()));
                        } else if (button == Qt::RightButton) {
                            model_.AskUnknownValue(kind);
                        }
                    });
                });
    }

    // The copy dragged in, over the window.
    dragImg_ = new PictureBox(pictures_, kDragBackground, this);
    dragImg_->setObjectName(QStringLiteral("dragImg"));
    Place(dragImg_, layout::kDragImg);
    dragImg_->hide();
    // The first move with no button held drops the copy.
    connect(dragImg_, &PointerSurface::moved, this, [this](Qt::MouseButtons buttons, QPointF) {
        if (!AnyButtonHeld(buttons)) {
            Handle([&] { model_.DropCopy(); });
        }
    });
}

void FrmMain::BuildLabels() {
    lblEquazione_ = MakeLabel(this, "lblEquazione", QString(), layout::kLblEquazione,
                              UiFont(kEquationPoints), Qt::AlignHCenter | Qt::AlignTop);
    Fill(lblEquazione_, kEquationBackground);

    lblInfo_ = MakeLabel(this, "lblInfo", QStringLiteral("i"), layout::kLblInfo,
                         UiFont(kInfoPoints, true), Qt::AlignCenter);
    Fill(lblInfo_, kInfoBackground);
    {
        QPalette palette = lblInfo_->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        lblInfo_->setPalette(palette);
    }
    lblInfo_->setToolTip(tr("Program info"));
    lblInfo_->installEventFilter(this);

    Label1_ = MakeLabel(this, "Label1", tr("Drag inside..."), layout::kLabel1, UiFont(kHintPoints));
    Label2_ = MakeLabel(this, "Label2", tr("Left-click and drag : move the objects"),
                        layout::kLabel2, UiFont(kHintPoints));
    Label3_ = MakeLabel(this, "Label3", tr("Drag down for removing..."), layout::kLabel3,
                        UiFont(kHintPoints), Qt::AlignRight | Qt::AlignTop);
    // The hints only say something; the "i" label lies over the first one and takes the clicks.
    for (QLabel* hint : {Label1_, Label2_, Label3_}) {
        hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    lblInfo_->raise();
}

void FrmMain::BuildSceneControls() {
    // The copy dragged in, over the scene.
    dragImgInt_ = new PictureBox(pictures_, kDragBackground, canvas_);
    dragImgInt_->setObjectName(QStringLiteral("dragImgInt"));
    Place(dragImgInt_, layout::kDragImgInt);
    dragImgInt_->hide();
    connect(dragImgInt_, &PointerSurface::moved, this, [this](Qt::MouseButtons buttons, QPointF) {
        if (!AnyButtonHeld(buttons)) {
            Handle([&] { model_.DropCopy(); });
        }
    });

    auto makeButton = [this](const char* name, const layout::Rect& r) {
        auto* button = new QPushButton(canvas_);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(UiFont(kButtonPoints));
        Place(button, r);
        return button;
    };
    Command1_ = makeButton("Command1", layout::kCommand1);
    Command2_ = makeButton("Command2", layout::kCommand2);
    Command3_ = makeButton("Command3", layout::kCommand3);
    Command4_ = makeButton("Command4", layout::kCommand4);
    Command5_ = makeButton("Command5", layout::kCommand5);
    connect(Command1_, &QPushButton::clicked, this, [this] { ToggleSolution(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { StartNewScene(); });
    connect(Command3_, &QPushButton::clicked, this, [this] { OpenWithDialog(); });
    connect(Command4_, &QPushButton::clicked, this, [this] { Save(); });
    connect(Command5_, &QPushButton::clicked, this, [this] { Restart(); });

    lblComparison_ =
        MakeLabel(canvas_, "lblComparison", QStringLiteral("="), layout::kLblComparison,
                  UiFont(kComparisonPoints, true), Qt::AlignHCenter | Qt::AlignTop);
    lblComparison_->setWordWrap(false);
    lblComparison_->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblMassa_ = MakeLabel(canvas_, "lblMassa", QStringLiteral("massa"), layout::kLblMassa,
                          UiFont(kButtonPoints));
    Fill(lblMassa_, kMassaBackground);
    lblMassa_->hide();

    selObj_ = new SelectionFrame(canvas_);
    selObj_->setObjectName(QStringLiteral("selObj"));
    Place(selObj_, layout::kSelObj);
    selObj_->hide();
}

std::optional<std::string> FrmMain::InputBox(const std::string& title, const std::string& prompt,
                                             const std::string& defaultText) {
    QString label = Translated(prompt);
    label.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QInputDialog dialog(this);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(label);
    dialog.setTextValue(QString::fromStdString(defaultText));
    // A screen reader names the field by the question it answers.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setAccessibleName(label);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

void FrmMain::BuildTimers() {
    for (std::size_t t = 0; t < kWindowTimers.size(); ++t) {
        const WindowTimerSpec& spec = kWindowTimers[t];
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(spec.name));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(spec.intervalMs);
        connect(timer, &QTimer::timeout, this, [this, which = spec.timer] { Tick(which); });
        timer->start();
        timers_[t] = timer;
    }
}

void FrmMain::Tick(WindowTimer timer) {
    if (timer == WindowTimer::Reality) {
        timerMs_ += kRealityStepMs;
    }
    const QPointF p = timer == WindowTimer::Pointer && pointerPosition
                          ? pointerPosition()
                          : QPointF(model_.pointer.pointerX(), model_.pointer.pointerY());
    model_.Tick(timer, TimerNowMs(), At(p.x()), At(p.y()));
    AfterTick();
}

std::int64_t FrmMain::TimerNowMs() const {
    return clock_ != nullptr ? clock_->NowMs() : timerMs_;
}

void FrmMain::SetTimersRunning(bool running) {
    timersWanted_ = running;
    if (running) {
        StartTimers();
    } else {
        for (QTimer* timer : timers_) {
            timer->stop();
        }
        resting_ = false;
    }
}

void FrmMain::RunOnClock(VirtualClock& clock) {
    SetTimersRunning(false);
    clock_ = &clock;
    AttachWindowTimers(clock, [this](WindowTimer timer) { Tick(timer); });
    model_.processPendingEvents = [&clock] { clock.RunNextTick(); };
}

void FrmMain::StartTimers() {
    resting_ = false;
    model_.WatchRestFrom(TimerNowMs(), true);
    for (QTimer* timer : timers_) {
        if (!timer->isActive()) {
            timer->start();
        }
    }
}

void FrmMain::AfterTick() {
    SyncFromModel();
    // At rest the scene is a fixed point of all three timers: let them sleep until there is
    // input again. (With the timers stopped, on the clock of a test or of the run without a
    // window, whoever drives that clock watches for rest itself.)
    if (timersWanted_ && model_.AtRest() && !model_.IsCleaning()) {
        for (QTimer* timer : timers_) {
            timer->stop();
        }
        resting_ = true;
    }
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->isSinglePointEvent()) {
        lastPointerOnScreen_ = static_cast<QSinglePointEvent*>(event)->globalPosition();
    }
    if (resting_) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::HoverMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Show:
        case QEvent::WindowActivate:
            StartTimers();
            break;
        default:
            break;
        }
    }
    // The "i" label opens the information window.
    if (watched == lblInfo_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ShowInformation();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString FrmMain::Translated(const std::string& text) const {
    return tr(text.c_str());
}

QString FrmMain::WindowTitle(const std::string& caption) const {
    const QString name = tr("Tarvelo");
    const std::string programName = kProgramName;
    const std::string separator = kCaptionSeparator;
    if (caption.rfind(programName + separator, 0) == 0) {
        return tr("%1 - %2").arg(
            name, QString::fromStdString(caption.substr(programName.size() + separator.size())));
    }
    return caption == programName ? name : QString::fromStdString(caption);
}

void FrmMain::SyncFromModel(bool afterInput) {
    const bool all = !shown_.has_value();
    if (all) {
        shown_.emplace();
    }
    ShownControls& shown = *shown_;
    // True, and the shown value brought up to date, when the model's value differs.
    const auto changed = [all](auto& shownValue, const auto& modelValue) {
        if (!all && shownValue == modelValue) {
            return false;
        }
        shownValue = modelValue;
        return true;
    };

    if (changed(shown.Caption, model_.controls.Caption())) {
        setWindowTitle(WindowTitle(model_.controls.Caption()));
    }
    if (changed(shown.lblComparison, model_.equation.lblComparison())) {
        lblComparison_->setText(QString::fromStdString(model_.equation.lblComparison().Caption));
        lblComparison_->move(ToPixel(model_.equation.lblComparison().Left),
                             ToPixel(model_.equation.lblComparison().Top));
    }
    if (changed(shown.lblEquazione, model_.equation.lblEquazione())) {
        lblEquazione_->setText(QString::fromStdString(model_.equation.lblEquazione().Caption));
    }
    if (changed(shown.selObj, model_.pointer.selObj())) {
        const ControlBox& box = model_.pointer.selObj();
        selObj_->setGeometry(ToPixel(box.Left), ToPixel(box.Top), box.Width, box.Height);
        selObj_->setVisible(box.Visible);
    }
    if (changed(shown.lblMassa, model_.controls.lblMassa())) {
        lblMassa_->move(ToPixel(model_.controls.lblMassa().Left),
                        ToPixel(model_.controls.lblMassa().Top));
        lblMassa_->setVisible(model_.controls.lblMassa().Visible);
    }
    const auto placeDragBox = [](PictureBox* widget, const ControlBox& box) {
        widget->SetPicture(box.Picture);
        widget->move(ToPixel(box.Left), ToPixel(box.Top));
        widget->setVisible(box.Visible);
    };
    if (changed(shown.dragImg, model_.pointer.dragImg())) {
        placeDragBox(dragImg_, model_.pointer.dragImg());
    }
    if (changed(shown.dragImgInt, model_.pointer.dragImgInt())) {
        placeDragBox(dragImgInt_, model_.pointer.dragImgInt());
    }

    const auto syncButton = [&](QPushButton* button, ButtonState& shownState,
                                const ButtonState& state) {
        if (changed(shownState, state)) {
            button->setText(Translated(state.Caption));
            button->setEnabled(state.Enabled);
            button->setVisible(state.Visible);
        }
    };
    syncButton(Command1_, shown.Command1, model_.controls.Command1());
    syncButton(Command2_, shown.Command2, model_.controls.Command2());
    syncButton(Command3_, shown.Command3, model_.controls.Command3());
    syncButton(Command4_, shown.Command4, model_.controls.Command4());
    syncButton(Command5_, shown.Command5, model_.controls.Command5());

    canvas_->SyncFromModel(afterInput || UserMovesSomething());
    model_.WatchState(TimerNowMs());
    if (access_ != nullptr) {
        access_->AfterSync(TimerNowMs());
    }
}

void FrmMain::BuildScene() {
    model_.NewScene();
    // Start-up drew the pans where it created them, before putting them on the level line; show
    // them where they now stand rather than for one frame in the corner.
    model_.RefreshObjects();
    SyncFromModel();
    if (timersWanted_) {
        StartTimers();
    }
    // The command line is looked at only while the window has not been shown yet.
    if (!commandLine_.isEmpty() && !isVisible()) {
        LoadCommandLine(commandLine_);
    }
}

void FrmMain::ToggleSolution() {
    model_.ToggleSolution();
    SyncFromModel();
    access_->Announce(SolutionSentence(model_.controls.showSolution(), model_.scene.xValue(),
                                       model_.scene.yValue()));
    if (timersWanted_) {
        StartTimers();
    }
}

void FrmMain::ResetScene(std::function<void()> afterRebuild) {
    // A reset asked for while another waits for the scene to empty comes after it, in the
    // order asked. (Starting a second wait inside the first would let the first find a rebuilt
    // scene and wait for ever.)
    pendingResets_.push_back(std::move(afterRebuild));
    if (model_.IsCleaning()) {
        return;
    }
    while (!pendingResets_.empty()) {
        const std::function<void()> next = std::move(pendingResets_.front());
        pendingResets_.pop_front();
        // The wait needs the reality step running.
        if (timersWanted_) {
            StartTimers();
        }
        if (!model_.CleanProblem()) {
            return;
        }
        BuildScene();
        if (next) {
            next();
        }
        SyncFromModel();
    }
}

void FrmMain::StartNewScene() {
    if (SceneEmptying()) {
        return;
    }
    ResetScene([this] { access_->SceneReplaced(SceneReplacedSentence(SceneChange::New, {})); });
}

bool FrmMain::SceneEmptying() const {
    // While the scene falls out for a new one, the buttons that start or save a scene wait for
    // nothing: a save would write the falling pans, and a second reset asks for the same.
    return model_.IsCleaning();
}

} // namespace tarvelo
