// The moves panel's controls, group by group, and what each asks for.
#include "ui/window/MovesPanel.h"

#include "core/world/Scene.h"
#include "ui/accessibility/ChoiceTeller.h"
#include "ui/accessibility/ItemTellingList.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/window/KeyMap.h"
#include "ui/window/TrailPrinting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

namespace tarvelo {

namespace {

// The pieces the kind chooser offers, in its order: the cubes from 0 up, the unknowns, the smiley.
constexpr std::array kChoosableKinds = {
    PieceKind::kZero, PieceKind::kOne, PieceKind::kTwo,    PieceKind::kThree, PieceKind::kFour,
    PieceKind::kFive, PieceKind::kSix, PieceKind::kSeven,  PieceKind::kEight, PieceKind::kNine,
    PieceKind::kX,    PieceKind::kY,   PieceKind::kSmiley,
};

// The number boxes' ranges: the numbers a cube bears, and the groups a share makes.
constexpr int kLowestCube = 0;
constexpr int kHighestCube = 9;
constexpr int kFewestGroups = 2;
constexpr int kMostGroups = 9;
// What the split row offers first: an example that reads at once.
constexpr int kFirstN = 5;
constexpr int kFirstA = 2;
constexpr int kFirstB = 3;

// Room around and between the groups and their rows, in pixels.
constexpr int kGroupSpacing = 2;
constexpr int kGroupMargin = 4;

// The trail shows at least a few lines; it takes what height the groups above and below leave.
constexpr int kTrailLinesShown = 3;

const QString kYNotChecked = QStringLiteral("\u2014"); // a dash: no value

QPushButton* MakeButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    // Enter presses a button of the panel, as Space does.
    button->setAutoDefault(true);
    return button;
}

QGroupBox* MakeGroup(const QString& title, const char* name) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    group->setFlat(true);
    return group;
}

// Rows of a group, close together: the panel holds a lot in the window's height.
QVBoxLayout* RowsOf(QGroupBox* group) {
    auto* rows = new QVBoxLayout(group);
    rows->setContentsMargins(kGroupMargin, kGroupMargin, kGroupMargin, kGroupMargin);
    rows->setSpacing(kGroupMargin);
    return rows;
}

} // namespace

MovesPanel::MovesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("movesPanel"));
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setSpacing(kGroupSpacing);
    // The trail takes the height the moves leave; the check, used last, comes after it.
    for (QWidget* part :
         {BuildTask(), BuildSameOnBoth(), BuildExchange(), BuildShare(), BuildResult()}) {
        column->addWidget(part);
    }
    column->addWidget(BuildTrail(), 1);
    column->addWidget(BuildCheck());
    column->addWidget(BuildClose());
    // In a language of long words the panel scrolls rather than cut a control off.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("movesScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    // Escape anywhere in the panel closes it: outside the palette and the scene it means nothing
    // else, and what the keyboard carried was put down as the focus came here.
    auto* escape = new QShortcut(kCloseMovesPanelKey, this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &MovesPanel::closeRequested);
}

QWidget* MovesPanel::BuildTask() {
    QGroupBox* group = MakeGroup(QString(), "task");
    task_ = group;
    QVBoxLayout* rows = RowsOf(group);
    taskTitle_ = new QLabel;
    taskTitle_->setObjectName(QStringLiteral("taskTitle"));
    QFont bold = taskTitle_->font();
    bold.setBold(true);
    taskTitle_->setFont(bold);
    taskTitle_->setWordWrap(true);
    taskGoal_ = new QLabel;
    taskGoal_->setObjectName(QStringLiteral("taskGoal"));
    taskGoal_->setWordWrap(true);
    rows->addWidget(taskTitle_);
    rows->addWidget(taskGoal_);
    praise_ = new QLabel;
    praise_->setObjectName(QStringLiteral("praise"));
    praise_->setWordWrap(true);
    rows->addWidget(praise_);
    next_ = MakeButton(QString(), "next");
    connect(next_, &QPushButton::clicked, this, &MovesPanel::nextRequested);
    rows->addWidget(next_);
    ShowTask({});
    return group;
}

