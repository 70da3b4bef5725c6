// The main window's controls: their places, fonts and colours, area by area, and the parts that
// run them (the sync from the model, the pointer, the keyboard and the screen reader).
#include "core/base/Layout.h"
#include "ui/accessibility/AccessibleFactory.h"
#include "ui/painting/SceneCanvas.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FixedColours.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/PictureBox.h"
#include "ui/window/PointerInput.h"
#include "ui/window/SelectionFrame.h"
#include "ui/window/WidgetSync.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

} // namespace

void FrmMain::SetUpWindow() {
    setObjectName(QStringLiteral("frmMain"));
    // A fixed dialog frame: no resizing, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::kWindowWidth, layout::kWindowHeight);
    FillReadably(this, kWindowBackground);
}

void FrmMain::BuildControls() {
    BuildSceneSurface();
    BuildPalette();
    BuildLabels();
    BuildSceneControls();
    BuildAccess();
    // The copy being dragged in is seen over everything else on the window.
    dragImg_->raise();
    BuildSync();
    BuildPointerInput();
}

void FrmMain::BuildAccess() {
    AccessLayer::Controls controls;
    controls.palette = palette_;
    controls.scene = canvas_;
    controls.buttons = {
        {Command2_, kNewKey},  {Command5_, kRestartKey},  {Command3_, kOpenKey},
        {Command4_, kSaveKey}, {Command1_, kSolutionKey},
    };
    controls.info = lblInfo_;
    controls.infoShortcut = kInfoKey;
    controls.sign = lblComparison_;
    controls.equation = lblEquazione_;
    access_ = new AccessLayer(this, model_, std::move(controls), Handler(),
                              [this] { ShowInformation(); });
}

void FrmMain::BuildSync() {
    WidgetSync::Widgets widgets;
    widgets.scene = canvas_;
    widgets.lblComparison = lblComparison_;
    widgets.lblEquazione = lblEquazione_;
    widgets.selObj = selObj_;
    widgets.lblMassa = lblMassa_;
    widgets.dragImg = dragImg_;
    widgets.dragImgInt = dragImgInt_;
    widgets.Command1 = Command1_;
    widgets.Command2 = Command2_;
    widgets.Command3 = Command3_;
    widgets.Command4 = Command4_;
    widgets.Command5 = Command5_;
    sync_ = std::make_unique<WidgetSync>(model_, widgets);
}

void FrmMain::BuildPointerInput() {
    PointerInput::Surfaces surfaces;
    surfaces.scene = canvas_;
    surfaces.palette = palette_;
    surfaces.dragBoxes = {dragImg_, dragImgInt_};
    pointer_ = new PointerInput(this, model_, std::move(surfaces), Handler());
}

void FrmMain::BuildMovesPanel() {
    // Under the window's own controls, in the room the window grows by while it is open.
    movesPanel_ = new MovesPanel(this);
    movesPanel_->setFont(UiFont(kButtonPoints));
    movesPanel_->setGeometry(0, layout::kWindowHeight, layout::kWindowWidth, kMovesPanelHeight);
    movesPanel_->hide();
    connect(movesPanel_, &MovesPanel::moveRequested, this,
            [this](const ScriptMove& move) { MakePanelMove(move); });
    connect(movesPanel_, &MovesPanel::checkRequested, this,
            [this](int x, int y) { CheckAnswer(x, y); });
    connect(movesPanel_, &MovesPanel::lockToggled, this, [this](bool locked) { LockPans(locked); });
    connect(movesPanel_, &MovesPanel::closeRequested, this, [this] { SetMovesPanelOpen(false); });
    connect(movesPanel_, &MovesPanel::challengesRequested, this, [this] { ShowChallenges(); });
    connect(movesPanel_, &MovesPanel::lessonsRequested, this, [this] { ShowLessons(); });
    connect(movesPanel_, &MovesPanel::soundToggled, this, [this](bool on) { SetSoundOn(on); });
    connect(movesPanel_, &MovesPanel::speakBalancesToggled, this,
            [this](bool speak) { SetSpeakBalances(speak); });
    connect(movesPanel_, &MovesPanel::nextRequested, this, [this] { ShowNext(); });
    connect(movesPanel_, &MovesPanel::choiceMade, this,
            [this](const QString& choice) { access_->Announce(choice); });
}

void FrmMain::BuildSceneSurface() {
    // A text box the window has always had, hidden: nothing reads it, but it keeps its place.
    auto* hiddenText = new QLineEdit(QStringLiteral("Text1"), this);
    hiddenText->setObjectName(QStringLiteral("HiddenText"));
    Place(hiddenText, layout::kHiddenText);
    hiddenText->hide();

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
    }

    // The copy dragged in, over the window.
    dragImg_ = new PictureBox(pictures_, kDragBackground, this);
    dragImg_->setObjectName(QStringLiteral("dragImg"));
    Place(dragImg_, layout::kDragImg);
    dragImg_->hide();
}

void FrmMain::BuildLabels() {
    lblEquazione_ = MakeLabel(this, "lblEquazione", QString(), layout::kLblEquazione,
                              UiFont(kEquationPoints), Qt::AlignHCenter | Qt::AlignTop);
    FillReadably(lblEquazione_, kEquationBackground);
    // The pointer's way to the moves panel, where a click did nothing before.
    lblEquazione_->setToolTip(tr("Click: moves on both pans (Ctrl+M)"));
    lblEquazione_->installEventFilter(this);

    lblInfo_ = MakeLabel(this, "lblInfo", QStringLiteral("i"), layout::kLblInfo,
                         UiFont(kInfoPoints, true), Qt::AlignCenter);
    FillReadably(lblInfo_, kInfoBackground);
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
    FillReadably(lblMassa_, kMassaBackground);
    lblMassa_->hide();

    selObj_ = new SelectionFrame(canvas_);
    selObj_->setObjectName(QStringLiteral("selObj"));
    Place(selObj_, layout::kSelObj);
    selObj_->hide();
}

} // namespace tarvelo