QWidget* MovesPanel::BuildSameOnBoth() {
    QGroupBox* group = MakeGroup(tr("Same on both pans"), "sameOnBoth");
    QVBoxLayout* rows = RowsOf(group);
    kinds_ = new QComboBox;
    kinds_->setObjectName(QStringLiteral("moveKind"));
    for (const PieceKind kind : kChoosableKinds) {
        kinds_->addItem(KindName(kind));
    }
    rows->addLayout(Row({ChoiceCaption(tr("Piece"), kinds_), kinds_}));
    QPushButton* take = MakeButton(tr("Take from both pans"), "takeFromBoth");
    QPushButton* add = MakeButton(tr("Add to both pans"), "addToBoth");
    connect(take, &QPushButton::clicked, this, [this] { RequestOnBoth(MoveType::Take); });
    connect(add, &QPushButton::clicked, this, [this] { RequestOnBoth(MoveType::Add); });
    rows->addLayout(Row({take, add}));
    return group;
}

QWidget* MovesPanel::BuildExchange() {
    QGroupBox* group = MakeGroup(tr("Exchange cubes on one pan"), "exchange");
    QVBoxLayout* rows = RowsOf(group);
    pan_ = new QComboBox;
    pan_->setObjectName(QStringLiteral("exchangePan"));
    pan_->addItem(tr("left pan"), kLeftPan);
    pan_->addItem(tr("right pan"), kRightPan);
    rows->addLayout(Row({ChoiceCaption(tr("Pan"), pan_), pan_}));
    // The three boxes read as the exchange itself: N → A + B.
    n_ = NumberBox("splitN", kLowestCube, kHighestCube, kFirstN);
    a_ = NumberBox("cubeA", kLowestCube, kHighestCube, kFirstA);
    b_ = NumberBox("cubeB", kLowestCube, kHighestCube, kFirstB);
    n_->setAccessibleName(tr("N, the cube to split"));
    a_->setAccessibleName(tr("A, the first cube"));
    b_->setAccessibleName(tr("B, the second cube"));
    rows->addLayout(
        Row({n_, Symbol(QStringLiteral("\u2192")), a_, Symbol(QStringLiteral("+")), b_}));
    QPushButton* split = MakeButton(tr("Split N into A + B"), "split");
    QPushButton* join = MakeButton(tr("Join A + B"), "join");
    connect(split, &QPushButton::clicked, this, [this] { RequestExchange(MoveType::Split); });
    connect(join, &QPushButton::clicked, this, [this] { RequestExchange(MoveType::Join); });
    for (QSpinBox* box : {n_, a_, b_}) {
        PressOnEnter(box, split);
    }
    rows->addLayout(Row({split, join}));
    return group;
}

QWidget* MovesPanel::BuildShare() {
    QGroupBox* group = MakeGroup(tr("Share both pans"), "sharing");
    QVBoxLayout* rows = RowsOf(group);
    groups_ = NumberBox("shareGroups", kFewestGroups, kMostGroups, kFewestGroups);
    QPushButton* share = MakeButton(tr("Share into equal groups"), "share");
    connect(share, &QPushButton::clicked, this, [this] {
        ScriptMove move;
        move.type = MoveType::Share;
        move.numbers = {groups_->value()};
        emit moveRequested(move);
    });
    PressOnEnter(groups_, share);
    rows->addLayout(Row({Caption(tr("Groups"), groups_), groups_, share}));
    return group;
}

QWidget* MovesPanel::BuildResult() {
    QGroupBox* group = MakeGroup(tr("Last move"), "result");
    QVBoxLayout* rows = RowsOf(group);
    status_ = new QLabel(tr("No move made yet."));
    status_->setObjectName(QStringLiteral("moveStatus"));
    status_->setWordWrap(true);
    rows->addWidget(status_);
    answer_ = new QLabel;
    answer_->setObjectName(QStringLiteral("answer"));
    // The answer names itself by its text ("X = 3"): only its caption says "Answer".
    auto* caption = new QLabel(tr("Answer"));
    caption->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    rows->addLayout(Row({caption, answer_}));
    ShowAnswer({});
    return group;
}

QWidget* MovesPanel::BuildCheck() {
    QGroupBox* group = MakeGroup(tr("Check an answer"), "checking");
    QVBoxLayout* rows = RowsOf(group);
    lock_ = new QCheckBox(tr("Lock both pans"));
    lock_->setObjectName(QStringLiteral("lockPans"));
    connect(lock_, &QCheckBox::toggled, this, &MovesPanel::lockToggled);
    rows->addWidget(lock_);
    checkX_ = NumberBox("checkX", kLowestCube, kHighestCube, kLowestCube);
    // Below the numbers, one value more: Y not checked.
    checkY_ = NumberBox("checkY", kUncheckedY, kHighestCube, kUncheckedY);
    checkY_->setSpecialValueText(kYNotChecked);
    QPushButton* check = MakeButton(tr("Check"), "check");
    connect(check, &QPushButton::clicked, this,
            [this] { emit checkRequested(checkX_->value(), checkY_->value()); });
    PressOnEnter(checkX_, check);
    PressOnEnter(checkY_, check);
    rows->addLayout(Row({Caption(tr("Value of X"), checkX_), checkX_,
                         Caption(tr("Value of Y"), checkY_), checkY_, check}));
    return group;
}

QWidget* MovesPanel::BuildTrail() {
    const QString title = tr("Trail of equations");
    QGroupBox* group = MakeGroup(title, "trailGroup");
    QVBoxLayout* rows = RowsOf(group);
    trail_ = new ItemTellingList;
    trail_->setObjectName(QStringLiteral("trail"));
    trail_->setAccessibleName(title);
    trail_->setMinimumHeight(trail_->fontMetrics().lineSpacing() * kTrailLinesShown);
    // Its height is what the moves leave, never what its lines would like.
    trail_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    rows->addWidget(trail_);
    copyTrail_ = MakeButton(tr("Copy trail"), "copyTrail");
    printTrail_ = MakeButton(tr("Print trail\u2026"), "printTrail");
    connect(copyTrail_, &QPushButton::clicked, this, [this] { CopyTrail(); });
    connect(printTrail_, &QPushButton::clicked, this, [this] { PrintTrail(); });
    rows->addLayout(Row({copyTrail_, printTrail_}));
    ShowTrail({});
    return group;
}

QWidget* MovesPanel::BuildClose() {
    QPushButton* challenges = MakeButton(tr("Challenges\u2026"), "openChallenges");
    challenges->setAccessibleDescription(kChallengesKey.toString(QKeySequence::NativeText));
    connect(challenges, &QPushButton::clicked, this, &MovesPanel::challengesRequested);
    QPushButton* lessons = MakeButton(tr("Lessons\u2026"), "openLessons");
    lessons->setAccessibleDescription(kLessonsKey.toString(QKeySequence::NativeText));
    connect(lessons, &QPushButton::clicked, this, &MovesPanel::lessonsRequested);
    QPushButton* close = MakeButton(tr("Close the panel"), "closeMovesPanel");
    close->setAccessibleDescription(kMovesPanelKey.toString(QKeySequence::NativeText));
    connect(close, &QPushButton::clicked, this, &MovesPanel::closeRequested);
    // Two rows: the three side by side do not fit the panel's width in every language.
    sound_ = new QCheckBox(tr("Sound"));
    sound_->setObjectName(QStringLiteral("sound"));
    sound_->setAccessibleDescription(kSoundKey.toString(QKeySequence::NativeText));
    connect(sound_, &QCheckBox::toggled, this, &MovesPanel::soundToggled);
    speakBalances_ = new QCheckBox(tr("Read each balance aloud"));
    speakBalances_->setObjectName(QStringLiteral("speakBalances"));
    connect(speakBalances_, &QCheckBox::toggled, this, &MovesPanel::speakBalancesToggled);
    auto* buttons = new QWidget;
    auto* rows = new QVBoxLayout(buttons);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(Row({sound_, speakBalances_}));
    rows->addLayout(Row({challenges, lessons}));
    rows->addLayout(Row({close}));
    return buttons;
}

QSpinBox* MovesPanel::NumberBox(const char* name, int lowest, int highest, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(lowest, highest);
    box->setValue(value);
    // One digit wide: the room goes to the captions and buttons beside it.
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QLabel* MovesPanel::Caption(const QString& caption, QWidget* field) {
    field->setAccessibleName(caption);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    // As wide as its words: the room goes to the field and the buttons.
    label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return label;
}

QLabel* MovesPanel::ChoiceCaption(const QString& caption, QComboBox* choices) {
    QLabel* label = Caption(caption, choices);
    TellChoices(choices, [this](const QString& choice) { emit choiceMade(choice); });
    return label;
}

QLabel* MovesPanel::Symbol(const QString& symbol) {
    auto* label = new QLabel(symbol);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QHBoxLayout* MovesPanel::Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    return row;
}

void MovesPanel::PressOnEnter(QSpinBox* box, QPushButton* button) {
    // A number box says Enter through its line's returnPressed, whichever of the two had the key.
    if (auto* line = box->findChild<QLineEdit*>()) {
        connect(line, &QLineEdit::returnPressed, button, [box, button] {
            box->interpretText();
            button->click();
        });
    }
}

void MovesPanel::RequestOnBoth(MoveType type) {
    ScriptMove move;
    move.type = type;
    move.kind = kChoosableKinds.at(static_cast<std::size_t>(kinds_->currentIndex()));
    emit moveRequested(move);
}

void MovesPanel::RequestExchange(MoveType type) {
    ScriptMove move;
    move.type = type;
    move.pan = pan_->currentData().toInt();
    move.numbers = type == MoveType::Split ? std::vector{n_->value(), a_->value(), b_->value()}
                                           : std::vector{a_->value(), b_->value()};
    emit moveRequested(move);
}

void MovesPanel::ShowStatus(const QString& sentence) {
    status_->setText(sentence);
}

void MovesPanel::ShowAnswer(const QString& answer) {
    answer_->setText(answer.isEmpty() ? tr("not shown yet") : answer);
}

void MovesPanel::SetLocked(bool locked) {
    const QSignalBlocker quiet(lock_);
    lock_->setChecked(locked);
}

void MovesPanel::ShowTrail(const QStringList& lines) {
    const QStringList shown = TrailLines();
    if (lines != shown) {
        // The lines both have stay, and so does the current one among them: a step come to
        // rest rewrites only its own line, undo takes lines off the end, a move adds some.
        qsizetype same = 0;
        while (same < shown.size() && same < lines.size() && shown[same] == lines[same]) {
            ++same;
        }
        const int current = trail_->currentRow();
        while (trail_->count() > same) {
            delete trail_->takeItem(trail_->count() - 1);
        }
        trail_->addItems(lines.mid(same));
        if (current >= 0 && current < trail_->count()) {
            trail_->setCurrentRow(current);
        }
        if (lines.size() > same) {
            trail_->scrollToBottom();
        }
    }
    copyTrail_->setEnabled(!lines.isEmpty());
    printTrail_->setEnabled(!lines.isEmpty());
}

QStringList MovesPanel::TrailLines() const {
    QStringList lines;
    for (int row = 0; row < trail_->count(); ++row) {
        lines << trail_->item(row)->text();
    }
    return lines;
}

void MovesPanel::CopyTrail() const {
    QGuiApplication::clipboard()->setText(TrailLines().join(QLatin1Char('\n')));
}

void MovesPanel::PrintTrail() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        PrintLines(TrailLines(), printer);
    }
}

void MovesPanel::ShowTask(const PanelTask& task) {
    taskTitle_->setText(task.title);
    taskGoal_->setText(task.goal);
    const bool done = !task.praise.isEmpty();
    // The stars are to see; a screen reader hears the praise, which counts them in words.
    praise_->setText(done ? task.stars + QLatin1Char(' ') + task.praise : QString());
    praise_->setAccessibleName(task.praise);
    praise_->setVisible(done);
    next_->setText(task.next);
    next_->setVisible(done && !task.next.isEmpty());
    task_->setVisible(!task.title.isEmpty());
}

void MovesPanel::ShowSound(bool on, bool speakBalances) {
    const QSignalBlocker quietSound(sound_);
    const QSignalBlocker quietSpeech(speakBalances_);
    sound_->setChecked(on);
    speakBalances_->setChecked(speakBalances);
}

void MovesPanel::FocusNext() {
    // The last lesson has no next one: the focus stays where it is.
    if (next_->isVisible()) {
        next_->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* MovesPanel::FirstControl() const {
    return kinds_;
}

} // namespace tarvelo
